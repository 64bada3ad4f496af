// Reading KCG texts and files into a record: result codes, what a failed read
// leaves behind, and how each kind of value is converted and clamped.
//
// Every text is read twice, through the text index and by rescanning, and the
// two records must agree member by member.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_files.h"
#include "tl_api.h"
#include "tl_curve.h"
#include "tl_parse.h"

using testfiles::ScopedRecord;

namespace {

// The smallest readable file.
const std::string kHeader = "[VERSION]\n"
                            "VERSION = 5.0\n"
                            "APPLICATION_NUMBER = 4.81\n"
                            "FILE_REVISION_NUMBER = 1.2\n"
                            "\n"
                            "[IDENTIFICATION]\n"
                            "APPLICATION_NAME = \"Test Game\"\n"
                            "OWNER = OEM\n"
                            "PLATFORM = WINDOWS\n"
                            "\n";

// Button tables shared by the mapping tests. FIRE is in two tables.
const std::string kButtonTables =
    "[TUNING]\n"
    "BUTTON_MASKS =\n"
    "   {\n"
    "   { fire, \"Fire\", 0x1f },\n"
    "   { jump, \"Jump\", 0X20 }\n"
    "   }\n"
    "BUTTON_NUMBERS = { { kick, \"Kick\", 3 } }\n"
    "BUTTON_CHARACTERS = { { fire, \"Fire key\", \"f\" }, { duck, \"Duck\", \"d\" } }\n"
    "\n";

std::string replaced(std::string text, const std::string &from, const std::string &to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

class ReaderTest : public ::testing::Test {
  protected:
    // Reads text both ways, expects the same result and record, and keeps the
    // indexed read in rec.
    int read(const std::string &text) {
        std::string buffer = text + std::string(2, '\0');
        ScopedRecord rescanned;
        TlReadReport other{};
        int result = TlReadConfigBuffer(&rec.cfg, buffer.c_str(), 1, &report);
        int rescanResult = TlReadConfigBuffer(&rescanned.cfg, buffer.c_str(), 0, &other);
        EXPECT_EQ(result, rescanResult) << "indexed and rescanning reads disagree";
        EXPECT_EQ(report.missing, other.missing);
        EXPECT_EQ(result, report.result);
        testfiles::expectSameRecord(rec.cfg, rescanned.cfg);
        return result;
    }

    ScopedRecord rec;
    TlReadReport report{};
};

// A released or freshly initialised record.
void expectDefaults(const TlConfig &cfg) {
    EXPECT_EQ(cfg.owner, TL_OWNER_NONE);
    EXPECT_EQ(cfg.platform, TL_PLATFORM_NONE);
    EXPECT_STREQ(cfg.applicationName, "");
    EXPECT_EQ(cfg.executables, nullptr);
    EXPECT_EQ(cfg.buttonMasks, nullptr);
    EXPECT_EQ(cfg.level, TL_LEVEL_BEGINNER);
    for (int d = 0; d < TL_DEVICES; ++d)
        EXPECT_EQ(cfg.devicePresent[d], 0);
    EXPECT_EQ(cfg.curve[TL_KAVELIN][TL_CURVE_TV].points, nullptr);
}

// ---- Result codes -----------------------------------------------------------

struct ResultCase {
    const char *name;
    std::string text;
    int result;
    TlEntry missing;
};

class ReaderResultTest : public ReaderTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ReaderResultTest, GivesResultAndReleasesOnFailure) {
    const ResultCase &c = GetParam();
    EXPECT_EQ(read(c.text), c.result);
    EXPECT_EQ(report.missing, c.missing);
    if (c.result != TL_READ_OK) expectDefaults(rec.cfg);
}

const std::string kDeviceTail =
    "[TUNING]\nEXECUTABLES = { \"game.exe\" }\n[KAVELIN]\nSAMPLING_FREQUENCY = 20\n";

INSTANTIATE_TEST_SUITE_P(
    Codes, ReaderResultTest,
    ::testing::Values(
        ResultCase{"Valid", kHeader + kDeviceTail, TL_READ_OK, TL_ENTRY_NONE},
        ResultCase{"VersionWithoutMinor", replaced(kHeader, "5.0", "5"), TL_READ_OK, TL_ENTRY_NONE},
        ResultCase{"Newer51", replaced(kHeader, "5.0", "5.1") + kDeviceTail, TL_READ_NEWER_FORMAT,
                   TL_ENTRY_NONE},
        ResultCase{"Newer60", replaced(kHeader, "5.0", "6.0"), TL_READ_NEWER_FORMAT, TL_ENTRY_NONE},
        ResultCase{"Older49", replaced(kHeader, "5.0", "4.9") + kDeviceTail, TL_READ_OLDER_FORMAT,
                   TL_ENTRY_NONE},
        // A value that is not a version is invalid, not an older format.
        ResultCase{"VersionNotANumber", replaced(kHeader, "5.0", "five"), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_VERSION},
        ResultCase{"ApplicationNumberNotANumber", replaced(kHeader, "4.81", "abc"), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_APPLICATION_NUMBER},
        ResultCase{"FileRevisionNotANumber", replaced(kHeader, "= 1.2", "= x.2"), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_FILE_REVISION_NUMBER},
        ResultCase{"Leading50", "VERSION = 5.0\n" + replaced(kHeader, "VERSION = 5.0\n", ""),
                   TL_READ_MISSING_ENTRY, TL_ENTRY_VERSION},
        ResultCase{"Leading41", "VERSION = 4.1\n" + replaced(kHeader, "VERSION = 5.0\n", ""),
                   TL_READ_MISSING_ENTRY, TL_ENTRY_VERSION},
        ResultCase{"EmptyText", "", TL_READ_MISSING_ENTRY, TL_ENTRY_VERSION},
        ResultCase{"NoApplicationNumber", replaced(kHeader, "APPLICATION_NUMBER = 4.81\n", ""),
                   TL_READ_MISSING_ENTRY, TL_ENTRY_APPLICATION_NUMBER},
        ResultCase{"NoFileRevision", replaced(kHeader, "FILE_REVISION_NUMBER = 1.2\n", ""),
                   TL_READ_MISSING_ENTRY, TL_ENTRY_FILE_REVISION_NUMBER},
        ResultCase{"EmptyName", replaced(kHeader, "\"Test Game\"", "\"\""), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_APPLICATION_NAME},
        ResultCase{"NoOwner", replaced(kHeader, "OWNER = OEM\n", "") + kDeviceTail, TL_READ_MISSING_ENTRY,
                   TL_ENTRY_OWNER},
        ResultCase{"UnknownOwner", replaced(kHeader, "OEM", "VENDOR"), TL_READ_MISSING_ENTRY, TL_ENTRY_OWNER},
        ResultCase{"QuotedLowerOwner", replaced(kHeader, "OEM", "\"oem\""), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_OWNER},
        ResultCase{"UnquotedLowerOwner", replaced(kHeader, "OEM", "oem"), TL_READ_OK, TL_ENTRY_NONE},
        ResultCase{"OwnerBeforePlatform", replaced(replaced(kHeader, "OEM", "X"), "WINDOWS", "Y"),
                   TL_READ_MISSING_ENTRY, TL_ENTRY_OWNER},
        ResultCase{"UnknownPlatform", replaced(kHeader, "WINDOWS", "AMIGA"), TL_READ_MISSING_ENTRY,
                   TL_ENTRY_PLATFORM},
        ResultCase{"OwnerInWrongSection", replaced(kHeader, "OWNER = OEM\n", "") + "[TUNING]\nOWNER = OEM\n",
                   TL_READ_MISSING_ENTRY, TL_ENTRY_OWNER}),
    [](const ::testing::TestParamInfo<ResultCase> &info) { return std::string(info.param.name); });

TEST_F(ReaderTest, LeadingVersionFourKeepsOnlyThatVersion) {
    std::string text = "; old file\nVERSION = 4.0\n" + replaced(kHeader, "VERSION = 5.0\n", "");
    EXPECT_EQ(read(text), TL_READ_OLDER_FORMAT);
    EXPECT_EQ(rec.cfg.versionMajor, 4);
    EXPECT_EQ(rec.cfg.versionMinor, 0);
    EXPECT_EQ(rec.cfg.applicationNumberMajor, 0);
    expectDefaults(rec.cfg);
}

TEST_F(ReaderTest, NullRecordIsRefusedEverywhere) {
    std::string text = kHeader + std::string(2, '\0');
    TlReadReport r{};
    EXPECT_EQ(TlReadConfigFile(nullptr, "x.kcg"), TL_READ_NULL_RECORD);
    EXPECT_EQ(TlReadConfigFileEx(nullptr, "x.kcg", &r), TL_READ_NULL_RECORD);
    EXPECT_EQ(r.result, TL_READ_NULL_RECORD);
    EXPECT_EQ(TlReadConfigText(nullptr, text.data(), text.size(), nullptr), TL_READ_NULL_RECORD);
    EXPECT_EQ(TlReadConfigBuffer(nullptr, text.c_str(), 1, nullptr), TL_READ_NULL_RECORD);
}

TEST_F(ReaderTest, UnopenableFileLeavesRecordInitialised) {
    testfiles::TempDir dir;
    EXPECT_EQ(TlReadConfigFileEx(&rec.cfg, dir.file("absent.kcg").c_str(), &report), TL_READ_CANNOT_OPEN);
    EXPECT_EQ(report.result, TL_READ_CANNOT_OPEN);
    expectDefaults(rec.cfg);
    EXPECT_EQ(rec.cfg.showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(TlReadConfigFile(&rec.cfg, dir.path().c_str()), TL_READ_CANNOT_OPEN) << "a folder";
    EXPECT_EQ(TlReadConfigFile(&rec.cfg, nullptr), TL_READ_CANNOT_OPEN);
}

TEST_F(ReaderTest, TextIsReadOnlyUpToItsLength) {
    // The buffer goes on past the given length, which cuts "WINDOWS" to "WIN".
    std::string text = kHeader;
    size_t length = text.find("DOWS");
    EXPECT_EQ(TlReadConfigText(&rec.cfg, text.data(), length, &report), TL_READ_MISSING_ENTRY);
    EXPECT_EQ(report.missing, TL_ENTRY_PLATFORM);
    EXPECT_EQ(TlReadConfigText(&rec.cfg, text.data(), text.size(), &report), TL_READ_OK);
    EXPECT_EQ(rec.cfg.platform, TL_PLATFORM_WINDOWS);
}

// ---- Files --------------------------------------------------------------------

TEST_F(ReaderTest, ByteFFInLabelKeepsTheRestOfTheFile) {
    testfiles::TempDir dir;
    std::string text = kHeader +
                       "[TUNING]\nMOTION_LABEL_1_POS = \"Up\xff"
                       "ward\"\nAPP_MIN_1 = -2.5\n" +
                       "[MARROWEL]\nSAMPLING_FREQUENCY = 30\n";
    ASSERT_TRUE(testfiles::writeBytes(dir.file("ff.kcg"), text));
    ASSERT_EQ(TlReadConfigFile(&rec.cfg, dir.file("ff.kcg").c_str()), TL_READ_OK);
    EXPECT_STREQ(rec.cfg.motionLabelPos[0], "Up\xff"
                                            "ward");
    EXPECT_FLOAT_EQ(rec.cfg.appMin[0], -2.5f);
    EXPECT_EQ(rec.cfg.devicePresent[TL_MARROWEL], 1);
    EXPECT_EQ(rec.cfg.samplingFrequency[TL_MARROWEL], 30);
}

TEST_F(ReaderTest, CarriageReturnLineEndsReadLikeNewlines) {
    std::string text =
        kHeader + kButtonTables +
        "[CONFIGURATION]\nEXECUTABLES = { \"a.exe\",\n \"b.exe\" }\nCOMMAND_LINE = \"-x\"\n"
        "[KAVELIN]\nAXIS_MAP_HRZ_USER = \"xYz\"\nMOTION_MAP_1_POS_USER = { jump, hold, 5, 6 }\n"
        "TV =\n   {\n   { 0, 0 },\n   { 1, 1 }\n   }\n";
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    testfiles::TempDir dir;
    ASSERT_TRUE(testfiles::writeBytes(dir.file("lf.kcg"), text));
    ASSERT_TRUE(testfiles::writeBytes(dir.file("crlf.kcg"), crlf));
    ScopedRecord lf;
    ASSERT_EQ(TlReadConfigFile(&lf.cfg, dir.file("lf.kcg").c_str()), TL_READ_OK);
    ASSERT_EQ(TlReadConfigFile(&rec.cfg, dir.file("crlf.kcg").c_str()), TL_READ_OK);
    testfiles::expectSameRecord(lf.cfg, rec.cfg);
    EXPECT_STREQ(rec.cfg.commandLine, "-x");
    EXPECT_EQ(rec.cfg.curve[TL_KAVELIN][TL_CURVE_TV].pointCount, 2);
}

// ---- General sections ---------------------------------------------------------

TEST_F(ReaderTest, IdentificationAndConfiguration) {
    std::string text = kHeader + "LEVEL = expert\nORIENTATION = SIDEWAYS\nDRIVER_TYPE = \"Marrowel\"\n" +
                       "[CONFIGURATION]\n"
                       "HIDE_FILE = true\n"
                       "EXECUTABLES = { \"a.exe\", , \"b.exe\" }\n"
                       "COPY_FILES = { \"one\" }\n"
                       "COMMAND_LINE = \"\"\n"
                       "CUSTOM = { { \"a\", \"b\" }, { \"c\" } }\n"
                       "SHOW_INSTRUCTIONS = TRUE\n"
                       "INSTRUCTIONS =\n   {\n   \"Line one\",\n   \"Line two\"\n   }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    const TlConfig &cfg = rec.cfg;
    EXPECT_EQ(cfg.versionMajor, 5);
    EXPECT_EQ(cfg.applicationNumberMajor, 4);
    EXPECT_EQ(cfg.applicationNumberMinor, 81);
    EXPECT_EQ(cfg.fileRevisionMinor, 2);
    EXPECT_STREQ(cfg.applicationName, "Test Game");
    EXPECT_EQ(cfg.level, TL_LEVEL_EXPERT);
    EXPECT_EQ(cfg.orientation, TL_HORIZONTAL) << "an unknown word leaves the default";
    EXPECT_STREQ(cfg.driverType, "Marrowel");
    EXPECT_EQ(cfg.hideFile, 1);
    ASSERT_EQ(cfg.executableCount, 2);
    EXPECT_STREQ(cfg.executables[1], "b.exe");
    ASSERT_EQ(cfg.copyFileCount, 1);
    ASSERT_NE(cfg.commandLine, nullptr);
    EXPECT_STREQ(cfg.commandLine, "");
    ASSERT_EQ(cfg.customCount, 2);
    EXPECT_EQ(cfg.custom[0].count, 2);
    EXPECT_STREQ(cfg.custom[1].items[0], "c");
    EXPECT_EQ(cfg.showInstructions, TL_SHOW_TRUE);
    ASSERT_EQ(cfg.instructionCount, 2);
    EXPECT_STREQ(cfg.instructions[1], "Line two");
}

TEST_F(ReaderTest, AbsentOrOddOptionalValuesKeepDefaults) {
    std::string text = kHeader +
                       "[CONFIGURATION]\nHIDE_FILE = yes\nEXECUTABLES = { }\nSHOW_INSTRUCTIONS = maybe\n" +
                       "[TUNING]\nAPP_MIN_1 = abc\nAPP_MAX_2 = nan\nAPP_MAX_3 = 7.25\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    EXPECT_EQ(rec.cfg.hideFile, 0);
    EXPECT_EQ(rec.cfg.executableCount, 0);
    EXPECT_EQ(rec.cfg.commandLine, nullptr);
    EXPECT_EQ(rec.cfg.showInstructions, TL_SHOW_NEVER);
    EXPECT_FLOAT_EQ(rec.cfg.appMin[0], -1.0f);
    EXPECT_FLOAT_EQ(rec.cfg.appMax[1], 1.0f) << "not-a-number is refused";
    EXPECT_FLOAT_EQ(rec.cfg.appMax[2], 7.25f);
    for (int d = 0; d < TL_DEVICES; ++d)
        EXPECT_EQ(rec.cfg.devicePresent[d], 0);
}

TEST_F(ReaderTest, LongTextsAreCutToTheirMembers) {
    std::string name(300, 'n'), label(80, 'l'), button(40, 'B'), key(300, 'k');
    std::string text = replaced(kHeader, "Test Game", name) + "[TUNING]\nMOTION_LABEL_6_NEG = \"" + label +
                       "\"\n" + "BUTTON_CHARACTERS = { { " + button + ", \"" + label + "\", \"" + key +
                       "\" } }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    EXPECT_EQ(std::string(rec.cfg.applicationName), name.substr(0, 255));
    EXPECT_EQ(std::string(rec.cfg.motionLabelNeg[5]), label.substr(0, 64));
    ASSERT_EQ(rec.cfg.buttonCharacterCount, 1);
    EXPECT_EQ(std::string(rec.cfg.buttonCharacters[0].name), button.substr(0, 31));
    EXPECT_EQ(std::string(rec.cfg.buttonCharacters[0].label), label.substr(0, 31));
    EXPECT_EQ(std::string(rec.cfg.buttonCharacters[0].text), key.substr(0, 255));
}

TEST_F(ReaderTest, HighPassFiltersAndCurrentSet) {
    std::string text = kHeader + "LEVEL = INTERMEDIATE\n[TUNING]\n"
                                 "HPFM_BEG_DFLT = { on, off, on, off, on }\n"
                                 "HPFM_INT_DFLT = { ON, ON, ON, ON }\n"
                                 "HPFM_INT_USER = { OFF, ON, OFF, ON, OFF, ON }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    EXPECT_EQ(rec.cfg.highPassFilter[TL_SET_BEG_DFLT], 0x15);
    EXPECT_EQ(rec.cfg.highPassFilter[TL_SET_INT_DFLT], 0) << "fewer than five words";
    EXPECT_EQ(rec.cfg.highPassFilter[TL_SET_EXP_DFLT], 0x18) << "absent keeps the default";
    EXPECT_EQ(rec.cfg.highPassFilter[TL_SET_INT_USER], 0x0a);
    EXPECT_EQ(rec.cfg.highPassFilterCurrent, 0x0a);
}

TEST_F(ReaderTest, ButtonTablesTakeOnlyGroupsOfThree) {
    std::string text = kHeader + "[TUNING]\n"
                                 "BUTTON_MASKS = { { a, \"A\", 0x1f }, { b, \"B\" }, { c, \"C\", 0XFF, 4 }, "
                                 "{ d, \"D\", \"0x10\" }, { e, \"E\", 0xffffffff } }\n"
                                 "BUTTON_NUMBERS = { { n, \"N\", -12 }, { m, \"M\", x } }\n"
                                 "BUTTON_CHARACTERS = { { k } }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    ASSERT_EQ(rec.cfg.buttonMaskCount, 3);
    EXPECT_STREQ(rec.cfg.buttonMasks[0].name, "A");
    EXPECT_STREQ(rec.cfg.buttonMasks[0].label, "A");
    EXPECT_EQ(rec.cfg.buttonMasks[0].mask, 0x1f) << "lower-case 0x";
    EXPECT_STREQ(rec.cfg.buttonMasks[1].name, "D");
    EXPECT_EQ(rec.cfg.buttonMasks[1].mask, 0) << "a quoted mask keeps its lower case and does not convert";
    EXPECT_EQ(rec.cfg.buttonMasks[2].mask, -1);
    ASSERT_EQ(rec.cfg.buttonNumberCount, 2);
    EXPECT_EQ(rec.cfg.buttonNumbers[0].number, -12);
    EXPECT_EQ(rec.cfg.buttonNumbers[1].number, 0);
    EXPECT_EQ(rec.cfg.buttonCharacterCount, 0);
    EXPECT_EQ(rec.cfg.buttonCharacters, nullptr);
}

// ---- Device sections ----------------------------------------------------------

TEST_F(ReaderTest, AxisMapsArePaddedCutAndDecoded) {
    std::string text = kHeader + "ORIENTATION = VERTICAL\n[KAVELIN]\n"
                                 "AXIS_MAP_HRZ_DFLT = \"XzY\"\n"
                                 "AXIS_MAP_VRT_DFLT = XzY\n"
                                 "AXIS_MAP_HRZ_USER = \"vURyzXQ\"\n"
                                 "AXIS_MAP_VRT_USER = \"X?-w\xe9u\"\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    const TlAxisMap &padded = rec.cfg.axisMapHrzDflt[TL_KAVELIN];
    EXPECT_STREQ(padded.letters, "XzY---");
    const uint8_t paddedAxes[] = {0, 2, 1, 255, 255, 255};
    const int32_t paddedInverts[] = {0, 1, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(padded.axis, paddedAxes, sizeof paddedAxes));
    EXPECT_EQ(0, std::memcmp(padded.invert, paddedInverts, sizeof paddedInverts));

    const TlAxisMap &unquoted = rec.cfg.axisMapVrtDflt[TL_KAVELIN];
    EXPECT_STREQ(unquoted.letters, "XZY---") << "unquoted letters lose their case";
    EXPECT_EQ(unquoted.invert[1], 0);

    const TlAxisMap &cut = rec.cfg.axisMapHrzUser[TL_KAVELIN];
    EXPECT_STREQ(cut.letters, "vURyzX");
    const uint8_t cutAxes[] = {5, 4, 3, 1, 2, 0};
    EXPECT_EQ(0, std::memcmp(cut.axis, cutAxes, sizeof cutAxes));
    EXPECT_EQ(cut.invert[0], 1);
    EXPECT_EQ(cut.invert[5], 0);

    const TlAxisMap &odd = rec.cfg.axisMapVrtUser[TL_KAVELIN];
    EXPECT_STREQ(odd.letters, "X----u");
    EXPECT_EQ(odd.axis[1], TL_AXIS_NONE);
    EXPECT_EQ(odd.axis[5], 4);
    EXPECT_EQ(odd.invert[5], 1);

    EXPECT_EQ(rec.cfg.currentAxisMap[TL_KAVELIN], &rec.cfg.axisMapVrtUser[TL_KAVELIN]);
    EXPECT_STREQ(rec.cfg.axisMapHrzDflt[TL_MARROWEL].letters, "XYZRUV") << "absent device keeps defaults";
}

struct MotionCase {
    const char *keyword;
    const char *value;
    int source, index, function;
    float percent1, percent2, rate;
};

TEST_F(ReaderTest, MotionMaps) {
    const MotionCase cases[] = {
        {"MOTION_MAP_1_POS_DFLT", "AXIS", TL_SOURCE_AXIS, 0, -1, 0, 0, 0},
        {"MOTION_MAP_1_NEG_DFLT", "undefined", TL_SOURCE_UNDEFINED, 0, -1, 0, 0, 0},
        {"MOTION_MAP_2_POS_DFLT", "{ fire, single, 120, -30 }", TL_SOURCE_CHARACTER, 0, 1, 100, 30, 0},
        {"MOTION_MAP_2_NEG_DFLT", "{ jump, hold, 10.5, 20 }", TL_SOURCE_MASK, 1, 0, 10.5f, 20, 0},
        {"MOTION_MAP_3_POS_DFLT", "{ kick, repeat_feathered, -2.5 }", TL_SOURCE_NUMBER, 0, 2, 0, 0, 2.5f},
        {"MOTION_MAP_3_NEG_DFLT", "{ duck, REPEAT_CONSTANT, 50, 60, 3 }", TL_SOURCE_CHARACTER, 1, 3, 50, 60,
         3},
        {"MOTION_MAP_4_POS_DFLT", "{ jump, hold, 10 }", TL_SOURCE_UNDEFINED, 1, 0, 0, 0, 0},
        {"MOTION_MAP_4_NEG_DFLT", "{ jump, repeat_constant, 1, 2 }", TL_SOURCE_UNDEFINED, 1, 3, 0, 0, 0},
        {"MOTION_MAP_5_POS_DFLT", "{ jump, repeat_feathered }", TL_SOURCE_UNDEFINED, 1, 2, 0, 0, 0},
        {"MOTION_MAP_5_NEG_DFLT", "{ nobody, hold, 10, 20 }", TL_SOURCE_AXIS, 0, 0, 10, 20, 0},
        {"MOTION_MAP_6_POS_DFLT", "{ jump, wiggle, 1, 2 }", TL_SOURCE_MASK, 1, -1, 0, 0, 0},
        {"MOTION_MAP_6_NEG_USER", "{ jump, hold, abc, 250 }", TL_SOURCE_MASK, 1, 0, 0, 100, 0},
    };
    std::string text = kHeader + kButtonTables + "[TELVAR_CONTROLLER]\n";
    for (const MotionCase &c : cases)
        text += std::string(c.keyword) + " = " + c.value + "\n";
    ASSERT_EQ(read(text), TL_READ_OK);

    const int d = TL_TELVAR_CONTROLLER;
    for (const MotionCase &c : cases) {
        SCOPED_TRACE(c.keyword);
        int axis = c.keyword[11] - '1';
        bool pos = std::strstr(c.keyword, "_POS_") != nullptr;
        bool user = std::strstr(c.keyword, "_USER") != nullptr;
        const TlMotionMap &map = user ? (pos ? rec.cfg.motionMapPosUser : rec.cfg.motionMapNegUser)[d][axis]
                                      : (pos ? rec.cfg.motionMapPosDflt : rec.cfg.motionMapNegDflt)[d][axis];
        EXPECT_EQ(map.source, c.source);
        EXPECT_EQ(map.index, c.index);
        EXPECT_EQ(map.function, c.function);
        EXPECT_FLOAT_EQ(map.percent1, c.percent1);
        EXPECT_FLOAT_EQ(map.percent2, c.percent2);
        EXPECT_FLOAT_EQ(map.rate, c.rate);
    }
}

TEST_F(ReaderTest, ButtonMapsUseTheDevicesSlotNames) {
    std::string text = kHeader + kButtonTables +
                       "[MARROWEL]\n"
                       "BUTTON_1_DFLT = { jump, hold }\n"
                       "BUTTON_2_DFLT = { kick, repeat_constant, -4 }\n"
                       "BUTTON_3_DFLT = { kick, repeat_constant }\n"
                       "BUTTON_4_DFLT = HOLD\n"
                       "BUTTON_5_DFLT = { fire, repeat_feathered, 2 }\n"
                       "BUTTON_11_USER = { fire, single }\n"
                       "BUTTON_A_DFLT = { jump, single }\n"
                       "[KAVELIN]\n"
                       "BUTTON_F_USER = { duck, single }\n"
                       "BUTTON_1_DFLT = { jump, single }\n"
                       "BUTTON_7_USER = { jump, single }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    struct Expected {
        const TlButtonMap &button;
        int source, index, function;
        float rate;
    } const expected[] = {
        {rec.cfg.buttonDflt[TL_MARROWEL][0], TL_SOURCE_MASK, 1, TL_FUNCTION_HOLD, 0},
        {rec.cfg.buttonDflt[TL_MARROWEL][1], TL_SOURCE_NUMBER, 0, TL_FUNCTION_REPEAT_CONSTANT, 4},
        {rec.cfg.buttonDflt[TL_MARROWEL][2], TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_REPEAT_CONSTANT, 0},
        {rec.cfg.buttonDflt[TL_MARROWEL][3], TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_HOLD, 0},
        {rec.cfg.buttonDflt[TL_MARROWEL][4], TL_SOURCE_CHARACTER, 0, TL_FUNCTION_HOLD, 0},
        {rec.cfg.buttonUser[TL_MARROWEL][10], TL_SOURCE_CHARACTER, 0, TL_FUNCTION_SINGLE, 0},
        {rec.cfg.buttonUser[TL_KAVELIN][5], TL_SOURCE_CHARACTER, 1, TL_FUNCTION_SINGLE, 0},
        {rec.cfg.buttonDflt[TL_KAVELIN][0], TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_HOLD, 0},
        {rec.cfg.buttonUser[TL_KAVELIN][6], TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_HOLD, 0},
    };
    for (size_t k = 0; k < sizeof expected / sizeof expected[0]; ++k) {
        SCOPED_TRACE("case " + std::to_string(k));
        EXPECT_EQ(expected[k].button.source, expected[k].source);
        EXPECT_EQ(expected[k].button.index, expected[k].index);
        EXPECT_EQ(expected[k].button.function, expected[k].function);
        EXPECT_FLOAT_EQ(expected[k].button.rate, expected[k].rate);
    }
}

TEST_F(ReaderTest, NullRegionsAreClampedAndOrdered) {
    std::string text = kHeader + "[KAVELIN]\n"
                                 "NULL_REGION_1_DFLT = { -1.5, 0.2, 0.3, 0.1 }\n"
                                 "NULL_REGION_2_DFLT = { -0.2, -0.5, 0.1, 0.9 }\n"
                                 "NULL_REGION_3_DFLT = { -0.5, -0.1, 0.2 }\n"
                                 "NULL_REGION_4_DFLT = { -0.5, -0.1, 0.2, 0.8, 0.9 }\n"
                                 "NULL_REGION_5_DFLT = { nan, -0.1, 0.2, 2 }\n"
                                 "NULL_REGION_BUTTON_CURVE_USER = { -0.9, -0.05, 0.05, 0.95 }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    struct Expected {
        const TlNullRegion &region;
        float negMax, negMin, posMin, posMax;
    } const expected[] = {
        {rec.cfg.nullRegionDflt[TL_KAVELIN][0], -1, 0, 0.1f, 0.1f},
        {rec.cfg.nullRegionDflt[TL_KAVELIN][1], -0.2f, -0.2f, 0.1f, 0.9f},
        {rec.cfg.nullRegionDflt[TL_KAVELIN][2], -1, 0, 0, 1},
        {rec.cfg.nullRegionDflt[TL_KAVELIN][3], -1, 0, 0, 1},
        {rec.cfg.nullRegionDflt[TL_KAVELIN][4], -1, -0.1f, 0.2f, 1},
        {rec.cfg.nullRegionUser[TL_KAVELIN][6], -0.9f, -0.05f, 0.05f, 0.95f},
        {rec.cfg.nullRegionUser[TL_KAVELIN][0], -1, 0, 0, 1},
    };
    for (size_t k = 0; k < sizeof expected / sizeof expected[0]; ++k) {
        SCOPED_TRACE("case " + std::to_string(k));
        EXPECT_FLOAT_EQ(expected[k].region.negMax, expected[k].negMax);
        EXPECT_FLOAT_EQ(expected[k].region.negMin, expected[k].negMin);
        EXPECT_FLOAT_EQ(expected[k].region.posMin, expected[k].posMin);
        EXPECT_FLOAT_EQ(expected[k].region.posMax, expected[k].posMax);
    }
}

