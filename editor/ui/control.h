// The common part of the control wrappers: a borrowed window handle of a
// control (the dialog owns the window) and what every control can do.
#ifndef KCG_UI_CONTROL_H
#define KCG_UI_CONTROL_H

#include <windows.h>

#include <string>

namespace ui {

class Control {
  public:
    Control() = default;
    explicit Control(HWND window) : hwnd_(window) {}

    // Binds to the dialog's control with this id; false (and unbound) if the
    // dialog has none.
    bool Bind(HWND dialog, int controlId);

    HWND hwnd() const { return hwnd_; }
    int Id() const { return hwnd_ ? GetDlgCtrlID(hwnd_) : 0; }

    std::string Text() const;
    void SetText(const std::string &text) const;

    void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void Show(bool visible) const { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    // True when the control's own visible style is set (whatever its parent).
    bool IsShown() const;
    void Focus() const { SetFocus(hwnd_); }

  protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(hwnd_, message, wParam, lParam);
    }

  private:
    HWND hwnd_ = nullptr;
};

// The text of any window, whole.
std::string WindowText(HWND window);

} // namespace ui

#endif // KCG_UI_CONTROL_H
