/* A check of a screen that did not pass: the message box the dialog shows and
 * the control that gets the focus afterwards. */
#ifndef KCG_MODEL_CHECK_FAILURE_H
#define KCG_MODEL_CHECK_FAILURE_H

#include "message.h"

namespace model {

// The controls the screens' checks send the focus to; kFocusStays: the focus
// stays where it is.
enum FocusControl {
    kFocusStays = 0,
    kFocusGameTitle = 1000,      // game title edit
    kFocusExecutableEdit = 1002, // executable name edit
    kFocusFirstLabel = 1007,     // positive label of label row 0
    kFocusFirstAxisCombo = 1402  // combo box of axis row 0
};

struct CheckFailure {
    Message message;
    int focusControlId = kFocusStays;
};

// The failure of a screen's check: an error message with an OK button.
inline CheckFailure ErrorFailure(const std::string &text, const std::string &caption, int focusControlId) {
    return CheckFailure{Message{text, caption, MessageIcon::kError, MessageButtons::kOk}, focusControlId};
}

} // namespace model

#endif
