// What every end-to-end test shares: a scratch installation that the registry
// points at, and the editor started, reached and closed as a user would.
#ifndef KCG_E2E_EDITOR_SESSION_H
#define KCG_E2E_EDITOR_SESSION_H

#include <windows.h>
#include <gtest/gtest.h>

#include "harness.h"
#include "resource.h"

namespace e2e_test {

// Every screen's title starts so; nothing else of the editor's is titled so.
constexpr char kScreenTitle[] = "Kavelin SDK KCG Editor - ";

struct Editor {
    e2e::Process process;
    HWND window = nullptr; // the main window
};

inline std::vector<HWND> EditorWindows() {
    return e2e::TopWindows(0, kScreenTitle, false);
}

// The first visible dialog of the editor (message box, dialog box, system
// dialog; not a tool tip) that is not among known; null if none came in time.
inline HWND NewDialog(const Editor &editor, const std::vector<HWND> &known, DWORD boundMs = e2e::kBoundMs) {
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND window : e2e::TopWindows(editor.process.Id())) {
                char kind[8] = {};
                GetClassNameA(window, kind, sizeof kind);
                if (!found && std::string(kind) == "#32770" &&
                    std::find(known.begin(), known.end(), window) == known.end())
                    found = window;
            }
            return found != nullptr;
        },
        boundMs);
    return found;
}

class EditorSession : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(EditorWindows().empty()) << "an editor of an earlier test still runs";
        const std::string root = e2e::WindowsPath(KCG_E2E_SCRATCH) + "\\" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        install_ = root + "\\install";
        start_ = root + "\\start";
        ASSERT_TRUE(e2e::RemoveTree(root) && e2e::MakeFolders(start_) && e2e::MakeFolders(WinFolder()) &&
                    e2e::MakeFolders(install_ + "\\tools"));
        ASSERT_TRUE(e2e::WriteBytes(install_ + "\\tools\\kavel480.hlp", "help"));
        ASSERT_TRUE(
            CopyFileA(e2e::WindowsPath(KCG_E2E_MONITOR).c_str(), (install_ + "\\kavmon.exe").c_str(), 0));
        // A trailing backslash names the same folder, and no DOS folder is needed.
        ASSERT_TRUE(SetInstallation(install_ + "\\"));
    }

    // The registry value that locates the installation; "" removes its key.
    static bool SetInstallation(const std::string &folder) {
        const char key[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\w95vskr.exe";
        if (folder.empty()) return RegDeleteKeyA(HKEY_LOCAL_MACHINE, key) != ERROR_ACCESS_DENIED;
        return !RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, "Path", REG_SZ, folder.c_str(), folder.size() + 1);
    }

    bool Start(e2e::Process &process, const std::string &switches) {
        return process.Start("\"" + e2e::WindowsPath(KCG_E2E_EDITOR) + "\" " + switches, start_);
    }

    // Starts the editor and waits for its main window. The monitor note comes
    // first unless internal, and the monitor is shut down only once it is
    // answered.
    bool Open(Editor &editor, const std::string &switches = "", bool internal = false) {
        const HWND first = Start(editor.process, switches) ? NewDialog(editor, {}) : nullptr;
        EXPECT_TRUE(internal || MonitorLog().empty()) << "the monitor was shut down before the note";
        if (!first || (!internal && !e2e::Answer(first, IDOK)) ||
            !e2e::WaitUntil([&] { return !e2e::TopWindows(editor.process.Id(), kScreenTitle).empty(); }))
            return false;
        editor.window = e2e::TopWindows(editor.process.Id(), kScreenTitle).front();
        EXPECT_TRUE(!internal || first == editor.window) << "something came before the main window";
        ExpectLog(ShutDown());
        return true;
    }

    // Moves on to the Tuning screen, first filling in the least that the first
    // two screens let through (internal use lets anything through).
    static void GoToTuning(const Editor &editor, bool fillIn) {
        const HWND window = editor.window;
        if (fillIn) {
            EXPECT_TRUE(e2e::SetText(GetDlgItem(window, IDC_GAME_TITLE), "Harbor Patrol"));
            EXPECT_TRUE(e2e::Type(GetDlgItem(window, IDC_EXE_NAME), "harbor.exe"));
            EXPECT_TRUE(e2e::Press(window, IDC_ADD_EXE));
            EXPECT_TRUE(e2e::SetText(GetDlgItem(window, IDC_LABEL_X_POS), "Jump"));
        }
        for (const int next : {IDC_NEXT_GENERAL, IDC_NEXT_AXIS}) {
            if (next == IDC_NEXT_AXIS && fillIn) e2e::Choose(window, IDC_AXIS_0, 0);
            const std::string before = e2e::TitleOf(window);
            EXPECT_TRUE(e2e::Press(window, next));
            EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TitleOf(window) != before; }))
                << "stuck on " << before;
        }
    }

    // Closes the editor by its close box, discards changes if asked (No where
    // offered, else OK), and checks that the monitor was started again.
    void Close(Editor &editor) {
        ASSERT_TRUE(PostMessageA(editor.window, WM_SYSCOMMAND, SC_CLOSE, 0));
        EXPECT_TRUE(e2e::WaitUntil([&] {
            for (HWND box : e2e::TopWindows(editor.process.Id()))
                if (box != editor.window)
                    e2e::Answer(box, IsWindowVisible(GetDlgItem(box, IDNO)) ? IDNO : IDOK, 2000);
            return !editor.process.Running();
        })) << "the editor did not end";
        ExpectLog(ShutDown() + Restart());
    }

    // The stand-in monitor's log of its starts: command line and folder.
    std::string MonitorLog() const { return e2e::ReadBytes(install_ + "\\kavmon.log").value_or(""); }
    std::string ShutDown() const {
        const std::string editor = e2e::WindowsPath(KCG_E2E_EDITOR);
        return install_ + "\\kavmon.exe -close\t" + editor.substr(0, editor.rfind('\\')) + "\r\n";
    }
    std::string Restart() const { return install_ + "\\kavmon.exe\t" + install_ + "\r\n"; }
    void ExpectLog(const std::string &expected) const {
        e2e::WaitUntil([&] { return MonitorLog() == expected; });
        EXPECT_EQ(MonitorLog(), expected);
    }

    std::string WinFolder() const { return install_ + "\\config\\default\\win"; }
    static std::string Sample(const char *name) {
        return e2e::WindowsPath(KCG_E2E_SAMPLES "/install/config/default/win/") + name;
    }

    std::string install_, start_;
};

// A file held open by another program that shares neither writing nor
// deleting, as many Windows programs hold their files.
struct HeldFile {
    explicit HeldFile(const std::string &path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    void Release() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
    HANDLE handle;
};

} // namespace e2e_test

#endif // KCG_E2E_EDITOR_SESSION_H
