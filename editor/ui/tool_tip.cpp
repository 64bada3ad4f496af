#include "tool_tip.h"

namespace ui {

ToolTip::~ToolTip() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool ToolTip::Create(HWND dialog) {
    if (hwnd_ || !dialog) return false;
    dialog_ = dialog;
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), nullptr);
    return hwnd_ != nullptr;
}

namespace {

// A tool identified by its window, whose text the dialog gives on request.
TOOLINFOA ToolOf(HWND dialog, HWND control) {
    TOOLINFOA tool{};
    // The oldest layout that has everything used here: accepted by every
    // version of the common controls.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    return tool;
}

} // namespace

bool ToolTip::AddTool(HWND control) const {
    if (!hwnd_ || !control) return false;
    TOOLINFOA tool = ToolOf(dialog_, control);
    return SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

void ToolTip::Refresh(HWND control) const {
    if (!hwnd_ || !control) return;
    TOOLINFOA tool = ToolOf(dialog_, control);
    SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

int ToolTip::AddChildren() const {
    int added = 0;
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (AddTool(child)) ++added;
    }
    return added;
}

void ToolTip::Activate(bool on) const {
    if (hwnd_) SendMessageA(hwnd_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

HWND ToolTip::RequestedTool(const NMHDR *header) {
    if (!header) return nullptr;
    UINT flags;
    if (header->code == TTN_GETDISPINFOA) {
        flags = reinterpret_cast<const NMTTDISPINFOA *>(header)->uFlags;
    } else if (header->code == TTN_GETDISPINFOW) {
        flags = reinterpret_cast<const NMTTDISPINFOW *>(header)->uFlags;
    } else {
        return nullptr;
    }
    if (!(flags & TTF_IDISHWND)) return nullptr;
    return reinterpret_cast<HWND>(header->idFrom);
}

void ToolTip::AnswerRequest(NMHDR *header, const std::string &text) {
    const std::string shown = text.substr(0, kMaxTipLength);
    if (header->code == TTN_GETDISPINFOA) {
        auto *info = reinterpret_cast<NMTTDISPINFOA *>(header);
        // szText holds 80 characters, so 79 and the NUL always fit.
        lstrcpynA(info->szText, shown.c_str(), static_cast<int>(sizeof info->szText));
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else if (header->code == TTN_GETDISPINFOW) {
        auto *info = reinterpret_cast<NMTTDISPINFOW *>(header);
        const int room = static_cast<int>(sizeof info->szText / sizeof info->szText[0]);
        const int written = MultiByteToWideChar(CP_ACP, 0, shown.c_str(), -1, info->szText, room);
        if (written == 0) info->szText[0] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
}

} // namespace ui
