#include "file_dialog.h"

#include <utility>

namespace ui {

FileDialog::FileDialog(FileDialogKind kind, std::string filter, std::string defaultExt,
                       std::string initialFile, DWORD flags) {
    request_.kind = kind;
    request_.filter = std::move(filter);
    request_.defaultExt = std::move(defaultExt);
    request_.initialFile = std::move(initialFile);
    request_.flags = flags;
}

bool FileDialog::Show(HWND owner) {
    request_.owner = owner;
    FileDialogAnswer answer = CurrentDialogHook().ShowFileDialog(request_);
    path_ = answer.confirmed ? std::move(answer.path) : std::string();
    return answer.confirmed;
}

} // namespace ui
