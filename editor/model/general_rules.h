/* The checks of the General Information screen's "Next >>" button.
 *
 * The dialog reads its controls into ScreenValues, lets CheckGeneralScreen trim
 * and check them, writes the trimmed texts back into the controls (also when a
 * check failed) and shows the failure, if any, as a message box. */
#ifndef KCG_MODEL_GENERAL_RULES_H
#define KCG_MODEL_GENERAL_RULES_H

#include <optional>

#include "check_failure.h"
#include "screen_values.h"
#include "tl_cfg.h"

namespace model {

// True when the row has at least one label: it then is one of the game's motions.
bool RowHasLabel(const ScreenValues &screens, int row);

// Trims and checks the entries in the order the screen checks them and stops
// at the first check that fails:
//   1. trims the instructions, then the title;
//   2. the title must not be empty, 3. nor a reserved title (letter case
//      ignored), 4. nor longer than kMaxTitleLength characters;
//   5. the executable list must not be empty;
//   6. trims the twelve labels;
//   7. at least one label must be given.
// In internal-use mode only check 4 is made. The labels are therefore trimmed
// only when checks 2 to 5 passed. Returns the failure, or nothing when the
// screen may be left.
std::optional<CheckFailure> CheckGeneralScreen(ScreenValues &screens, const TlStringList &reservedTitles,
                                               bool internal);

} // namespace model

#endif
