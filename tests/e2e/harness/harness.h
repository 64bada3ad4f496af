// Drives Windows programs from outside, as a user would: starts them, finds
// their top-level windows, acts on controls and message boxes. Every wait has
// a bound, and nothing sent to another program can hold the caller for long.
#ifndef KCG_E2E_HARNESS_H
#define KCG_E2E_HARNESS_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Long enough for a cold start of a program in a busy Wine prefix.
constexpr DWORD kBoundMs = 30000;

// Asks done() until it answers true or boundMs have passed; done() is asked at
// least once, and its last answer is returned.
template <class Done> bool WaitUntil(Done done, DWORD boundMs = kBoundMs) {
    const ULONGLONG end = GetTickCount64() + boundMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(50);
    }
}

// A started program; ended with the object, so a failing test
// leaves nothing running.
class Process {
  public:
    Process() = default;
    ~Process() { End(); }
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;

    // commandLine starts with the program's path; folder "" keeps ours.
    bool Start(const std::string &commandLine, const std::string &folder);
    DWORD Id() const { return id_; }
    bool Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }
    bool WaitForExit(DWORD boundMs = kBoundMs) const;
    std::optional<DWORD> ExitCode(DWORD boundMs = 0) const; // once it has ended
    void End();                                             // ends it now if it still runs

  private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

std::string TitleOf(HWND window); // read without asking the window's thread

// Top-level windows in z-order, of one process (0: any) and with a title
// starting with titleStart.
std::vector<HWND> TopWindows(DWORD processId, const std::string &titleStart = "", bool visibleOnly = true);

// Controls of another program's dialog. Clicks are posted: a handler that
// opens a modal window must not hold the harness.
bool SetText(HWND control, const std::string &text);
std::optional<std::string> TextOf(HWND control);
bool Type(HWND edit, const std::string &text); // over the whole old text
bool Press(HWND dialog, int id);               // push button id is clicked
bool Choose(HWND dialog, int id, int index);   // combo box entry
// Slider id takes the focus and moves to position, as the arrow keys move it.
bool Slide(HWND dialog, int id, int position);
// Sends a message to a control and returns its answer; -1 if none came in time.
LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Presses button id of a dialog or message box and waits for the box to go.
bool Answer(HWND box, int id, DWORD boundMs = kBoundMs);

// A Linux path as Wine shows it on drive Z:.
std::string WindowsPath(const std::string &path);
std::optional<std::string> ReadBytes(const std::string &path);
bool WriteBytes(const std::string &path, const std::string &bytes);
bool MakeFolders(const std::string &path); // with its parents
bool RemoveTree(const std::string &path);  // true if nothing is left
std::vector<std::string> FilesIn(const std::string &folder);

} // namespace e2e

#endif // KCG_E2E_HARNESS_H
