// The editor's start-up against a system whose answers the test gives and
// whose every use it records, with the real main dialog: the refusal without
// an installation, and the monitor stopped before and restarted after the
// dialog. (A second start and "-CLOSE" need a second process: the end-to-end
// tests show them.)
#include <cstring>

#include "editor_fixture.h"
#include "kcg_editor_app.h"

namespace editor_test {
namespace {

class RecordingSystem : public StartupSystem {
  public:
    std::string CommandLine() override { return commandLine; }
    std::string ProgramPath() override { return "C:\\SDK\\kcgedit.exe"; }
    HWND FindTopLevelWindow(const std::string &) override { return nullptr; } // no editor runs
    void AskToClose(HWND) override { log.push_back("close"); }
    void BringToFront(HWND) override { log.push_back("front"); }
    std::optional<std::string> ReadInstallationValue() override {
        log.push_back("registry");
        return installValue;
    }
    bool PathExists(const std::string &path) override { return existing.count(path) != 0; }
    void SetCurrentFolder(const std::string &folder) override { log.push_back("cd " + folder); }
    void StartProgram(const std::string &line) override {
        log.push_back("start " + line + (dialog && dialog->hwnd() ? " while the dialog runs" : "") +
                      " after " + std::to_string(boxes ? boxes->MessageBoxes().size() : 0) + " messages");
    }
    void ShowHelp(const std::string &file, unsigned, unsigned long) override {
        log.push_back("help " + file);
    }

    std::string commandLine = "kcgedit.exe";
    std::optional<std::string> installValue;
    std::set<std::string> existing;
    std::vector<std::string> log;
    const CKcgEditorDlg *dialog = nullptr;
    const ui::ScriptedDialogs *boxes = nullptr;
};

// Asks the editor's main window of this thread to close, as its close box would.
BOOL CALLBACK CloseIfEditor(HWND window, LPARAM) {
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::strncmp(title, "Kavelin SDK KCG Editor - ", 25) == 0) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}
void CALLBACK CloseEditorSoon(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &CloseIfEditor, 0);
}

class Startup : public ::testing::Test {
  public:
    // Runs the start-up; a main dialog that opens is closed shortly after.
    void Run() {
        CKcgEditorApp app(GetModuleHandleA(nullptr), system);
        system.dialog = &app.m_MainDlg;
        system.boxes = &boxes;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, &CloseEditorSoon);
        EXPECT_FALSE(app.InitInstance());
        KillTimer(nullptr, timer);
        PumpMessages();
        dialogRan = app.m_MainDlg.HasEnded();
        internal = app.m_MainDlg.m_bInternal;
        system.dialog = nullptr;
    }
    void Install(const std::string &value) {
        system.installValue = value;
        system.existing = {dir + "\\tools\\kavel480.hlp", dir + "\\config\\default\\win"};
    }

    ui::ScriptedDialogs boxes;
    ui::ScopedDialogHook hook{boxes};
    RecordingSystem system;
    const std::string dir = SampleInstallation();
    bool dialogRan = false;
    int internal = 0;
};

TEST_F(Startup, RefusesToRunWithoutTheInstallationAndLeavesTheMonitorAlone) {
    for (const char *missing : {"registry value", "\\tools\\kavel480.hlp", "\\config\\default\\win"}) {
        SCOPED_TRACE(missing);
        boxes = ui::ScriptedDialogs();
        system = RecordingSystem();
        Install(dir);
        if (missing[0] != '\\') system.installValue.reset();
        system.existing.erase(dir + missing);
        Run();
        EXPECT_EQ(system.log, (std::vector<std::string>{"cd C:\\SDK", "registry"}));
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        const ui::MessageBoxRequest &box = boxes.MessageBoxes()[0];
        EXPECT_EQ(box.caption, "Kavelin v4.8 or v4.81 Not Found!");
        EXPECT_EQ(box.text.substr(0, 45), "Kavelin Veskara v4.8 or v4.81 was not found!\n");
        EXPECT_EQ(box.flags, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_SYSTEMMODAL));
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(dialogRan);
    }
}

TEST_F(Startup, MonitorIsStoppedBeforeTheWindowOpensAndRestartedAfterItCloses) {
    for (const bool internalUse : {false, true}) {
        boxes = ui::ScriptedDialogs();
        system = RecordingSystem();
        system.commandLine = internalUse ? "kcgedit.exe -quorvane" : "kcgedit.exe";
        Install(dir + "\\"); // one trailing backslash makes no difference
        Run();
        EXPECT_TRUE(dialogRan);
        EXPECT_EQ(internal, internalUse ? 1 : 0);
        // The note (not in internal use) comes before the monitor is stopped.
        const std::string after = internalUse ? " after 0 messages" : " after 1 messages";
        EXPECT_EQ(system.log, (std::vector<std::string>{
                                  "cd C:\\SDK", "registry", "start " + dir + "\\kavmon.exe -close" + after,
                                  "cd " + dir, "start " + dir + "\\kavmon.exe" + after}));
        ASSERT_EQ(boxes.MessageBoxes().size(), internalUse ? 0u : 1u);
        if (internalUse) continue;
        EXPECT_EQ(boxes.MessageBoxes()[0].caption, "Kavelin Windows Monitor Shut-Down");
        EXPECT_EQ(boxes.MessageBoxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }
}

} // namespace
} // namespace editor_test
