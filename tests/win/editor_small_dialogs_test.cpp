// The small dialogs and commands of the menu: Clean KCG Files with files of
// every owner, File Revision Number with its limits in both modes, About from
// the menu and the system menu, and Help.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "clean_dlg.h"
#include "editor_fixture.h"
#include "file_revision_dlg.h"
#include "kcg_editor_app.h"
#include "resource.h"

namespace editor_test {
namespace {

// ---- Acting on a modal dialog from inside its own loop

// While a modal dialog runs, a thread timer looks for its window among this
// thread's windows and acts on it once. Should it never show, every window
// that takes input is asked to close after a few seconds, so that no test
// hangs.
struct ModalScript {
    ModalScript(std::string windowTitle, std::function<void(HWND)> action)
        : title(std::move(windowTitle)), act(std::move(action)) {}

    std::string title;
    std::function<void(HWND)> act;
    std::vector<std::string> seen; // titles of the windows acted on
    int ticks = 0;
};
ModalScript *activeScript = nullptr;

BOOL CALLBACK FindScriptedWindow(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && ui::WindowText(window) == activeScript->title) {
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CloseEnabledWindow(HWND window, LPARAM) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK OnScriptTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!activeScript) return;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindScriptedWindow, reinterpret_cast<LPARAM>(&found));
    if (found) {
        KillTimer(nullptr, timer);
        activeScript->seen.push_back(activeScript->title);
        activeScript->act(found);
    } else if (++activeScript->ticks > 100) {
        KillTimer(nullptr, timer);
        EnumThreadWindows(GetCurrentThreadId(), &CloseEnabledWindow, 0);
    }
}

// Runs command (which opens a modal dialog) with the script acting on it.
void RunWithModalScript(ModalScript &script, const std::function<void()> &command) {
    activeScript = &script;
    SetTimer(nullptr, 0, 50, &OnScriptTimer);
    command();
    activeScript = nullptr;
    PumpMessages();
}

