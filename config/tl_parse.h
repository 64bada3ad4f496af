/* Internal to the library: one value of a KCG text, split into items where
 * it stands.
 *
 * A value is the rest of its line (trailing whitespace dropped), or a brace
 * list: a flat list "{ a, b }" is one group of items, a list of groups
 * "{ {a, b}, {c} }" one group per inner pair. The items stay in the text; what
 * the reader sees of an item is its text with enclosing double quotes removed
 * or, unquoted, upper-cased, and escaping backslashes removed. */
#ifndef TL_PARSE_H
#define TL_PARSE_H

#include <cstddef>
#include <cstdint>

#include "tl_buffer.h"

namespace tl {

struct ItemSpan {
    const char *begin, *end;
    /* The item reads as its own characters, upper-cased: it has no enclosing
     * quotes and no escapes to remove. The character at end is never a digit. */
    bool plain;
    bool isNumber; /* a plain decimal, converted: number */
    float number;
};

class Value {
  public:
    enum Result { kFound, kEmpty, kNoMemory, kNotNumbers };

    /* Splits the value that starts at position (just after "="). kFound when
     * its first group has at least one item; kEmpty for an empty list or a
     * list whose first group is cut off by the end of the text. */
    Result Split(const char *position);

    /* As Split, for a value whose items are all plain decimals, keeping only
     * their numbers (numbersOnly() then holds); kNotNumbers, with nothing
     * kept, for any other value. */
    Result SplitNumbers(const char *position);
    bool numbersOnly() const { return numbersOnly_; }
    float number(int group, int item) const { return numbers_[Index(group, item)]; }

    int groups() const { return static_cast<int>(groupEnds_.size()); }
    int count(int group) const { return groupEnds_[group] - (group == 0 ? 0 : groupEnds_[group - 1]); }
    const ItemSpan &span(int group, int item) const { return spans_[Index(group, item)]; }

    /* The item as the reader sees it (its length in *length when asked),
     * valid until the next Split; null when memory ran out. */
    const char *Text(int group, int item, size_t *length = nullptr);

    /* Makes room for values of that many items and groups; false when memory
     * ran out. */
    bool Reserve(size_t items, size_t groups);

    /* Where the value stands: its first character, just after its last "}"
     * or at its line's end, and whether the text ended inside the list. */
    const char *begin() const { return begin_; }
    const char *end() const { return end_; }
    bool closed() const { return closed_; }

    /* For the walk over a list. */
    void Item(const char *begin, const char *end, bool escaped, const float *number) {
        const bool plain = !escaped && (begin == end || *begin != '"');
        const ItemSpan span = {begin, end, plain, number != nullptr, number != nullptr ? *number : 0.0f};
        if (!spans_.push_back(span)) full_ = true;
    }
    void EndGroup();
    void DropGroup();
    void End(const char *end, bool closed);

  private:
    int Index(int group, int item) const { return (group == 0 ? 0 : groupEnds_[group - 1]) + item; }
    bool Ready();

    struct NumberSink;

    Buffer<ItemSpan> spans_;
    Buffer<float> numbers_; /* when numbersOnly_ */
    bool numbersOnly_ = false;
    Buffer<int32_t> groupEnds_; /* one past each group's last span */
    struct ItemText {
        int32_t at; /* in chars_, or -1 before the text is asked for */
        int32_t length;
    };
    Buffer<ItemText> texts_; /* one per span */
    Buffer<char> chars_;
    int32_t groupStart_ = 0;
    bool full_ = false;       /* memory ran out while splitting */
    bool textsReady_ = false; /* texts_ and chars_ are set up for this value */
    const char *begin_ = nullptr, *end_ = nullptr;
    bool closed_ = true;
};

/* What the reader sees of the item [begin, end): enclosing double quotes
 * removed or, unquoted, upper-cased, then escaping backslashes removed (a
 * backslash at the very end goes). Writes it to out with a NUL; returns its
 * length, never more than the item's. */
size_t NormalizeSpan(const char *begin, const char *end, char *out);

} // namespace tl

#endif
