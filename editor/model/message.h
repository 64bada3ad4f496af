/* A message box as data: what the editor says, under which caption, with which
 * icon and buttons, and the answers a user can give.
 *
 * The rules decide every message; the dialogs only show them. The numeric
 * values are the system's message-box flags and button ids, so a dialog hands
 * Flags() to the message box and casts the id it gets back to Answer. */
#ifndef KCG_MODEL_MESSAGE_H
#define KCG_MODEL_MESSAGE_H

#include <string>

namespace model {

enum class MessageIcon : unsigned {
    kNone = 0x00,
    kError = 0x10,      // the stop sign
    kWarning = 0x30,    // the exclamation mark
    kInformation = 0x40 // the "i"
};

enum class MessageButtons : unsigned { kOk = 0x0, kOkCancel = 0x1, kYesNoCancel = 0x3, kYesNo = 0x4 };

// The button the user pressed. A box closed with its close box or Esc answers
// kCancel; a box that could not be shown answers 0, which is none of these.
enum class Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;

    // The message box flags: buttons and icon.
    unsigned Flags() const { return static_cast<unsigned>(buttons) | static_cast<unsigned>(icon); }
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
