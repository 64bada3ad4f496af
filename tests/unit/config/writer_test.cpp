// The writer beyond the golden files: number texts, records whose members the
// layout cannot express, the size of its block, and what a write does to the
// file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "test_support.h"
#include "tl_alloc.h"
#include "tl_api.h"
#include "tl_estimate.h"
#include "tl_text.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using kcgtest::ReadBytes;
using kcgtest::TempFolder;
using kcgtest::WriteBytes;
namespace fs = std::filesystem;

TEST(WriterNumbers, FixedTextsMatchPrintf) {
    std::vector<double> values = {0.0,     -0.0,     0.125f,     0.375f,    -2.5f,   0.005f, 1.005f,
                                  2.675f,  99.995f,  0.0000005f, -1.0e-7f,  FLT_MIN, 1e-45f, 16777217.0f,
                                  3.4e38f, -FLT_MAX, INFINITY,   -INFINITY, NAN,     -NAN};
    // Pseudo-random bit patterns, every third one of a magnitude a file holds.
    for (uint32_t i = 0, state = 12345u; i < 6000; ++i) {
        state = state * 1664525u + 1013904223u;
        uint32_t bits = i % 3 ? state : (state & 0x807FFFFFu) | ((0x70u + (state >> 23) % 0x20u) << 23);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    for (double value : values) {
        for (int decimals : {2, 6}) {
            char text[64];
            tl::TextBuilder out(text, sizeof text);
            if (decimals == 2)
                out.AddFixed(static_cast<float>(value), tl::kTwoDecimals);
            else
                out.AddFixed(static_cast<float>(value), tl::kSixDecimals);
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            ASSERT_EQ(std::string(text, out.Size()), expected) << std::hexfloat << value;
        }
    }
}

// Every six-digit fraction, as the integer road writes it.
TEST(WriterNumbers, SixDigitsOfEveryFraction) {
    for (uint32_t value = 0; value < 1000000; ++value) {
        char text[7] = {};
        tl::PutSixDigits(text, value);
        char expected[8];
        std::snprintf(expected, sizeof expected, "%06u", value);
        ASSERT_STREQ(text, expected);
    }
}

// A writable record: version 5.0, valid owner and platform, two buttons.
struct Writable : kcgtest::Record {
    Writable() {
        cfg.versionMajor = 5;
        cfg.owner = TL_OWNER_USER;
        cfg.platform = TL_PLATFORM_WINDOWS;
        cfg.buttonMaskCount = 2;
        cfg.buttonMasks = static_cast<TlButtonMask *>(std::calloc(2, sizeof(TlButtonMask)));
        cfg.buttonMasks[0] = TlButtonMask{"FIRE", "Fire", 1};
        cfg.buttonMasks[1] = TlButtonMask{"JUMP", "Jump", 2};
    }
};

// The header's time, as the C library's local time text gives it (strftime's
// "%a %b %d %H:%M:%S %Y" with the day's leading zero as a blank), on every
// weekday and month and at the edges of each field.
TEST(WriterTime, HeaderTimeIsTheCLibrarysText) {
    std::vector<std::tm> times;
    for (int day = 0; day < 7; ++day) {
        for (int month = 0; month < 12; ++month) {
            std::tm t{};
            t.tm_wday = day;
            t.tm_mon = month;
            t.tm_mday = 1 + (day * 12 + month) % 31;
            t.tm_hour = (day * 5 + month) % 24;
            t.tm_min = (day * 11 + month * 7) % 60;
            t.tm_sec = (day * 13 + month * 3) % 61;
            t.tm_year = 126;
            times.push_back(t);
        }
    }
    std::tm edge{};
    edge.tm_wday = 6, edge.tm_mon = 11, edge.tm_mday = 31, edge.tm_hour = 23, edge.tm_min = 59,
    edge.tm_sec = 60;
    edge.tm_year = 8099; // 9999
    times.push_back(edge);
    edge.tm_year = 8100; // 10000, five digits
    times.push_back(edge);
    edge.tm_mday = 9, edge.tm_hour = 0, edge.tm_min = 0, edge.tm_sec = 0, edge.tm_year = 70;
    times.push_back(edge);
    for (const std::tm &t : times) {
        char expected[64];
        const size_t length = std::strftime(expected, sizeof expected, "%a %b %d %H:%M:%S %Y", &t);
        if (length == 0) continue; // a time this C library cannot write (a leap second, year 10000)
        if (expected[8] == '0') expected[8] = ' ';
        const tl::TimeText got = tl::FormatTime(t);
        EXPECT_EQ(std::string(got.text, got.size), std::string(expected, length));
    }
}

TEST(WriterValues, MotionMapsThatCannotBeExpressedAreUndefined) {
    Writable r;
    const struct {
        TlMotionMap map;
        const char *written;
    } cases[] = {
        {{TL_SOURCE_AXIS, 99, 7, 1, 2, 3}, "AXIS"},
        {{TL_SOURCE_MASK, 1, TL_FUNCTION_HOLD, 10, 20.5f, 3}, "{ JUMP, HOLD, 10.00, 20.50 }"},
        {{TL_SOURCE_MASK, 0, TL_FUNCTION_NONE, 1, 2, 3}, "UNDEFINED"},
        {{TL_SOURCE_MASK, 0, 4, 1, 2, 3}, "UNDEFINED"},
        {{TL_SOURCE_MASK, 2, TL_FUNCTION_HOLD, 1, 2, 3}, "UNDEFINED"},      // index past the table
        {{TL_SOURCE_MASK, -1, TL_FUNCTION_HOLD, 1, 2, 3}, "UNDEFINED"},     // negative index
        {{TL_SOURCE_CHARACTER, 0, TL_FUNCTION_HOLD, 1, 2, 3}, "UNDEFINED"}, // empty table
        {{9, 0, TL_FUNCTION_HOLD, 1, 2, 3}, "UNDEFINED"},                   // no such source
    };
    for (const auto &c : cases) {
        TempFolder folder;
        FILE *file = std::fopen(folder.File("m").c_str(), "wb");
        EXPECT_EQ(TlFormatMotionMap(file, "MOTION_MAP_1_POS_USER", &c.map, &r.cfg), 0);
        std::fclose(file);
        EXPECT_EQ(ReadBytes(folder.File("m")), std::string("MOTION_MAP_1_POS_USER = ") + c.written + "\r\n");
    }
    EXPECT_EQ(TlFormatMotionMap(nullptr, "K", &cases[0].map, &r.cfg), TL_WRITE_FAILED);
}

// Nothing outside the record is read, whatever its members hold.
TEST(WriterValues, InconsistentMembersAreWrittenSafely) {
    Writable r;
    r.cfg.owner = TL_OWNER_NONE;
    r.cfg.level = 3;
    r.cfg.showInstructions = -2;
    r.cfg.devicePresent[TL_MARROWEL] = -4; // any value but 0 means present
    r.cfg.buttonUser[TL_MARROWEL][0] = TlButtonMap{TL_SOURCE_MASK, 0, TL_FUNCTION_REPEAT_FEATHERED, 1};
    r.cfg.buttonUser[TL_MARROWEL][1] = TlButtonMap{TL_SOURCE_NUMBER, 0, TL_FUNCTION_HOLD, 0}; // null table
    r.cfg.buttonNumberCount = 3;
    r.cfg.executableCount = 2; // but no array
    r.cfg.copyFileCount = -1;
    TlAppendString(&r.cfg.instructions, &r.cfg.instructionCount, "x");
    std::free(r.cfg.instructions[0]);
    r.cfg.instructions[0] = nullptr;
    std::memset(r.cfg.applicationName, 'A', sizeof r.cfg.applicationName); // no terminator
    std::memset(r.cfg.buttonMasks[0].name, 'N', sizeof r.cfg.buttonMasks[0].name);
    std::memset(r.cfg.axisMapHrzUser[TL_MARROWEL].letters, 'Y', sizeof r.cfg.axisMapHrzUser[0].letters);
    r.cfg.buttonUser[TL_MARROWEL][2] = TlButtonMap{TL_SOURCE_MASK, 0, TL_FUNCTION_SINGLE, 0};
    r.cfg.curveGiven[TL_MARROWEL][TL_CURVE_RV] = 1;
    r.cfg.curve[TL_MARROWEL][TL_CURVE_RV].pointCount = 5; // points missing

    const std::string text = kcgtest::WrittenText(r.cfg);
    for (const char *line :
         {"OWNER = UNDEFINED", "LEVEL = UNDEFINED", "SHOW_INSTRUCTIONS = UNDEFINED",
          "BUTTON_1_USER = UNDEFINED", "BUTTON_2_USER = UNDEFINED", "EXECUTABLES = { }",
          "COPY_FILES =\r\n   {\r\n   }", "INSTRUCTIONS =\r\n   {\r\n   \"\"\r\n   }", "RV =\r\n   {\r\n   }",
          "BUTTON_3_USER = { NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN, SINGLE }", "AXIS_MAP_HRZ_USER = \"YYYYYY\"",
          "[MARROWEL]"})
        EXPECT_NE(text.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
    EXPECT_NE(text.find("\r\nAPPLICATION_NAME = \"" + std::string(255, 'A') + "\"\r\n"), std::string::npos);
    r.cfg.buttonNumberCount = 0;
    r.cfg.executableCount = 0;
}

const char kOld[] = "old content\r\n";

// ---- The block ---------------------------------------------------------------

// The widest text for its floats: every text at its capacity and made of
// characters that double when quoted, the widest words and integers, every
// map naming a button with three values, every table present, every float
// the one given.
void MakeWidest(TlConfig &cfg, float widest) {
    ASSERT_EQ(TlReadConfigFile(&cfg, kcgtest::DataFile("bench/large.kcg").c_str()), TL_READ_OK);
    auto fill = [](char *text, size_t size, char c) {
        std::memset(text, c, size - 1);
        text[size - 1] = '\0';
    };
    fill(cfg.applicationName, sizeof cfg.applicationName, '{');
    fill(cfg.driverType, sizeof cfg.driverType, '}');
    for (int a = 0; a < TL_AXES; ++a) {
        fill(cfg.motionLabelPos[a], TL_LABEL_SIZE, ',');
        fill(cfg.motionLabelNeg[a], TL_LABEL_SIZE, '"');
    }
    const std::string wide(300, '\\');
    for (int i = 0; i < 3; ++i) {
        TlAppendString(&cfg.executables, &cfg.executableCount, wide.c_str());
        TlAppendString(&cfg.copyFiles, &cfg.copyFileCount, wide.c_str());
        TlAppendString(&cfg.instructions, &cfg.instructionCount, wide.c_str());
    }
    cfg.versionMinor = cfg.applicationNumberMajor = cfg.fileRevisionMinor = INT32_MIN;
    cfg.level = TL_LEVEL_INTERMEDIATE;
    cfg.platform = TL_PLATFORM_WINDOWS_NT;
    cfg.showInstructions = -1;
    std::fill(cfg.appMin, cfg.appMin + TL_AXES, widest);
    std::fill(cfg.appMax, cfg.appMax + TL_AXES, widest);
    std::fill(&cfg.tuningScalars[0][0], &cfg.tuningScalars[0][0] + TL_DEVICES * TL_AXES, widest);
    std::fill(&cfg.sensitivity[0][0][0], &cfg.sensitivity[0][0][0] + TL_SETS * TL_DEVICES * TL_SENS_VALUES,
              widest);
    ASSERT_GT(cfg.buttonMaskCount, 0);
    for (int i = 0; i < cfg.buttonMaskCount; ++i) {
        fill(cfg.buttonMasks[i].name, TL_BUTTON_NAME_SIZE, 'N');
        fill(cfg.buttonMasks[i].label, TL_BUTTON_NAME_SIZE, '[');
        cfg.buttonMasks[i].mask = INT32_MIN;
    }
    for (int i = 0; i < cfg.buttonCharacterCount; ++i)
        fill(cfg.buttonCharacters[i].text, TL_NAME_SIZE, ']');
    const TlMotionMap motion{TL_SOURCE_MASK, 0, TL_FUNCTION_REPEAT_CONSTANT, widest, widest, widest};
    const TlButtonMap button{TL_SOURCE_MASK, 0, TL_FUNCTION_REPEAT_CONSTANT, widest};
    for (int d = 0; d < TL_DEVICES; ++d) {
        cfg.devicePresent[d] = 1;
        cfg.samplingFrequency[d] = INT32_MIN;
        for (TlMotionMap *maps : {cfg.motionMapPosDflt[d], cfg.motionMapNegDflt[d], cfg.motionMapPosUser[d],
                                  cfg.motionMapNegUser[d]})
            std::fill(maps, maps + TL_AXES, motion);
        std::fill(cfg.buttonDflt[d], cfg.buttonDflt[d] + TL_BUTTON_SLOTS, button);
        std::fill(cfg.buttonUser[d], cfg.buttonUser[d] + TL_BUTTON_SLOTS, button);
        for (TlNullRegion *regions : {cfg.nullRegionDflt[d], cfg.nullRegionUser[d]})
            std::fill(regions, regions + TL_NULL_REGIONS, TlNullRegion{widest, widest, widest, widest});
        for (int c = 0; c < TL_CURVES; ++c) {
            cfg.curveControlValid[d][c] = 1;
            std::fill(&cfg.curveControl[d][c].column[0][0], &cfg.curveControl[d][c].column[0][0] + 45,
                      widest);
            ASSERT_EQ(cfg.curveGiven[d][c], 1);
            std::fill(cfg.curve[d][c].points, cfg.curve[d][c].points + cfg.curve[d][c].pointCount,
                      TlPoint{widest, widest});
        }
    }
}

TEST(WriterSize, EstimateCoversTheWidestRecordBelow1e9) {
    kcgtest::Record r;
    MakeWidest(r.cfg, -999999936.0f); // the float below 1e9 with the longest text
    const std::string text = kcgtest::WrittenText(r.cfg);
    ASSERT_GT(text.size(), 80000u);
    EXPECT_GE(tl::EstimateConfigTextSize(r.cfg), text.size());
    EXPECT_LT(tl::EstimateConfigTextSize(r.cfg), text.size() + text.size() / 8) << "the estimate stays close";
}

// The block comes from tl::Malloc: refusing it fails the write and leaves the
// target as it stood. A record whose floats outgrow the estimate takes a
// second block, of the length the first pass counted.
TEST(WriterSize, RefusedBlocksFailTheWrite) {
    kcgtest::Record r;
    MakeWidest(r.cfg, -FLT_MAX);
    ASSERT_LT(tl::EstimateConfigTextSize(r.cfg), 3 * kcgtest::WrittenText(r.cfg).size() / 4);
    TempFolder folder;
    const std::string path = folder.File("game.kcg");
    WriteBytes(path, kOld);
    for (long granted : {0, 1}) {
        tl::gAllocationsUntilFailure = granted;
        EXPECT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), TL_WRITE_FAILED) << granted;
        tl::gAllocationsUntilFailure = -1;
        EXPECT_EQ(ReadBytes(path), kOld);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.kcg"});
    }
    tl::gAllocationsUntilFailure = 2;
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), TL_WRITE_OK);
    EXPECT_EQ(tl::gAllocationsUntilFailure, 0);
    tl::gAllocationsUntilFailure = -1;
    EXPECT_EQ(ReadBytes(path).substr(120), kcgtest::WrittenText(r.cfg).substr(120)); // after the time
}

