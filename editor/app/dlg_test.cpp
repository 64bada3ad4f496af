// The Test button: the settings being edited are loaded into the Kavelin's
// Windows driver through a temporary file, so that the developer can try them
// in the game at once. Testing is not saving: the document's name, its
// changes-made flag and its saved state stay as they were.
#include "driver_load.h"
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

void CKcgEditorDlg::OnTest() {
    if (!m_bInternal && !model::TestConfirmed(ShowMessage(hwnd(), model::TestConfirmation()))) return;

    const std::string path = model::TestFilePath(m_szWinConfigDir);
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
