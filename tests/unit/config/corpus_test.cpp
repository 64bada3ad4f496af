// The reader's rules, one small file each, in tests/data/kcg. A file states
// what reading it gives in comment lines the reader skips:
//
//   ; expect result: MISSING_ENTRY OWNER    the result (OK when not stated)
//   ; expect line: LEVEL = EXPERT           a line of the canonical file written
//   ; expect no line: [MARROWEL]            a line it must not have
//   ; expect record: KAVELIN current ...    a line of Describe() (test_support.h)
//   ; expect lossy round trip               the record does not survive a rewrite
//
// Every file is read from disk and again from memory, and both records must
// agree. The round trip and the golden files run over the same corpus.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"
#include "tl_api.h"
#include "tl_parse.h"

namespace fs = std::filesystem;
using kcgtest::Record;

namespace {

struct Case {
    std::string name, path, bytes;
    std::multimap<std::string, std::string> expect; // "; expect KIND: TEXT" as KIND and TEXT
    bool Expects(const char *kind) const { return expect.count(kind) > 0; }
};
void PrintTo(const Case &c, std::ostream *out) {
    *out << c.path;
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return lines;
}

std::vector<Case> LoadCorpus(const char *folder) {
    std::vector<Case> cases;
    for (const auto &entry : fs::directory_iterator(kcgtest::DataFile(folder))) {
        Case c{entry.path().stem().string(),
               entry.path().string(),
               kcgtest::ReadBytes(entry.path().string()),
               {}};
        for (const std::string &line : Lines(c.bytes)) {
            if (line.rfind("; expect ", 0) != 0) continue;
            const size_t colon = line.find(": ");
            const std::string kind = line.substr(9, colon == std::string::npos ? colon : colon - 9);
            EXPECT_TRUE(kind == "result" || kind == "line" || kind == "no line" || kind == "record" ||
                        kind == "lossy round trip")
                << c.name << ": " << line;
            c.expect.emplace(kind, colon == std::string::npos ? "" : line.substr(colon + 2));
        }
        cases.push_back(c);
    }
    std::sort(cases.begin(), cases.end(), [](const Case &a, const Case &b) { return a.name < b.name; });
    return cases;
}

// "OK", "NEWER_FORMAT", "MISSING_ENTRY OWNER", ...: the words of the expectations.
std::string ResultWords(const TlReadReport &report) {
    static const char *const kResults[] = {
        "OK", "NULL_RECORD", "OLDER_FORMAT", "CANNOT_OPEN", "MISSING_ENTRY", "NO_MEMORY", "NEWER_FORMAT"};
    static const char *const kEntries[] = {
        "", "VERSION", "APPLICATION_NUMBER", "FILE_REVISION_NUMBER", "APPLICATION_NAME", "OWNER", "PLATFORM"};
    std::string words = kResults[-report.result];
    if (report.result == TL_READ_MISSING_ENTRY) words += std::string(" ") + kEntries[report.missing];
    return words;
}

bool Has(const std::vector<std::string> &lines, const std::string &line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class Corpus : public testing::TestWithParam<Case> {};

TEST_P(Corpus, ReadsAsItsCommentsSay) {
    const Case &c = GetParam();
    Record fromFile, fromText;
    TlReadReport report{}, textReport{};
    fromText.cfg.samplingFrequency[TL_MARROWEL] = 99; // a read starts from a fresh record
    TlReadConfigFileEx(&fromFile.cfg, c.path.c_str(), &report);
    TlReadConfigText(&fromText.cfg, c.bytes.data(), c.bytes.size(), &textReport);
    const std::string result = c.Expects("result") ? c.expect.find("result")->second : "OK";
    EXPECT_EQ(ResultWords(report), result);
    EXPECT_EQ(ResultWords(textReport), result) << "from text";
    EXPECT_TRUE(kcgtest::SameRecord(fromFile.cfg, fromText.cfg))
        << "reads of the file and of its text differ";
    if (report.result != TL_READ_OK) {
        // A failed read leaves a fresh record (an old file keeps its version).
        Record fresh;
        fresh.cfg.versionMajor = fromFile.cfg.versionMajor;
        fresh.cfg.versionMinor = fromFile.cfg.versionMinor;
        EXPECT_TRUE(kcgtest::SameRecord(fromFile.cfg, fresh.cfg));
    }
    const std::vector<std::string> facts = kcgtest::Describe(fromFile.cfg);
    const std::vector<std::string> written = Lines(kcgtest::WrittenText(fromFile.cfg));
    for (const auto &[kind, text] : c.expect) {
        EXPECT_TRUE(kind != "record" || Has(facts, text)) << "no record fact: " << text;
        EXPECT_TRUE(kind != "line" || Has(written, text)) << "not written: " << text;
        EXPECT_TRUE(kind != "no line" || !Has(written, text)) << "written: " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, Corpus, testing::ValuesIn(LoadCorpus("kcg")),
                         [](const auto &info) { return info.param.name; });

// Read, write, read again: the same record (unless the file says otherwise)
// and, written again, the same bytes. A golden or benchmark file, canonical
// already, is written back as itself.
TEST(RoundTrip, EveryReadableFileSettlesAfterOneWrite) {
    for (const std::string folder : {"kcg", "golden", "bench"}) {
        for (const Case &c : LoadCorpus(folder.c_str())) {
            SCOPED_TRACE(c.path);
            Record first, second;
            if (TlReadConfigText(&first.cfg, c.bytes.data(), c.bytes.size(), nullptr) != TL_READ_OK) continue;
            const std::string once = kcgtest::WrittenText(first.cfg);
            ASSERT_EQ(TlReadConfigText(&second.cfg, once.data(), once.size(), nullptr), TL_READ_OK);
            // A written file always has a COMMAND_LINE, "" for none.
            if (first.cfg.commandLine == nullptr)
                first.cfg.commandLine = static_cast<char *>(std::calloc(1, 1));
            if (!c.Expects("lossy round trip")) {
                EXPECT_TRUE(kcgtest::SameRecord(first.cfg, second.cfg));
            }
            EXPECT_EQ(kcgtest::WrittenText(second.cfg), once);
            EXPECT_TRUE(folder == "kcg" || once == c.bytes) << "canonical file changed";
        }
    }
}

} // namespace
