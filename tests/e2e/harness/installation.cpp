#include "installation.h"

#include "files.h"

namespace e2e {

namespace {

constexpr char kKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\w95vskr.exe";
constexpr char kValue[] = "Path";

} // namespace

InstallationValue::InstallationValue() : original_(Read()) {}

InstallationValue::~InstallationValue() {
    if (original_) {
        Set(*original_);
    } else {
        RemoveValue();
    }
}

bool InstallationValue::Set(const std::string &folder) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG result = RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE *>(folder.c_str()),
                                       static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool InstallationValue::RemoveValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return true;
    const LONG result = RegDeleteValueA(key, kValue);
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool InstallationValue::RemoveKey() {
    const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::optional<std::string> InstallationValue::Read() const {
    char buffer[1024];
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const LONG result =
        RegQueryValueExA(key, kValue, nullptr, &type, reinterpret_cast<BYTE *>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    buffer[size] = '\0'; // the stored value need not end in a NUL
    return std::string(buffer);
}

bool LayOutInstallation(const std::string &root, const std::string &monitorProgram,
                        const InstallationParts &parts) {
    if (!RemoveTree(root) || !MakeFolders(root)) return false;
    bool made = true;
    if (parts.helpFile) {
        made =
            made && MakeFolders(root + "\\tools") && WriteWholeFile(root + "\\tools\\kavel480.hlp", "help");
    }
    if (parts.winConfigFolder) made = made && MakeFolders(root + "\\config\\default\\win");
    if (parts.dosConfigFolder) made = made && MakeFolders(root + "\\config\\default\\dos");
    if (parts.monitor) made = made && CopyOneFile(monitorProgram, root + "\\kavmon.exe");
    return made;
}

std::vector<MonitorStart> MonitorStarts(const std::string &root) {
    const std::optional<std::string> log = ReadWholeFile(root + "\\kavmon.log");
    return log ? ParseMonitorLog(*log) : std::vector<MonitorStart>();
}

std::vector<MonitorStart> ParseMonitorLog(const std::string &log) {
    std::vector<MonitorStart> starts;
    size_t begin = 0;
    while (begin < log.size()) {
        size_t end = log.find('\n', begin);
        if (end == std::string::npos) end = log.size();
        std::string line = log.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) {
            const size_t tab = line.find('\t');
            MonitorStart start;
            start.commandLine = line.substr(0, tab);
            if (tab != std::string::npos) start.currentFolder = line.substr(tab + 1);
            starts.push_back(start);
        }
        begin = end + 1;
    }
    return starts;
}

} // namespace e2e
