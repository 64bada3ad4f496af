// The writer: number texts, quoting, layout rules that the reference files do
// not show, and what a write does to the file system when it cannot complete.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "tl_api.h"
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

// ---- Numbers -----------------------------------------------------------

void ExpectLikePrintf(double value) {
    for (int decimals : {2, 6}) {
        tl::TextBuilder out(64);
        out.AddFixed(value, decimals);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        EXPECT_EQ(out.Text(), expected) << std::hexfloat << value;
    }
}

TEST(WriterNumbers, FixedTextsMatchPrintf) {
    for (float v : {0.0f, -0.0f, 0.125f, 0.375f, -2.5f, 0.005f, -0.005f, 1.005f, 2.675f, 99.995f, 0.0000005f,
                    -1.0e-7f, FLT_MIN, 1.0e-45f, 16777217.0f, 3.4e38f, -FLT_MAX})
        ExpectLikePrintf(v);
    for (double v : {double(INFINITY), -double(INFINITY), double(NAN), -double(NAN)})
        ExpectLikePrintf(v);
    // Pseudo-random bit patterns, every third one of a magnitude a file holds.
    uint32_t state = 12345u;
    for (int i = 0; i < 6000; ++i) {
        state = state * 1664525u + 1013904223u;
        uint32_t bits = i % 3 ? state : (state & 0x807FFFFFu) | ((0x70u + (state >> 23) % 0x20u) << 23);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) ExpectLikePrintf(value);
    }
}

// ---- Layout ------------------------------------------------------------------

// A writable record: version 5.0, valid owner and platform, two buttons.
struct Record {
    TlConfig cfg;
    Record() {
        TlInitConfig(&cfg);
        cfg.versionMajor = 5;
        cfg.owner = TL_OWNER_USER;
        cfg.platform = TL_PLATFORM_WINDOWS;
        cfg.buttonMaskCount = 2;
        cfg.buttonMasks = static_cast<TlButtonMask *>(std::calloc(2, sizeof(TlButtonMask)));
        cfg.buttonMasks[0] = TlButtonMask{"FIRE", "Fire", 1};
        cfg.buttonMasks[1] = TlButtonMask{"JUMP", "Jump", 2};
    }
    ~Record() { TlFreeConfig(&cfg); }
    std::string Write() const {
        TempFolder folder;
        EXPECT_EQ(TlWriteConfigFile(&cfg, folder.File("out.kcg").c_str()), 0);
        return ReadBytes(folder.File("out.kcg"));
    }
};

// What follows "keyword = " on its line, or "<absent>".
std::string ValueOf(const std::string &text, const std::string &keyword) {
    const std::string start = "\r\n" + keyword + " = ";
    const size_t at = text.find(start);
    if (at == std::string::npos) return "<absent>";
    return text.substr(at + start.size(), text.find("\r\n", at + start.size()) - at - start.size());
}

// The keyword of every line that starts with prefix, in order.
std::vector<std::string> Keywords(const std::string &text, const std::string &prefix) {
    std::vector<std::string> found;
    for (size_t at = text.find("\r\n" + prefix); at != std::string::npos;
         at = text.find("\r\n" + prefix, at + 1))
        found.push_back(text.substr(at + 2, text.find_first_of(" \r", at + 2) - at - 2));
    return found;
}

TEST(WriterLayout, SectionsAndButtonSlotsPerDevice) {
    Record r;
    EXPECT_EQ(Keywords(r.Write(), "["),
              (std::vector<std::string>{"[VERSION]", "[IDENTIFICATION]", "[CONFIGURATION]", "[TUNING]"}));

    r.cfg.devicePresent[TL_TELVAR_CONTROLLER] = 1;
    r.cfg.devicePresent[TL_KAVELIN] = -4; // any value but 0 means present
    const std::string text = r.Write();
    const std::vector<std::string> sections = Keywords(text, "[");
    EXPECT_EQ(std::vector<std::string>(sections.begin() + 4, sections.end()),
              (std::vector<std::string>{"[KAVELIN]", "[TELVAR_CONTROLLER]"}));
    std::vector<std::string> slots = {"BUTTON_MASKS", "BUTTON_NUMBERS", "BUTTON_CHARACTERS"};
    for (const char *copy : {"_DFLT", "_USER"})
        for (const char *slot : {"A", "B", "C", "D", "E", "F"})
            slots.push_back(std::string("BUTTON_") + slot + copy);
    for (const char *copy : {"_DFLT", "_USER"})
        for (int slot = 1; slot <= 11; ++slot)
            slots.push_back("BUTTON_" + std::to_string(slot) + copy);
    EXPECT_EQ(Keywords(text, "BUTTON_"), slots);
}

