// kcg fmt IN OUT: reads IN and writes it again in the canonical layout.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "messages.h"

int RunFmt(int argc, char **argv) {
    std::vector<std::string> files;
    if (!kcg::CollectOperands(argc, argv, &files)) return kcg::kExitUsage;
    if (files.size() < 2) {
        kcg::ReportUsageError(argv[0], files.empty() ? "missing input file" : "missing output file");
        return kcg::kExitUsage;
    }
    if (files.size() > 2) {
        kcg::ReportUsageError(argv[0], "too many arguments");
        return kcg::kExitUsage;
    }
    const std::string &in = files[0];
    const std::string &out = files[1];

    kcg::ScopedConfig config;
    TlReadReport report = {};
    report.result = TlReadConfigFileEx(config.get(), in.c_str(), &report);
    if (report.result != TL_READ_OK) {
        // Nothing is written: OUT keeps whatever it held.
        std::fprintf(stderr, "%s: %s\n", in.c_str(), kcg::ReadResultText(report).c_str());
        return kcg::kExitFailed;
    }

    // The writer replaces OUT only after a complete write, so OUT may be IN.
    const int written = TlWriteConfigFile(config.get(), out.c_str());
    if (written != TL_WRITE_OK) {
        std::fprintf(stderr, "%s: %s\n", out.c_str(), kcg::WriteFailureReason(written).c_str());
        return kcg::kExitFailed;
    }
    return kcg::kExitOk;
}
