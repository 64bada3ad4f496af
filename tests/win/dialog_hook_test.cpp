// The hook for message boxes and file dialogs: what a scripted hook records
// and answers, how guards nest, and how file dialog answers are split.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_hook.h"
#include "file_dialog.h"
#include "message_box.h"
#include "scripted_dialogs.h"
#include "system_dialogs.h"

namespace {

TEST(MessageBoxHook, RecordsTextCaptionIconAndButtonsAndAnswers) {
    ui::ScriptedDialogs script;
    ui::ScopedDialogHook guard(script);
    script.AnswerMessageBox(IDNO);
    HWND owner = GetDesktopWindow();
    EXPECT_EQ(ui::MessageBox(owner, "Line one\nline two", "Caption", MB_YESNOCANCEL | MB_ICONWARNING), IDNO);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    const ui::MessageBoxRequest &box = script.MessageBoxes()[0];
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.text, "Line one\nline two");
    EXPECT_EQ(box.caption, "Caption");
    EXPECT_EQ(box.Buttons(), static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(box.Icon(), static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(script.Unscripted(), 0);
    EXPECT_EQ(script.PendingAnswers(), 0u);
}

TEST(MessageBoxHook, WithoutAScriptedAnswerTheBoxIsLeftWithoutAgreeing) {
    const std::pair<UINT, int> cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO, IDNO},
        {MB_YESNOCANCEL, IDCANCEL},
        {MB_RETRYCANCEL, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDABORT},
    };
    ui::ScriptedDialogs script;
    ui::ScopedDialogHook guard(script);
    for (const auto &[buttons, answer] : cases) {
        EXPECT_EQ(ui::MessageBox(nullptr, "text", "caption", buttons | MB_ICONERROR), answer) << buttons;
    }
    EXPECT_EQ(script.Unscripted(), static_cast<int>(std::size(cases)));
}

TEST(MessageBoxHook, GuardsNestAndRestoreTheSystemDialogs) {
    ui::ScriptedDialogs outer, inner;
    {
        ui::ScopedDialogHook outerGuard(outer);
        {
            ui::ScopedDialogHook innerGuard(inner);
            ui::MessageBox(nullptr, "to inner", "", MB_OK);
        }
        ui::MessageBox(nullptr, "to outer", "", MB_OK);
    }
    ASSERT_EQ(inner.MessageBoxes().size(), 1u);
    EXPECT_EQ(inner.MessageBoxes()[0].text, "to inner");
    ASSERT_EQ(outer.MessageBoxes().size(), 1u);
    EXPECT_EQ(outer.MessageBoxes()[0].text, "to outer");
    EXPECT_NE(dynamic_cast<ui::SystemDialogs *>(&ui::CurrentDialogHook()), nullptr);
}

TEST(FileDialogHook, RecordsTheRequestAndSplitsTheChosenPath) {
    ui::ScriptedDialogs script;
    ui::ScopedDialogHook guard(script);
    const DWORD flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE;
    ui::FileDialog save(ui::FileDialogKind::Save, "Kavelin Config Files (*.kcg)|*.kcg|All Files (*.*)|*.*||",
                        ".kcg", "Untitled.kcg", flags);
    save.SetTitle("Save");
    save.SetInitialDir("C:\\games");

    script.ConfirmFileDialog("C:\\games\\racer\\racer.kcg");
    ASSERT_TRUE(save.Show(nullptr));
    EXPECT_EQ(save.Path(), "C:\\games\\racer\\racer.kcg");
    EXPECT_EQ(save.Folder(), "C:\\games\\racer\\");
    EXPECT_EQ(save.FileName(), "racer.kcg");

    ASSERT_EQ(script.FileDialogs().size(), 1u);
    const ui::FileDialogRequest &request = script.FileDialogs()[0];
    EXPECT_EQ(request.kind, ui::FileDialogKind::Save);
    EXPECT_EQ(request.title, "Save");
    EXPECT_EQ(request.filter, "Kavelin Config Files (*.kcg)|*.kcg|All Files (*.*)|*.*||");
    EXPECT_EQ(request.defaultExt, ".kcg");
    EXPECT_EQ(request.initialFile, "Untitled.kcg");
    EXPECT_EQ(request.initialDir, "C:\\games");
    EXPECT_EQ(request.flags, flags);

    // A cancelled dialog leaves no path behind from the earlier answer.
    script.CancelFileDialog();
    EXPECT_FALSE(save.Show(nullptr));
    EXPECT_EQ(save.Path(), "");
    EXPECT_EQ(save.FileName(), "");
}

TEST(FileDialogHook, PathsWithoutFolders) {
    const struct {
        const char *path;
        const char *folder;
        const char *name;
    } cases[] = {{"racer.kcg", "", "racer.kcg"},
                 {"C:\\racer.kcg", "C:\\", "racer.kcg"},
                 {"C:\\dir\\", "C:\\dir\\", ""}};
    ui::ScriptedDialogs script;
    ui::ScopedDialogHook guard(script);
    for (const auto &c : cases) {
        ui::FileDialog open(ui::FileDialogKind::Open, "", "", "", 0);
        script.ConfirmFileDialog(c.path);
        ASSERT_TRUE(open.Show(nullptr));
        EXPECT_EQ(open.Folder(), c.folder) << c.path;
        EXPECT_EQ(open.FileName(), c.name) << c.path;
    }
}

TEST(FileDialogHook, FilterTakesTheSystemsSeparators) {
    using namespace std::string_literals;
    EXPECT_EQ(ui::FilterForSystem("A (*.a)|*.a|All|*.*||"), "A (*.a)\0*.a\0All\0*.*\0\0"s);
    EXPECT_EQ(ui::FilterForSystem("A|*.a"), "A\0*.a\0\0"s) << "an unterminated filter is ended";
    EXPECT_EQ(ui::FilterForSystem(""), "\0\0"s);
}

} // namespace
