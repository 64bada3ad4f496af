// Splitting a value into items where it stands.
//
// Every walk stops at the text's first NUL and never steps over it, so a stray
// NUL inside a file ends the text there and nothing past the terminating NULs
// is ever read. Whitespace and letters are those of the "C" locale whatever
// locale the program runs in: bytes above 127 are neither.
#include "tl_parse.h"

#include "tl_alloc.h"
#include "tl_chars.h"
#include "tl_number.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

using tl::IsSpace;
using tl::SkipSpace;

// What each byte means to the walk over a list, looked up once per byte.
enum : unsigned char { kBlank = 1, kComma = 2, kClose = 4, kEscape = 8, kEnd = 16 };

struct ByteClasses {
    unsigned char of[256] = {};
    constexpr ByteClasses() {
        for (int c = '\t'; c <= '\r'; ++c)
            of[c] = kBlank;
        of[static_cast<unsigned char>(' ')] = kBlank;
        of[static_cast<unsigned char>(',')] = kComma;
        of[static_cast<unsigned char>('}')] = kClose;
        of[static_cast<unsigned char>('\\')] = kEscape;
        of[0] = kEnd;
    }
    unsigned char operator()(char c) const { return of[static_cast<unsigned char>(c)]; }
};
constexpr ByteClasses kClassOf;

const char *SkipSpaceAndCommas(const char *p) {
    while (kClassOf(*p) & (kBlank | kComma))
        ++p;
    return p;
}

// The end of [begin, end) once trailing whitespace is dropped.
const char *TrimEnd(const char *begin, const char *end) {
    while (end > begin && IsSpace(end[-1]))
        --end;
    return end;
}

// The first "," or "}" at or after p that is not escaped, or the NUL. A
// backslash makes the character after it content, but never the NUL; *escaped
// tells whether there was one.
const char *FindItemEnd(const char *p, bool *escaped) {
    for (;;) {
        while (!(kClassOf(*p) & (kComma | kClose | kEscape | kEnd)))
            ++p;
        if (*p != '\\') return p;
        *escaped = true;
        p += p[1] != '\0' ? 2 : 1;
    }
}

// A plain decimal followed by nothing but whitespace before the "," or "}"
// that ends its item: the common item, converted as it is walked. Returns the
// "," or "}", or null for any other item.
const char *ReadNumberItem(const char *p, const char **numberEnd, float *number) {
    const char *after = tl::ReadPlainFloat(p, number);
    if (after == nullptr) return nullptr;
    const char *q = after;
    while (kClassOf(*q) & kBlank)
        ++q;
    if (!(kClassOf(*q) & (kComma | kClose))) return nullptr;
    *numberEnd = after;
    return q;
}

// Walks one group's items from p, which is just inside the group, and calls
// onItem(begin, end, escaped, number) for each (number, when not null, is the
// plain decimal the item holds). Items holding only whitespace are dropped,
// and so is an item cut off by the end of the text. Returns the position after
// the group's "}" with *closed set, or the end of the text with *closed clear.
template <typename OnItem> const char *WalkGroup(const char *p, bool *closed, OnItem &&onItem) {
    p = SkipSpaceAndCommas(p);
    for (;;) {
        *closed = *p == '}';
        if (*p == '}') return p + 1;
        if (*p == '\0') return p;
        float number = 0.0f;
        const char *end = nullptr;
        const char *itemEnd = ReadNumberItem(p, &end, &number);
        if (itemEnd != nullptr) {
            onItem(p, end, false, &number);
        } else {
            bool escaped = false;
            itemEnd = FindItemEnd(p, &escaped);
            if (*itemEnd == '\0') return itemEnd;
            onItem(p, TrimEnd(p, itemEnd), escaped, nullptr);
        }
        p = SkipSpaceAndCommas(itemEnd);
    }
}

// Walks the groups of a brace list from p, just after its opening "{" and the
// whitespace after it, calling sink.Item(begin, end, escaped, number) for each item and
// sink.EndGroup() or sink.DropGroup() after each group, and sink.End(end,
// closed) once with where the walk stopped. Returns the number of groups kept.
//
// A flat list is one group. In a list of groups a group counts only once its
// "}" is seen (a group cut off by the end of the text is dropped), and another
// group follows only after whitespace, at most one comma and whitespace.
// The walk ends after maxGroups groups, before any dropped one.
template <typename Sink> int WalkList(const char *p, Sink &sink, int maxGroups) {
    const bool ofGroups = *p == '{';
    int groupCount = 0;
    for (;;) {
        p = SkipSpaceAndCommas(p);
        if (*p == '{') ++p;
        bool closed = false;
        const char *after = WalkGroup(
            p, &closed, [&sink](const char *begin, const char *end, bool escaped, const float *number) {
                sink.Item(begin, end, escaped, number);
            });
        if (ofGroups && !closed) {
            sink.DropGroup();
            sink.End(after, false);
            return groupCount;
        }
        sink.EndGroup();
        ++groupCount;
        if (!ofGroups || groupCount == maxGroups) {
            sink.End(after, closed);
            return groupCount;
        }
        const char *next = SkipSpace(after);
        if (*next == ',') next = SkipSpace(next + 1);
        if (*next != '{') {
            sink.End(after, true);
            return groupCount;
        }
        p = after;
    }
}

} // namespace

