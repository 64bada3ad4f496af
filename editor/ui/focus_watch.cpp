#include "focus_watch.h"

#include <commctrl.h>

namespace ui {
namespace {

constexpr UINT_PTR kFocusWatchId = 0x4B46; // this subclass among any others of the control

LRESULT CALLBACK FocusWatchProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR parentMessage) {
    if (message == WM_SETFOCUS) {
        SendMessageA(GetParent(control), static_cast<UINT>(parentMessage),
                     static_cast<WPARAM>(GetDlgCtrlID(control)), reinterpret_cast<LPARAM>(control));
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &FocusWatchProcedure, kFocusWatchId);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

bool WatchFocus(HWND control, UINT message) {
    return control && SetWindowSubclass(control, &FocusWatchProcedure, kFocusWatchId, message);
}

} // namespace ui
