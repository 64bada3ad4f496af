// What the kcg tool tells its user: the reasons a file did not read or could
// not be written, and the usage errors found while sorting a command's
// arguments.
#ifndef KCG_MESSAGES_H
#define KCG_MESSAGES_H

#include <string>
#include <vector>

#include "tl_api.h"
#include "tl_lint.h"

namespace kcg {

// What came of a read, in words: the text after "FILE: " ("ok", or why not).
std::string ReadResultText(const TlReadReport &report);

// The reason TlWriteConfigFile returned result, in words: the text after "FILE: ".
std::string WriteFailureReason(int result);

// The name of a lint check as kcg lint shows it in brackets ("runs-on").
const char *LintCheckName(TlLintCheck check);

// What a lint note says, in words: the text after "FILE:LINE: warning: ".
std::string LintMessage(const TlLintNote &note);

// Prints "kcg COMMAND: what" on stderr.
void ReportUsageError(const char *command, const std::string &what);

// Collects the operands (file names) of a command that takes no options.
// "--" ends the options, so a later "-name" is a file; "-" alone is a file too.
// Any other argument starting with "-" is reported as an unknown option and
// the result is false.
bool CollectOperands(int argc, char **argv, std::vector<std::string> *operands);

} // namespace kcg

#endif
