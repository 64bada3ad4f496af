#include "paths.h"

namespace model {

InstallPaths MakeInstallPaths(const std::string &registryValue) {
    InstallPaths paths;
    paths.dir = registryValue;
    if (!paths.dir.empty() && paths.dir.back() == '\\') paths.dir.pop_back();
    paths.helpFile = paths.dir + "\\tools\\kavel480.hlp";
    paths.winConfigDir = paths.dir + "\\config\\default\\win";
    paths.dosConfigDir = paths.dir + "\\config\\default\\dos";
    paths.monitorClose = paths.dir + "\\kavmon.exe -close";
    paths.monitorStart = paths.dir + "\\kavmon.exe";
    return paths;
}

std::string JoinWindowsPath(const std::string &folder, const std::string &name) {
    return folder + "\\" + name;
}

std::string KcgPattern(const std::string &folder) {
    return JoinWindowsPath(folder, "*.kcg");
}

std::string ProgramFolder(const std::string &programPath) {
    const size_t slash = programPath.rfind('\\');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

std::string UpperCase(std::string text) {
    for (char &c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace model