TEST(WriterLayout, MotionMapsThatCannotBeExpressedAreUndefined) {
    Record r;
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
TEST(WriterLayout, InconsistentMembersAreWrittenSafely) {
    Record r;
    r.cfg.owner = TL_OWNER_NONE;
    r.cfg.level = 3;
    r.cfg.showInstructions = -2;
    r.cfg.devicePresent[TL_MARROWEL] = 1;
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

    const std::string text = r.Write();
    for (const char *keyword : {"OWNER", "LEVEL", "SHOW_INSTRUCTIONS", "BUTTON_1_USER", "BUTTON_2_USER"})
        EXPECT_EQ(ValueOf(text, keyword), "UNDEFINED") << keyword;
    EXPECT_EQ(ValueOf(text, "EXECUTABLES"), "{ }");
    EXPECT_NE(text.find("\r\nCOPY_FILES =\r\n   {\r\n   }\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nINSTRUCTIONS =\r\n   {\r\n   \"\"\r\n   }\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRV =\r\n   {\r\n   }\r\n"), std::string::npos);
    EXPECT_EQ(ValueOf(text, "APPLICATION_NAME"), "\"" + std::string(255, 'A') + "\"");
    EXPECT_EQ(ValueOf(text, "BUTTON_3_USER"), "{ " + std::string(31, 'N') + ", SINGLE }");
    EXPECT_EQ(ValueOf(text, "AXIS_MAP_HRZ_USER"), "\"YYYYYY\"");
    r.cfg.buttonNumberCount = 0;
    r.cfg.executableCount = 0;
}

// ---- Files -------------------------------------------------------------------

const char kOld[] = "old content\r\n";

TEST(WriterFiles, RefusalsTouchNothing) {
    Record r;
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
    Record r;
    TempFolder folder;
    const std::string path = folder.File("game.kcg");
    WriteBytes(path, std::string(100000, '#')); // longer than the new text
    ASSERT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), 0);
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text.substr(0, 3), ";\r\n");
    EXPECT_EQ(text.find('#'), std::string::npos);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.kcg"});
}

TEST(WriterFiles, UnwritableTargetsFailAndLeaveNoTemporaryFile) {
    Record r;
    TempFolder folder;
    WriteBytes(folder.File("plain"), kOld);
    fs::create_directory(folder.Path() / "dir.kcg");
    for (const fs::path &target :
         {folder.Path() / "missing" / "a.kcg", folder.Path() / "plain" / "a.kcg", folder.Path() / "dir.kcg"})
        EXPECT_EQ(TlWriteConfigFile(&r.cfg, target.string().c_str()), TL_WRITE_FAILED) << target;
    EXPECT_EQ(ReadBytes(folder.File("plain")), kOld);
    std::vector<std::string> left = folder.Entries();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"dir.kcg", "plain"}));
}

// False when path can be opened for writing anyway: a POSIX administrator
// ignores permission bits, so a read-only case cannot be staged. (Windows
// keeps a read-only attribute for everyone.)
bool WriteIsRefused(const std::string &path, const char *mode) {
#ifdef _WIN32
    if (std::strcmp(mode, "r+b") == 0) return true;
#endif
    FILE *probe = std::fopen(path.c_str(), mode);
    if (probe != nullptr) std::fclose(probe);
    return probe == nullptr;
}

TEST(WriterFiles, ReadOnlyTargetIsLeftIntact) {
    Record r;
    TempFolder folder;
    const std::string path = folder.File("locked.kcg");
    WriteBytes(path, kOld);
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (!WriteIsRefused(path, "r+b")) GTEST_SKIP() << "permission bits are not enforced for this user";
    EXPECT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), TL_WRITE_FAILED);
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"locked.kcg"});
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST(WriterFiles, UnwritableFolderFailsWithTheOldFileIntact) {
    Record r;
    TempFolder folder;
    const std::string path = folder.File("game.kcg");
    WriteBytes(path, kOld);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
    if (WriteIsRefused(folder.File("probe"), "wb")) {
        EXPECT_EQ(TlWriteConfigFile(&r.cfg, path.c_str()), TL_WRITE_FAILED);
        EXPECT_EQ(ReadBytes(path), kOld);
    }
    chmod(folder.Path().c_str(), 0755);
    if (folder.Entries().size() > 1) GTEST_SKIP() << "permission bits are not enforced for this user";
}

TEST(WriterFiles, PermissionBitsAndSymbolicLinksAreKept) {
    Record r;
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
    Record r;
    TempFolder folder;
    const std::string path = folder.File("s.kcg");
    WriteBytes(path, kOld);
    FILE *readOnly = std::fopen(path.c_str(), "rb");
    ASSERT_NE(readOnly, nullptr);
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, readOnly), TL_WRITE_FAILED);
    std::fclose(readOnly);
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, nullptr), TL_WRITE_FAILED);
    EXPECT_EQ(TlWriteConfigStream(nullptr, nullptr), TL_WRITE_NULL_RECORD);
    r.cfg.versionMajor = 4;
    FILE *file = std::fopen(path.c_str(), "ab");
    EXPECT_EQ(TlWriteConfigStream(&r.cfg, file), TL_WRITE_OLD_VERSION);
    std::fclose(file);
    EXPECT_EQ(ReadBytes(path), kOld);
}

TEST(WriterFiles, QuotedHelperWritesNullAsEmpty) {
    TempFolder folder;
    FILE *file = std::fopen(folder.File("q").c_str(), "wb");
    EXPECT_EQ(TlWriteQuoted(nullptr, file), 0);
    EXPECT_EQ(TlWriteQuoted("a}b", file), 0);
    std::fclose(file);
    EXPECT_EQ(ReadBytes(folder.File("q")), "\"\"\"a\\}b\"");
    EXPECT_EQ(TlWriteQuoted("x", nullptr), TL_WRITE_FAILED);
}

} // namespace
