// The editor as only a whole process shows it: the real command line,
// registry and file system, a second start reaching the running editor, the
// monitor program started around the run, and the system's own dialogs.
#include "editor_session.h"

namespace e2e_test {
namespace {

using e2e::kBoundMs;

// Without a complete installation a start shows one message and ends after
// it, touching nothing; a "-close" start ends at once, showing nothing.
TEST_F(EditorSession, RefusesAnIncompleteInstallation) {
    const struct {
        const char *missing;
        std::string remove;
    } kCases[] = {{"registry key", ""},
                  {"help file", install_ + "\\tools\\kavel480.hlp"},
                  {"config folder", WinFolder()}};
    for (const auto &missing : kCases) {
        SCOPED_TRACE(missing.missing);
        SetUp();
        ASSERT_TRUE(missing.remove.empty()
                        ? SetInstallation(std::nullopt)
                        : DeleteFileA(missing.remove.c_str()) || RemoveDirectoryA(missing.remove.c_str()));
        Editor closer;
        ASSERT_TRUE(Start(closer.process, "-Close"));
        EXPECT_TRUE(closer.process.WaitForExit());
        EXPECT_EQ(closer.process.ExitCode(), 0u);

        Editor editor;
        ASSERT_TRUE(Start(editor.process, ""));
        const HWND refusal = NewWindow(editor, {});
        ASSERT_NE(refusal, nullptr);
        EXPECT_TRUE(EditorWindows().empty());
        EXPECT_TRUE(e2e::Answer(refusal, IDOK));
        EXPECT_TRUE(editor.process.WaitForExit()) << "the editor went on after the refusal";
        EXPECT_EQ(MonitorLog(), "");
    }
}

// The editor's state when a second start reaches it.
enum class Busy { kNo, kUnsavedChanges, kAboutBox, kRevisionDialogAndChanges };

// Opens the running editor's modal dialog (if the case has one) and returns it.
HWND MakeBusy(const Editor &editor, Busy busy) {
    if (busy == Busy::kUnsavedChanges || busy == Busy::kRevisionDialogAndChanges) {
        EXPECT_TRUE(e2e::Type(GetDlgItem(editor.window, IDC_GAME_TITLE), "Unsaved Game"));
    }
    if (busy != Busy::kAboutBox && busy != Busy::kRevisionDialogAndChanges) return nullptr;
    const int command = busy == Busy::kAboutBox ? ID_APP_ABOUT : ID_ADVANCED_FILE_REVISION;
    EXPECT_TRUE(PostMessageA(editor.window, WM_COMMAND, command, 0));
    const HWND dialog = NewWindow(editor, {editor.window});
    EXPECT_NE(dialog, nullptr) << "the dialog of command " << command << " did not open";
    return dialog;
}

// A second start only brings the running editor forward, whatever it shows,
// and ends; with a modal dialog open, that dialog is what comes forward.
TEST_F(EditorSession, SecondStartBringsTheRunningEditorForward) {
    const struct {
        const char *switches; // of the running editor
        bool toTuning;
        Busy busy;
    } kCases[] = {{"", false, Busy::kNo}, {"-quorvane", true, Busy::kNo}, {"", true, Busy::kAboutBox}};
    for (const auto &running : kCases) {
        SCOPED_TRACE(std::string("running with \"") + running.switches + "\"");
        SetUp();
        Editor editor;
        const bool internal = running.switches[0] != '\0';
        Open(editor, running.switches, internal);
        ASSERT_NE(editor.window, nullptr);
        EXPECT_EQ(e2e::TitleOf(editor.window).find("INTERNAL") != std::string::npos, internal);
        if (running.toTuning) GoToTuning(editor, internal);
        const HWND dialog = MakeBusy(editor, running.busy);
        const HWND front = dialog ? dialog : editor.window;
        ShowWindowAsync(editor.window, SW_MINIMIZE);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(editor.window); }));

