// The writer's output compared byte for byte with reviewed reference files:
// a record holding every kind of member, and the default record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

#include "temp_folder.h"
#include "tl_api.h"
#include "tl_curve.h"

namespace {

template <typename T> T *HeapArray(size_t count) {
    return static_cast<T *>(std::calloc(count, sizeof(T)));
}

template <size_t N> void Copy(char (&field)[N], const char *text) {
    const size_t length = std::min(std::strlen(text), N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

void AddStrings(char ***array, int32_t *count, std::initializer_list<const char *> texts) {
    for (const char *text : texts)
        TlAppendString(array, count, text);
}

void GivePoints(TlConfig *cfg, int d, int c, std::initializer_list<TlPoint> points) {
    TlCurve &curve = cfg->curve[d][c];
    curve.pointCount = static_cast<int32_t>(points.size());
    curve.points = HeapArray<TlPoint>(points.size());
    std::copy(points.begin(), points.end(), curve.points);
    cfg->curveGiven[d][c] = cfg->curveOwned[d][c] = 1;
}

void FillGeneral(TlConfig *cfg) {
    cfg->versionMajor = 5;
    cfg->applicationNumberMajor = 4;
    cfg->applicationNumberMinor = 81;
    cfg->fileRevisionMajor = 2;
    cfg->fileRevisionMinor = 13;
    Copy(cfg->applicationName, "Sky \"Raider\" [Deluxe], {Gold} \\ Edition");
    cfg->owner = TL_OWNER_OEM;
    cfg->platform = TL_PLATFORM_WINDOWS_NT;
    cfg->level = TL_LEVEL_EXPERT;
    cfg->orientation = TL_VERTICAL;
    Copy(cfg->driverType, "KAVELIN");
    cfg->hideFile = 1;
    AddStrings(&cfg->executables, &cfg->executableCount, {"SKY.EXE", "SKYSETUP.EXE", "odd,name.exe"});
    AddStrings(&cfg->copyFiles, &cfg->copyFileCount, {"a.cfg", "b.cfg", "c.cfg", "d.cfg", "e.cfg"});
    cfg->commandLine = HeapArray<char>(32);
    std::strcpy(cfg->commandLine, "-nosound -joy {1}");
    cfg->customCount = 2;
    cfg->custom = HeapArray<TlStringList>(2);
    AddStrings(&cfg->custom[0].items, &cfg->custom[0].count, {"alpha"});
    AddStrings(&cfg->custom[1].items, &cfg->custom[1].count, {"b1", "b[2]", "b3"});
    cfg->showInstructions = TL_SHOW_TRUE;
    AddStrings(&cfg->instructions, &cfg->instructionCount,
               {"Start the game.", "Choose \"Joystick\", then Calibrate.", ""});

    const char *const pos[TL_AXES] = {
        "Right",      "Up",    "Forward",
        "Roll right", "Climb", "A label of exactly sixty-four characters, padded out with xxxxxx"};
    const char *const neg[TL_AXES] = {"Left", "Down", "Back", "Roll left", "Dive", ""};
    const float min[TL_AXES] = {-100.0f, 0.0f, -0.005f, 0.125f, -32768.0f, -1.0f};
    const float max[TL_AXES] = {100.0f, 255.5f, 0.375f, 1.0e6f, 32767.0f, 1.0f};
    const int32_t filters[TL_SETS] = {0x00, 0x1F, 0x01, 0x18, 0x0A, 0x35};
    for (int a = 0; a < TL_AXES; ++a) {
        Copy(cfg->motionLabelPos[a], pos[a]);
        Copy(cfg->motionLabelNeg[a], neg[a]);
        cfg->appMin[a] = min[a];
        cfg->appMax[a] = max[a];
        cfg->highPassFilter[a] = filters[a];
    }

    cfg->buttonMaskCount = 3;
    cfg->buttonMasks = HeapArray<TlButtonMask>(3);
    cfg->buttonMasks[0] = TlButtonMask{"FIRE", "Fire", 0x1};
    cfg->buttonMasks[1] = TlButtonMask{"JUMP", "Jump, high", 0x80};
    cfg->buttonMasks[2] = TlButtonMask{"ALL", "All {keys}", -1};
    cfg->buttonNumberCount = 2;
    cfg->buttonNumbers = HeapArray<TlButtonNumber>(2);
    cfg->buttonNumbers[0] = TlButtonNumber{"BTN1", "Button [1]", 1};
    cfg->buttonNumbers[1] = TlButtonNumber{"BACK", "Back", -3};
    cfg->buttonCharacterCount = 2;
    cfg->buttonCharacters = HeapArray<TlButtonCharacter>(2);
    cfg->buttonCharacters[0] = TlButtonCharacter{"ESC", "Escape", "ESC"};
    cfg->buttonCharacters[1] = TlButtonCharacter{"SHOUT", "Shout", "Hello, \"world\""};
}

void FillKavelin(TlConfig *cfg) {
    const int d = TL_KAVELIN;
    cfg->devicePresent[d] = 1;
    Copy(cfg->axisMapHrzUser[d].letters, "-YxR-u");
    Copy(cfg->axisMapVrtUser[d].letters, "ZZZ");

    // Every motion-map form; source, index, function, percent1, percent2, rate.
    cfg->motionMapPosDflt[d][0] = TlMotionMap{TL_SOURCE_MASK, 0, TL_FUNCTION_HOLD, 50, 75.5f, 0};
    cfg->motionMapNegDflt[d][0] = TlMotionMap{TL_SOURCE_NUMBER, 1, TL_FUNCTION_SINGLE, 0, 100, 9};
    cfg->motionMapPosDflt[d][1] =
        TlMotionMap{TL_SOURCE_CHARACTER, 1, TL_FUNCTION_REPEAT_FEATHERED, 1, 2, 12.25f};
    cfg->motionMapNegDflt[d][1] = TlMotionMap{TL_SOURCE_MASK, 2, TL_FUNCTION_REPEAT_CONSTANT, 10, 20, 3.5f};
    cfg->motionMapPosDflt[d][2] = TlMotionMap{TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_HOLD, 1, 1, 1};
    cfg->motionMapNegDflt[d][2] = TlMotionMap{TL_SOURCE_MASK, 1, TL_FUNCTION_NONE, 1, 1, 1};
    cfg->motionMapPosDflt[d][3] = TlMotionMap{TL_SOURCE_NUMBER, 5, TL_FUNCTION_HOLD, 1, 1, 1}; // no entry 5
    cfg->motionMapPosUser[d][0] =
        TlMotionMap{TL_SOURCE_CHARACTER, 0, TL_FUNCTION_SINGLE, 33.333f, 66.666f, 0};
    cfg->motionMapNegUser[d][5] =
        TlMotionMap{TL_SOURCE_MASK, 0, TL_FUNCTION_REPEAT_CONSTANT, 0.005f, 0.015f, 100};

    // Every button-slot form; slots 6..10 are never written for this device.
    cfg->buttonDflt[d][0] = TlButtonMap{TL_SOURCE_MASK, 0, TL_FUNCTION_HOLD, 0};
    cfg->buttonDflt[d][1] = TlButtonMap{TL_SOURCE_NUMBER, 0, TL_FUNCTION_SINGLE, 0};
    cfg->buttonDflt[d][2] = TlButtonMap{TL_SOURCE_CHARACTER, 1, TL_FUNCTION_REPEAT_CONSTANT, 4.75f};
    cfg->buttonDflt[d][3] = TlButtonMap{TL_SOURCE_MASK, 1, TL_FUNCTION_REPEAT_FEATHERED, 2};
    cfg->buttonDflt[d][4] = TlButtonMap{TL_SOURCE_MASK, 3, TL_FUNCTION_HOLD, 0}; // no entry 3
    cfg->buttonDflt[d][6] = TlButtonMap{TL_SOURCE_MASK, 0, TL_FUNCTION_HOLD, 0};
    cfg->buttonUser[d][5] = TlButtonMap{TL_SOURCE_NUMBER, 1, TL_FUNCTION_HOLD, 0};
    cfg->buttonUser[d][10] = TlButtonMap{TL_SOURCE_NUMBER, 1, TL_FUNCTION_HOLD, 0};

    cfg->nullRegionDflt[d][0] = TlNullRegion{-0.1f, -0.9f, 0.1f, 0.9f};
    cfg->nullRegionUser[d][6] = TlNullRegion{-0.25f, -0.5f, 0.125f, 0.75f};
    const float scalars[TL_AXES] = {1.5f, 2.0f, 0.5f, 0.25f, 3.0f, 10.0f};
    std::copy(scalars, scalars + TL_AXES, cfg->tuningScalars[d]);
    for (int v = 0; v < TL_SENS_VALUES; ++v) {
        cfg->sensitivity[TL_SET_INT_DFLT][d][v] = 0.5f + 0.25f * static_cast<float>(v);
        cfg->sensitivity[TL_SET_EXP_USER][d][v] = 2.0f;
    }
    cfg->samplingFrequency[d] = 20;

    // Control tables: two at their defaults and one changed are written; a
    // changed but incomplete one (valid 0) is not.
    cfg->curveControlValid[d][TL_CURVE_TV] = 1;
    cfg->curveControlValid[d][TL_CURVE_BUTTON] = 1;
    cfg->curveControlValid[d][TL_CURVE_MOTION_DATA_1 + 2] = 1;
    cfg->curveControl[d][TL_CURVE_MOTION_DATA_1 + 2].column[4][6] = 0.123456f;
    cfg->curveControl[d][TL_CURVE_RV].column[0][0] = 9.0f;

    GivePoints(cfg, d, TL_CURVE_TV, {{0.0f, 0.0f}, {0.5f, 0.25f}, {1.0f, 1.0f}, {1.73205f, 1.73205f}});
    GivePoints(cfg, d, TL_CURVE_MOTION_DATA_1, {{-1.0f, -0.000001f}});
    // A default curve as the reader installs it: owned but not given, so not written.
    GivePoints(cfg, d, TL_CURVE_RV, {TlWinTvRvCurve[0], TlWinTvRvCurve[1]});
    cfg->curveGiven[d][TL_CURVE_RV] = 0;
}

// The record behind full.kcg; release it with TlFreeConfig.
void FillFullRecord(TlConfig *cfg) {
    TlInitConfig(cfg);
    FillGeneral(cfg);
    FillKavelin(cfg);
    const int m = TL_MARROWEL;
    cfg->devicePresent[m] = 1;
    cfg->motionMapPosUser[m][2] = TlMotionMap{TL_SOURCE_NUMBER, 0, TL_FUNCTION_REPEAT_FEATHERED, 0, 0, 7};
    cfg->buttonDflt[m][10] = TlButtonMap{TL_SOURCE_MASK, 2, TL_FUNCTION_SINGLE, 0};
    cfg->buttonUser[m][0] = TlButtonMap{TL_SOURCE_CHARACTER, 0, TL_FUNCTION_REPEAT_CONSTANT, 0.5f};
    cfg->buttonUser[m][10] = TlButtonMap{TL_SOURCE_NUMBER, 1, TL_FUNCTION_HOLD, 0};
    cfg->samplingFrequency[m] = 7;
    GivePoints(cfg, m, TL_CURVE_BUTTON, {{0.0f, 0.0f}, {1.0f, 1.0f}});
    const int t = TL_TELVAR_CONTROLLER;
    cfg->devicePresent[t] = 1;
    cfg->tuningScalars[t][5] = -2.5f;
    cfg->curveControlValid[t][TL_CURVE_RV] = 1;
}

// Checks the form of the time line (the fourth line) and replaces its time
// with the one the reference files hold.
std::string WithFixedTime(const std::string &bytes) {
    const std::string prefix = ";\r\n; Kavelin game configuration file\r\n;\r\n"
                               "; This file created by TlWriteConfigFile on: ";
    const size_t end = bytes.find("\r\n", prefix.size());
    EXPECT_EQ(bytes.substr(0, prefix.size()), prefix);
    EXPECT_EQ(end, prefix.size() + 24) << "the time is 24 characters";
    const std::string time = bytes.substr(prefix.size(), 24) + std::string(24, '?');
    for (size_t i : {3, 7, 10, 19})
        EXPECT_EQ(time[i], ' ') << time;
    EXPECT_TRUE(time[13] == ':' && time[16] == ':') << time;
    return prefix + "Mon Jan  1 00:00:00 2001" + bytes.substr(std::min(end, bytes.size()));
}

// Names the first line that differs, which says more than two large texts.
void ExpectSameText(const std::string &actual, const std::string &expected) {
    if (actual == expected) return;
    const size_t pos =
        std::mismatch(actual.begin(), actual.begin() + std::min(actual.size(), expected.size()),
                      expected.begin())
            .first -
        actual.begin();
    const size_t from = pos == 0 ? 0 : actual.rfind('\n', pos - 1) + 1;
    ADD_FAILURE() << "first difference in line " << std::count(actual.begin(), actual.begin() + pos, '\n') + 1
                  << "\n  written:  " << actual.substr(from, actual.find('\n', pos) - from)
                  << "\n  expected: " << expected.substr(from, expected.find('\n', pos) - from);
}

std::string Reference(const char *name) {
    const std::string text = kcgtest::ReadBytes(std::string(KCG_TEST_DATA_DIR) + "/golden/" + name);
    EXPECT_FALSE(text.empty()) << "missing reference file " << name;
    return text;
}

std::string WriteToFile(const TlConfig &cfg) {
    kcgtest::TempFolder folder;
    const std::string path = folder.File("out.kcg");
    EXPECT_EQ(TlWriteConfigFile(&cfg, path.c_str()), 0);
    return kcgtest::ReadBytes(path);
}

TEST(GoldenFiles, FullRecord) {
    TlConfig cfg;
    FillFullRecord(&cfg);
    const std::string written = WriteToFile(cfg);
    ExpectSameText(WithFixedTime(written), Reference("full.kcg"));

    // The stream writer gives the same bytes.
    kcgtest::TempFolder folder;
    FILE *file = std::fopen(folder.File("s.kcg").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(TlWriteConfigStream(&cfg, file), 0);
    std::fclose(file);
    ExpectSameText(WithFixedTime(kcgtest::ReadBytes(folder.File("s.kcg"))), Reference("full.kcg"));
    TlFreeConfig(&cfg);
}

TEST(GoldenFiles, DefaultRecord) {
    TlConfig cfg;
    TlInitConfig(&cfg);
    cfg.versionMajor = 5;
    Copy(cfg.applicationName, "Default"); // what a readable file needs beyond the defaults
    cfg.owner = TL_OWNER_USER;
    cfg.platform = TL_PLATFORM_WINDOWS;
    cfg.devicePresent[0] = cfg.devicePresent[1] = cfg.devicePresent[2] = 1;
    ExpectSameText(WithFixedTime(WriteToFile(cfg)), Reference("defaults.kcg"));
}

} // namespace
