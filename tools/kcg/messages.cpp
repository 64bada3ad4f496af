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

const char *LintCheckName(TlLintCheck check) {
    static const char *const kNames[TL_LINT_CHECKS] = {
        "runs-on",         "cut-short",         "unknown-keyword",   "wrong-section",
        "unknown-section", "duplicate-keyword", "duplicate-section", "bad-value",
        "clamped",         "truncated",         "extra-items"};
    return check >= 0 && check < TL_LINT_CHECKS ? kNames[check] : "lint";
}

namespace {

// Text from the file on one line, so that each warning stays one line.
std::string OneLine(const char *text) {
    std::string shown = text;
    for (char &c : shown)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return shown;
}

// An item as the file has it, shortened to what fits a message line.
std::string Quoted(const char *text) {
    std::string shown = OneLine(text);
    if (shown.size() > 40) shown = shown.substr(0, 37) + "...";
    return "'" + shown + "'";
}

std::string Section(const char *names) {
    return names[0] == '\0' ? std::string("above the first section") : std::string("[") + names + "]";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::string LintMessage(const TlLintNote &note) {
    const std::string keyword = note.keyword;
    const std::string line = std::to_string(note.otherLine);
    switch (note.check) {
    case TL_LINT_RUNS_ON:
        return (note.count != 0
                    ? "the list of " + keyword + " is not closed before line " + line + " and takes it in"
                    : keyword + " has no value on its line and takes line " + line) +
               ": " + Quoted(note.text);
    case TL_LINT_CUT_SHORT:
        return "the file ends inside the value of " + keyword + " (no closing '}')";
    case TL_LINT_UNKNOWN_KEYWORD:
        return "unknown keyword " + keyword + " " + (note.section[0] ? "in " : "") + Section(note.section) +
               "; it is ignored";
    case TL_LINT_WRONG_SECTION:
        return keyword + " belongs in [" + note.expected + "], not " + Section(note.section) +
               "; it is ignored here";
    case TL_LINT_UNKNOWN_SECTION:
        return "unknown section [" + OneLine(note.section) + "]; its entries are ignored";
    case TL_LINT_DUPLICATE_KEYWORD:
        return keyword + " again in " + Section(note.section) + "; the first one (line " + line + ") counts";
    case TL_LINT_DUPLICATE_SECTION:
        return "[" + OneLine(note.section) + "] again; only the first one (line " + line + ") is read";
    case TL_LINT_BAD_VALUE:
        if (note.text[0] == '\0')
            return keyword + ": needs " + std::to_string(note.used) + " " + note.expected + ", has " +
                   std::to_string(note.count) + "; it is not used";
        return keyword + ": " + Quoted(note.text) + " is not " + note.expected;
    case TL_LINT_CLAMPED:
        return keyword + ": " + Quoted(note.text) + " is read as " + Number(note.to);
    case TL_LINT_TRUNCATED:
        return keyword + ": a text of " + std::to_string(note.count) + " characters; only the first " +
               std::to_string(note.used) + " are kept";
    case TL_LINT_EXTRA_ITEMS:
        return keyword + ": " + std::to_string(note.count) + " values given, " + std::to_string(note.used) +
               " used; " + Quoted(note.text) + " is the first left out";
    case TL_LINT_CHECKS:
        break;
    }
    return keyword;
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
