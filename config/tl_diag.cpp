// The diagnostics of a read: where each value the reader took stands in the
// text, which of its items the reader used, and what its conversions could not
// use as written.
#include "tl_diag.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "tl_chars.h"

namespace tl {

namespace {

bool IsBlank(char c) {
    return c != '\n' && IsSpace(c);
}

// The line at p without its leading and trailing blanks.
std::string LineText(const char *p) {
    while (IsBlank(*p))
        ++p;
    const char *end = LineEnd(p);
    while (end > p && IsSpace(end[-1]))
        --end;
    return std::string(p, end);
}

} // namespace

Diagnostics::Diagnostics(const char *text, const TlLintSink *sink) : text_(text), sink_(sink) {
    Guarded([this] {
        for (const char *p = text_; p != nullptr;) {
            lineStarts_.push_back(p);
            p = std::strchr(p, '\n');
            if (p != nullptr) ++p;
        }
    });
}

// Running out of memory ends the reporting, never the read.
template <typename Work> void Diagnostics::Guarded(Work &&work) {
    if (sink_ == nullptr) return;
    try {
        work();
    } catch (const std::bad_alloc &) {
        sink_ = nullptr;
        active_ = false;
    }
}

int Diagnostics::LineOf(const char *p) const {
    return static_cast<int>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), p) -
                            lineStarts_.begin());
}

TlLintNote Diagnostics::NewNote(TlLintCheck check, int line) const {
    TlLintNote note = {};
    note.check = check;
    note.line = line;
    note.section = section_.c_str();
    note.keyword = keyword_.c_str();
    note.text = "";
    note.expected = "";
    return note;
}

void Diagnostics::Emit(const TlLintNote &note) {
    if (sink_ != nullptr && sink_->note != nullptr) sink_->note(sink_->context, &note);
}

void Diagnostics::Looked(const char *keyword, const char *section, const char *position, const Value *value) {
    if (sink_ == nullptr) {
        // Recording what the reader asks for; a failure leaves the list short.
        try {
            lookups_.push_back({keyword, section != nullptr ? section : ""});
        } catch (const std::bad_alloc &) {
        }
        return;
    }
    Guarded([&] {
        EndValue();
        if (value == nullptr || std::find(seen_.begin(), seen_.end(), position) != seen_.end()) return;
        seen_.push_back(position);
        keyword_ = keyword;
        section_ = section != nullptr ? section : "";
        keywordLine_ = LineOf(position - 1);
        span_ = ValueSpan();
        span_.begin = value->begin();
        span_.end = value->end();
        span_.closed = value->closed();
        for (int g = 0; g < value->groups(); ++g) {
            span_.groups.emplace_back();
            for (int k = 0; k < value->count(g); ++k)
                span_.groups.back().push_back({value->span(g, k).begin, value->span(g, k).end});
        }
        used_.clear();
        for (const auto &group : span_.groups)
            used_.emplace_back(group.size(), false);
        active_ = true;
        if (sink_->entry != nullptr) sink_->entry(sink_->context, section_.c_str(), keyword, keywordLine_);
        CheckRunsOn();
        if (!span_.closed) {
            TlLintNote note = NewNote(TL_LINT_CUT_SHORT, keywordLine_);
            note.otherLine = LineOf(span_.end);
            Emit(note);
        }
    });
}

// A value that goes on past its keyword's line into a line that is a header,
// a comment or an entry of its own: that line is read twice, or lost.
void Diagnostics::CheckRunsOn() {
    const int last = LineOf(span_.end > span_.begin ? span_.end - 1 : span_.begin);
    for (int line = keywordLine_ + 1; line <= last; ++line) {
        const char *p = lineStarts_[line - 1];
        while (IsBlank(*p))
            ++p;
        if (*p != '[' && *p != ';' && KeywordLength(p) == 0) continue;
        TlLintNote note = NewNote(TL_LINT_RUNS_ON, keywordLine_);
        const std::string text = LineText(p);
        note.otherLine = line;
        note.text = text.c_str();
        note.count = *span_.begin == '{' ? 1 : 0;
        Emit(note);
        return;
    }
}

void Diagnostics::TouchAll() {
    for (auto &group : used_)
        std::fill(group.begin(), group.end(), true);
}

std::string Diagnostics::ItemText(int group, int item) const {
    if (group >= static_cast<int>(span_.groups.size()) ||
        item >= static_cast<int>(span_.groups[group].size()))
        return std::string();
    const ValueSpan::Item &at = span_.groups[group][item];
    return std::string(at.begin, at.end);
}

TlLintNote Diagnostics::ItemNote(TlLintCheck check, int group, int item, std::string *text) const {
    *text = ItemText(group, item);
    const bool known = !text->empty();
    TlLintNote note = NewNote(check, known ? LineOf(span_.groups[group][item].begin) : keywordLine_);
    note.text = text->c_str();
    return note;
}

void Diagnostics::BadItem(int group, int item, const char *expected) {
    if (!active_) return;
    Guarded([&] {
        std::string text;
        TlLintNote note = ItemNote(TL_LINT_BAD_VALUE, group, item, &text);
        note.expected = expected;
        Emit(note);
        Touch(group, item);
    });
}

void Diagnostics::WrongCount(int count, int needed, int group, const char *what) {
    if (!active_) return;
    Guarded([&] {
        std::string text;
        TlLintNote note = ItemNote(TL_LINT_BAD_VALUE, group < 0 ? 0 : group, 0, &text);
        note.text = "";
        note.expected = what;
        note.count = count;
        note.used = needed;
        Emit(note);
        if (group < 0)
            TouchAll();
        else
            std::fill(used_[group].begin(), used_[group].end(), true);
    });
}

void Diagnostics::Clamped(int group, int item, double from, double to) {
    if (!active_) return;
    Guarded([&] {
        std::string text;
        TlLintNote note = ItemNote(TL_LINT_CLAMPED, group, item, &text);
        note.from = from;
        note.to = to;
        Emit(note);
    });
}

void Diagnostics::Truncated(int group, int item, int length, int kept) {
    if (!active_) return;
    Guarded([&] { EmitCounted(TL_LINT_TRUNCATED, group, item, length, kept); });
}

void Diagnostics::EmitCounted(TlLintCheck check, int group, int item, int count, int used) {
    std::string text;
    TlLintNote note = ItemNote(check, group, item, &text);
    note.count = count;
    note.used = used;
    Emit(note);
}

// Items the reader never looked at: a list longer than what is used.
void Diagnostics::EndValue() {
    if (!active_) return;
    active_ = false;
    int count = 0, used = 0, firstGroup = -1, firstItem = -1;
    for (size_t g = 0; g < used_.size(); ++g) {
        for (size_t k = 0; k < used_[g].size(); ++k) {
            ++count;
            if (used_[g][k])
                ++used;
            else if (firstGroup < 0) {
                firstGroup = static_cast<int>(g);
                firstItem = static_cast<int>(k);
            }
        }
    }
    if (firstGroup >= 0) EmitCounted(TL_LINT_EXTRA_ITEMS, firstGroup, firstItem, count, used);
}

void Diagnostics::Finish() {
    Guarded([this] { EndValue(); });
    if (sink_ != nullptr) CheckKeywordLines(*this);
}

} // namespace tl
