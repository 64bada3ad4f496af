#include "editor_session.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "controls.h"
#include "files.h"
#include "message_boxes.h"
#include "top_windows.h"
#include "wait.h"

namespace e2e_test {

const char kGeneralTitle[] = "Kavelin SDK KCG Editor - General Information";
const char kAxisTitle[] = "Kavelin SDK KCG Editor - Axis Mapping";
const char kTuningTitle[] = "Kavelin SDK KCG Editor - Tuning";
const char kGeneralInternalTitle[] = "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!";
const char kAxisInternalTitle[] = "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!";
const char kTuningInternalTitle[] = "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!";

const char kNotFoundCaption[] = "Kavelin v4.8 or v4.81 Not Found!";
const char kNotFoundText[] =
    "Kavelin Veskara v4.8 or v4.81 was not found!\n\nYou must have version 4.8 or v4.81 installed on your\n"
    "machine to run the Kavelin SDK KCG Editor.";
const char kMonitorNoteCaption[] = "Kavelin Windows Monitor Shut-Down";
const char kMonitorNoteText[] =
    "NOTE: If the Kavelin Windows Monitor is running, it will now\nbe shut down. This will turn off the "
    "auto-support feature for Windows\ngames until the SDK KCG Editor is exited. When the SDK is exited,\n"
    "the Windows Monitor will be re-started.\n\nThis is necessary for testing config files from within the "
    "SDK.";
const char kSavePromptCaption[] = "Kavelin SDK KCG Editor";

namespace {

const char *const kTitles[2][3] = {{kGeneralTitle, kAxisTitle, kTuningTitle},
                                   {kGeneralInternalTitle, kAxisInternalTitle, kTuningInternalTitle}};

const char *ScreenTitle(int screen, bool internal) {
    return kTitles[internal ? 1 : 0][screen - 1];
}

// A folder name made from the running test's name, safe for the file system.
std::string TestFolderName() {
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char &c : name) {
        if (!isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_') c = '_';
    }
    return name;
}

HWND WaitForTitle(const std::string &title, DWORD processId) {
    e2e::WindowQuery query;
    query.title = title;
    query.processId = processId;
    return e2e::WaitForTopLevelWindow(query);
}

} // namespace

std::string EditorProgram() {
    // KCG_E2E_EDITOR in the environment points the tests at another build of
    // the program.
    const char *chosen = std::getenv("KCG_E2E_EDITOR");
    return e2e::WindowsPath(chosen && *chosen ? chosen : KCG_E2E_EDITOR);
}
std::string EditorFolder() {
    return e2e::FolderOf(EditorProgram());
}

void EditorTest::SetUp() {
    ASSERT_TRUE(EditorWindows().empty()) << "an editor of an earlier test is still running";
    const std::string scratch = e2e::WindowsPath(KCG_E2E_SCRATCH) + "\\" + TestFolderName();
    installRoot_ = scratch + "\\install";
    startFolder_ = scratch + "\\start";
    ASSERT_TRUE(e2e::RemoveTree(scratch)) << scratch;
    ASSERT_TRUE(e2e::MakeFolders(startFolder_)) << startFolder_;
    LayOutInstallation(e2e::InstallationParts());
    ASSERT_TRUE(registry_.Set(installRoot_));
}

void EditorTest::TearDown() {
    for (HWND window : EditorWindows()) {
        ADD_FAILURE() << "an editor is still running: " << e2e::WindowTitle(window);
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, e2e::kDefaultBoundMs);
            CloseHandle(process);
        }
    }
}

void EditorTest::LayOutInstallation(const e2e::InstallationParts &parts) {
    ASSERT_TRUE(e2e::LayOutInstallation(installRoot_, e2e::WindowsPath(KCG_E2E_MONITOR), parts))
        << installRoot_;
}

e2e::ChildProcess EditorTest::StartEditor(const std::string &switches) {
    e2e::ChildProcess process;
    std::string error;
    const std::string commandLine =
        e2e::QuoteArgument(EditorProgram()) + (switches.empty() ? "" : " " + switches);
    EXPECT_TRUE(process.Start(commandLine, startFolder_, &error)) << error;
    return process;
}

