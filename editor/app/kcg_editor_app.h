// The application object: the editor's start-up and the run of its main dialog.
#ifndef KCG_APP_KCG_EDITOR_APP_H
#define KCG_APP_KCG_EDITOR_APP_H

#include <string>

#include "startup_system.h"
#include "ui.h"

class CKcgEditorApp : public ui::App {
  public:
    // system must outlive the application object.
    CKcgEditorApp(HINSTANCE instance, StartupSystem &system);

    // The whole start-up and, since the main dialog runs inside it, the whole
    // run of the editor: a second start only brings the running editor forward
    // (or closes it with "-CLOSE"); without the driver software's installation
    // the editor refuses to run; otherwise the Windows Monitor is shut down
    // while the dialog runs and started again afterwards. Returns false, so
    // that the program ends when it returns.
    bool InitInstance();

    std::string m_szProgramDir; // the folder of the editor's program file

  private:
    // Looks for a running editor by its window titles; true if one was found
    // (and closed, or brought forward and handed startFile, if any, to open).
    bool HandOverToRunningEditor(bool close, const std::string &startFile);

    StartupSystem &system_;
};

#endif // KCG_APP_KCG_EDITOR_APP_H
