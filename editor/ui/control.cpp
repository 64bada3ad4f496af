#include "control.h"

#include <vector>

namespace ui {

bool Control::Bind(HWND dialog, int controlId) {
    hwnd_ = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    return hwnd_ != nullptr;
}

std::string Control::Text() const {
    return WindowText(hwnd_);
}

void Control::SetText(const std::string &text) const {
    SetWindowTextA(hwnd_, text.c_str());
}

bool Control::IsShown() const {
    return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string WindowText(HWND window) {
    if (!window) return std::string();
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

} // namespace ui