Editor EditorTest::OpenEditor(const std::string &switches, bool internal) {
    Editor editor;
    editor.process = StartEditor(switches);
    if (!editor.process.Started()) return editor;
    if (!internal) {
        const std::optional<e2e::MessageBoxSeen> note =
            e2e::WaitForMessageBox(kMonitorNoteCaption, editor.process.Id());
        if (!note) {
            ADD_FAILURE() << "the monitor note did not appear";
            return editor;
        }
        EXPECT_TRUE(e2e::AnswerMessageBox(note->window, IDOK));
    }
    editor.window = WaitForTitle(ScreenTitle(1, internal), editor.process.Id());
    EXPECT_NE(editor.window, nullptr) << "the General Information screen did not appear";
    return editor;
}

bool EditorTest::GoToScreen(Editor &editor, int screen, bool internal) {
    HWND dialog = editor.window;
    if (screen >= 2) {
        if (!internal) {
            // The least that the General Information checks let through.
            EXPECT_TRUE(e2e::WriteText(e2e::ControlOf(dialog, kGameTitleEdit), "Harbor Patrol"));
            EXPECT_TRUE(e2e::TypeText(e2e::ControlOf(dialog, kExecutableEdit), "harbor.exe"));
            EXPECT_TRUE(e2e::PressButton(dialog, kAddExecutableButton));
            EXPECT_TRUE(e2e::WriteText(e2e::ControlOf(dialog, kFirstLabelCombo), "Jump"));
        }
        EXPECT_TRUE(e2e::PressButton(dialog, kNextGeneralButton));
        if (!WaitForTitle(ScreenTitle(2, internal), editor.process.Id())) {
            ADD_FAILURE() << "the Axis Mapping screen did not appear";
            return false;
        }
    }
    if (screen >= 3) {
        // The first axis row takes the first motion, so that one is mapped.
        // An editor without the mapping check has no motions to choose and
        // lets Next through all the same; the title below is what counts.
        if (!internal) e2e::ChooseComboEntry(dialog, kFirstAxisCombo, 0);
        EXPECT_TRUE(e2e::PressButton(dialog, kNextAxisButton));
        if (!WaitForTitle(ScreenTitle(3, internal), editor.process.Id())) {
            ADD_FAILURE() << "the Tuning screen did not appear";
            return false;
        }
    }
    return true;
}

void EditorTest::CloseEditor(Editor &editor, WayToClose way) {
    ASSERT_NE(editor.window, nullptr);
    switch (way) {
    case WayToClose::kCloseBox:
        ASSERT_TRUE(PostMessageA(editor.window, WM_SYSCOMMAND, SC_CLOSE, 0));
        break;
    case WayToClose::kEscape:
        ASSERT_TRUE(e2e::PressKey(editor.window, VK_ESCAPE));
        break;
    case WayToClose::kMenuExit:
        ASSERT_TRUE(PostMessageA(editor.window, WM_COMMAND, MAKEWPARAM(kMenuExit, 0), 0));
        break;
    case WayToClose::kExitButton:
        ASSERT_TRUE(e2e::PressButton(editor.window, kExitButton));
        break;
    }
    // The editor either ends at once or first asks about unsaved changes;
    // the answer that discards them is OK on the first two screens, No on the
    // last.
    bool ended = false;
    e2e::WaitUntil(
        [&] {
            ended = !editor.process.Running();
            if (ended) return true;
            for (HWND box : e2e::DialogBoxesOf(editor.process.Id())) {
                if (e2e::WindowTitle(box) != kSavePromptCaption) continue;
                const e2e::MessageBoxSeen prompt = e2e::ReadMessageBox(box);
                const bool hasNo =
                    std::find(prompt.buttons.begin(), prompt.buttons.end(), IDNO) != prompt.buttons.end();
                e2e::AnswerMessageBox(box, hasNo ? IDNO : IDOK);
            }
            return false;
        },
        e2e::kDefaultBoundMs);
    EXPECT_TRUE(ended) << "the editor did not end";
}

std::vector<e2e::MonitorStart> EditorTest::WaitForMonitorStarts(size_t count) const {
    std::vector<e2e::MonitorStart> starts;
    e2e::WaitUntil(
        [&] {
            starts = MonitorStarts();
            return starts.size() >= count;
        },
        e2e::kDefaultBoundMs);
    return starts;
}

std::vector<HWND> EditorTest::EditorWindows() {
    std::vector<HWND> windows;
    for (const auto &mode : kTitles) {
        for (const char *title : mode) {
            e2e::WindowQuery query;
            query.title = title;
            query.visibleOnly = false;
            for (HWND window : e2e::FindTopLevelWindows(query))
                windows.push_back(window);
        }
    }
    return windows;
}

} // namespace e2e_test
