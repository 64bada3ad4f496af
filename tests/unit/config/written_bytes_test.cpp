// The writer's bytes for every file of the reader's corpus (tests/data/kcg)
// and of samples/: each file is read and written again, and the written
// text, as its size and a 64-bit FNV-1a digest, must stay as
// tests/data/written-digests.txt holds it. A change to any written byte
// shows here as the line of the file it changed. The writer's estimate of
// its block covers every one of these texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"
#include "tl_api.h"
#include "tl_estimate.h"

namespace {

namespace fs = std::filesystem;

std::string Digest(const std::string &bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// "name size digest" for each .kcg file under folder, named from root.
void AddLines(const fs::path &root, const std::string &folder, std::vector<std::string> *lines) {
    for (const auto &entry : fs::recursive_directory_iterator(root / folder)) {
        if (entry.path().extension() != ".kcg") continue;
        const std::string name = entry.path().lexically_relative(root).generic_string();
        kcgtest::Record r;
        TlReadConfigFile(&r.cfg, entry.path().string().c_str());
        const std::string text = kcgtest::WrittenText(r.cfg);
        EXPECT_GE(tl::EstimateConfigTextSize(r.cfg), text.size()) << name;
        lines->push_back(
            name + (text.empty() ? " not written" : " " + std::to_string(text.size()) + " " + Digest(text)));
    }
}

// Widths the files do not show: finite floats at the ends of their range and
// where rounding carries, integers at theirs, every character a quoted text
// escapes, maps that name nothing. (Non-finite floats are left out: their
// spelling is the C library's.)
void MakeExtreme(TlConfig &cfg) {
    static const float kFloats[] = {FLT_MAX, -FLT_MAX,    FLT_MIN,    -0.0f,     1e-45f,
                                    0.005f,  -99.995f,    0.0000005f, 999999.9f, 999999999.0f,
                                    1e9f,    16777217.0f, 2.675f,     -1.0e-7f};
    size_t next = 0;
    auto fill = [&next](float *values, size_t count) {
        for (size_t i = 0; i < count; ++i, ++next)
            values[i] = kFloats[next % (sizeof kFloats / sizeof kFloats[0])];
    };
    fill(cfg.appMin, TL_AXES);
    fill(cfg.appMax, TL_AXES);
    fill(&cfg.tuningScalars[0][0], TL_DEVICES * TL_AXES);
    fill(&cfg.sensitivity[0][0][0], TL_SETS * TL_DEVICES * TL_SENS_VALUES);
    for (int d = 0; d < TL_DEVICES; ++d) {
        fill(&cfg.nullRegionDflt[d][0].negMin, 4 * TL_NULL_REGIONS);
        fill(&cfg.nullRegionUser[d][0].negMin, 4 * TL_NULL_REGIONS);
        for (int c = 0; c < TL_CURVES; ++c) {
            fill(&cfg.curveControl[d][c].column[0][0], TL_CP_COLUMNS * 9);
            if (cfg.curveGiven[d][c] == 1) fill(&cfg.curve[d][c].points[0].x, 2 * cfg.curve[d][c].pointCount);
        }
        for (int a = 0; a < TL_AXES; ++a) {
            TlMotionMap &map = cfg.motionMapPosUser[d][a];
            map = TlMotionMap{a % 3, a == 5 ? -1 : a % 2, a % 4, 0, 0, 0};
            fill(&map.percent1, 3);
        }
        for (int s = 0; s < TL_BUTTON_SLOTS; ++s) {
            cfg.buttonUser[d][s] = TlButtonMap{s % 3, s == 10 ? 7 : s % 2, s % 4, 0};
            fill(&cfg.buttonUser[d][s].rate, 1);
        }
        cfg.samplingFrequency[d] = d == 0 ? INT32_MIN : INT32_MAX;
    }
    cfg.versionMajor = INT32_MAX;
    cfg.versionMinor = INT32_MIN;
    cfg.buttonMasks[0].mask = INT32_MIN;
    cfg.buttonMasks[1].mask = -1;
    const char kEscaped[] = "\"a,b[c\\d]e{f}g\"";
    std::snprintf(cfg.applicationName, sizeof cfg.applicationName, "%s%s", kEscaped, kEscaped);
    std::snprintf(cfg.buttonCharacters[0].text, sizeof cfg.buttonCharacters[0].text, "%s", kEscaped);
    TlAppendString(&cfg.instructions, &cfg.instructionCount, kEscaped);
}

TEST(WrittenBytes, EveryCorpusAndSampleFileWritesAsBefore) {
    std::vector<std::string> lines;
    AddLines(kcgtest::DataFile(""), "kcg", &lines);
    AddLines(fs::path(kcgtest::DataFile("")) / ".." / "..", "samples", &lines);
    std::sort(lines.begin(), lines.end());
    kcgtest::Record extreme;
    ASSERT_EQ(TlReadConfigFile(&extreme.cfg, kcgtest::DataFile("golden/full.kcg").c_str()), TL_READ_OK);
    MakeExtreme(extreme.cfg);
    const std::string text = kcgtest::WrittenText(extreme.cfg);
    lines.push_back("extreme record " + std::to_string(text.size()) + " " + Digest(text));
    std::string table;
    for (const std::string &line : lines)
        table += line + "\n";
    EXPECT_GT(lines.size(), 45u);
    EXPECT_EQ(table, kcgtest::ReadBytes(kcgtest::DataFile("written-digests.txt")));
}

} // namespace
