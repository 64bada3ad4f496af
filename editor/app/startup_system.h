// What the editor's application object asks of the system: at start-up the
// command line, other windows, the registry value of the installation, files,
// the current folder and starting programs; later the help viewer. The
// program uses the real calls; a test puts in its own answers and watches
// what the application does.
#ifndef KCG_APP_STARTUP_SYSTEM_H
#define KCG_APP_STARTUP_SYSTEM_H

#include <windows.h>

#include <optional>
#include <string>

class StartupSystem {
  public:
    virtual ~StartupSystem() = default;

    // The process's whole command line, the program's own path included.
    virtual std::string CommandLine() = 0;
    // The full path of the program file.
    virtual std::string ProgramPath() = 0;

    // A top-level window whose title is exactly title, or null.
    virtual HWND FindTopLevelWindow(const std::string &title) = 0;
    // Asks the window to close, as its close box would.
    virtual void AskToClose(HWND window) = 0;
    // Brings the window to the front, restored from minimized or maximized.
    virtual void BringToFront(HWND window) = 0;
    // Hands the running editor's window a file to open.
    virtual void SendOpenRequest(HWND window, const std::string &path) = 0;

    // The registry value naming the installation folder (at most 255
    // characters), or nothing when the key or the value cannot be read.
    virtual std::optional<std::string> ReadInstallationValue() = 0;
    virtual bool PathExists(const std::string &path) = 0;
    virtual void SetCurrentFolder(const std::string &folder) = 0;
    // Starts a program from a command line without waiting for it; whether it
    // started is not reported.
    virtual void StartProgram(const std::string &commandLine) = 0;
    // Opens a help file in the system's help viewer, with no owner window;
    // command and data are the viewer's. Whether it opened is not reported.
    virtual void ShowHelp(const std::string &helpFile, unsigned command, unsigned long data) = 0;
};

// The real system.
class Win32StartupSystem : public StartupSystem {
  public:
    std::string CommandLine() override;
    std::string ProgramPath() override;
    HWND FindTopLevelWindow(const std::string &title) override;
    void AskToClose(HWND window) override;
    void BringToFront(HWND window) override;
    void SendOpenRequest(HWND window, const std::string &path) override;
    std::optional<std::string> ReadInstallationValue() override;
    bool PathExists(const std::string &path) override;
    void SetCurrentFolder(const std::string &folder) override;
    void StartProgram(const std::string &commandLine) override;
    void ShowHelp(const std::string &helpFile, unsigned command, unsigned long data) override;
};

#endif // KCG_APP_STARTUP_SYSTEM_H
