// The token scanner: finds a keyword's value in a KCG text and splits it into
// groups of item strings.
//
// Every scan stops at the text's first NUL and never steps over it, so a stray
// NUL inside a file ends the text there and nothing past the terminating NULs
// is ever read. Whitespace and letters are those of the "C" locale whatever
// locale the program runs in: bytes above 127 are neither.
#include "tl_parse.h"

#include "tl_alloc.h"
#include "tl_chars.h"
#include "tl_diag.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int kEmptyList = -1;
constexpr int kOutOfMemory = -2;

using tl::IsSpace;
using tl::SkipLine;
using tl::SkipSpace;

const char *SkipSpaceAndCommas(const char *p) {
    while (*p == ',' || IsSpace(*p))
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
// backslash makes the character after it content, but never the NUL.
const char *FindItemEnd(const char *p) {
    while (*p != '\0' && *p != ',' && *p != '}')
        p += (*p == '\\' && p[1] != '\0') ? 2 : 1;
    return p;
}

// Walks one group's items from p, which is just inside the group, and calls
// onItem(begin, end) for each. Items holding only whitespace are dropped, and
// so is an item cut off by the end of the text. Returns the position after the
// group's "}" with *closed set, or the end of the text with *closed clear.
template <typename OnItem> const char *WalkGroup(const char *p, bool *closed, OnItem &&onItem) {
    p = SkipSpaceAndCommas(p);
    for (;;) {
        *closed = *p == '}';
        if (*p == '}') return p + 1;
        if (*p == '\0') return p;
        const char *end = FindItemEnd(p);
        if (*end == '\0') return end;
        onItem(p, TrimEnd(p, end));
        p = SkipSpaceAndCommas(end);
    }
}

// Walks the groups of a brace list from p, just after its opening "{" and the
// whitespace after it, calling sink.Item(begin, end) for each item and
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
        const char *after =
            WalkGroup(p, &closed, [&sink](const char *begin, const char *end) { sink.Item(begin, end); });
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

// The first walk over a list: the room its value needs.
struct ValueSize {
    int groups = 0;
    int items = 0;
    size_t chars = 0;
    int groupItems = 0;
    size_t groupChars = 0;

    void Item(const char *begin, const char *end) {
        ++groupItems;
        groupChars += static_cast<size_t>(end - begin) + 1;
    }
    void EndGroup() {
        ++groups;
        items += groupItems;
        chars += groupChars;
        DropGroup();
    }
    void DropGroup() {
        groupItems = 0;
        groupChars = 0;
    }
    void End(const char *, bool) {}
};

// The second walk: fills a value that lives in one heap block, the group
// array first, then every group's item pointers, then the item strings. One
// allocation per lookup keeps a read cheap, and a failed allocation leaves
// nothing half built.
class ValueBlock {
  public:
    // Allocates the block for size and points value at it; false when memory
    // ran out (value stays empty).
    bool Allocate(const ValueSize &size, TlValue *value) {
        static_assert(alignof(TlValueGroup) % alignof(char *) == 0, "item pointers follow the groups");
        size_t groupBytes = sizeof(TlValueGroup) * static_cast<size_t>(size.groups);
        size_t itemBytes = sizeof(char *) * static_cast<size_t>(size.items);
        char *memory = static_cast<char *>(tl::Malloc(groupBytes + itemBytes + size.chars));
        if (memory == nullptr) return false;
        groups_ = reinterpret_cast<TlValueGroup *>(memory);
        for (int g = 0; g < size.groups; ++g)
            groups_[g] = TlValueGroup{0, nullptr};
        nextItem_ = reinterpret_cast<char **>(memory + groupBytes);
        nextChar_ = memory + groupBytes + itemBytes;
        value->groupCount = size.groups;
        value->groups = groups_;
        return true;
    }

    void Item(const char *begin, const char *end) {
        size_t length = static_cast<size_t>(end - begin);
        std::memcpy(nextChar_, begin, length);
        nextChar_[length] = '\0';
        TlValueGroup &current = groups_[group_];
        if (current.count == 0) current.items = nextItem_;
        *nextItem_++ = nextChar_;
        ++current.count;
        nextChar_ += length + 1;
    }
    void EndGroup() { ++group_; }
    void DropGroup() {}
    void End(const char *, bool) {}

  private:
    TlValueGroup *groups_ = nullptr;
    char **nextItem_ = nullptr;
    char *nextChar_ = nullptr;
    int group_ = 0;
};

// A single value: the rest of the line, trailing whitespace dropped.
int ParseSingle(const char *p, TlValue *value) {
    const char *end = TrimEnd(p, tl::LineEnd(p));
    ValueSize size;
    size.Item(p, end);
    size.EndGroup();
    ValueBlock block;
    if (!block.Allocate(size, value)) return kOutOfMemory;
    block.Item(p, end);
    return 0;
}

// A brace list; p is at its "{".
int ParseList(const char *p, TlValue *value) {
    p = SkipSpace(p + 1);
    if (*p == '}') return kEmptyList;
    ValueSize size;
    if (WalkList(p, size, INT_MAX) == 0) return 0;
    ValueBlock block;
    if (!block.Allocate(size, value)) return kOutOfMemory;
    WalkList(p, block, size.groups);
    return 0;
}

int ParseValue(const char *position, TlValue *value) {
    if (value == nullptr) return kEmptyList;
    value->groupCount = 0;
    value->groups = nullptr;
    if (position == nullptr) return kEmptyList;
    const char *p = SkipSpace(position);
    return *p == '{' ? ParseList(p, value) : ParseSingle(p, value);
}

// Removes the escaping backslashes of item in place.
void RemoveEscapes(char *item) {
    char *out = std::strchr(item, '\\');
    if (out == nullptr) return;
    for (const char *in = out; *in != '\0'; ++in) {
        if (*in == '\\') {
            ++in;
            if (*in == '\0') break;
        }
        *out++ = *in;
    }
    *out = '\0';
}

void NormalizeItem(char *item) {
    size_t length = std::strlen(item);
    if (length > 0 && item[0] == '"' && item[length - 1] == '"') {
        size_t inner = length >= 2 ? length - 2 : 0;
        std::memmove(item, item + 1, inner);
        item[inner] = '\0';
    } else {
        for (char *c = item; *c != '\0'; ++c) {
            if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
        }
    }
    RemoveEscapes(item);
}

// Records where each item of a value stands, for the lint.
struct SpanRecorder {
    tl::ValueSpan &span;
    std::vector<tl::ValueSpan::Item> group;

    void Item(const char *begin, const char *end) { group.push_back({begin, end}); }
    void EndGroup() {
        span.groups.push_back(std::move(group));
        group.clear();
    }
    void DropGroup() { group.clear(); }
    void End(const char *end, bool closed) {
        span.end = end;
        span.closed = closed;
    }
};

} // namespace

