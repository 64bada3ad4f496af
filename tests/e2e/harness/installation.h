// The world the editor starts in: the registry value that locates the driver
// software's installation, a scratch installation folder, and the log that
// the installation's stand-in monitor program keeps of its starts.
#ifndef KCG_E2E_INSTALLATION_H
#define KCG_E2E_INSTALLATION_H

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// The value "Path" of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App
// Paths\w95vskr.exe. The object remembers the value as it was when it was
// made and puts it back when it is destroyed, so each test can set its own.
class InstallationValue {
  public:
    InstallationValue();
    ~InstallationValue();
    InstallationValue(const InstallationValue &) = delete;
    InstallationValue &operator=(const InstallationValue &) = delete;

    bool Set(const std::string &folder);
    bool RemoveValue(); // the key stays, without the value
    bool RemoveKey();
    std::optional<std::string> Read() const;

  private:
    std::optional<std::string> original_;
};

// What a scratch installation holds; a test leaves parts out to see the
// editor refuse an incomplete one.
struct InstallationParts {
    bool helpFile = true;        // tools\kavel480.hlp
    bool winConfigFolder = true; // config\default\win
    bool dosConfigFolder = true; // config\default\dos
    bool monitor = true;         // kavmon.exe, copied from the build
};

// Makes root afresh with the given parts; monitorProgram is the stand-in
// monitor to copy. Returns false if anything could not be made.
bool LayOutInstallation(const std::string &root, const std::string &monitorProgram,
                        const InstallationParts &parts = InstallationParts());

// One start of the stand-in monitor, as it logs it.
struct MonitorStart {
    std::string commandLine;
    std::string currentFolder;
    bool operator==(const MonitorStart &other) const {
        return commandLine == other.commandLine && currentFolder == other.currentFolder;
    }
};

// For readable test failures.
inline std::ostream &operator<<(std::ostream &out, const MonitorStart &start) {
    return out << "\"" << start.commandLine << "\" in \"" << start.currentFolder << "\"";
}

// The starts logged in root\kavmon.log, oldest first; none if there is no log.
std::vector<MonitorStart> MonitorStarts(const std::string &root);
std::vector<MonitorStart> ParseMonitorLog(const std::string &log);

} // namespace e2e

#endif // KCG_E2E_INSTALLATION_H
