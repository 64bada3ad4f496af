/* The File Revision Number dialog: which revisions a file may be given.
 *
 * A revision is a major part 0..99 and a minor part 0..9, so 99.9 is the
 * largest. A released file starts at 1.0; only in internal-use mode may a
 * revision lie below it, and never at 0.0. The two edits are taken as the
 * dialog framework takes integer fields: an entry that is not an integer, or
 * one outside its field's range, is refused with the framework's texts. */
#ifndef KCG_MODEL_REVISION_RULES_H
#define KCG_MODEL_REVISION_RULES_H

#include <optional>
#include <string>

#include "message.h"

namespace model {

struct IntRange {
    int min, max;
};
constexpr IntRange kRevisionMajorRange = {0, 99}; // edit 1773
constexpr IntRange kRevisionMinorRange = {0, 9};  // edit 1774

enum class IntegerEntry { kValid, kNotInteger, kOutOfRange };

// Reads an integer field's text: blanks (spaces and tabs) around it, an
// optional sign and at least one digit. kValid sets *value; a number too
// large for any range is kOutOfRange; anything else, the empty text
// included, is kNotInteger. value may be null.
IntegerEntry ReadIntegerField(const std::string &text, IntRange range, int *value);

// The framework's refusals, under the program's caption.
Message NotIntegerMessage(const std::string &programCaption);
Message OutOfRangeMessage(IntRange range, const std::string &programCaption);

// The editor's own rule once both parts are integers in range: outside
// internal-use mode the major part must be at least 1; in it the revision
// must not be 0.0. None when the revision is accepted.
std::optional<Message> RevisionRefusal(int major, int minor, bool internal);

enum class RevisionField { kNone, kMajor, kMinor };

// The outcome of OK in the dialog. Refused: the message to show, once, and
// the edit to correct; the dialog stays open. Accepted: the two parts.
struct RevisionEntry {
    bool accepted = false;
    int major = 0, minor = 0;
    std::optional<Message> refusal;
    RevisionField field = RevisionField::kNone;
};

// Checks the two edits' texts in the order the dialog takes them: the major
// part, then the minor part, then the editor's rule.
RevisionEntry CheckRevisionEntry(const std::string &majorText, const std::string &minorText, bool internal,
                                 const std::string &programCaption);

} // namespace model

#endif