void PressButton(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// The application's own system stands in except for the help viewer.
struct HelpRecorder : Win32StartupSystem {
    void ShowHelp(const std::string &file, unsigned command, unsigned long data) override {
        shown.push_back(file + " " + std::to_string(command) + " " + std::to_string(data));
    }
    std::vector<std::string> shown;
};

// The application object with its main dialog on the sample installation.
class MenuCommands : public ::testing::Test {
  public:
    void SetUp() override {
        app.m_MainDlg.m_szInstallDir = SampleInstallation();
        app.m_MainDlg.SetCommandRouter(&app);
        ASSERT_TRUE(app.m_MainDlg.Create(nullptr));
        PumpMessages();
    }
    void TearDown() override {
        app.m_MainDlg.EndDialog(IDCANCEL);
        PumpMessages();
    }
    void Menu(int command) { SendMessageA(Main().hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }
    CKcgEditorDlg &Main() { return app.m_MainDlg; }

    ui::ScriptedDialogs boxes;
    ui::ScopedDialogHook hook{boxes};
    HelpRecorder system;
    CKcgEditorApp app{GetModuleHandleA(nullptr), system};
};

// ---- Clean KCG Files

class CleanFiles : public EditorDialog {
  public:
    // The installation's Windows folder, made up in the scratch folder.
    void SetUp() override {
        folder = Scratch("win");
        std::filesystem::create_directories(folder);
        Copy("gravelst.kcg", "c-quorvane.kcg");
        Copy("myflight.kcg", "b-user.kcg");
        Copy("harbor3d.kcg", "A-oem.kcg");
        Copy("harbor3d.kcg", "sdk.tmp"); // the Test command's file
        Copy("damaged.kcg", "damaged.kcg");
        // A file without an owner cannot be read, so nothing says who made it.
        std::ifstream in(SampleFile("win", "harbor3d.kcg"), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        text.erase(text.find("OWNER = OEM"), 11);
        std::ofstream(folder + "\\d-no-owner.kcg", std::ios::binary) << text;
    }
    void Copy(const std::string &sample, const std::string &as) {
        ASSERT_TRUE(CopyFileA(SampleFile("win", sample).c_str(), (folder + "\\" + as).c_str(), FALSE));
    }
    std::vector<std::string> Listed(const CCleanKcgDlg &clean) const {
        const ui::ListBox list(clean.Item(IDC_CLEAN_LIST));
        std::vector<std::string> items;
        for (int i = 0; i < list.Count(); ++i)
            items.push_back(list.ItemText(i));
        return items;
    }
    std::vector<std::string> Remaining() const {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
};

TEST_F(CleanFiles, ListsTheFilesNotReleasedByTheMakerAndDeletesThemOnlyAfterOk) {
    CCleanKcgDlg clean(folder, GetModuleHandleA(nullptr));
    ASSERT_TRUE(clean.Create(nullptr));
    const std::vector<std::string> listed = {folder + "\\A-oem.kcg", folder + "\\b-user.kcg"};
    EXPECT_EQ(Listed(clean), listed);

    boxes.AnswerMessageBox(IDCANCEL);
    PressButton(clean.hwnd(), IDC_DELETE_FILES);
    ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
    const ui::MessageBoxRequest &warning = boxes.MessageBoxes()[0];
    EXPECT_EQ(warning.caption, "Warning!"); // its text is checked with the clean rules
    EXPECT_EQ(warning.owner, clean.hwnd());
    EXPECT_EQ(Listed(clean), listed);
    EXPECT_EQ(Remaining().size(), 6u);

    boxes.AnswerMessageBox(IDOK);
    PressButton(clean.hwnd(), IDC_DELETE_FILES);
    EXPECT_TRUE(Listed(clean).empty());
    EXPECT_EQ(Remaining(),
              (std::vector<std::string>{"c-quorvane.kcg", "d-no-owner.kcg", "damaged.kcg", "sdk.tmp"}));
    EXPECT_FALSE(clean.HasEnded()) << "the dialog stays open until Close";

    PressButton(clean.hwnd(), IDC_DELETE_FILES); // an empty list asks nothing
    EXPECT_EQ(boxes.MessageBoxes().size(), 2u);
    PressButton(clean.hwnd(), IDCANCEL);
    EXPECT_TRUE(clean.HasEnded());
}

// ---- File Revision Number

TEST_F(EditorDialog, RevisionLimitsDependOnTheMode) {
    const std::string framework = "editor_tests"; // the program's name is the framework's caption
    const struct {
        const char *major, *minor;
        bool internal;
        const char *text, *caption; // null: accepted
        int refusedEdit;
    } cases[] = {
        {"1", "0", false, nullptr, nullptr, 0},
        {"0", "9", false, "The file revision number must be at least 1.0", "File Revision Number Too Small",
         IDC_REVISION_MAJOR},
        {"0", "1", true, nullptr, nullptr, 0},
        {"0", "0", true, "You must enter a number greater than 0.0", "Error", IDC_REVISION_MAJOR},
        {"100", "0", false, "Please enter an integer between 0 and 99.", framework.c_str(),
         IDC_REVISION_MAJOR},
        {"2", "", true, "Please enter an integer.", framework.c_str(), IDC_REVISION_MINOR},
        {"1.5", "0", false, "Please enter an integer.", framework.c_str(), IDC_REVISION_MAJOR},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.major) + "." + c.minor + (c.internal ? " internal" : ""));
        boxes = ui::ScriptedDialogs();
        CFileRevisionDlg revision(c.internal, GetModuleHandleA(nullptr));
        revision.m_nMajor = 4;
        revision.m_nMinor = 2;
        ASSERT_TRUE(revision.Create(nullptr));
        EXPECT_EQ(ui::WindowText(revision.Item(IDC_REVISION_MAJOR)), "4");
        EXPECT_EQ(ui::WindowText(revision.Item(IDC_REVISION_MINOR)), "2");
        SetWindowTextA(revision.Item(IDC_REVISION_MAJOR), c.major);
        SetWindowTextA(revision.Item(IDC_REVISION_MINOR), c.minor);

        PressButton(revision.hwnd(), IDOK);
        if (!c.text) {
            EXPECT_TRUE(boxes.MessageBoxes().empty());
            EXPECT_TRUE(revision.HasEnded());
            EXPECT_EQ(revision.Result(), IDOK);
            EXPECT_EQ(revision.m_nMajor, std::stoi(c.major));
            EXPECT_EQ(revision.m_nMinor, std::stoi(c.minor));
            continue;
        }
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        EXPECT_EQ(boxes.MessageBoxes()[0].text, c.text);
        EXPECT_EQ(boxes.MessageBoxes()[0].caption, c.caption);
        EXPECT_EQ(boxes.MessageBoxes()[0].Icon(), static_cast<UINT>(MB_ICONWARNING));
        EXPECT_FALSE(revision.HasEnded());
        EXPECT_EQ(GetFocus(), revision.Item(c.refusedEdit));
        revision.EndDialog(IDCANCEL);
    }
}

TEST_F(MenuCommands, AnAcceptedRevisionIsShownAndCountsAsAChangeCancelChangesNothing) {
    const struct {
        const char *name, *major, *minor;
        int button;
        const char *shown;
        int modified;
    } cases[] = {
        {"new revision", "2", "5", IDOK, "2.5", 1},
        {"same revision", "2", "5", IDOK, "2.5", 1},
        {"cancelled", "7", "7", IDCANCEL, "2.5", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Main().m_bModified = 0;
        ModalScript script{"File Revision Number", [&](HWND revision) {
                               SetWindowTextA(GetDlgItem(revision, IDC_REVISION_MAJOR), c.major);
                               SetWindowTextA(GetDlgItem(revision, IDC_REVISION_MINOR), c.minor);
                               PressButton(revision, c.button);
                           }};
        RunWithModalScript(script, [&] { Menu(ID_ADVANCED_FILE_REVISION); });
        EXPECT_EQ(script.seen.size(), 1u);
        EXPECT_EQ(ui::WindowText(Main().Item(IDC_FILE_REVISION)), c.shown);
        EXPECT_EQ(Main().m_bModified, c.modified);
        EXPECT_TRUE(boxes.MessageBoxes().empty());
    }
    EXPECT_EQ(Main().m_nRevMajor, 2);
    EXPECT_EQ(Main().m_nRevMinor, 5);
}

// ---- About, Help, and Clean from the menu

TEST_F(MenuCommands, AboutOpensFromTheMenuAndTheSystemMenuCleanFromTheMenu) {
    ModalScript fromMenu{"About Kavelin SDK KCG Editor", [](HWND about) { PressButton(about, IDOK); }};
    RunWithModalScript(fromMenu, [&] { Menu(ID_APP_ABOUT); });
    EXPECT_EQ(fromMenu.seen.size(), 1u);

    ModalScript fromSystemMenu = fromMenu;
    fromSystemMenu.seen.clear();
    RunWithModalScript(fromSystemMenu, [&] { SendMessageA(Main().hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0); });
    EXPECT_EQ(fromSystemMenu.seen.size(), 1u);

    // The clean dialog lists the installation's files not released by the maker.
    size_t listed = 0;
    ModalScript clean{"Clean KCG Files", [&](HWND dialog) {
                          listed = static_cast<size_t>(
                              SendDlgItemMessageA(dialog, IDC_CLEAN_LIST, LB_GETCOUNT, 0, 0));
                          PressButton(dialog, IDCANCEL);
                      }};
    RunWithModalScript(clean, [&] { Menu(ID_ADVANCED_CLEAN); });
    EXPECT_EQ(clean.seen.size(), 1u);
    EXPECT_EQ(listed, 2u); // harbor3d.kcg (OEM) and myflight.kcg (USER)
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

TEST_F(MenuCommands, HelpOpensTheContentsOfTheHelpFileBesideTheProgram) {
    app.m_szProgramDir = "C:\\Kavelin SDK";
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof before, before);
    SetCurrentDirectoryA("C:\\");
    Menu(ID_HELP_CONTENTS);
    SetCurrentDirectoryA(before);
    EXPECT_EQ(system.shown, (std::vector<std::string>{"C:\\Kavelin SDK\\kavsdk.hlp 3 7"}));
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

} // namespace
} // namespace editor_test