// ---- Files -------------------------------------------------------------------

TEST(WriterFiles, RefusalsTouchNothing) {
    Writable r;
    TempFolder folder;
    const std::string existing = folder.File("old.kcg");
    WriteBytes(existing, kOld);
    EXPECT_EQ(TlWriteConfigFile(nullptr, existing.c_str()), TL_WRITE_NULL_RECORD);
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, nullptr), TL_WRITE_FAILED);
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, ""), TL_WRITE_FAILED);
    r.cfg.versionMajor = 4;
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, existing.c_str()), TL_WRITE_OLD_VERSION);
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, folder.File("new.kcg").c_str()), TL_WRITE_OLD_VERSION);
    EXPECT_EQ(ReadBytes(existing), kOld);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.kcg"});
}

TEST(WriterFiles, ReplacingLeavesOnlyTheNewFile) {
    Writable r;
    TempFolder folder;
    const std::string path = folder.File("game.kcg");
    WriteBytes(path, std::string(100000, '#')); // longer than the new text
    ASSERT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), 0);
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text.substr(0, 3), ";\r\n");
    EXPECT_EQ(text.find('#'), std::string::npos);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.kcg"});
}

// A folder in the way, a missing folder, a file where a folder should be.
TEST(WriterFiles, UnwritableTargetsFailAndLeaveNoTemporaryFile) {
    Writable r;
    TempFolder folder;
    WriteBytes(folder.File("plain"), kOld);
    fs::create_directory(folder.Path() / "dir.kcg");
    for (const fs::path &target :
         {folder.Path() / "missing" / "a.kcg", folder.Path() / "plain" / "a.kcg", folder.Path() / "dir.kcg"})
        EXPECT_EQ(TlWriteConfigFile(&r.cfg, target.string().c_str()), TL_WRITE_FAILED) << target;
    EXPECT_EQ(ReadBytes(folder.File("plain")), kOld);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"dir.kcg", "plain"}));
}

