/* The driver software's installation as the editor sees it.
 *
 * The installation folder is the registry value "Path" of kInstallKey under
 * the local machine's root. Every path formed from it is a Windows path joined
 * with backslashes, whatever platform the rules run on. */
#ifndef KCG_MODEL_PATHS_H
#define KCG_MODEL_PATHS_H

#include <string>

namespace model {

constexpr const char *kInstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\w95vskr.exe";
constexpr const char *kInstallValue = "Path";
// The value is read into a buffer of this many bytes, its terminator included.
constexpr size_t kInstallValueSize = 256;

struct InstallPaths {
    std::string dir;          // the registry value without one trailing backslash
    std::string helpFile;     // must exist for the installation to count
    std::string winConfigDir; // must exist likewise; Windows games' files
    std::string dosConfigDir; // DOS games' files
    std::string monitorClose; // command line that shuts the monitor down
    std::string monitorStart; // command line that starts it again
};

// The paths of an installation whose registry value is registryValue.
InstallPaths MakeInstallPaths(const std::string &registryValue);

// "folder\name".
std::string JoinWindowsPath(const std::string &folder, const std::string &name);

// "folder\*.kcg": the pattern that enumerates a folder's configuration files.
std::string KcgPattern(const std::string &folder);

// The folder of a program's full path: everything before its last backslash,
// or "" when there is none.
std::string ProgramFolder(const std::string &programPath);

// text with the letters a..z made upper case (single-byte text, no locale).
std::string UpperCase(std::string text);

} // namespace model

#endif
