#include <vector>

#include "app.h"
#include "kcg_editor_dlg.h"
#include "paths.h"
#include "startup_system.h"

std::string Win32StartupSystem::CommandLine() {
    return ui::App::CommandLine();
}

std::string Win32StartupSystem::ProgramPath() {
    return ui::App().ProgramPath();
}

HWND Win32StartupSystem::FindTopLevelWindow(const std::string &title) {
    return FindWindowA(nullptr, title.c_str());
}

void Win32StartupSystem::AskToClose(HWND window) {
    // Posted, not sent: the running editor may ask its user about unsaved
    // changes first, and this process has no reason to wait for the answer.
    PostMessageA(window, WM_CLOSE, 0, 0);
}

namespace {

struct OwnedDialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM search) {
    auto *s = reinterpret_cast<OwnedDialogSearch *>(search);
    if (GetWindow(window, GW_OWNER) != s->owner || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    s->found = window;
    return FALSE;
}

} // namespace

void Win32StartupSystem::BringToFront(HWND window) {
    if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
    // A dialog open over the editor is what takes the keys: it comes forward.
    OwnedDialogSearch search{window, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), &FindOwnedDialog,
                      reinterpret_cast<LPARAM>(&search));
    SetForegroundWindow(search.found ? search.found : window);
}

void Win32StartupSystem::SendOpenRequest(HWND window, const std::string &path) {
    COPYDATASTRUCT data{};
    data.dwData = CKcgEditorDlg::kOpenFileRequest;
    data.cbData = static_cast<DWORD>(path.size() + 1);
    data.lpData = const_cast<char *>(path.c_str());
    // The running editor only takes the name and answers at once; a bound all
    // the same, should it hang.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                        &answer);
}

std::optional<std::string> Win32StartupSystem::ReadInstallationValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, model::kInstallKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<char> buffer(model::kInstallValueSize + 1, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(model::kInstallValueSize);
    const LONG result = RegQueryValueExA(key, model::kInstallValue, nullptr, &type,
                                         reinterpret_cast<BYTE *>(buffer.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // A value stored without its terminator is still ended by the spare byte.
    return std::string(buffer.data());
}

bool Win32StartupSystem::PathExists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32StartupSystem::SetCurrentFolder(const std::string &folder) {
    SetCurrentDirectoryA(folder.c_str());
}

void Win32StartupSystem::StartProgram(const std::string &commandLine) {
    // The system may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void Win32StartupSystem::ShowHelp(const std::string &helpFile, unsigned command, unsigned long data) {
    WinHelpA(nullptr, helpFile.c_str(), command, data);
}
