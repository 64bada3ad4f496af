// Reading and writing together: a record survives a write and a read, a
// written file survives a read and a write byte for byte, and a hand-written
// file settles into the canonical layout after one pass.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_files.h"
#include "tl_api.h"

using testfiles::ScopedRecord;

namespace {

// Uses every keyword family with values the writer can reproduce exactly:
// floats with at most two decimals (six for curves), upper-case button names.
const char kRichFile[] =
    "[VERSION]\n"
    "VERSION = 5.0\n"
    "APPLICATION_NUMBER = 4.81\n"
    "FILE_REVISION_NUMBER = 2.3\n"
    "[IDENTIFICATION]\n"
    "APPLICATION_NAME = \"Race\\, \\\"Pro\\\" \\[demo\\] \\{x\\} a\\\\b\"\n"
    "OWNER = USER\n"
    "PLATFORM = DOS\n"
    "LEVEL = INTERMEDIATE\n"
    "ORIENTATION = VERTICAL\n"
    "DRIVER_TYPE = \"KAVELIN\"\n"
    "[CONFIGURATION]\n"
    "HIDE_FILE = TRUE\n"
    "EXECUTABLES = { \"race.exe\", \"setup.exe\" }\n"
    "COPY_FILES = { \"a.dat\", \"b.dat\", \"c.dat\", \"d.dat\", \"e.dat\" }\n"
    "COMMAND_LINE = \"-fast\"\n"
    "CUSTOM = { { \"one\", \"two\" }, { \"three\" } }\n"
    "SHOW_INSTRUCTIONS = FALSE\n"
    "INSTRUCTIONS = { \"Press start.\", \"Then go\\, quickly.\" }\n"
    "[TUNING]\n"
    "MOTION_LABEL_1_POS = \"Right\"\n"
    "MOTION_LABEL_1_NEG = \"Left\"\n"
    "MOTION_LABEL_3_POS = \"Up {fast}\"\n"
    "APP_MIN_1 = -2.5\n"
    "APP_MAX_1 = 2.75\n"
    "APP_MAX_6 = 0.01\n"
    "HPFM_BEG_DFLT = { ON, OFF, ON, OFF, ON }\n"
    "HPFM_INT_USER = { OFF, ON, OFF, ON, OFF }\n"
    "BUTTON_MASKS = { { FIRE, \"Fire\", 0x1f }, { JUMP, \"Jump\", 0x80000000 } }\n"
    "BUTTON_NUMBERS = { { KICK, \"Kick\", 3 } }\n"
    "BUTTON_CHARACTERS = { { DUCK, \"Duck\", \"d\" } }\n"
    "[KAVELIN]\n"
    "AXIS_MAP_HRZ_USER = \"xY-Rv\"\n"
    "AXIS_MAP_VRT_USER = \"ZyXRUV\"\n"
    "MOTION_MAP_1_POS_DFLT = UNDEFINED\n"
    "MOTION_MAP_2_POS_USER = { FIRE, SINGLE, 100.00, 30.00 }\n"
    "MOTION_MAP_2_NEG_USER = { KICK, REPEAT_FEATHERED, 2.50 }\n"
    "MOTION_MAP_3_NEG_DFLT = { DUCK, REPEAT_CONSTANT, 10.00, 20.00, 4.00 }\n"
    "MOTION_MAP_4_POS_USER = { JUMP, HOLD, 0.50, 99.99 }\n"
    "BUTTON_A_DFLT = { FIRE, HOLD }\n"
    "BUTTON_B_USER = { KICK, SINGLE }\n"
    "BUTTON_F_USER = { DUCK, REPEAT_CONSTANT, 1.25 }\n"
    "NULL_REGION_1_DFLT = { -0.90, -0.10, 0.10, 0.90 }\n"
    "NULL_REGION_BUTTON_CURVE_USER = { -0.50, -0.50, 0.25, 0.75 }\n"
    "TUNING_SCALARS = { 0.50, 1.00, 1.50, 2.00, 2.50, 3.00 }\n"
    "SENS_INT_USER = { 1.00, 1.10, 1.20, 1.30, 1.40, 1.50, 1.60 }\n"
    "SAMPLING_FREQUENCY = 20\n"
    "RV_CP = { { -1, -2, -3, -4, -5 }, { 1, 2, 3, 4, 5 }, { 0.5, 0.25, 0.125, 0.0625, 0.03125 },\n"
    "   { 0, 0, 0, 0, 0 }, { 1, 1, 1, 1, 1 }, { 2, 2, 2, 2, 2 }, { 0.333333, 0.666667, 1, 1.5, 3 } }\n"
    "TV = { { 0.000000, 0.000000 }, { 0.500000, 0.123457 }, { 1.000000, 1.000000 } }\n"
    "MOTION_DATA_3 = { { -1, -1 }, { 1, 1 } }\n"
    "[MARROWEL]\n"
    "BUTTON_1_DFLT = { JUMP, SINGLE }\n"
    "BUTTON_11_USER = { FIRE, REPEAT_CONSTANT, 3.00 }\n"
    "SAMPLING_FREQUENCY = 16\n";

// The file without its time stamp line, the one line that may change.
std::string withoutTimeStamp(const std::string &file) {
    std::string result;
    size_t start = 0;
    while (start < file.size()) {
        size_t end = file.find('\n', start);
        end = end == std::string::npos ? file.size() : end + 1;
        std::string line = file.substr(start, end - start);
        if (line.rfind("; This file created by", 0) != 0) result += line;
        start = end;
    }
    return result;
}

class RoundTripTest : public ::testing::Test {
  protected:
    int readText(TlConfig *cfg, const std::string &text) {
        TlFreeConfig(cfg);
        return TlReadConfigText(cfg, text.data(), text.size(), nullptr);
    }
    // Writes cfg to a new file and returns its bytes.
    std::string write(const TlConfig &cfg) {
        std::string path = dir.file("out" + std::to_string(++written) + ".kcg");
        EXPECT_EQ(TlWriteConfigFile(&cfg, path.c_str()), TL_WRITE_OK);
        return testfiles::readBytes(path);
    }

