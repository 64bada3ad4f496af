// Lets a dialog know when one of its controls gains the keyboard focus,
// which controls such as sliders do not report to their parent.
#ifndef KCG_UI_FOCUS_WATCH_H
#define KCG_UI_FOCUS_WATCH_H

#include <windows.h>

namespace ui {

// From now on, each time control gains the focus its parent is sent message
// with the control's id as wParam and its window as lParam. The watch ends
// with the control. False when the control could not be watched.
bool WatchFocus(HWND control, UINT message);

} // namespace ui

#endif // KCG_UI_FOCUS_WATCH_H
