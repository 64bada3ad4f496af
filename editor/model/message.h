/* A message box as data: what the editor says, under which caption, with which
 * icon and buttons, and the answers a user can give.
 *
 * The rules decide every message; the dialogs only show them, translating
 * these into the system's message-box flags and back. */
#ifndef KCG_MODEL_MESSAGE_H
#define KCG_MODEL_MESSAGE_H

#include <string>

namespace model {

enum class MessageIcon {
    kNone,
    kError,      // the stop sign
    kWarning,    // the exclamation mark
    kInformation // the "i"
};

enum class MessageButtons { kOk, kOkCancel, kYesNoCancel, kYesNo };

// The button the user pressed. A box closed with its close box or Esc answers
// kCancel; a box that could not be shown answers kNone.
enum class Answer { kNone, kOk, kCancel, kYes, kNo };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
};

inline bool operator==(const Message &a, const Message &b) {
    return a.text == b.text && a.caption == b.caption && a.icon == b.icon && a.buttons == b.buttons;
}
inline bool operator!=(const Message &a, const Message &b) {
    return !(a == b);
}

// text with every occurrence of placeholder replaced by value, once, left to
// right: a value that itself holds the placeholder is not expanded again, and
// a '%' in a path is never taken for a format.
std::string FillIn(std::string text, const std::string &placeholder, const std::string &value);

} // namespace model

#endif
