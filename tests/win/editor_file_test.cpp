// The file commands through the real dialog, every prompt and file dialog
// answered from a script: Save As and its name rules, the save prompt before
// New, Open and every way out, opening files by owner, and a file named on
// the command line.
#include <windows.h>

#include <commdlg.h>

#include <fstream>
#include <iterator>

#include "editor_fixture.h"
#include "kcg_editor_app.h"
#include "resource.h"
#include "scoped_config.h"
#include "start_file.h"

namespace editor_test {
namespace {

const char kFilter[] = "Kavelin Config Files (*.kcg)|*.kcg|All Files (*.*)|*.*||";
const char kPromptCaption[] = "Kavelin SDK KCG Editor";

std::string Contents(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

class FileCommands : public EditorDialog {
  public:
    void SetUp() override { startFolder = CurrentFolder(); }
    void TearDown() override {
        SetCurrentDirectoryA(startFolder.c_str());
        EditorDialog::TearDown();
    }

    // A sample file of the installation's win folder, copied to the scratch folder.
    std::string CopySample(const std::string &name, const std::string &as) {
        const std::string copy = Scratch(as);
        EXPECT_TRUE(CopyFileA(SampleFile("win", name).c_str(), copy.c_str(), FALSE)) << name;
        return copy;
    }
    // The OWNER stored in a file; -1 when it cannot be read.
    static int OwnerOf(const std::string &path) {
        model::ScopedConfig file;
        return TlReadConfigFile(&file.get(), path.c_str()) == 0 ? file->owner : -1;
    }
    // Opens the sample OEM file (every check of the screens passes with it)
    // from a copy, moves on to screen (1 to 3) with the Next buttons and saves
    // it there: the Tuning screen stores its unused rows' defaults, which the
    // file did not hold.
    void OpenGameOnScreen(int screen, bool internal = false) {
        Open(internal);
        ASSERT_TRUE(dialog->OpenDocument(CopySample("harbor3d.kcg", "harbor.kcg")));
        if (screen >= 2) Click(IDC_NEXT_GENERAL);
        if (screen >= 3) Click(IDC_NEXT_AXIS);
        ASSERT_EQ(dialog->m_nScreen, screen);
        ASSERT_TRUE(dialog->Save());
        ASSERT_TRUE(boxes.MessageBoxes().empty()) << boxes.MessageBoxes()[0].text;
    }
    // An untitled document with a change on the Tuning screen.
    void ChangedUntitledGameOnTuningScreen() {
        OpenGameOnScreen(3);
        dialog->m_bHasFileName = 0;
        SetText(IDC_GAME_TITLE, "Changed Title");
        dialog->m_bModified = 1;
    }
    const ui::MessageBoxRequest &LastBox() const { return boxes.MessageBoxes().back(); }

    std::string startFolder;
};

// ---- Save As

TEST_F(FileCommands, SaveAsRefusesEachBadNameWithItsMessageAndAsksAgain) {
    struct Case {
        const char *name, *chosen, *caption;
        UINT buttons, icon;
    };
    const Case cases[] = {
        // A reserved title, letter case ignored, whatever the extension's case.
        {"reserved title", "nebula lancers.KCG", "File Name Incorrect", MB_OK, MB_ICONERROR},
        {"extension", "game.txt", "File Extention Incorrect", MB_OK, MB_ICONERROR},
        {"no extension", "game", "File Extention Incorrect", MB_OK, MB_ICONERROR},
        {"released file", "quorvane.kcg", "Cannot Overwrite File", MB_OK, MB_ICONERROR},
        // No to the question also shows the dialog again.
        {"replace answered No", "user.kcg", "Overwrite file?", MB_YESNO, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        boxes = ui::ScriptedDialogs();
        Open();
        CopySample("gravelst.kcg", "quorvane.kcg");
        CopySample("myflight.kcg", "user.kcg");
        SetText(IDC_GAME_TITLE, "Deep Salvage");
        const std::string chosen = Scratch(c.chosen);
        const std::string before = Contents(chosen);
        boxes.ConfirmFileDialog(chosen);
        boxes.AnswerMessageBox(c.buttons == MB_YESNO ? IDNO : IDOK);
        boxes.CancelFileDialog();

        EXPECT_FALSE(dialog->SaveAs());
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        EXPECT_EQ(LastBox().caption, c.caption);
        EXPECT_EQ(LastBox().Buttons(), c.buttons);
        EXPECT_EQ(LastBox().Icon(), c.icon);
        EXPECT_EQ(LastBox().owner, dialog->hwnd());
        // Shown again with the refused name, then cancelled: nothing written,
        // the document still untitled.
        ASSERT_EQ(boxes.FileDialogs().size(), 2u);
        EXPECT_EQ(boxes.FileDialogs()[1].initialFile, chosen);
        EXPECT_EQ(Contents(chosen), before);
        EXPECT_EQ(dialog->m_bHasFileName, 0);
        EXPECT_EQ(Text(IDC_FILE_NAME), "Untitled.kcg");
    }
    EXPECT_EQ(boxes.FileDialogs()[0].kind, ui::FileDialogKind::Save);
}

TEST_F(FileCommands, SaveAsWritesAnAcceptedNameAndAsksOnlyBeforeReplacingAFileOfAnotherGame) {
    const struct {
        const char *sample; // copied to the chosen name first; null: a new file
        bool internal, asks;
        int owner; // what the owner box gives in the mode
    } cases[] = {
        {"myflight.kcg", false, true, TL_OWNER_OEM},
        {"damaged.kcg", false, false, TL_OWNER_OEM}, // unreadable: replaced without a question
        {"nebulanc.kcg", true, false, TL_OWNER_QUORVANE},
        {nullptr, true, false, TL_OWNER_QUORVANE}, // any extension in internal use
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sample ? c.sample : "new file");
        boxes = ui::ScriptedDialogs();
        Open(c.internal);
        SetText(IDC_GAME_TITLE, "Nebula Lancers"); // reserved only outside internal use
        if (!c.internal) SetText(IDC_GAME_TITLE, "Deep Salvage");
        const std::string target = c.sample ? CopySample(c.sample, "target.kcg") : Scratch("target.txt");
        boxes.ConfirmFileDialog(target);
        if (c.asks) boxes.AnswerMessageBox(IDYES);
        dialog->m_bModified = 1;

        EXPECT_TRUE(dialog->SaveAs());
        EXPECT_EQ(boxes.MessageBoxes().size(), c.asks ? 1u : 0u);
        EXPECT_EQ(boxes.FileDialogs().size(), 1u);
        EXPECT_EQ(OwnerOf(target), c.owner);
        EXPECT_EQ(dialog->m_bHasFileName, 1);
        EXPECT_EQ(dialog->m_strFolder + dialog->m_strFileName, target);
        EXPECT_EQ(Text(IDC_FILE_NAME), dialog->m_strFileName);
        EXPECT_FALSE(dialog->IsModified());
    }
}

TEST_F(FileCommands, SaveAsStartsFromTheDocumentsNameAndFolder) {
    Open();
    boxes.CancelFileDialog();
    EXPECT_FALSE(dialog->Save()); // untitled: Save is Save As
    ASSERT_EQ(boxes.FileDialogs().size(), 1u);
    const ui::FileDialogRequest &untitled = boxes.FileDialogs()[0];
    EXPECT_EQ(untitled.kind, ui::FileDialogKind::Save);
    EXPECT_EQ(untitled.initialFile, "Untitled.kcg");
    EXPECT_EQ(untitled.initialDir, ""); // the current folder
    EXPECT_EQ(untitled.filter, kFilter);
    EXPECT_EQ(untitled.defaultExt, ".kcg");
    EXPECT_EQ(untitled.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE));
    EXPECT_EQ(dialog->m_strFolder, ".");
    EXPECT_EQ(CurrentFolder(), startFolder);

    // A document with its own file: its folder becomes the current one.
    ASSERT_TRUE(dialog->OpenDocument(CopySample("harbor3d.kcg", "harbor.kcg")));
    boxes.CancelFileDialog();
    EXPECT_FALSE(dialog->SaveAs());
    EXPECT_EQ(boxes.FileDialogs().back().initialFile, "harbor.kcg");
    EXPECT_EQ(CurrentFolder(), scratch.string());
    EXPECT_EQ(dialog->m_bHasFileName, 1); // cancelling changes nothing
}

TEST_F(FileCommands, AFailedWriteKeepsTheNewNameAndTheChanges) {
    Open();
    SetText(IDC_GAME_TITLE, "Deep Salvage");
    dialog->m_bModified = 1;
    const std::string unwritable = Scratch("missing-folder") + "\\game.kcg";
    boxes.ConfirmFileDialog(unwritable);
    EXPECT_FALSE(dialog->SaveAs());
    ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
    EXPECT_EQ(LastBox().text, "Error Writing File");
    EXPECT_EQ(boxes.FileDialogs().size(), 1u); // not shown again
    EXPECT_EQ(dialog->m_bHasFileName, 1);
    EXPECT_EQ(dialog->m_strFileName, "game.kcg");
    EXPECT_EQ(Text(IDC_FILE_NAME), "game.kcg");
    EXPECT_EQ(dialog->m_bModified, 1);
}

// ---- The save prompt

TEST_F(FileCommands, ThePromptAsksOnlyAboutChangesAndSaysWhatEachScreenCanDo) {
    // The texts are checked with the file rules; here the buttons per screen.
    const struct {
        int screen;
        UINT buttons;
    } screens[] = {{1, MB_OKCANCEL}, {2, MB_OKCANCEL}, {3, MB_YESNOCANCEL}};
    for (const auto &s : screens) {
        SCOPED_TRACE(s.screen);
        boxes = ui::ScriptedDialogs();
        OpenGameOnScreen(s.screen);
        EXPECT_TRUE(dialog->PromptToSave()) << "no changes, no question";
        EXPECT_TRUE(boxes.MessageBoxes().empty());

        dialog->m_bModified = 1;
        EXPECT_FALSE(dialog->PromptToSave()); // unscripted: Cancel
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        EXPECT_EQ(LastBox().caption, kPromptCaption);
        EXPECT_EQ(LastBox().Buttons(), s.buttons);
        EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONWARNING));
    }
}

