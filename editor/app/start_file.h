// A configuration file named on the editor's command line, which the editor
// opens at start as File, Open would.
#ifndef KCG_APP_START_FILE_H
#define KCG_APP_START_FILE_H

#include <string>

// The command line's configuration file (see model::StartFileArgument) as a
// full path formed from the current folder; "" when there is none. Call
// before the current folder changes.
std::string StartFileFromCommandLine(const std::string &commandLine);

#endif // KCG_APP_START_FILE_H
