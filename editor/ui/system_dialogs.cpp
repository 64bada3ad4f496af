#include "system_dialogs.h"

#include <commdlg.h>

#include <vector>

namespace ui {

std::string FilterForSystem(const std::string &filter) {
    std::string result = filter;
    for (char &c : result) {
        if (c == '|') c = '\0';
    }
    // Whatever the caller wrote, the list must end with two NULs.
    while (result.size() < 2 || result[result.size() - 1] != '\0' || result[result.size() - 2] != '\0') {
        result.push_back('\0');
    }
    return result;
}

int SystemDialogs::ShowMessageBox(const MessageBoxRequest &request) {
    return ::MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.flags);
}

FileDialogAnswer SystemDialogs::ShowFileDialog(const FileDialogRequest &request) {
    // Room for any path the dialog may return; the initial name is cut to fit.
    std::vector<char> file(32768, '\0');
    request.initialFile.copy(file.data(), file.size() - 1);
    const std::string filter = FilterForSystem(request.filter);
    // The dialog wants the default extension without its dot.
    std::string ext = request.defaultExt;
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;

    const BOOL ok = request.kind == FileDialogKind::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    FileDialogAnswer answer;
    if (ok) {
        answer.confirmed = true;
        answer.path = file.data();
    }
    return answer;
}

} // namespace ui
