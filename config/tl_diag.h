/* Internal to the library: what the reader tells while it reads with a lint
 * sink. The reader hands every lookup to Diagnostics, which keeps where the
 * value's items stand in the text and which of them the reader used; the
 * reader's conversions report what they could not use through it. */
#ifndef TL_DIAG_H
#define TL_DIAG_H

#include <string>
#include <vector>

#include "tl_lint.h"
#include "tl_parse.h"

namespace tl {

/* Where one value stands in the text, kept while the reader uses it. */
struct ValueSpan {
    struct Item {
        const char *begin, *end;
    };
    const char *begin = nullptr; /* the value's first character */
    const char *end = nullptr;   /* just after its last "}" or at its line's end */
    bool closed = true;          /* false when the text ends inside the list */
    std::vector<std::vector<Item>> groups;
};

class Diagnostics {
  public:
    /* sink null: the lookups are only recorded (see Lookups). */
    Diagnostics(const char *text, const TlLintSink *sink);

    /* A lookup of the reader: value is what it found just after the "=" at
     * position; both null when the keyword is absent or its value empty. */
    void Looked(const char *keyword, const char *section, const char *position, const Value *value);
    /* The reader used item k of group g of the last value. */
    void Touch(int group, int item) {
        if (group < static_cast<int>(used_.size()) && item < static_cast<int>(used_[group].size()))
            used_[group][item] = true;
    }
    void TouchAll();

    void BadItem(int group, int item, const char *expected);
    /* group -1: the whole value. */
    void WrongCount(int count, int needed, int group, const char *what);
    void Clamped(int group, int item, double from, double to);
    void Truncated(int group, int item, int length, int kept);

    /* Ends the last value and runs the checks over the whole text. */
    void Finish();

    struct Lookup {
        std::string keyword, section;
    };
    const std::vector<Lookup> &Lookups() const { return lookups_; }

    const char *Text() const { return text_; }
    int LineOf(const char *p) const;
    TlLintNote NewNote(TlLintCheck check, int line) const;
    void Emit(const TlLintNote &note);

  private:
    template <typename Work> void Guarded(Work &&work);
    std::string ItemText(int group, int item) const;
    TlLintNote ItemNote(TlLintCheck check, int group, int item, std::string *text) const;
    /* A note on an item with its count and used numbers. */
    void EmitCounted(TlLintCheck check, int group, int item, int count, int used);
    void EndValue();
    void CheckRunsOn();

    const char *text_;
    const TlLintSink *sink_;
    std::vector<const char *> lineStarts_;
    std::vector<Lookup> lookups_;
    std::vector<const char *> seen_; // values already reported (a header may name two sections)
    // The value of the last lookup, while active_.
    bool active_ = false;
    std::string keyword_, section_;
    int keywordLine_ = 0;
    ValueSpan span_;
    std::vector<std::vector<bool>> used_;
};

/* The checks of the keyword lines and headers of a whole text: unknown and
 * misplaced keywords, keywords and sections given twice, unknown sections. */
void CheckKeywordLines(Diagnostics &diagnostics);

/* Reads text (followed by two NUL bytes) as every read does, telling
 * diagnostics about every lookup. */
int ReadWithDiagnostics(TlConfig *cfg, const char *text, TlReadReport *report, Diagnostics *diagnostics);

} // namespace tl

#endif
