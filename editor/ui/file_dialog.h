// The open and save file dialogs, shown through the current DialogHook.
#ifndef KCG_UI_FILE_DIALOG_H
#define KCG_UI_FILE_DIALOG_H

#include <windows.h>

#include <string>
#include <utility>

#include "dialog_hook.h"

namespace ui {

class FileDialog {
  public:
    // filter: "Name|pattern|...||"; defaultExt as written by the caller (".kcg"
    // or ""); flags: OFN_ options such as OFN_HIDEREADONLY.
    FileDialog(FileDialogKind kind, std::string filter, std::string defaultExt, std::string initialFile,
               DWORD flags);

    void SetTitle(std::string title) { request_.title = std::move(title); }
    void SetInitialDir(std::string folder) { request_.initialDir = std::move(folder); }

    // Shows the dialog; true when the user confirmed a file.
    bool Show(HWND owner);

    // The chosen file after a confirmed Show, with its folder.
    const std::string &Path() const { return path_; }

  private:
    FileDialogRequest request_;
    std::string path_;
};

} // namespace ui

#endif // KCG_UI_FILE_DIALOG_H
