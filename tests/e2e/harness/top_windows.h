// Finding top-level windows of other processes, as a user sees them: by
// their exact title, and optionally by window class and owning process.
#ifndef KCG_E2E_TOP_WINDOWS_H
#define KCG_E2E_TOP_WINDOWS_H

#include <windows.h>

#include <string>
#include <vector>

#include "wait.h"

namespace e2e {

struct WindowQuery {
    std::string title;       // compared exactly, letter case included
    std::string className;   // empty: any class
    DWORD processId = 0;     // 0: any process
    bool visibleOnly = true; // hidden windows are not what a user sees
};

// The top-level windows of this thread's desktop that match, in z-order.
std::vector<HWND> FindTopLevelWindows(const WindowQuery &query);

// The first matching window, waiting at most boundMs for one; null if none
// appeared in time.
HWND WaitForTopLevelWindow(const WindowQuery &query, DWORD boundMs = kDefaultBoundMs);

// Waits at most boundMs until no window matches; true if none is left.
bool WaitForNoTopLevelWindow(const WindowQuery &query, DWORD boundMs = kDefaultBoundMs);

// The visible top-level windows that belong to a process (any title).
std::vector<HWND> WindowsOfProcess(DWORD processId);

// A window's title or a control's text. Top-level titles are read from the
// system without asking the window's thread, so this never blocks on a busy
// program; for controls the text request is bounded.
std::string WindowTitle(HWND window);
std::string ClassOf(HWND window);

// Makes this thread use the named desktop (a Wine virtual desktop started by
// "explorer /desktop=NAME,..."), so that the windows inside it can be found.
// Must be called before the thread owns any window.
bool UseDesktop(const std::string &name);

} // namespace e2e

#endif // KCG_E2E_TOP_WINDOWS_H
