#include "app.h"

#include <commctrl.h>

#include <vector>

namespace ui {

App::App(HINSTANCE instance) : instance_(instance ? instance : GetModuleHandleA(nullptr)) {}

bool App::InitCommonControls() const {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    // ICC_BAR_CLASSES holds the trackbar and the tool tip classes.
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
}

std::optional<std::string> App::LoadText(UINT id) const {
    return LoadResourceText(instance_, id);
}

std::string App::CommandLine() {
    const char *line = GetCommandLineA();
    return line ? std::string(line) : std::string();
}

std::string App::ProgramPath() const {
    // Grow the buffer until the whole path fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(instance_, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::optional<std::string> LoadResourceText(HINSTANCE instance, UINT id) {
    // With a zero buffer size the wide call hands out the resource's own text
    // and its exact length, so no text is ever cut.
    const wchar_t *text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return std::nullopt;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
    return result;
}

} // namespace ui