TEST_F(ReaderTest, ScalarsSensitivityAndFrequency) {
    std::string text = kHeader + "LEVEL = EXPERT\n[MARROWEL]\n"
                                 "TUNING_SCALARS = { 0.5, 1.5, 2, 3, 4, 5, 6, 7 }\n"
                                 "SENS_EXP_USER = { 1, 2, 3, 4, 5, 6, 7, 8 }\n"
                                 "SENS_BEG_DFLT = { 0.25, 0.75 }\n"
                                 "SAMPLING_FREQUENCY = 20\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    const int d = TL_MARROWEL;
    EXPECT_FLOAT_EQ(rec.cfg.tuningScalars[d][0], 0.5f);
    EXPECT_FLOAT_EQ(rec.cfg.tuningScalars[d][5], 5.0f);
    EXPECT_FLOAT_EQ(rec.cfg.sensitivity[TL_SET_EXP_USER][d][6], 7.0f);
    EXPECT_FLOAT_EQ(rec.cfg.sensitivity[TL_SET_BEG_DFLT][d][1], 0.75f);
    EXPECT_FLOAT_EQ(rec.cfg.sensitivity[TL_SET_BEG_DFLT][d][2], 1.0f);
    EXPECT_EQ(rec.cfg.currentSensitivity[d], rec.cfg.sensitivity[TL_SET_EXP_USER][d]);
    EXPECT_EQ(rec.cfg.samplingFrequency[d], 20);
    EXPECT_EQ(rec.cfg.samplingFrequency[TL_KAVELIN], 14);
}