        e2e::Process second;
        ASSERT_TRUE(Start(second, ""));
        EXPECT_TRUE(second.WaitForExit()) << "the second start did not end";
        EXPECT_EQ(second.ExitCode(), 0u);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(editor.window); })) << "not restored";
        EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == front; }, 5000))
            << "in front: " << e2e::TitleOf(GetForegroundWindow());
        EXPECT_EQ(EditorWindows(), std::vector<HWND>{editor.window});
        EXPECT_EQ(MonitorLog(), ShutDown());
        EXPECT_TRUE(!dialog || e2e::Answer(dialog, IDOK)) << "the dialog no longer answers";
        Close(editor);
    }
}

// "-close" in any case, anywhere in the command line, closes the running
// editor as its close box would: through its save prompt, where Cancel keeps
// it. A modal dialog open in the editor changes nothing about that.
TEST_F(EditorSession, CloseSwitchClosesTheRunningEditorThroughItsSavePrompt) {
    const struct {
        const char *switches;
        Busy busy;
    } kCases[] = {{"-CLOSE", Busy::kNo},
                  {"now-cLoSe", Busy::kUnsavedChanges},
                  {"-close", Busy::kAboutBox},
                  {"-close", Busy::kRevisionDialogAndChanges}};
    for (const auto &closing : kCases) {
        SCOPED_TRACE(std::string(closing.switches) + " case " +
                     std::to_string(static_cast<int>(closing.busy)));
        SetUp();
        Editor editor;
        Open(editor);
        ASSERT_NE(editor.window, nullptr);
        const HWND dialog = MakeBusy(editor, closing.busy);
        const bool asks =
            closing.busy == Busy::kUnsavedChanges || closing.busy == Busy::kRevisionDialogAndChanges;

        e2e::Process closer;
        ASSERT_TRUE(Start(closer, closing.switches));
        EXPECT_TRUE(closer.WaitForExit()) << "the closing start did not end";
        EXPECT_EQ(closer.ExitCode(), 0u);
        if (!asks) {
            EXPECT_TRUE(editor.process.WaitForExit(10000)) << "the running editor did not close";
            EXPECT_EQ(LogOnceItIs(ShutDown() + Restart()), ShutDown() + Restart());
            EXPECT_TRUE(EditorWindows().empty());
            continue;
        }
        const HWND prompt = NewWindow(editor, {editor.window, dialog});
        ASSERT_NE(prompt, nullptr) << "no save prompt";
        ASSERT_TRUE(e2e::Answer(prompt, IDCANCEL));
        EXPECT_FALSE(editor.process.WaitForExit(2000)) << "Cancel at the prompt did not keep the editor";
        EXPECT_TRUE(!dialog || e2e::Answer(dialog, IDCANCEL)) << "the dialog no longer answers";
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(editor.window); }))
            << "the editor stays locked";
        EXPECT_EQ(MonitorLog(), ShutDown());
        Close(editor);
    }
}

