// The production DialogHook: the platform's message box and its open and
// save common dialogs.
#ifndef KCG_UI_SYSTEM_DIALOGS_H
#define KCG_UI_SYSTEM_DIALOGS_H

#include "dialog_hook.h"

namespace ui {

class SystemDialogs : public DialogHook {
  public:
    int ShowMessageBox(const MessageBoxRequest &request) override;
    FileDialogAnswer ShowFileDialog(const FileDialogRequest &request) override;
};

// "Name|pattern|Name|pattern||" in the form the common dialogs want: the
// same pieces separated and ended by NUL characters (two at the end).
std::string FilterForSystem(const std::string &filter);

} // namespace ui

#endif // KCG_UI_SYSTEM_DIALOGS_H