TEST_F(ReaderTest, ControlTablesNeedSevenRowsToBeValid) {
    const std::string row = "   { 1, 2, 3, 4, 5 },\n";
    std::string six, seven, eight;
    for (int k = 0; k < 6; ++k)
        six += row;
    seven = six + row;
    eight = seven + row;
    std::string text = kHeader + "[KAVELIN]\n" + "TV_CP =\n   {\n" + six + "   }\n" + "RV_CP =\n   {\n" +
                       seven + "   }\n" + "BUTTON_CURVE_CP =\n   {\n" + eight + "   }\n" +
                       "MOTION_DATA_2_CP = { { 1, 2, 3, 4, 5 }, { 1, 2, 3, 4 }, { 9, 9, 9, 9, 9 } }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    const int d = TL_KAVELIN;
    EXPECT_EQ(rec.cfg.curveControlValid[d][TL_CURVE_TV], 0);
    EXPECT_FLOAT_EQ(rec.cfg.curveControl[d][TL_CURVE_TV].column[1][5], 2.0f) << "six rows are still stored";
    EXPECT_FLOAT_EQ(rec.cfg.curveControl[d][TL_CURVE_TV].column[1][6], TlTvRvControl[1][6]);
    EXPECT_EQ(rec.cfg.curveControlValid[d][TL_CURVE_RV], 1);
    EXPECT_FLOAT_EQ(rec.cfg.curveControl[d][TL_CURVE_RV].column[4][6], 5.0f);
    EXPECT_EQ(rec.cfg.curveControlValid[d][TL_CURVE_BUTTON], 1);
    EXPECT_FLOAT_EQ(rec.cfg.curveControl[d][TL_CURVE_BUTTON].column[0][7], 0.0f) << "row 7 is never filled";
    EXPECT_EQ(rec.cfg.curveControlValid[d][TL_CURVE_MOTION_DATA_1 + 1], 0);
    EXPECT_FLOAT_EQ(rec.cfg.curveControl[d][TL_CURVE_MOTION_DATA_1 + 1].column[0][2], TlOtherControl[0][2]);
}