// Saving through the system's save dialog: a new file is written; a file that
// another program holds open is left exactly as it was, and the user is told.
TEST_F(EditorSession, SaveWritesANewFileAndKeepsAFileHeldByAnotherProgram) {
    const std::string kept = "the other program's bytes\r\n";
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held ? "held file" : "new file");
        SetUp();
        const std::string path = start_ + "\\harbor.kcg";
        ASSERT_TRUE(!held || e2e::WriteBytes(path, kept));
        HeldFile holder(path);
        ASSERT_EQ(holder.handle != INVALID_HANDLE_VALUE, held);
        Editor editor;
        Open(editor);
        ASSERT_NE(editor.window, nullptr);
        GoToTuning(editor);
        ASSERT_TRUE(e2e::Press(editor.window, IDC_SAVE));
        const HWND save = NewWindow(editor, {editor.window});
        ASSERT_NE(save, nullptr) << "no save dialog";
        ASSERT_TRUE(e2e::SetText(GetDlgItem(save, 1148), path)); // the dialog's file name box
        ASSERT_TRUE(e2e::Answer(save, IDOK));

        const HWND message = NewWindow(editor, {editor.window}, held ? kBoundMs : 3000);
        EXPECT_EQ(message != nullptr, held) << "message: " << (message ? e2e::TitleOf(message) : "none");
        if (held) {
            EXPECT_TRUE(e2e::Answer(message, IDOK));
            EXPECT_EQ(e2e::ReadBytes(path), std::nullopt) << "the file is no longer held";
            CloseHandle(holder.handle);
            holder.handle = INVALID_HANDLE_VALUE;
            EXPECT_EQ(e2e::ReadBytes(path), kept);
        } else {
            EXPECT_NE(e2e::ReadBytes(path).value_or("").find("\"Harbor Patrol\""), std::string::npos);
        }
        EXPECT_EQ(e2e::FilesIn(start_), std::vector<std::string>{"harbor.kcg"})
            << "a temporary file was left";
        EXPECT_EQ(e2e::TextOf(GetDlgItem(editor.window, IDC_FILE_NAME)), "harbor.kcg");
        Close(editor);
    }
}

// A file named on the command line, relative to the start folder, is open
// once the window shows.
TEST_F(EditorSession, AFileNamedOnTheCommandLineOpensAtStart) {
    ASSERT_TRUE(
        CopyFileA(e2e::WindowsPath(KCG_E2E_SAMPLES "/install/config/default/win/harbor3d.kcg").c_str(),
                  (start_ + "\\harbor3d.kcg").c_str(), FALSE));
    Editor editor;
    Open(editor, "harbor3d.kcg");
    ASSERT_NE(editor.window, nullptr);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::TextOf(GetDlgItem(editor.window, IDC_GAME_TITLE)) == "Harbor Patrol 3D"; }));
    EXPECT_EQ(e2e::TextOf(GetDlgItem(editor.window, IDC_FILE_NAME)), "harbor3d.kcg");
    Close(editor);
}

// Clean KCG Files passes over a file it cannot delete, without a message, and
// still deletes the others.
TEST_F(EditorSession, CleanDeletesWhatItCanAndPassesOverAHeldFile) {
    const std::string sample = e2e::WindowsPath(KCG_E2E_SAMPLES "/install/config/default/win/myflight.kcg");
    for (const char *name : {"a.kcg", "b.kcg", "c.kcg"})
        ASSERT_TRUE(CopyFileA(sample.c_str(), (WinFolder() + "\\" + name).c_str(), FALSE));
    Editor editor;
    Open(editor);
    ASSERT_NE(editor.window, nullptr);
    ASSERT_TRUE(PostMessageA(editor.window, WM_COMMAND, ID_ADVANCED_CLEAN, 0));
    const HWND clean = NewWindow(editor, {editor.window});
    ASSERT_NE(clean, nullptr);
    EXPECT_EQ(e2e::Ask(GetDlgItem(clean, IDC_CLEAN_LIST), LB_GETCOUNT), 3);

    HeldFile holder(WinFolder() + "\\b.kcg");
    ASSERT_NE(holder.handle, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(e2e::Press(clean, IDC_DELETE_FILES));
    const HWND warning = NewWindow(editor, {editor.window, clean});
    ASSERT_NE(warning, nullptr);
    ASSERT_TRUE(e2e::Answer(warning, IDOK));
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return e2e::FilesIn(WinFolder()) == std::vector<std::string>{"b.kcg"}; }));
    EXPECT_EQ(NewWindow(editor, {editor.window, clean}, 2000), nullptr) << "a message came up";
    EXPECT_EQ(e2e::Ask(GetDlgItem(clean, IDC_CLEAN_LIST), LB_GETCOUNT), 0);
    EXPECT_TRUE(e2e::Answer(clean, IDCANCEL));
    Close(editor);
}

} // namespace
} // namespace e2e_test
