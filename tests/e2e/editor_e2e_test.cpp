// The editor as only a whole process shows it: the real command line,
// registry and file system, a second start reaching the running editor, the
// monitor program started around the run, and the system's own dialogs.
#include "editor_session.h"

namespace e2e_test {
namespace {

// Without a complete installation a start shows one message and ends after
// it, touching nothing; a "-close" start ends at once, showing nothing.
TEST_F(EditorSession, RefusesAnIncompleteInstallation) {
    // Missing: the registry key (""), the help file, the configuration folder.
    for (const std::string &missing : {std::string(), install_ + "\\tools\\kavel480.hlp", WinFolder()}) {
        SCOPED_TRACE("missing: " + (missing.empty() ? std::string("registry key") : missing));
        SetUp();
        ASSERT_TRUE(missing.empty() ? SetInstallation("")
                                    : DeleteFileA(missing.c_str()) || RemoveDirectoryA(missing.c_str()));
        e2e::Process closer;
        ASSERT_TRUE(Start(closer, "-Close"));
        EXPECT_EQ(closer.ExitCode(e2e::kBoundMs), 0u) << "the closing start did not end at once";

        Editor editor;
        ASSERT_TRUE(Start(editor.process, ""));
        const HWND refusal = NewDialog(editor, {});
        ASSERT_NE(refusal, nullptr);
        EXPECT_TRUE(EditorWindows().empty());
        EXPECT_TRUE(e2e::Answer(refusal, IDOK));
        EXPECT_TRUE(editor.process.WaitForExit()) << "the editor went on after the refusal";
        EXPECT_EQ(MonitorLog(), "");
    }
}

enum class Outcome { kForward, kCloses, kAsksAndCancelKeepsIt };

// A second start reaches the running editor, whatever it shows, and ends at
// once. A plain one brings the editor forward (with a modal dialog open, that
// dialog) and opens nothing. "-close", in any case and anywhere in the command
// line, closes it as its close box would: at once without changes, else
// through its save prompt, where Cancel keeps it.
TEST_F(EditorSession, ASecondStartReachesTheRunningEditor) {
    const struct {
        const char *running, *second; // switches of each start
        bool toTuning, changes;
        int dialogCommand; // opens a modal dialog in the running editor
        Outcome outcome;
    } kCases[] = {{"", "", false, false, 0, Outcome::kForward},
                  {"-quorvane", "", true, false, 0, Outcome::kForward},
                  {"", "", true, false, ID_APP_ABOUT, Outcome::kForward},
                  {"", "-CLOSE", false, false, 0, Outcome::kCloses},
                  {"", "now-cLoSe", false, true, 0, Outcome::kAsksAndCancelKeepsIt},
                  {"", "-close", false, false, ID_APP_ABOUT, Outcome::kCloses},
                  {"", "-close", false, true, ID_ADVANCED_FILE_REVISION, Outcome::kAsksAndCancelKeepsIt}};
    for (const auto &c : kCases) {
        SCOPED_TRACE(std::string("running \"") + c.running + "\", second \"" + c.second + "\", dialog " +
                     std::to_string(c.dialogCommand));
        SetUp();
        Editor editor;
        const bool internal = c.running[0] != '\0';
        ASSERT_TRUE(Open(editor, c.running, internal));
        if (c.toTuning) GoToTuning(editor, !internal);
        EXPECT_TRUE(!c.changes || e2e::Type(GetDlgItem(editor.window, IDC_GAME_TITLE), "Unsaved Game"));
        HWND dialog = nullptr;
        if (c.dialogCommand) {
            ASSERT_TRUE(PostMessageA(editor.window, WM_COMMAND, c.dialogCommand, 0));
            ASSERT_NE(dialog = NewDialog(editor, {editor.window}), nullptr) << "no modal dialog";
        }
        if (c.outcome == Outcome::kForward) {
            ShowWindowAsync(editor.window, SW_MINIMIZE);
            ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(editor.window); }));
        }

        e2e::Process second;
        ASSERT_TRUE(Start(second, c.second));
        EXPECT_EQ(second.ExitCode(e2e::kBoundMs), 0u) << "the second start did not end at once";
        if (c.outcome == Outcome::kCloses) {
            EXPECT_TRUE(editor.process.WaitForExit(10000)) << "the running editor did not close";
            if (!editor.process.Running()) ExpectLog(ShutDown() + Restart());
            continue;
        }
        if (c.outcome == Outcome::kForward) {
            EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(editor.window); })) << "not restored";
            const HWND front = dialog ? dialog : editor.window;
            EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == front; }, 5000))
                << "in front: " << e2e::TitleOf(GetForegroundWindow());
            EXPECT_EQ(EditorWindows(), std::vector<HWND>{editor.window});
        } else {
            const HWND prompt = NewDialog(editor, {editor.window, dialog});
            ASSERT_NE(prompt, nullptr) << "no save prompt";
            ASSERT_TRUE(e2e::Answer(prompt, IDCANCEL));
            EXPECT_FALSE(editor.process.WaitForExit(2000)) << "Cancel at the prompt did not keep the editor";
        }
        EXPECT_EQ(MonitorLog(), ShutDown());
        EXPECT_TRUE(!dialog || e2e::Answer(dialog, IDOK)) << "the dialog no longer answers";
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(editor.window); }))
            << "the editor stays locked";
        Close(editor);
    }
}