    testfiles::TempDir dir;
    int written = 0;
};

TEST_F(RoundTripTest, RecordSurvivesWriteAndRead) {
    ScopedRecord first, second;
    ASSERT_EQ(readText(&first.cfg, kRichFile), TL_READ_OK);
    std::string file = write(first.cfg);
    ASSERT_EQ(readText(&second.cfg, file), TL_READ_OK);
    testfiles::expectSameRecord(first.cfg, second.cfg);

    // The file really carried the values, not only the defaults.
    EXPECT_STREQ(second.cfg.applicationName, "Race, \"Pro\" [demo] {x} a\\b");
    EXPECT_EQ(second.cfg.copyFileCount, 5);
    EXPECT_EQ(second.cfg.buttonMasks[1].mask, static_cast<int32_t>(0x80000000u));
    EXPECT_EQ(second.cfg.curveControlValid[TL_KAVELIN][TL_CURVE_RV], 1);
    EXPECT_EQ(second.cfg.curveGiven[TL_KAVELIN][TL_CURVE_TV], 1);
    EXPECT_EQ(second.cfg.curveGiven[TL_KAVELIN][TL_CURVE_BUTTON], 0);
    EXPECT_EQ(second.cfg.devicePresent[TL_MARROWEL], 1);
    EXPECT_EQ(second.cfg.devicePresent[TL_TELVAR_CONTROLLER], 0);
}

// Forms the writer drops (repeating buttons, numbers after AXIS, slots a device
// lacks) are checked on the written text in writer_test.cpp.
TEST_F(RoundTripTest, KnownDifferencesAreTheOnlyOnes) {
    ScopedRecord first, second;
    ASSERT_EQ(readText(&first.cfg, std::string(kRichFile) +
                                       "[TELVAR_CONTROLLER]\n"
                                       "TV_CP = { { 1, 2, 3, 4, 5 }, { 1, 2, 3, 4, 5 } }\n"),
              TL_READ_OK);
    TlConfig &cfg = first.cfg;
    cfg.appMin[2] = -0.1234f;
    std::strcpy(cfg.buttonNumbers[0].name, "kick");
    cfg.motionMapNegUser[TL_KAVELIN][1].source = TL_SOURCE_NUMBER; // names "kick"

    std::string file = write(cfg);
    ASSERT_EQ(readText(&second.cfg, file), TL_READ_OK);
    const TlConfig &back = second.cfg;
    EXPECT_FLOAT_EQ(back.appMin[2], -0.12f) << "two decimals";
    EXPECT_STREQ(back.buttonNumbers[0].name, "KICK") << "names come back upper case";
    EXPECT_EQ(back.motionMapNegUser[TL_KAVELIN][1].source, TL_SOURCE_NUMBER) << "and still match";
    EXPECT_EQ(back.curveControlValid[TL_TELVAR_CONTROLLER][TL_CURVE_TV], 0);
    EXPECT_NE(0, std::memcmp(&back.curveControl[TL_TELVAR_CONTROLLER][TL_CURVE_TV],
                             &cfg.curveControl[TL_TELVAR_CONTROLLER][TL_CURVE_TV], sizeof(TlCurveControl)))
        << "an incomplete table is not written";

    // With those differences put back, nothing else differs.
    cfg.appMin[2] = back.appMin[2];
    std::strcpy(cfg.buttonNumbers[0].name, back.buttonNumbers[0].name);
    cfg.curveControl[TL_TELVAR_CONTROLLER][TL_CURVE_TV] =
        back.curveControl[TL_TELVAR_CONTROLLER][TL_CURVE_TV];
    testfiles::expectSameRecord(cfg, back);
}

TEST_F(RoundTripTest, WrittenFileIsAFixedPoint) {
    ScopedRecord rich, fresh, back;
    ASSERT_EQ(readText(&rich.cfg, kRichFile), TL_READ_OK);
    // A new document: only what the editor must set before saving.
    fresh.cfg.versionMajor = 5;
    fresh.cfg.owner = TL_OWNER_OEM;
    fresh.cfg.platform = TL_PLATFORM_WINDOWS;
    std::strcpy(fresh.cfg.applicationName, "New");

    for (const TlConfig *cfg : {&rich.cfg, &fresh.cfg}) {
        std::string once = write(*cfg);
        ASSERT_EQ(readText(&back.cfg, once), TL_READ_OK);
        std::string twice = write(back.cfg);
        EXPECT_EQ(withoutTimeStamp(once), withoutTimeStamp(twice));
        EXPECT_NE(withoutTimeStamp(once), once) << "the time stamp line is there";
    }
}

// The same content as a careless hand would write it: comments, blank lines,
// odd spacing, lower-case words, values on continuation lines, LF line ends.
const char kMessyFile[] = "; written by hand\n"
                          "\n"
                          "   [VERSION]\n"
                          "VERSION=5.0\n"
                          "\tAPPLICATION_NUMBER   =   4.81\n"
                          "FILE_REVISION_NUMBER =\n"
                          "     1.0\n"
                          "[ IDENTIFICATION ]\n"
                          "; the game\n"
                          "APPLICATION_NAME = \"Messy Game\"\n"
                          "OWNER = oem\n"
                          "PLATFORM = windows\n"
                          "LEVEL = expert\n"
                          "[CONFIGURATION]\n"
                          "HIDE_FILE = false\n"
                          "EXECUTABLES = {\"m.exe\",,   \"n.exe\"}\n"
                          "SHOW_INSTRUCTIONS = never\n"
                          "[UNKNOWN]\n"
                          "WHATEVER = 1\n"
                          "[TUNING]\n"
                          "MOTION_LABEL_2_POS=\"Forward\"\n"
                          "APP_MIN_2 = -3\n"
                          "BUTTON_MASKS = {\n"
                          "  {fire,\"Fire\",0x01},{ jump , \"Jump\" , 0x02 }\n"
                          "}\n"
                          "[KAVELIN]\n"
                          "MOTION_MAP_1_POS_USER = { jump, hold, 5, 6 }\n"
                          "button_a_user = { fire, hold }\n"
                          "BUTTON_B_USER = {fire,single}\n"
                          "sampling_frequency = 99\n"
                          "NULL_REGION_2_USER = { -.5, -.25, .25, .5 }\n";

const char kNeatFile[] = "[VERSION]\n"
                         "VERSION = 5.0\n"
                         "APPLICATION_NUMBER = 4.81\n"
                         "FILE_REVISION_NUMBER = 1.0\n"
                         "[IDENTIFICATION]\n"
                         "APPLICATION_NAME = \"Messy Game\"\n"
                         "OWNER = OEM\n"
                         "PLATFORM = WINDOWS\n"
                         "LEVEL = EXPERT\n"
                         "[CONFIGURATION]\n"
                         "EXECUTABLES = { \"m.exe\", \"n.exe\" }\n"
                         "[TUNING]\n"
                         "MOTION_LABEL_2_POS = \"Forward\"\n"
                         "APP_MIN_2 = -3.00\n"
                         "BUTTON_MASKS = { { FIRE, \"Fire\", 0x1 }, { JUMP, \"Jump\", 0x2 } }\n"
                         "[KAVELIN]\n"
                         "MOTION_MAP_1_POS_USER = { JUMP, HOLD, 5.00, 6.00 }\n"
                         "BUTTON_B_USER = { FIRE, SINGLE }\n"
                         "NULL_REGION_2_USER = { -0.50, -0.25, 0.25, 0.50 }\n";

TEST_F(RoundTripTest, MessyFileFormatsToTheCanonicalLayout) {
    ScopedRecord messy, neat;
    ASSERT_EQ(readText(&messy.cfg, kMessyFile), TL_READ_OK);
    ASSERT_EQ(readText(&neat.cfg, kNeatFile), TL_READ_OK);
    EXPECT_EQ(messy.cfg.samplingFrequency[TL_KAVELIN], 14) << "keywords are case-sensitive";
    EXPECT_EQ(messy.cfg.buttonUser[TL_KAVELIN][0].source, TL_SOURCE_UNDEFINED);
    std::string canonical = withoutTimeStamp(write(messy.cfg));
    EXPECT_EQ(canonical, withoutTimeStamp(write(neat.cfg))) << "two spellings of one content";

    // One pass settles the layout.
    ScopedRecord back;
    ASSERT_EQ(readText(&back.cfg, canonical), TL_READ_OK);
    EXPECT_EQ(withoutTimeStamp(write(back.cfg)), canonical);

    for (const char *line :
         {"[IDENTIFICATION]\r\n", "OWNER = OEM\r\n", "LEVEL = EXPERT\r\n", "HIDE_FILE = FALSE\r\n",
          "EXECUTABLES = { \"m.exe\", \"n.exe\" }\r\n", "   { FIRE, \"Fire\", 0x1 }",
          "MOTION_MAP_1_POS_USER = { JUMP, HOLD, 5.00, 6.00 }\r\n",
          "NULL_REGION_2_USER = { -0.50, -0.25, 0.25, 0.50 }\r\n"})
        EXPECT_NE(canonical.find(line), std::string::npos) << line;
    EXPECT_EQ(canonical.find("UNKNOWN"), std::string::npos);
    for (size_t at = canonical.find('\n'); at != std::string::npos; at = canonical.find('\n', at + 1))
        ASSERT_EQ(canonical[at - 1], '\r') << "every line ends in CR LF, at byte " << at;
}

} // namespace
