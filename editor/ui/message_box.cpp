#include "message_box.h"

#include "dialog_hook.h"

namespace ui {

int MessageBox(HWND owner, const std::string &text, const std::string &caption, UINT flags) {
    MessageBoxRequest request;
    request.owner = owner;
    request.text = text;
    request.caption = caption;
    request.flags = flags;
    return CurrentDialogHook().ShowMessageBox(request);
}

} // namespace ui