TEST_F(ReaderTest, PointListsStopAtTheFirstBadGroup) {
    std::string text = kHeader + "[MARROWEL]\n"
                                 "TV =\n   {\n   { 0.0, 0.0 },\n   { 1.0, 2.0 },\n   { 1.0, 3.0 },\n"
                                 "   { 3.0, 4.0 }\n   }\n"
                                 "RV = { { 0, 0 }, { 1, 1 }, { 2, 2, 2 }, { 3, 3 } }\n"
                                 "BUTTON_CURVE = { { 0, 0, 0 }, { 1, 1 } }\n"
                                 "MOTION_DATA_6 = { { 0, 0 } }\n"
                                 "MOTION_DATA_5 = { { x, 1 }, { 2, 3 } }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    const int d = TL_MARROWEL;
    const TlCurve &tv = rec.cfg.curve[d][TL_CURVE_TV];
    ASSERT_EQ(tv.pointCount, 4);
    ASSERT_EQ(tv.segmentCount, 3);
    EXPECT_FLOAT_EQ(tv.segments[0].slope, 2.0f);
    EXPECT_FLOAT_EQ(tv.segments[0].intercept, 0.0f);
    EXPECT_FLOAT_EQ(tv.segments[1].x0, 1.0f);
    EXPECT_FLOAT_EQ(tv.segments[1].x1, 1.0f);
    EXPECT_FLOAT_EQ(tv.segments[1].slope, 1.0f) << "vertical segment";
    EXPECT_FLOAT_EQ(tv.segments[1].intercept, 0.0f);
    EXPECT_FLOAT_EQ(tv.segments[2].slope, 0.5f);
    EXPECT_FLOAT_EQ(tv.segments[2].intercept, 2.5f);

    EXPECT_EQ(rec.cfg.curve[d][TL_CURVE_RV].pointCount, 2);
    EXPECT_EQ(rec.cfg.curveGiven[d][TL_CURVE_RV], 1);
    EXPECT_EQ(rec.cfg.curve[d][TL_CURVE_BUTTON].pointCount, 0);
    EXPECT_EQ(rec.cfg.curveGiven[d][TL_CURVE_BUTTON], 0);
    EXPECT_EQ(rec.cfg.curve[d][TL_CURVE_BUTTON].points, nullptr) << "MARROWEL gets no default curve";

    const TlCurve &single = rec.cfg.curve[d][TL_CURVE_MOTION_DATA_1 + 5];
    EXPECT_EQ(single.pointCount, 1);
    EXPECT_EQ(single.segmentCount, 0);
    EXPECT_EQ(single.segments, nullptr);
    const TlCurve &unconverted = rec.cfg.curve[d][TL_CURVE_MOTION_DATA_1 + 4];
    ASSERT_EQ(unconverted.pointCount, 2);
    EXPECT_FLOAT_EQ(unconverted.points[0].x, 0.0f);
}

