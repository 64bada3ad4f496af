// kcg lint FILE|FOLDER...: reads each file as the driver and the editor do and
// reports, one line each in the form compilers use, what reads but is
// probably a mistake. A folder stands for its .kcg files, which are also
// checked against each other: two files that claim the same executable.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "messages.h"
#include "tl_defs.h"
#include "tl_folder.h"
#include "tl_lint.h"

namespace {

struct Warning {
    int line;
    std::string message;
    const char *check;
};

struct LintedFile {
    std::string path;
    bool readable = false;
    std::vector<Warning> warnings;
    std::vector<std::string> executables;
    int executablesLine = 1;
};

void OnNote(void *context, const TlLintNote *note) {
    auto *file = static_cast<LintedFile *>(context);
    file->warnings.push_back({note->line, kcg::LintMessage(*note), kcg::LintCheckName(note->check)});
}

void OnEntry(void *context, const char *section, const char *keyword, int line) {
    auto *file = static_cast<LintedFile *>(context);
    if (std::string(section) == TL_SECTION_CONFIGURATION && std::string(keyword) == "EXECUTABLES")
        file->executablesLine = line;
}

LintedFile Lint(const std::string &path) {
    LintedFile file;
    file.path = path;
    kcg::ScopedConfig config;
    TlReadReport report = {};
    const TlLintSink sink = {&file, OnNote, OnEntry};
    report.result = TlLintConfigFile(config.get(), path.c_str(), &report, &sink);
    file.readable = report.result == TL_READ_OK;
    if (!file.readable)
        file.warnings.push_back({1, "the file does not read: " + kcg::ReadResultText(report), "unreadable"});
    for (int i = 0; file.readable && i < config.get()->executableCount; ++i)
        file.executables.push_back(config.get()->executables[i]);
    return file;
}

std::string UpperCase(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The driver picks a folder's file by the game's executable, so two files
// that claim one executable leave it to chance which one applies.
void CheckSameExecutables(std::vector<LintedFile> &files) {
    for (size_t later = 1; later < files.size(); ++later) {
        for (const std::string &executable : files[later].executables) {
            for (size_t earlier = 0; earlier < later; ++earlier) {
                const std::vector<std::string> &claimed = files[earlier].executables;
                const bool same =
                    std::any_of(claimed.begin(), claimed.end(), [&executable](const std::string &other) {
                        return UpperCase(other) == UpperCase(executable);
                    });
                if (!same) continue;
                files[later].warnings.push_back({files[later].executablesLine,
                                                 executable + " is also claimed by " + files[earlier].path +
                                                     ":" + std::to_string(files[earlier].executablesLine) +
                                                     "; the driver can only pick one",
                                                 "same-executable"});
                break;
            }
        }
    }
}

// Prints the warnings of each file in line order; true when there were any.
bool Print(std::vector<LintedFile> &files) {
    bool found = false;
    for (LintedFile &file : files) {
        std::stable_sort(file.warnings.begin(), file.warnings.end(),
                         [](const Warning &a, const Warning &b) { return a.line < b.line; });
        for (const Warning &warning : file.warnings)
            std::printf("%s:%d: warning: %s [%s]\n", file.path.c_str(), warning.line, warning.message.c_str(),
                        warning.check);
        found = found || !file.warnings.empty();
    }
    return found;
}

} // namespace

int RunLint(int argc, char **argv) {
    std::vector<std::string> operands;
    if (!kcg::CollectOperands(argc, argv, &operands)) return kcg::kExitUsage;
    if (operands.empty()) {
        kcg::ReportUsageError(argv[0], "missing file or folder");
        return kcg::kExitUsage;
    }
    bool found = false;
    for (const std::string &operand : operands) {
        std::vector<LintedFile> files;
        const bool folder = tl::IsFolder(operand);
        for (const std::string &path : folder ? tl::KcgFilesIn(operand) : std::vector<std::string>{operand})
            files.push_back(Lint(path));
        if (folder) CheckSameExecutables(files);
        found = Print(files) || found;
    }
    std::fflush(stdout);
    return found ? kcg::kExitFailed : kcg::kExitOk;
}
