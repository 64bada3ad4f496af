#include "kcg_editor_app.h"

#include "about_dlg.h"
#include "clean_dlg.h"
#include "file_revision_dlg.h"
#include "help_rules.h"
#include "paths.h"
#include "resource.h"
#include "screens.h"
#include "start_file.h"

namespace {

const char kNotFoundText[] =
    "Kavelin Veskara v4.8 or v4.81 was not found!\n\nYou must have version 4.8 or v4.81 installed "
    "on your\nmachine to run the Kavelin SDK KCG Editor.";
const char kNotFoundCaption[] = "Kavelin v4.8 or v4.81 Not Found!";

const char kMonitorNoteText[] =
    "NOTE: If the Kavelin Windows Monitor is running, it will now\nbe shut down. This will turn "
    "off the auto-support feature for Windows\ngames until the SDK KCG Editor is exited. When the "
    "SDK is exited,\nthe Windows Monitor will be re-started.\n\nThis is necessary for testing "
    "config files from within the SDK.";
const char kMonitorNoteCaption[] = "Kavelin Windows Monitor Shut-Down";

} // namespace

CKcgEditorApp::CKcgEditorApp(HINSTANCE instance, StartupSystem &system)
    : ui::App(instance), m_MainDlg(instance), system_(system) {}

bool CKcgEditorApp::InitInstance() {
    // Trackbars and tool tips; every dialog of the program draws itself in
    // light grey with three-dimensional controls.
    InitCommonControls();

    const model::CommandLineSwitches switches = model::ParseCommandLine(system_.CommandLine());
    if (HandOverToRunningEditor(switches.close)) return false;
    if (switches.close) return false; // nothing runs that could be closed
    // A relative name means the folder the editor was started in, which the
    // next step changes.
    const std::string startFile = StartFileFromCommandLine(system_.CommandLine());

    m_szProgramDir = model::ProgramFolder(system_.ProgramPath());
    system_.SetCurrentFolder(m_szProgramDir);

    const std::optional<std::string> value = system_.ReadInstallationValue();
    const model::InstallPaths paths = model::MakeInstallPaths(value.value_or(""));
    const bool installed =
        value && system_.PathExists(paths.helpFile) && system_.PathExists(paths.winConfigDir);
    if (!installed) {
        ui::MessageBox(nullptr, kNotFoundText, kNotFoundCaption, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
        return false;
    }

    if (!switches.internal) {
        ui::MessageBox(nullptr, kMonitorNoteText, kMonitorNoteCaption, MB_OK | MB_ICONINFORMATION);
    }
    system_.StartProgram(paths.monitorClose);

    if (switches.internal) m_MainDlg.m_bInternal = 1;
    m_MainDlg.m_szInstallDir = paths.dir;
    m_MainDlg.m_strStartFile = startFile;
    m_MainDlg.SetCommandRouter(this);
    m_MainDlg.DoModal(nullptr);

    // However the dialog ended, the monitor runs again.
    system_.SetCurrentFolder(paths.dir);
    system_.StartProgram(paths.monitorStart);
    return false;
}

bool CKcgEditorApp::HandOverToRunningEditor(bool close) {
    for (const int titleId : model::kInstanceTitleOrder) {
        const std::string title = LoadText(static_cast<UINT>(titleId)).value_or(model::TitleText(titleId));
        const HWND running = system_.FindTopLevelWindow(title);
        if (!running) continue;
        if (close) {
            system_.AskToClose(running);
        } else {
            system_.BringToFront(running);
        }
        return true;
    }
    return false;
}

bool CKcgEditorApp::RouteCommand(int id, int code) {
    static const ui::Command<CKcgEditorApp> kCommands[] = {
        {ID_FILE_OPEN, ui::kAnyCode, &CKcgEditorApp::OnFileOpen},
        {ID_FILE_EXIT, ui::kAnyCode, &CKcgEditorApp::OnAppExit},
        {ID_ADVANCED_CLEAN, ui::kAnyCode, &CKcgEditorApp::OnCleanFiles},
        {ID_ADVANCED_FILE_REVISION, ui::kAnyCode, &CKcgEditorApp::OnFileRevision},
        {ID_HELP_CONTENTS, ui::kAnyCode, &CKcgEditorApp::OnHelp},
        {ID_APP_ABOUT, ui::kAnyCode, &CKcgEditorApp::OnAppAbout},
    };
    return ui::DispatchCommand(*this, kCommands, id, code);
}

void CKcgEditorApp::OnFileOpen() {
    m_MainDlg.OnFileOpen();
}

void CKcgEditorApp::OnAppExit() {
    if (m_MainDlg.PromptToSave()) m_MainDlg.EndDialog(IDCANCEL);
}

void CKcgEditorApp::OnCleanFiles() {
    CCleanKcgDlg clean(m_MainDlg.m_szWinConfigDir, Instance());
    clean.DoModal(m_MainDlg.hwnd());
}

void CKcgEditorApp::OnFileRevision() {
    CFileRevisionDlg revision(m_MainDlg.m_bInternal != 0, Instance());
    revision.m_nMajor = m_MainDlg.m_nRevMajor;
    revision.m_nMinor = m_MainDlg.m_nRevMinor;
    if (revision.DoModal(m_MainDlg.hwnd()) != IDOK) return;
    m_MainDlg.m_nRevMajor = revision.m_nMajor;
    m_MainDlg.m_nRevMinor = revision.m_nMinor;
    m_MainDlg.ShowFileRevision();
    // Accepting counts as a change even with the same numbers: the user meant
    // this revision to be saved.
    m_MainDlg.m_bModified = 1;
}

void CKcgEditorApp::OnAppAbout() {
    CAboutDlg about(Instance());
    about.DoModal(m_MainDlg.hwnd());
}

void CKcgEditorApp::OnHelp() {
    // The program's own folder, whatever the current folder is now.
    system_.ShowHelp(model::HelpFilePath(m_szProgramDir), model::kHelpContentsCommand, model::kHelpData);
}
