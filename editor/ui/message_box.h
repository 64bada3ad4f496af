// Every message box of the program goes through ui::MessageBox, which hands
// it to the current DialogHook.
#ifndef KCG_UI_MESSAGE_BOX_H
#define KCG_UI_MESSAGE_BOX_H

#include <windows.h>

#include <string>

// <windows.h> maps MessageBox to MessageBoxA. Unmapping it keeps our name
// readable and makes a stray direct call a compile error: the raw call stays
// reachable as ::MessageBoxA for the system hook alone.
#undef MessageBox

namespace ui {

// Shows a message box (owner may be null) and returns the button pressed
// (IDOK, IDCANCEL, IDYES, IDNO, ...). flags are the MB_ constants.
int MessageBox(HWND owner, const std::string &text, const std::string &caption, UINT flags);

} // namespace ui

#endif // KCG_UI_MESSAGE_BOX_H