TEST_F(FileCommands, NewFollowsThePromptsAnswer) {
    const struct {
        const char *name;
        int answer;         // to the prompt on the Tuning screen
        bool saveAsCancel;  // Yes leads to Save As (untitled); cancel it
        const char *saveTo; // or confirm this scratch name ("" none)
        bool renewed;       // New went ahead
    } cases[] = {
        {"Cancel keeps the document", IDCANCEL, false, "", false},
        {"No discards the changes", IDNO, false, "", true},
        {"Yes saves first", IDYES, false, "saved.kcg", true},
        {"a cancelled Save abandons New", IDYES, true, "", false},
        {"a failed Save abandons New", IDYES, false, "no-folder\\saved.kcg", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        boxes = ui::ScriptedDialogs();
        ChangedUntitledGameOnTuningScreen();
        boxes.AnswerMessageBox(c.answer);
        if (c.saveAsCancel) boxes.CancelFileDialog();
        if (*c.saveTo) boxes.ConfirmFileDialog(Scratch(c.saveTo));

        dialog->OnFileNew();
        EXPECT_EQ(boxes.PendingAnswers(), 0u);
        if (c.renewed) {
            EXPECT_EQ(Text(IDC_GAME_TITLE), "");
            EXPECT_EQ(Text(IDC_FILE_NAME), "Untitled.kcg");
            EXPECT_EQ(dialog->m_nScreen, 1);
            EXPECT_EQ(dialog->m_bHasFileName, 0);
            EXPECT_FALSE(dialog->IsModified());
        } else {
            EXPECT_EQ(Text(IDC_GAME_TITLE), "Changed Title");
            EXPECT_EQ(dialog->m_nScreen, 3);
            EXPECT_EQ(dialog->m_bModified, 1);
        }
        if (c.answer == IDYES && c.renewed) {
            EXPECT_NE(Contents(Scratch(c.saveTo)).find("\"Changed Title\""), std::string::npos);
        }
    }
}

TEST_F(FileCommands, EveryWayOutAsksAndOnlyGoesWhenAllowed) {
    const struct {
        const char *name;
        UINT message;
        WPARAM wParam;
        INT_PTR result;
    } ways[] = {
        {"Exit button", WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), IDOK},
        {"menu Exit", WM_COMMAND, ID_FILE_EXIT, IDCANCEL}, // through the application object
        {"Esc", WM_COMMAND, IDCANCEL, IDCANCEL},
        {"close box or a second start with -close", WM_CLOSE, 0, IDCANCEL},
    };
    Win32StartupSystem system; // not asked: start-up does not run
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        boxes = ui::ScriptedDialogs();
        CKcgEditorApp app(GetModuleHandleA(nullptr), system);
        CKcgEditorDlg &editor = app.m_MainDlg;
        editor.m_szInstallDir = SampleInstallation();
        editor.SetCommandRouter(&app);
        ASSERT_TRUE(editor.Create(nullptr));
        ASSERT_TRUE(editor.OpenDocument(CopySample("harbor3d.kcg", "harbor.kcg")));
        for (const int next : {IDC_NEXT_GENERAL, IDC_NEXT_AXIS})
            SendMessageA(editor.hwnd(), WM_COMMAND, MAKEWPARAM(next, BN_CLICKED), 0);
        ASSERT_EQ(editor.m_nScreen, 3);
        editor.m_bHasFileName = 0;
        editor.m_bModified = 1;
        auto leave = [&](int answer) {
            boxes.AnswerMessageBox(answer);
            SendMessageA(editor.hwnd(), way.message, way.wParam, 0);
            PumpMessages();
        };

        leave(IDCANCEL);
        EXPECT_FALSE(editor.HasEnded()) << "Cancel keeps the editor";
        boxes.CancelFileDialog();
        leave(IDYES);
        EXPECT_FALSE(editor.HasEnded()) << "a cancelled Save keeps the editor";
        leave(IDNO);
        EXPECT_TRUE(editor.HasEnded());
        EXPECT_EQ(editor.Result(), way.result);

        ASSERT_EQ(boxes.MessageBoxes().size(), 3u);
        for (const ui::MessageBoxRequest &box : boxes.MessageBoxes())
            EXPECT_EQ(box.caption, kPromptCaption);
        EXPECT_EQ(boxes.PendingAnswers(), 0u);
    }
}

