#include "top_windows.h"

namespace e2e {

namespace {

struct Search {
    const WindowQuery *query;
    std::vector<HWND> found;
};

bool Matches(HWND window, const WindowQuery &query) {
    if (query.visibleOnly && !IsWindowVisible(window)) return false;
    if (query.processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != query.processId) return false;
    }
    if (!query.className.empty() && ClassOf(window) != query.className) return false;
    return WindowTitle(window) == query.title;
}

BOOL CALLBACK CollectMatch(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<Search *>(context);
    if (Matches(window, *search->query)) search->found.push_back(window);
    return TRUE;
}

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND window, LPARAM context) {
    auto *search = reinterpret_cast<ProcessWindows *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> FindTopLevelWindows(const WindowQuery &query) {
    Search search{&query, {}};
    EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevelWindow(const WindowQuery &query, DWORD boundMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = FindTopLevelWindows(query);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        boundMs);
    return found;
}

bool WaitForNoTopLevelWindow(const WindowQuery &query, DWORD boundMs) {
    return WaitUntil([&] { return FindTopLevelWindows(query).empty(); }, boundMs);
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
    ProcessWindows search{processId, {}};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowTitle(HWND window) {
    // InternalGetWindowText reads the stored title without sending a message,
    // which a window whose thread is busy could leave unanswered.
    wchar_t wide[1024];
    const int length = InternalGetWindowText(window, wide, static_cast<int>(sizeof wide / sizeof wide[0]));
    if (length <= 0) return std::string();
    char narrow[2048];
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow, bytes > 0 ? static_cast<size_t>(bytes) : 0);
}

std::string ClassOf(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool UseDesktop(const std::string &name) {
    HDESK desktop = OpenDesktopA(name.c_str(), 0, FALSE, GENERIC_ALL);
    return desktop && SetThreadDesktop(desktop);
}

} // namespace e2e
