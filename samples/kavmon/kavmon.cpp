// Stand-in for the driver software's Windows Monitor in the demo installation.
//
// It only records how it was started: each start appends one line to
// kavmon.log in its own folder, holding the command line and the current
// folder separated by a tab, and ends. No window, no console.
#include <windows.h>

#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    std::string folder(path, length);
    const size_t slash = folder.rfind('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::string folder(size, '\0');
    const DWORD length = GetCurrentDirectoryA(size, &folder[0]);
    folder.resize(length < size ? length : 0);
    return folder;
}

// Appends line to the log; every start writes its line in one append, so
// starts that overlap do not mix their lines.
void AppendToLog(const std::string &folder, const std::string &line) {
    const std::string log = (folder.empty() ? std::string(".") : folder) + "\\kavmon.log";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    AppendToLog(OwnFolder(), std::string(GetCommandLineA()) + "\t" + CurrentFolder() + "\r\n");
    return 0;
}
