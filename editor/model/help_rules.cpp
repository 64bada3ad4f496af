#include "help_rules.h"

#include "paths.h"

namespace model {

std::string HelpFilePath(const std::string &programDir) {
    return JoinWindowsPath(programDir, "kavsdk.hlp");
}

} // namespace model