// A new document is saved through the system's save dialog to a new file. A
// file named on the command line (relative to the start folder) opens at start
// and is saved in place; when another program holds it open, the save fails,
// the file stays exactly as it was, and the user is told.
TEST_F(EditorSession, SaveWritesANewFileAndKeepsAFileHeldByAnotherProgram) {
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held ? "opened file, held" : "new file");
        SetUp();
        const std::string name = held ? "harbor3d.kcg" : "harbor.kcg", path = start_ + "\\" + name;
        ASSERT_TRUE(!held || CopyFileA(Sample(name.c_str()).c_str(), path.c_str(), FALSE));
        Editor editor;
        ASSERT_TRUE(Open(editor, held ? name : ""));
        EXPECT_TRUE(!held || e2e::WaitUntil([&] {
            return e2e::TextOf(GetDlgItem(editor.window, IDC_GAME_TITLE)) == "Harbor Patrol 3D";
        })) << "the file named at start did not open";
        const std::optional<std::string> before = e2e::ReadBytes(path);
        HeldFile holder(held ? path : ""); // nothing is held for a new file
        GoToTuning(editor, !held);         // the opened file is complete
        ASSERT_TRUE(e2e::Press(editor.window, IDC_SAVE));
        if (!held) {
            const HWND save = NewDialog(editor, {editor.window});
            ASSERT_NE(save, nullptr) << "no save dialog";
            ASSERT_TRUE(e2e::SetText(GetDlgItem(save, 1148), path)); // the dialog's file name box
            ASSERT_TRUE(e2e::Answer(save, IDOK));
        }
        const HWND message = NewDialog(editor, {editor.window}, held ? e2e::kBoundMs : 3000);
        EXPECT_EQ(message != nullptr, held) << "message: " << (message ? e2e::TitleOf(message) : "none");
        if (held) {
            EXPECT_TRUE(e2e::Answer(message, IDOK));
            EXPECT_EQ(e2e::ReadBytes(path), std::nullopt) << "the file is no longer held";
            holder.Release();
            EXPECT_EQ(e2e::ReadBytes(path), before);
        } else {
            EXPECT_NE(e2e::ReadBytes(path).value_or("").find("\"Harbor Patrol\""), std::string::npos);
        }
        EXPECT_EQ(e2e::FilesIn(start_), std::vector<std::string>{name}) << "a temporary file was left";
        EXPECT_EQ(e2e::TextOf(GetDlgItem(editor.window, IDC_FILE_NAME)), name);
        Close(editor);
    }
}

// Clean KCG Files passes over a file it cannot delete, without a message, and
// still deletes the others.
TEST_F(EditorSession, CleanDeletesWhatItCanAndPassesOverAHeldFile) {
    for (const char *name : {"a.kcg", "b.kcg", "c.kcg"}) // made by the editor's user
        ASSERT_TRUE(CopyFileA(Sample("myflight.kcg").c_str(), (WinFolder() + "\\" + name).c_str(), FALSE));
    Editor editor;
    ASSERT_TRUE(Open(editor));
    ASSERT_TRUE(PostMessageA(editor.window, WM_COMMAND, ID_ADVANCED_CLEAN, 0));
    const HWND clean = NewDialog(editor, {editor.window});
    ASSERT_NE(clean, nullptr);
    EXPECT_EQ(e2e::Ask(GetDlgItem(clean, IDC_CLEAN_LIST), LB_GETCOUNT), 3);

    HeldFile holder(WinFolder() + "\\b.kcg");
    ASSERT_NE(holder.handle, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(e2e::Press(clean, IDC_DELETE_FILES));
    const HWND warning = NewDialog(editor, {editor.window, clean});
    ASSERT_NE(warning, nullptr);
    ASSERT_TRUE(e2e::Answer(warning, IDOK));
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return e2e::FilesIn(WinFolder()) == std::vector<std::string>{"b.kcg"}; }));
    EXPECT_EQ(NewDialog(editor, {editor.window, clean}, 2000), nullptr) << "a message came up";
    EXPECT_EQ(e2e::Ask(GetDlgItem(clean, IDC_CLEAN_LIST), LB_GETCOUNT), 0);
    EXPECT_TRUE(e2e::Answer(clean, IDCANCEL));
    Close(editor);
}

} // namespace
} // namespace e2e_test