size_t tl::NormalizeSpan(const char *begin, const char *end, char *out) {
    const size_t length = static_cast<size_t>(end - begin);
    const bool quoted = length > 0 && *begin == '"' && end[-1] == '"';
    if (quoted) {
        ++begin;
        end = length >= 2 ? end - 1 : begin;
    }
    char *start = out;
    for (const char *in = begin; in < end; ++in) {
        if (*in == '\\' && ++in == end) break;
        char c = *in;
        if (!quoted && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        *out++ = c;
    }
    *out = '\0';
    return static_cast<size_t>(out - start);
}

namespace tl {

void Value::EndGroup() {
    groupStart_ = static_cast<int32_t>(spans_.size());
    if (!groupEnds_.push_back(groupStart_)) full_ = true;
}

void Value::DropGroup() {
    spans_.resize(static_cast<size_t>(groupStart_));
}

void Value::End(const char *end, bool closed) {
    end_ = end;
    closed_ = closed;
}

Value::Result Value::Split(const char *position) {
    numbersOnly_ = false;
    spans_.clear();
    groupEnds_.clear();
    groupStart_ = 0;
    full_ = false;
    closed_ = true;
    const char *p = SkipSpace(position);
    begin_ = p;
    if (*p != '{') {
        bool escaped = false;
        const char *lineEnd = p;
        for (; *lineEnd != '\n' && *lineEnd != '\0'; ++lineEnd)
            escaped |= *lineEnd == '\\';
        end_ = TrimEnd(p, lineEnd);
        Item(p, end_, escaped, nullptr);
        EndGroup();
    } else {
        const char *first = SkipSpace(p + 1);
        if (*first == '}') {
            end_ = first + 1;
            return kEmpty;
        }
        WalkList(first, *this, INT_MAX);
        // The outer "}" of a list of groups closes the value; the end of the
        // text in its place cuts the list short.
        const char *after = SkipSpace(end_);
        if (*first == '{' && closed_) {
            if (*after == '}') end_ = after + 1;
            if (*after == '\0') closed_ = false;
        }
    }
    textsReady_ = false;
    if (full_) return kNoMemory;
    return groups() > 0 && count(0) > 0 ? kFound : kEmpty;
}

// The walk of a list of numbers: each item's number, nothing else.
struct Value::NumberSink {
    Value &value;
    bool others = false; // an item that is not a plain decimal
    bool full = false;
    int32_t groupStart = 0;

    void Item(const char *, const char *, bool, const float *number) {
        if (number == nullptr)
            others = true;
        else if (!value.numbers_.push_back(*number))
            full = true;
    }
    void EndGroup() {
        groupStart = static_cast<int32_t>(value.numbers_.size());
        if (!value.groupEnds_.push_back(groupStart)) full = true;
    }
    void DropGroup() { value.numbers_.resize(static_cast<size_t>(groupStart)); }
    void End(const char *, bool) {}
};

Value::Result Value::SplitNumbers(const char *position) {
    numbersOnly_ = false;
    const char *p = SkipSpace(position);
    if (*p != '{') return kNotNumbers;
    const char *first = SkipSpace(p + 1);
    if (*first == '}') return kEmpty;
    numbers_.clear();
    groupEnds_.clear();
    NumberSink sink{*this};
    WalkList(first, sink, INT_MAX);
    if (sink.full) return kNoMemory;
    if (sink.others) return kNotNumbers;
    numbersOnly_ = true;
    return groups() > 0 && count(0) > 0 ? kFound : kEmpty;
}

// Room for every item's text, made when the first text is asked for (numbers
// need none), so that the texts handed out never move while the value is
// read: each is at most as long as its span.
bool Value::Ready() {
    if (!texts_.resize(spans_.size())) return false;
    for (ItemText &text : texts_)
        text.at = -1;
    chars_.clear();
    textsReady_ = chars_.reserve(static_cast<size_t>(end_ - begin_) + spans_.size() + 1);
    return textsReady_;
}

bool Value::Reserve(size_t items, size_t groups) {
    return spans_.reserve(items) && numbers_.reserve(items) && groupEnds_.reserve(groups);
}

const char *Value::Text(int group, int item, size_t *length) {
    if (!textsReady_ && !Ready()) return nullptr;
    const int index = Index(group, item);
    ItemText &text = texts_[index];
    if (text.at < 0) {
        const ItemSpan span = spans_[index];
        const size_t at = chars_.size();
        chars_.resize(at + static_cast<size_t>(span.end - span.begin) + 1); // within the room Ready made
        text.at = static_cast<int32_t>(at);
        text.length = static_cast<int32_t>(NormalizeSpan(span.begin, span.end, chars_.data() + at));
    }
    if (length != nullptr) *length = static_cast<size_t>(text.length);
    return chars_.data() + text.at;
}

} // namespace tl
