// The commands of the kcg tool and what they share.
//
// Every command is a function with main's signature: argv[0] is the command's
// own name ("check"), argv[1..argc-1] its arguments. It returns the process
// exit status. On a usage error it reports the problem with ReportUsageError
// and returns kExitUsage; the caller then prints the command's usage line.
#ifndef KCG_COMMANDS_H
#define KCG_COMMANDS_H

#include <string>
#include <vector>

#include "tl_api.h"

namespace kcg {

enum ExitStatus {
    kExitOk = 0,     // every file read (and was written)
    kExitFailed = 1, // a file did not read, or could not be written
    kExitUsage = 2   // the command line is wrong
};

// A TlConfig that is initialised on creation and released on every path out.
class ScopedConfig {
  public:
    ScopedConfig() { TlInitConfig(&config_); }
    ~ScopedConfig() { TlFreeConfig(&config_); }
    ScopedConfig(const ScopedConfig &) = delete;
    ScopedConfig &operator=(const ScopedConfig &) = delete;

    TlConfig *get() { return &config_; }

  private:
    TlConfig config_;
};

} // namespace kcg

// kcg check FILE...: reads each file, prints "FILE: ok" or "FILE: <reason>".
int RunCheck(int argc, char **argv);

// kcg fmt IN OUT: reads IN and writes it in the canonical layout to OUT.
int RunFmt(int argc, char **argv);

// kcg lint FILE|FOLDER...: reports what reads but is probably a mistake.
int RunLint(int argc, char **argv);

// kcg load: loads a file into the joystick driver (tools/kcg/load.cpp).
int RunLoad(int argc, char **argv);

#endif