// ---- Open

TEST_F(FileCommands, AnOpenedFileKeepsItsNameOnlyIfTheEditorMadeItOrInInternalUse) {
    const struct {
        const char *sample;
        bool internal, keepsName;
    } cases[] = {
        {"harbor3d.kcg", false, true},  // OEM
        {"nebulanc.kcg", false, false}, // QUORVANE
        {"myflight.kcg", false, false}, // USER
        {"nebulanc.kcg", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.sample) + (c.internal ? " internal" : ""));
        boxes = ui::ScriptedDialogs();
        OpenGameOnScreen(3, c.internal);
        const std::string path = CopySample(c.sample, "opened.kcg");
        boxes.ConfirmFileDialog(path);
        dialog->OnFileOpen();
        ASSERT_EQ(boxes.FileDialogs().size(), 1u);
        const ui::FileDialogRequest &open = boxes.FileDialogs()[0];
        EXPECT_EQ(open.kind, ui::FileDialogKind::Open);
        EXPECT_EQ(open.initialFile, "");
        EXPECT_EQ(open.filter, kFilter);
        EXPECT_EQ(open.defaultExt, ".kcg");
        EXPECT_EQ(dialog->m_nScreen, 1);
        EXPECT_EQ(dialog->m_bModified, 0);
        EXPECT_EQ(dialog->m_bHasFileName, c.keepsName ? 1 : 0);
        EXPECT_EQ(Text(IDC_FILE_NAME), c.keepsName ? "opened.kcg" : "Untitled.kcg");

        if (c.keepsName) {
            EXPECT_TRUE(boxes.MessageBoxes().empty());
            // Save writes back to the same file without asking.
            SetText(IDC_GAME_TITLE, "Harbor Patrol 4D");
            EXPECT_TRUE(dialog->Save());
            EXPECT_EQ(boxes.FileDialogs().size(), 1u);
            EXPECT_NE(Contents(path).find("\"Harbor Patrol 4D\""), std::string::npos);
            continue;
        }
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u) << boxes.MessageBoxes()[0].text;
        EXPECT_EQ(LastBox().caption, "");
        EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(Text(IDC_GAME_TITLE), "");
        // The next save asks for a name, starting from "Untitled.kcg".
        const std::string before = Contents(path);
        boxes.CancelFileDialog();
        EXPECT_FALSE(dialog->Save());
        ASSERT_EQ(boxes.FileDialogs().size(), 2u);
        EXPECT_EQ(boxes.FileDialogs()[1].initialFile, "Untitled.kcg");
        EXPECT_EQ(Contents(path), before);
    }
}

