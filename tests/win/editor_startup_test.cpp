// The editor's start-up, against a system whose answers the test gives and
// whose every use it records: a second start, "-CLOSE", the refusal without
// an installation, and the monitor stopped before and restarted after a run
// of the real main dialog.
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "editor_fixture.h"
#include "kcg_editor_app.h"

namespace editor_test {
namespace {

const char kGeneral[] = "Kavelin SDK KCG Editor - General Information";
const char kAxis[] = "Kavelin SDK KCG Editor - Axis Mapping";
const char kTuning[] = "Kavelin SDK KCG Editor - Tuning";
const char kGeneralInternal[] = "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!";
const char kAxisInternal[] = "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!";
const char kTuningInternal[] = "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!";

const char kNotFound[] =
    "Kavelin Veskara v4.8 or v4.81 was not found!\n\nYou must have version 4.8 or v4.81 installed on "
    "your\nmachine to run the Kavelin SDK KCG Editor.";

class FakeSystem : public StartupSystem {
  public:
    explicit FakeSystem(const ui::ScriptedDialogs &boxes) : boxes_(&boxes) {}

    std::string CommandLine() override { return commandLine; }
    std::string ProgramPath() override { return "C:\\Kavelin SDK\\bin\\kcgedit.exe"; }
    HWND FindTopLevelWindow(const std::string &title) override {
        log.push_back("find " + title);
        const auto found = windows.find(title);
        return found == windows.end() ? nullptr : found->second;
    }
    void AskToClose(HWND window) override { log.push_back("close " + Name(window)); }
    void BringToFront(HWND window) override { log.push_back("front " + Name(window)); }
    std::optional<std::string> ReadInstallationValue() override {
        log.push_back("registry");
        return installValue;
    }
    bool PathExists(const std::string &path) override {
        log.push_back("exists " + path);
        return existing.count(path) != 0;
    }
    void SetCurrentFolder(const std::string &folder) override { log.push_back("cd " + folder); }
    void StartProgram(const std::string &line) override {
        // Whether the main dialog's window exists, and how many messages were
        // shown, at the moment the program is started.
        const bool dialogOpen = app && app->m_MainDlg.hwnd();
        log.push_back("start " + line + (dialogOpen ? " (dialog open)" : "") + " after " +
                      std::to_string(boxes_->MessageBoxes().size()) + " messages");
    }

    // A window of a running editor, named by its title.
    void Running(const std::string &title) {
        windows[title] = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x100 + windows.size()));
    }
    std::string Name(HWND window) const {
        for (const auto &[title, hwnd] : windows) {
            if (hwnd == window) return title;
        }
        return "?";
    }
    // The log without the window search at its start.
    std::vector<std::string> AfterSearch() const {
        std::vector<std::string> rest;
        for (const std::string &entry : log) {
            if (entry.rfind("find ", 0) != 0) rest.push_back(entry);
        }
        return rest;
    }

    std::string commandLine = "\"C:\\Kavelin SDK\\bin\\kcgedit.exe\"";
    std::map<std::string, HWND> windows;
    std::optional<std::string> installValue;
    std::set<std::string> existing;
    std::vector<std::string> log;
    const CKcgEditorApp *app = nullptr;

  private:
    const ui::ScriptedDialogs *boxes_;
};

// Closes the editor's main window of this thread whenever it fires, the way
// a user would with the close box.
BOOL CALLBACK CloseIfEditor(HWND window, LPARAM /*unused*/) {
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
    void Installed(const std::string &folder) {
        system.installValue = folder;
        std::string dir = folder;
        if (!dir.empty() && dir.back() == '\\') dir.pop_back();
        system.existing = {dir + "\\tools\\kavel480.hlp", dir + "\\config\\default\\win"};
    }

    // Runs the start-up; a main dialog that opens is closed shortly after.
    bool Run() {
        CKcgEditorApp app(GetModuleHandleA(nullptr), system);
        system.app = &app;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, &CloseEditorSoon);
        const bool result = app.InitInstance();
        KillTimer(nullptr, timer);
        PumpMessages();
        dialogRan = app.m_MainDlg.HasEnded();
        dialogInternal = app.m_MainDlg.m_bInternal;
        programDir = app.m_szProgramDir;
        system.app = nullptr;
        return result;
    }

    ui::ScriptedDialogs boxes;
    ui::ScopedDialogHook hook{boxes};
    FakeSystem system{boxes};
    bool dialogRan = false;
    int dialogInternal = 0;
    std::string programDir;
};

TEST_F(Startup, SecondStartBringsTheRunningEditorForwardAndOpensNothing) {
    for (const char *title : {kGeneral, kAxis, kTuning, kGeneralInternal, kAxisInternal, kTuningInternal}) {
        SCOPED_TRACE(title);
        system = FakeSystem(boxes);
        system.Running(title);
        EXPECT_FALSE(Run());
        EXPECT_EQ(system.AfterSearch(), std::vector<std::string>{std::string("front ") + title});
        EXPECT_FALSE(dialogRan);
        EXPECT_TRUE(boxes.MessageBoxes().empty());
    }
}

