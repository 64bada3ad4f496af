// kcg check FILE...: reads every file and says, one line each, whether it reads.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "messages.h"

int RunCheck(int argc, char **argv) {
    std::vector<std::string> files;
    if (!kcg::CollectOperands(argc, argv, &files)) return kcg::kExitUsage;
    if (files.empty()) {
        kcg::ReportUsageError(argv[0], "missing file");
        return kcg::kExitUsage;
    }

    int status = kcg::kExitOk;
    for (const std::string &file : files) {
        // A fresh record per file: a failed read must not colour the next one.
        kcg::ScopedConfig config;
        TlReadReport report = {};
        report.result = TlReadConfigFileEx(config.get(), file.c_str(), &report);
        if (report.result != TL_READ_OK) status = kcg::kExitFailed;
        std::printf("%s: %s\n", file.c_str(), kcg::ReadResultText(report).c_str());
    }
    std::fflush(stdout);
    return status;
}
