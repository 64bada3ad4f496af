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

std::string FileDialog::Folder() const {
    const std::string::size_type slash = path_.rfind('\\');
    return slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
}

std::string FileDialog::FileName() const {
    const std::string::size_type slash = path_.rfind('\\');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

} // namespace ui
