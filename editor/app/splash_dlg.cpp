#include "splash_dlg.h"

#include "resource.h"

CSplashDlg::CSplashDlg(HINSTANCE instance) : ui::Dialog(IDD_SPLASH, instance) {}

bool CSplashDlg::Show() {
    if (!Create(nullptr)) return false;
    UpdateWindow(hwnd());
    return true;
}

void CSplashDlg::Close() {
    if (hwnd()) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

bool CSplashDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, INT_PTR * /*result*/) {
    // The splash only shows itself; it never takes the activation, which
    // belongs to the main dialog once that opens.
    if (message == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS *>(lParam)->flags |= SWP_NOACTIVATE;
    return false;
}
