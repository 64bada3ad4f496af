#include "messages.h"

#include <cstdio>
#include <cstring>

namespace kcg {
namespace {

// The keyword a game developer has to look at, for each required entry.
const char *EntryKeyword(TlEntry entry) {
    switch (entry) {
    case TL_ENTRY_VERSION:
        return "VERSION";
    case TL_ENTRY_APPLICATION_NUMBER:
        return "APPLICATION_NUMBER";
    case TL_ENTRY_FILE_REVISION_NUMBER:
        return "FILE_REVISION_NUMBER";
    case TL_ENTRY_APPLICATION_NAME:
        return "APPLICATION_NAME";
    case TL_ENTRY_OWNER:
        return "OWNER";
    case TL_ENTRY_PLATFORM:
        return "PLATFORM";
    case TL_ENTRY_NONE:
        break;
    }
    return nullptr;
}

} // namespace

std::string ReadResultText(const TlReadReport &report) {
    switch (report.result) {
    case TL_READ_OK:
        return "ok";
    case TL_READ_OLDER_FORMAT:
        return "older format (VERSION below 5.0)";
    case TL_READ_NEWER_FORMAT:
        return "newer format (VERSION above 5.0)";
    case TL_READ_CANNOT_OPEN:
        return "cannot be opened";
    case TL_READ_NO_MEMORY:
        return "out of memory";
    case TL_READ_MISSING_ENTRY: {
        const char *keyword = EntryKeyword(report.missing);
        if (keyword == nullptr) return "a required entry is missing or invalid";
        return std::string("required entry ") + keyword + " is missing or invalid";
    }
    default:
        return "not read (result " + std::to_string(report.result) + ")";
    }
}

std::string WriteFailureReason(int result) {
    switch (result) {
    case TL_WRITE_FAILED:
        return "cannot be written";
    case TL_WRITE_OLD_VERSION:
        return "not written: its VERSION is below 5.0";
    default:
        return "not written (result " + std::to_string(result) + ")";
    }
}

void ReportUsageError(const char *command, const std::string &what) {
    std::fprintf(stderr, "kcg %s: %s\n", command, what.c_str());
}

bool CollectOperands(int argc, char **argv, std::vector<std::string> *operands) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (!optionsEnded && std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (!optionsEnded && argument[0] == '-' && argument[1] != '\0') {
            ReportUsageError(argv[0], std::string("unknown option '") + argument + "'");
            return false;
        } else {
            operands->push_back(argument);
        }
    }
    return true;
}

} // namespace kcg
