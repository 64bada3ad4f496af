// A configuration file named on the editor's command line, which the editor
// opens at start as File, Open would.
#ifndef KCG_APP_START_FILE_H
#define KCG_APP_START_FILE_H

#include <string>
#include <vector>

// The arguments of a whole command line, the program's path first, split as
// the C runtime splits them: blanks separate, double quotes group (and are
// dropped), a backslash before a double quote makes it a plain character.
std::vector<std::string> CommandLineArguments(const std::string &commandLine);

// The first argument after the program's path whose extension is ".kcg" (any
// letter case), as a full path formed from the current folder; "" when there
// is none. The switches "-CLOSE" and "-QUORVANE" never end in ".kcg", so they
// are never taken for it. Call before the current folder changes.
std::string StartFileFromCommandLine(const std::string &commandLine);

#endif // KCG_APP_START_FILE_H