TEST_F(FileCommands, AnOpenThatDoesNotHappenLeavesTheDocumentAsItWas) {
    const struct {
        const char *name;
        int promptAnswer; // 0: no prompt (no changes)
        const char *file; // "": the open dialog is cancelled
        size_t fileDialogs;
    } cases[] = {
        {"prompt cancelled", IDCANCEL, "", 0},
        {"open dialog cancelled", IDOK, "", 1},
        {"file unreadable", 0, "damaged.kcg", 1},
        {"DOS file", 0, "../dos/skyhook.kcg", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        boxes = ui::ScriptedDialogs();
        OpenGameOnScreen(2);
        if (c.promptAnswer) {
            dialog->m_bModified = 1;
            boxes.AnswerMessageBox(c.promptAnswer);
        }
        if (*c.file) {
            boxes.ConfirmFileDialog(SampleFile("win", c.file));
            boxes.AnswerMessageBox(IDOK); // the file's own message
        } else if (c.fileDialogs) {
            boxes.CancelFileDialog();
        }
        dialog->OnFileOpen();
        EXPECT_EQ(boxes.FileDialogs().size(), c.fileDialogs);
        EXPECT_EQ(boxes.PendingAnswers(), 0u);
        EXPECT_EQ(dialog->m_nScreen, 2);
        EXPECT_EQ(Text(IDC_GAME_TITLE), "Harbor Patrol 3D");
        EXPECT_EQ(Text(IDC_FILE_NAME), "harbor.kcg");
        EXPECT_EQ(dialog->m_strFileName, "harbor.kcg");
    }
}

// ---- A file named on the command line

TEST(CommandLine, ArgumentsSplitLikeTheRuntimeSplitsThem) {
    const struct {
        const char *line;
        std::vector<std::string> arguments;
    } cases[] = {
        {"kcgedit.exe", {"kcgedit.exe"}},
        {"\"C:\\Program Files\\kcgedit.exe\"  game.kcg\t-quorvane",
         {"C:\\Program Files\\kcgedit.exe", "game.kcg", "-quorvane"}},
        {"k \"My Games\\Deep Salvage.kcg\"", {"k", "My Games\\Deep Salvage.kcg"}},
        {"k a\\\\b \"c\\\"d\" e\\\\\"f g\"", {"k", "a\\\\b", "c\"d", "e\\f g"}},
        {"k \"\"", {"k", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CommandLineArguments(c.line), c.arguments) << c.line;
}

TEST(CommandLine, TheFirstKcgArgumentIsTheStartFileAsAFullPath) {
    const std::string before = CurrentFolder();
    std::string here = std::filesystem::temp_directory_path().string();
    if (here.back() == '\\') here.pop_back();
    ASSERT_TRUE(SetCurrentDirectoryA(here.c_str()));
    EXPECT_EQ(StartFileFromCommandLine("kcgedit.exe"), "");
    EXPECT_EQ(StartFileFromCommandLine("kcgedit.exe -QUORVANE notes.txt"), "");
    EXPECT_EQ(StartFileFromCommandLine("kcgedit.kcg"), ""); // the program itself is not an argument
    EXPECT_EQ(StartFileFromCommandLine("kcgedit.exe -quorvane Game.KCG other.kcg"), here + "\\Game.KCG");
    EXPECT_EQ(StartFileFromCommandLine("kcgedit.exe \"C:\\My Games\\salvage.kcg\""),
              "C:\\My Games\\salvage.kcg");
    SetCurrentDirectoryA(before.c_str());
}

TEST_F(FileCommands, AFileNamedAtStartOpensOnceTheWindowIsThereAsOpenWouldOpenIt) {
    dialog = std::make_unique<CKcgEditorDlg>(GetModuleHandleA(nullptr));
    dialog->m_szInstallDir = SampleInstallation();
    dialog->m_strStartFile = CopySample("myflight.kcg", "flight.kcg");
    ASSERT_TRUE(dialog->Create(nullptr));
    EXPECT_TRUE(boxes.MessageBoxes().empty()) << "opened before the window was ready";
    PumpMessages();
    ASSERT_EQ(boxes.MessageBoxes().size(), 1u); // the owner note: a USER file
    EXPECT_EQ(LastBox().owner, dialog->hwnd());
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "Right");
    EXPECT_EQ(Text(IDC_FILE_NAME), "Untitled.kcg");
    EXPECT_TRUE(dialog->m_strStartFile.empty());
}

} // namespace
} // namespace editor_test
