/* The editor's help: its own help file, beside the program, opened at its
 * contents whatever the current folder is. */
#ifndef KCG_MODEL_HELP_RULES_H
#define KCG_MODEL_HELP_RULES_H

#include <string>

namespace model {

// The help viewer's command that shows the contents, and the data sent with it.
constexpr unsigned kHelpContentsCommand = 3;
constexpr unsigned long kHelpData = 7;

// "programDir\kavsdk.hlp"; programDir is the program's folder without a
// trailing backslash (ProgramFolder of its full path).
std::string HelpFilePath(const std::string &programDir);

} // namespace model

#endif