struct DefaultCurveCase {
    const char *platform;
    int points;
    const TlPoint *tvRv;
    const TlPoint *button;
};

TEST_F(ReaderTest, KavelinGetsThePlatformsDefaultCurves) {
    const DefaultCurveCase cases[] = {
        {"WINDOWS", TL_WIN_CURVE_POINTS, TlWinTvRvCurve, TlWinButtonCurve},
        {"WINDOWS_NT", TL_WIN_CURVE_POINTS, TlWinTvRvCurve, TlWinButtonCurve},
        {"DOS", TL_DOS_CURVE_POINTS, TlDosTvRvCurve, TlDosButtonCurve},
    };
    for (const DefaultCurveCase &c : cases) {
        SCOPED_TRACE(c.platform);
        std::string text = replaced(kHeader, "WINDOWS", c.platform) + "[KAVELIN]\n[MARROWEL]\n";
        TlFreeConfig(&rec.cfg);
        ASSERT_EQ(read(text), TL_READ_OK);
        for (int curve : {TL_CURVE_TV, TL_CURVE_RV, TL_CURVE_BUTTON}) {
            const TlCurve &got = rec.cfg.curve[TL_KAVELIN][curve];
            const TlPoint *table = curve == TL_CURVE_BUTTON ? c.button : c.tvRv;
            ASSERT_EQ(got.pointCount, c.points);
            EXPECT_EQ(got.segmentCount, c.points - 1);
            EXPECT_EQ(0, std::memcmp(got.points, table, c.points * sizeof(TlPoint)));
            EXPECT_NE(got.points, table) << "a heap copy, not the table";
            EXPECT_EQ(rec.cfg.curveGiven[TL_KAVELIN][curve], 0);
            EXPECT_EQ(rec.cfg.curveOwned[TL_KAVELIN][curve], 1);
            EXPECT_EQ(rec.cfg.curve[TL_MARROWEL][curve].pointCount, 0);
        }
        EXPECT_EQ(rec.cfg.curve[TL_KAVELIN][TL_CURVE_MOTION_DATA_1].pointCount, 0);
    }
}

TEST_F(ReaderTest, GivenKavelinCurveReplacesOnlyItsDefault) {
    std::string text = kHeader + "[KAVELIN]\nRV = { { 0, 0 }, { 0.5, 1 } }\nTV = { { 0, 0, 0 } }\n";
    ASSERT_EQ(read(text), TL_READ_OK);
    EXPECT_EQ(rec.cfg.curve[TL_KAVELIN][TL_CURVE_RV].pointCount, 2);
    EXPECT_EQ(rec.cfg.curveGiven[TL_KAVELIN][TL_CURVE_RV], 1);
    EXPECT_FLOAT_EQ(rec.cfg.curve[TL_KAVELIN][TL_CURVE_RV].segments[0].slope, 2.0f);
    EXPECT_EQ(rec.cfg.curve[TL_KAVELIN][TL_CURVE_TV].pointCount, TL_WIN_CURVE_POINTS)
        << "a bad list gets the default";
}

} // namespace
