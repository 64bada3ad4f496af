// A program started by the harness. The object owns the process: when it is
// destroyed while the program still runs, the program is ended, so no test
// leaves a process behind whatever way it fails.
#ifndef KCG_E2E_PROCESS_H
#define KCG_E2E_PROCESS_H

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(ChildProcess &&other) noexcept;
    ChildProcess &operator=(ChildProcess &&other) noexcept;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Starts commandLine (the program's path first, quoted if it holds blanks)
    // with folder as its current folder; an empty folder keeps ours. A process
    // this object still owns is ended first. On failure returns false and says
    // why in *error (when given).
    bool Start(const std::string &commandLine, const std::string &folder, std::string *error = nullptr);

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;

    // Waits at most boundMs for the program to end; true if it has ended.
    bool WaitForExit(DWORD boundMs) const;
    // The exit code once the program has ended.
    std::optional<DWORD> ExitCode() const;

    // Ends the program now if it still runs (waits a bounded time for the end),
    // and lets go of it.
    void Terminate();

    // Lets go of the program without ending it; it is no longer ours to end.
    void Detach();

  private:
    void Release();

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Quotes one argument for a command line so that the program sees it whole:
// blanks and double quotes are protected, backslashes doubled only where a
// quote follows them.
std::string QuoteArgument(const std::string &argument);

} // namespace e2e

#endif // KCG_E2E_PROCESS_H