#ifndef _WIN32
TEST(WriterFiles, PermissionBitsAndSymbolicLinksAreKept) {
    Writable r;
    TempFolder folder;
    const std::string target = folder.File("real.kcg");
    const std::string link = folder.File("link.kcg");
    WriteBytes(target, kOld);
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(TlWriteConfigFile(&r.cfg, link.c_str()), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(ReadBytes(target), kOld);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

TEST(WriterFiles, StreamFailuresAreReported) {
    Writable r;
    TempFolder folder;
    const std::string path = folder.File("s.kcg");
    WriteBytes(path, kOld);
    FILE *readOnly = std::fopen(path.c_str(), "rb");
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, readOnly), TL_WRITE_FAILED);
    std::fclose(readOnly);
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, nullptr), TL_WRITE_FAILED);
    EXPECT_EQ(TlWriteConfigStream(nullptr, nullptr), TL_WRITE_NULL_RECORD);
    r.cfg.versionMajor = 4;
    FILE *file = std::fopen(path.c_str(), "ab");
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, file), TL_WRITE_OLD_VERSION);
    std::fclose(file);
    EXPECT_EQ(ReadBytes(path), kOld);
    // A stream that takes the text gets the file's bytes.
    r.cfg.versionMajor = 5;
    file = std::fopen(path.c_str(), "wb");
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, file), 0);
    std::fclose(file);
    EXPECT_EQ(ReadBytes(path).substr(120), kcgtest::WrittenText(r.cfg).substr(120)); // after the time
}

TEST(WriterFiles, QuotedWritesNullAsEmpty) {
    TempFolder folder;
    FILE *file = std::fopen(folder.File("q").c_str(), "wb");
    EXPECT_EQ(TlWriteQuoted(nullptr, file), 0);
    EXPECT_EQ(TlWriteQuoted("a}b", file), 0);
    std::fclose(file);
    EXPECT_EQ(ReadBytes(folder.File("q")), "\"\"\"a\\}b\"");
    EXPECT_EQ(TlWriteQuoted("x", nullptr), TL_WRITE_FAILED);
}

} // namespace