void tl::SpanValue(const char *position, ValueSpan *span) {
    const char *p = SkipSpace(position);
    span->begin = p;
    if (*p != '{') {
        span->end = TrimEnd(p, tl::LineEnd(p));
        span->groups.push_back({{p, span->end}});
        return;
    }
    const char *first = SkipSpace(p + 1);
    if (*first == '}') {
        span->end = first + 1;
        return;
    }
    SpanRecorder recorder{*span, {}};
    WalkList(first, recorder, INT_MAX);
    // The outer "}" of a list of groups closes the value; the end of the text
    // in its place cuts the list short.
    const char *after = SkipSpace(span->end);
    if (*first != '{' || !span->closed) return;
    if (*after == '}') span->end = after + 1;
    if (*after == '\0') span->closed = false;
}

extern "C" {

int TlFindSection(const char *section, const char **cursor, const char *text) {
    if (cursor == nullptr || text == nullptr) return 0;
    if (section == nullptr || section[0] == '\0') {
        *cursor = text;
        return 1;
    }
    size_t length = std::strlen(section);
    const char *p = text;
    for (;;) {
        p = SkipSpace(p);
        if (*p == '\0') return 0;
        if (*p != '[') {
            p = SkipLine(p);
            continue;
        }
        // A header: one or more names separated by commas, closed by "]".
        ++p;
        for (;;) {
            p = SkipSpace(p);
            if (std::strncmp(p, section, length) == 0) {
                char after = p[length];
                if (after == ']' || after == ',' || IsSpace(after)) {
                    *cursor = SkipLine(p + length);
                    return 1;
                }
            }
            p += std::strcspn(p, ",]");
            if (*p != ',') break;
            ++p;
        }
        if (*p == '\0') return 0;
        p = SkipLine(p);
    }
}

int TlFindKeyword(const char *keyword, const char **cursor) {
    if (keyword == nullptr || cursor == nullptr || *cursor == nullptr) return 0;
    size_t length = std::strlen(keyword);
    const char *p = *cursor;
    for (;;) {
        p = SkipSpace(p);
        char first = *p;
        if (first == '\0' || first == '[') return 0;
        // Comments and the continuation lines of lists are never keyword lines.
        if (first != '"' && first != ';' && first != '{' && std::strncmp(p, keyword, length) == 0 &&
            (p[length] == '=' || IsSpace(p[length]))) {
            p = SkipSpace(p + length);
            if (*p == '=') {
                *cursor = p + 1;
                return 1;
            }
        }
        p = SkipLine(p);
    }
}

int TlParseValue(const char *position, TlValue *value) {
    return ParseValue(position, value);
}

void TlNormalizeValue(TlValue *value) {
    if (value == nullptr || value->groups == nullptr) return;
    for (int g = 0; g < value->groupCount; ++g) {
        TlValueGroup &group = value->groups[g];
        if (group.items == nullptr) continue;
        for (int i = 0; i < group.count; ++i) {
            if (group.items[i] != nullptr) NormalizeItem(group.items[i]);
        }
    }
}

void TlFreeValue(TlValue *value) {
    if (value == nullptr) return;
    std::free(value->groups); // the items and their strings live in the same block
    value->groupCount = 0;
    value->groups = nullptr;
}

int TlFindEntry(const char *keyword, const char *section, const char *text, TlValue *value) {
    if (value == nullptr) return 0;
    value->groupCount = 0;
    value->groups = nullptr;
    const char *cursor = nullptr;
    if (keyword == nullptr || !TlFindSection(section, &cursor, text) || !TlFindKeyword(keyword, &cursor))
        return 0;
    if (TlParseValue(cursor, value) != 0) return 0;
    return TlAcceptValue(value);
}

int TlAcceptValue(TlValue *value) {
    if (value->groupCount == 0 || value->groups[0].count == 0) {
        TlFreeValue(value);
        return 0;
    }
    TlNormalizeValue(value);
    return 1;
}

} // extern "C"
