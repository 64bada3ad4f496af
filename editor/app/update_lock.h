// Holds back the drawing of a window and its controls while a screen's
// controls are hidden and others shown, so that the switch appears at once.
// Unlike the system's one-window-at-a-time update lock it stays local to the
// dialog. A hidden window is left alone: turning its drawing back on would
// mark it visible.
#ifndef KCG_APP_UPDATE_LOCK_H
#define KCG_APP_UPDATE_LOCK_H

#include <windows.h>

class UpdateLock {
  public:
    explicit UpdateLock(HWND window) : window_(window && IsWindowVisible(window) ? window : nullptr) {
        if (window_) SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~UpdateLock() { Unlock(); }
    UpdateLock(const UpdateLock &) = delete;
    UpdateLock &operator=(const UpdateLock &) = delete;

    // Draws again from here on (also done on destruction).
    void Unlock() {
        if (!window_) return;
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        window_ = nullptr;
    }

  private:
    HWND window_;
};

#endif // KCG_APP_UPDATE_LOCK_H
