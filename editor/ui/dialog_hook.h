// The one seam through which the editor shows message boxes and the open and
// save file dialogs. Production code runs the real system dialogs; a test
// installs its own hook (see ScriptedDialogs) that answers from a script and
// records what would have been shown, so that no test ever waits on a window
// that nobody answers.
#ifndef KCG_UI_DIALOG_HOOK_H
#define KCG_UI_DIALOG_HOOK_H

#include <windows.h>

#include <string>

namespace ui {

// A message box as the program asked for it.
struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = 0; // MB_ buttons | MB_ icon | modality

    UINT Buttons() const { return flags & MB_TYPEMASK; } // MB_OK, MB_OKCANCEL, ...
    UINT Icon() const { return flags & MB_ICONMASK; }    // MB_ICONERROR, ... or 0
};

enum class FileDialogKind { Open, Save };

// An open or save dialog as the program asked for it.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    HWND owner = nullptr;
    std::string title;       // empty: the system's default title
    std::string filter;      // "Name|pattern|Name|pattern||"
    std::string defaultExt;  // as the caller wrote it, e.g. ".kcg" or ""
    std::string initialFile; // file name shown when the dialog opens
    std::string initialDir;  // empty: the process's current directory
    DWORD flags = 0;         // OFN_ options
};

// The user's answer to a file dialog: confirmed with a path, or cancelled.
struct FileDialogAnswer {
    bool confirmed = false;
    std::string path;
};

// Shows message boxes and file dialogs. Implementations must return without
// waiting for anything other than the user.
class DialogHook {
  public:
    virtual ~DialogHook() = default;
    // Returns the button pressed: IDOK, IDCANCEL, IDYES, IDNO, ...
    virtual int ShowMessageBox(const MessageBoxRequest &request) = 0;
    virtual FileDialogAnswer ShowFileDialog(const FileDialogRequest &request) = 0;
};

// The hook in effect: the system dialogs unless a ScopedDialogHook replaced
// them. The user interface runs on one thread, so no locking is needed.
DialogHook &CurrentDialogHook();

// Installs a hook for its own lifetime and then restores the previous one.
// The hook must outlive the guard.
class ScopedDialogHook {
  public:
    explicit ScopedDialogHook(DialogHook &hook);
    ~ScopedDialogHook();
    ScopedDialogHook(const ScopedDialogHook &) = delete;
    ScopedDialogHook &operator=(const ScopedDialogHook &) = delete;

  private:
    DialogHook *previous_;
};

} // namespace ui

#endif // KCG_UI_DIALOG_HOOK_H
