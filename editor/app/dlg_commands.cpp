// The commands beside the file commands: Test loads the settings being
// edited into the Kavelin's Windows driver through a temporary file, so that
// the developer can try them in the game at once; Clean KCG Files, File
// Revision Number, Help and About.
#include "about_dlg.h"
#include "clean_dlg.h"
#include "driver_load.h"
#include "file_revision_dlg.h"
#include "help_rules.h"
#include "kcg_editor_dlg.h"
#include "show_message.h"
#include "test_command.h"

namespace {

// Loads the file into the joystick driver through the real system.
int LoadIntoDriver(const std::string &path) {
    const std::unique_ptr<RegCall> system = NewWin32RegCall();
    DriverContext context(*system);
    return RegCfgLoad(context, path.c_str());
}

} // namespace

// Testing is not saving: the document's name and its saved state stay.
void CKcgEditorDlg::OnTest() {
    if (!context_.internal && !model::TestConfirmed(ShowMessage(hwnd(), model::TestConfirmation()))) return;

    const std::string path = model::TestFilePath(context_.winConfigDir);
    // The write replaces the file only once it is complete: after a failed
    // one there is nothing of this test to load or delete.
    if (!WriteFile(path, false)) {
        ShowMessage(hwnd(), model::TestWriteFailedMessage(path));
        return;
    }
    const int result = LoadIntoDriver(path);
    // The file has done its work; it goes before any message, so that it is
    // gone even if the program is ended while the message is up.
    DeleteFileA(path.c_str());
    if (const std::optional<model::Message> failure = model::TestLoadMessage(result))
        ShowMessage(hwnd(), *failure);
}

void CKcgEditorDlg::OnCleanFiles() {
    CCleanKcgDlg clean(context_.winConfigDir, Instance());
    clean.DoModal(hwnd());
}

void CKcgEditorDlg::OnFileRevision() {
    CFileRevisionDlg revision(context_.internal, Instance());
    model::ScreenValues &values = doc_.Values();
    revision.m_nMajor = values.revMajor;
    revision.m_nMinor = values.revMinor;
    if (revision.DoModal(hwnd()) != IDOK) return;
    values.revMajor = revision.m_nMajor;
    values.revMinor = revision.m_nMinor;
    general_.Refresh(model::Field::kRevision);
}

void CKcgEditorDlg::OnHelp() {
    // The program's own folder, whatever the current folder is now.
    if (settings_.showHelp)
        settings_.showHelp(model::HelpFilePath(settings_.programDir), model::kHelpContentsCommand,
                           model::kHelpData);
}

void CKcgEditorDlg::OnAbout() {
    CAboutDlg about(Instance());
    about.DoModal(hwnd());
}
