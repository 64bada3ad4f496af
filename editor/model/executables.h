/* The game's executable names: what "Add To List -->" accepts and where the
 * name lands in the sorted executable list.
 *
 * A name is a bare file name: the folders and drive of a typed path are
 * dropped. A name is never listed twice in different letter case; adding it
 * again replaces the listed entry with the letter case just typed. */
#ifndef KCG_MODEL_EXECUTABLES_H
#define KCG_MODEL_EXECUTABLES_H

#include <optional>
#include <string>
#include <vector>

#include "check_failure.h"
#include "tl_cfg.h"

namespace model {

// True when text holds one of the characters * ? " < > |, which no file name may hold.
bool HasForbiddenCharacter(const std::string &text);

// The text after the last backslash, then after the last forward slash, then
// after the last colon: "C:\games\a.exe", "games/a.exe" and "C:a.exe" all give
// "a.exe". "" when the text ends in one of them.
std::string StripExecutablePath(const std::string &text);

// The name the Browse button writes into the executable edit for the file the
// user chose: without its folder, trimmed.
std::string BrowsedExecutableName(const std::string &chosenPath);

// Where a sorted list of names places a new name: before the first entry that
// comes after it, letter case ignored.
size_t SortedPosition(const std::vector<std::string> &list, const std::string &name);

enum class AddOutcome {
    kNothing, // the edit held only white space: no message, nothing changes
    kRefused, // failure says why; the list is unchanged
    kAdded    // the list changed and the document is modified
};

struct ExecutableAddition {
    AddOutcome outcome = AddOutcome::kNothing;
    std::optional<CheckFailure> failure; // kRefused only
    std::string editText;                // the executable edit afterwards: trimmed, or "" once added
    std::vector<std::string> list;       // the list afterwards
    int replacedIndex = -1;              // kAdded: the old list's entry that was removed, or -1
    std::string addedName;               // kAdded: the name added, in the letter case typed
    int addedIndex = -1;                 // kAdded: its index in the new list
    int selection = -1;                  // the list's selection afterwards: the same entry as before,
                                         // or -1 when there was none or it was the one replaced
};

// "Add To List -->" for the executable edit's text editText, with the list
// sorted as the list box sorts it and its selected index (-1: none).
ExecutableAddition AddExecutable(const std::string &editText, const std::vector<std::string> &list,
                                 int selection, const TlStringList &reservedExes);

} // namespace model

#endif
