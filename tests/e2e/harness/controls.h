// Acting on the controls of another process's dialog as a user would: typing,
// clicking, choosing, reading. Everything that could wait on the other
// program is either posted (a click may open a modal message box, which would
// hold a sent message until someone answers it) or sent with a bound.
#ifndef KCG_E2E_CONTROLS_H
#define KCG_E2E_CONTROLS_H

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// Bound for one message sent to another program's control.
constexpr UINT kSendBoundMs = 5000;

// The control of a dialog by its id, or null.
HWND ControlOf(HWND dialog, int id);

// The text of a window or control; nothing if it did not answer in time.
std::optional<std::string> ReadText(HWND window);

// Replaces a control's text at once, as a program would (WM_SETTEXT).
bool WriteText(HWND control, const std::string &text);

// Types text into an edit, or into the edit of an editable combo box, one
// character after the other, over whatever was selected; selectAll first
// selects the whole old text so that the typing replaces it.
bool TypeText(HWND control, const std::string &text, bool selectAll = true);

// Presses the push button id of dialog: the dialog gets the button's clicked
// notification, posted, so a handler that opens a message box does not hold
// the harness.
bool PressButton(HWND dialog, int id);

// Clicks a button control itself (a check box or radio button changes its
// state, then notifies its dialog); posted.
bool ClickButton(HWND button);

// Chooses entry index in the combo box id of dialog and tells the dialog that
// the selection changed, as choosing from the opened list does.
bool ChooseComboEntry(HWND dialog, int id, int index);

// Presses and releases a key in the control that has the focus in window's
// thread (posted), as typing on the keyboard does; false if nothing there
// has the focus.
bool PressKey(HWND window, WORD virtualKey);

// Asks a window to close (WM_CLOSE, posted), as its close box does.
bool AskToClose(HWND window);

bool IsShown(HWND control);
bool IsEnabled(HWND control);

} // namespace e2e

#endif // KCG_E2E_CONTROLS_H
