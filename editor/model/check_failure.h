/* A check of a screen that did not pass: the message box the dialog shows and
 * the control that gets the focus afterwards. */
#ifndef KCG_MODEL_CHECK_FAILURE_H
#define KCG_MODEL_CHECK_FAILURE_H

#include "message.h"
#include "resource.h"

namespace model {

// The focus stays where it is after the message.
constexpr int kFocusStays = 0;

struct CheckFailure {
    Message message;
    int focusControlId = kFocusStays; // the control to correct (IDC_*)
};

// The failure of a screen's check: an error message with an OK button.
inline CheckFailure ErrorFailure(const std::string &text, const std::string &caption, int focusControlId) {
    return CheckFailure{Message{text, caption, MessageIcon::kError, MessageButtons::kOk}, focusControlId};
}

} // namespace model

#endif
