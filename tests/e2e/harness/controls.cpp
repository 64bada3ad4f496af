#include "controls.h"

#include <vector>

#include "top_windows.h"

namespace e2e {

namespace {

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR *result = nullptr) {
    DWORD_PTR answer = 0;
    const LRESULT ok =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendBoundMs, &answer);
    if (result) *result = answer;
    return ok != 0;
}

// The window that takes typed characters: an editable combo box passes them
// to its edit child.
HWND TypingTarget(HWND control) {
    if (ClassOf(control) != "ComboBox") return control;
    HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
    return edit ? edit : control;
}

} // namespace

HWND ControlOf(HWND dialog, int id) {
    return dialog ? GetDlgItem(dialog, id) : nullptr;
}

std::optional<std::string> ReadText(HWND window) {
    if (!window) return std::nullopt;
    DWORD_PTR length = 0;
    if (!SendBounded(window, WM_GETTEXTLENGTH, 0, 0, &length)) return std::nullopt;
    std::vector<char> buffer(length + 2, '\0');
    DWORD_PTR copied = 0;
    if (!SendBounded(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied)) {
        return std::nullopt;
    }
    return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

bool WriteText(HWND control, const std::string &text) {
    DWORD_PTR result = 0;
    return control && SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) &&
           result != 0;
}

bool TypeText(HWND control, const std::string &text, bool selectAll) {
    HWND target = TypingTarget(control);
    if (!target) return false;
    if (selectAll && !SendBounded(target, EM_SETSEL, 0, -1)) return false;
    for (const char c : text) {
        // A line break in a multi-line edit is typed as the Enter key's
        // character, a carriage return.
        const char typed = c == '\n' ? '\r' : c;
        if (!SendBounded(target, WM_CHAR, static_cast<unsigned char>(typed), 1)) return false;
    }
    return true;
}

bool PressButton(HWND dialog, int id) {
    HWND button = ControlOf(dialog, id);
    return dialog &&
           PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool ClickButton(HWND button) {
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool ChooseComboEntry(HWND dialog, int id, int index) {
    HWND combo = ControlOf(dialog, id);
    DWORD_PTR chosen = 0;
    if (!combo || !SendBounded(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &chosen)) return false;
    if (static_cast<int>(chosen) != index) return false; // no such entry
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

bool PressKey(HWND window, WORD virtualKey) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ||
        !thread.hwndFocus) {
        return false;
    }
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    return PostMessageA(thread.hwndFocus, WM_KEYDOWN, virtualKey, 1 | (scan << 16)) &&
           PostMessageA(thread.hwndFocus, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

bool AskToClose(HWND window) {
    return window && PostMessageA(window, WM_CLOSE, 0, 0);
}

bool IsShown(HWND control) {
    return control && IsWindowVisible(control);
}

bool IsEnabled(HWND control) {
    return control && IsWindowEnabled(control);
}

} // namespace e2e
