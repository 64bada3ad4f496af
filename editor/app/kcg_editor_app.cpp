#include "kcg_editor_app.h"

#include "command_line.h"
#include "kcg_editor_dlg.h"
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
    : ui::App(instance), system_(system) {}

bool CKcgEditorApp::InitInstance() {
    // Trackbars and tool tips; every dialog of the program draws itself in
    // light grey with three-dimensional controls.
    InitCommonControls();

    const model::CommandLineSwitches switches = model::ParseCommandLine(system_.CommandLine());
    // A relative name means the folder the editor was started in, which a
    // later step changes.
    const std::string startFile = StartFileFromCommandLine(system_.CommandLine());
    if (HandOverToRunningEditor(switches.close, startFile)) return false;
    if (switches.close) return false; // nothing runs that could be closed

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

    EditorSettings settings;
    settings.internal = switches.internal;
    settings.installDir = paths.dir;
    settings.programDir = m_szProgramDir;
    settings.startFile = startFile;
    settings.showHelp = [this](const std::string &file, unsigned command, unsigned long data) {
        system_.ShowHelp(file, command, data);
    };
    CKcgEditorDlg mainDlg(Instance(), std::move(settings));
    mainDlg.DoModal(nullptr);

    // However the dialog ended, the monitor runs again.
    system_.SetCurrentFolder(paths.dir);
    system_.StartProgram(paths.monitorStart);
    return false;
}

bool CKcgEditorApp::HandOverToRunningEditor(bool close, const std::string &startFile) {
    for (const int titleId : model::kInstanceTitleOrder) {
        const std::string title = LoadText(static_cast<UINT>(titleId)).value_or("");
        if (title.empty()) continue;
        const HWND running = system_.FindTopLevelWindow(title);
        if (!running) continue;
        if (close) {
            system_.AskToClose(running);
        } else {
            system_.BringToFront(running);
            if (!startFile.empty()) system_.SendOpenRequest(running, startFile);
        }
        return true;
    }
    return false;
}
