// Reading with a lint sink reads exactly as reading without one: same result,
// same record, for every file of the corpus and of the lint checks. What the
// notes say is tested through kcg lint (tests/tools/kcg_lint_test.sh).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"
#include "tl_lint.h"

namespace {

void CountNote(void *context, const TlLintNote *) {
    ++*static_cast<int *>(context);
}

TEST(Lint, ReadsAsTheReaderDoes) {
    int notes = 0;
    const TlLintSink sink = {&notes, CountNote, nullptr};
    for (const char *folder : {"kcg", "lint", "lint/folder"}) {
        for (const auto &entry : std::filesystem::directory_iterator(kcgtest::DataFile(folder))) {
            if (entry.path().extension() != ".kcg") continue;
            const std::string path = entry.path().string();
            kcgtest::Record read, linted, fromText;
            TlReadReport readReport = {}, lintReport = {}, textReport = {};
            const int result = TlReadConfigFileEx(&read.cfg, path.c_str(), &readReport);
            EXPECT_EQ(TlLintConfigFile(&linted.cfg, path.c_str(), &lintReport, &sink), result) << path;
            EXPECT_EQ(lintReport.missing, readReport.missing) << path;
            EXPECT_TRUE(kcgtest::SameRecord(read.cfg, linted.cfg)) << path;
            const std::string bytes = kcgtest::ReadBytes(path);
            EXPECT_EQ(TlLintConfigText(&fromText.cfg, bytes.data(), bytes.size(), &textReport, &sink),
                      result);
            EXPECT_TRUE(kcgtest::SameRecord(read.cfg, fromText.cfg)) << path;
        }
    }
    EXPECT_GT(notes, 0);
}

} // namespace
