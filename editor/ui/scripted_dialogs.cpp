#include "scripted_dialogs.h"

namespace ui {

int CancellingButton(UINT buttons) {
    switch (buttons) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}

int ScriptedDialogs::ShowMessageBox(const MessageBoxRequest &request) {
    boxes_.push_back(request);
    if (boxAnswers_.empty()) {
        ++unscripted_;
        return CancellingButton(request.Buttons());
    }
    const int answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
}

FileDialogAnswer ScriptedDialogs::ShowFileDialog(const FileDialogRequest &request) {
    files_.push_back(request);
    if (fileAnswers_.empty()) {
        ++unscripted_;
        return {};
    }
    FileDialogAnswer answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

} // namespace ui