TEST_F(Startup, InternalUseTitlesAreLookedForFirst) {
    system.Running(kTuning);
    system.Running(kAxisInternal);
    Run();
    const std::vector<std::string> expected = {std::string("find ") + kGeneralInternal,
                                               std::string("find ") + kAxisInternal,
                                               std::string("front ") + kAxisInternal};
    EXPECT_EQ(system.log, expected);
}

TEST_F(Startup, CloseSwitchInAnyCaseClosesTheRunningEditor) {
    for (const char *line : {"kcgedit.exe -close", "KCGEDIT -CLOSE", "kcgedit.exe /x -ClOsE"}) {
        SCOPED_TRACE(line);
        system = FakeSystem(boxes);
        system.commandLine = line;
        system.Running(kAxis);
        EXPECT_FALSE(Run());
        EXPECT_EQ(system.AfterSearch(), std::vector<std::string>{std::string("close ") + kAxis});
        EXPECT_FALSE(dialogRan);
    }
}

TEST_F(Startup, CloseSwitchWithNoEditorRunningDoesNothingAtAll) {
    system.commandLine = "kcgedit.exe -close";
    Installed(SampleInstallation());
    EXPECT_FALSE(Run());
    EXPECT_TRUE(system.AfterSearch().empty()); // not even the installation is looked for
    EXPECT_EQ(system.log.size(), 6u);
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

TEST_F(Startup, RefusesToRunWithoutTheInstallationAndLeavesTheMonitorAlone) {
    const std::string dir = "C:\\Veskara";
    const struct {
        const char *what;
        std::optional<std::string> value;
        std::set<std::string> existing;
    } cases[] = {
        {"no registry value", std::nullopt, {dir + "\\tools\\kavel480.hlp", dir + "\\config\\default\\win"}},
        {"no help file", dir, {dir + "\\config\\default\\win"}},
        {"no Windows configuration folder", dir, {dir + "\\tools\\kavel480.hlp"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        boxes = ui::ScriptedDialogs();
        system = FakeSystem(boxes);
        system.installValue = c.value;
        system.existing = c.existing;
        EXPECT_FALSE(Run());
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        const ui::MessageBoxRequest &box = boxes.MessageBoxes()[0];
        EXPECT_EQ(box.text, kNotFound);
        EXPECT_EQ(box.caption, "Kavelin v4.8 or v4.81 Not Found!");
        EXPECT_EQ(box.Icon(), static_cast<UINT>(MB_ICONERROR));
        EXPECT_TRUE(box.flags & MB_SYSTEMMODAL);
        EXPECT_EQ(box.owner, nullptr);
        for (const std::string &entry : system.log)
            EXPECT_NE(entry.rfind("start ", 0), 0u) << entry;
        EXPECT_FALSE(dialogRan);
    }
}

TEST_F(Startup, MonitorIsStoppedBeforeTheWindowOpensAndRestartedAfterItCloses) {
    const std::string dir = SampleInstallation();
    Installed(dir + "\\"); // one trailing backslash makes no difference
    EXPECT_FALSE(Run());
    EXPECT_TRUE(dialogRan);
    EXPECT_EQ(programDir, "C:\\Kavelin SDK\\bin");
    const std::vector<std::string> expected = {
        "cd C:\\Kavelin SDK\\bin",
        "registry",
        "exists " + dir + "\\tools\\kavel480.hlp",
        "exists " + dir + "\\config\\default\\win",
        "start " + dir + "\\kavmon.exe -close after 1 messages",
        "cd " + dir,
        "start " + dir + "\\kavmon.exe after 1 messages",
    };
    EXPECT_EQ(system.AfterSearch(), expected);
    ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
    const ui::MessageBoxRequest &note = boxes.MessageBoxes()[0];
    EXPECT_EQ(note.caption, "Kavelin Windows Monitor Shut-Down");
    EXPECT_EQ(note.text.substr(0, 57), "NOTE: If the Kavelin Windows Monitor is running, it will ");
    EXPECT_EQ(note.Icon(), static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(note.Buttons(), static_cast<UINT>(MB_OK));
    EXPECT_EQ(note.owner, nullptr);
    EXPECT_EQ(dialogInternal, 0);
}

TEST_F(Startup, InternalUseSkipsTheNoteButStillStopsAndRestartsTheMonitor) {
    const std::string dir = SampleInstallation();
    system.commandLine = "kcgedit.exe -quorvane";
    Installed(dir);
    EXPECT_FALSE(Run());
    EXPECT_TRUE(dialogRan);
    EXPECT_EQ(dialogInternal, 1);
    EXPECT_TRUE(boxes.MessageBoxes().empty());
    const std::vector<std::string> log = system.AfterSearch();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], "start " + dir + "\\kavmon.exe -close after 0 messages");
    EXPECT_EQ(log.back(), "start " + dir + "\\kavmon.exe after 0 messages");
}

} // namespace
} // namespace editor_test
