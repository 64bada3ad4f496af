#include "harness.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace e2e {

bool Process::Start(const std::string &commandLine, const std::string &folder) {
    End();
    std::vector<char> line(commandLine.begin(), commandLine.end()); // CreateProcess may write into it
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

bool Process::WaitForExit(DWORD boundMs) const {
    return !handle_ || WaitForSingleObject(handle_, boundMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode(DWORD boundMs) const {
    DWORD code = 0;
    if (!handle_ || !WaitForExit(boundMs) || !GetExitCodeProcess(handle_, &code)) return std::nullopt;
    return code;
}

void Process::End() {
    if (Running()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, kBoundMs); // Wine ends it asynchronously
    }
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
    id_ = 0;
}

std::string TitleOf(HWND window) {
    // InternalGetWindowText sends nothing, so a busy program cannot block it.
    wchar_t wide[512];
    const int length = InternalGetWindowText(window, wide, 512);
    char narrow[1024];
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow, bytes > 0 ? bytes : 0);
}

std::vector<HWND> TopWindows(DWORD processId, const std::string &titleStart, bool visibleOnly) {
    std::vector<HWND> all, found;
    EnumWindows(
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((processId == 0 || owner == processId) && (!visibleOnly || IsWindowVisible(window)) &&
            TitleOf(window).rfind(titleStart, 0) == 0)
            found.push_back(window);
    }
    return found;
}

bool SetText(HWND control, const std::string &text) {
    return Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) > 0;
}

std::optional<std::string> TextOf(HWND control) {
    char text[1024] = {};
    const LRESULT length = Ask(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (length < 0) return std::nullopt;
    return std::string(text, length < static_cast<LRESULT>(sizeof text) ? length : 0);
}

bool Type(HWND control, const std::string &text) {
    bool typed = Ask(control, EM_SETSEL, 0, -1) >= 0;
    for (const char c : text)
        typed = typed && Ask(control, WM_CHAR, static_cast<unsigned char>(c), 1) >= 0;
    return typed;
}

bool Press(HWND dialog, int id) {
    return dialog && PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Choose(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    return Ask(combo, CB_SETCURSEL, index) == index &&
           PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

bool Slide(HWND dialog, int id, int position) {
    HWND slider = GetDlgItem(dialog, id);
    const auto scroll = [&](int code) {
        return PostMessageA(dialog, WM_HSCROLL, MAKEWPARAM(code, code == TB_ENDTRACK ? 0 : position),
                            reinterpret_cast<LPARAM>(slider));
    };
    return Ask(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(slider), TRUE) >= 0 &&
           Ask(slider, TBM_SETPOS, TRUE, position) >= 0 && scroll(TB_THUMBPOSITION) && scroll(TB_ENDTRACK);
}

LRESULT Ask(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    const bool answered =
        control && SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return answered ? static_cast<LRESULT>(result) : -1;
}

bool Answer(HWND box, int id, DWORD boundMs) {
    return IsWindowVisible(GetDlgItem(box, id)) && Press(box, id) &&
           WaitUntil([&] { return !IsWindowVisible(box); }, boundMs);
}

std::string WindowsPath(const std::string &path) {
    std::string windows = "Z:" + path;
    for (char &c : windows)
        if (c == '/') c = '\\';
    return windows;
}

std::optional<std::string> ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf())) return std::nullopt;
    return bytes.str();
}

bool WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out << bytes);
}

std::vector<std::string> FilesIn(const std::string &folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool MakeFolders(const std::string &path) {
    const int made = SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS;
}

bool RemoveTree(const std::string &path) {
    const std::string from = path + '\0'; // a list of names, ended by an empty one
    SHFILEOPSTRUCTA remove{};
    remove.wFunc = FO_DELETE;
    remove.pFrom = from.c_str();
    remove.fFlags = FOF_NO_UI;
    return SHFileOperationA(&remove) == 0 || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

} // namespace e2e
