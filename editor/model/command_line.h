/* The editor's command line: its arguments, the switches and the
 * configuration file it names. */
#ifndef KCG_MODEL_COMMAND_LINE_H
#define KCG_MODEL_COMMAND_LINE_H

#include <string>
#include <vector>

namespace model {

// The arguments of a whole command line, the program's path first, split as
// the C runtime splits them: blanks separate, double quotes group (and are
// dropped), a backslash before a double quote makes it a plain character.
std::vector<std::string> CommandLineArguments(const std::string &commandLine);

// The index of the first argument after the program's path whose extension
// is ".kcg" (any letter case): the file to open at start; -1 when none.
int StartFileArgument(const std::vector<std::string> &arguments);

struct CommandLineSwitches {
    bool close = false;    // "-CLOSE": close a running editor, open nothing
    bool internal = false; // "-QUORVANE": internal-use mode
};

// The switches found anywhere in the command line, in any letter case, but
// never inside the configuration file's name ("door-close.kcg" closes nothing).
CommandLineSwitches ParseCommandLine(const std::string &commandLine);

} // namespace model

#endif
