// The screens' values and the record: instructions, owner, axis map, labels,
// sliders, in both directions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axismap.h"
#include "document.h"
#include "scoped_config.h"
#include "screen_values.h"

using namespace model;

namespace {

std::vector<std::string> Lines(const TlConfig &cfg) {
    return std::vector<std::string>(cfg.instructions, cfg.instructions + cfg.instructionCount);
}

// The screens of a new document with every slider in use.
ScreenValues EditedScreens() {
    ScreenValues screens = NewDocumentScreens(false, kDefaultInstructions);
    screens.scalarEnabled.fill(true);
    screens.deadZoneEnabled.fill(true);
    return screens;
}

class ApplyScreens : public ::testing::Test {
  protected:
    void SetUp() override { ResetDocumentRecord(cfg.get()); }
    ScopedConfig cfg;
};

} // namespace

TEST(Instructions, SplitAtLineBreaks) {
    const struct {
        const char *text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a", {"a"}},
        {"", {}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\rb", {"a", "b"}}, // a lone carriage return loses nothing after it
        {"a\r", {"a"}},       // nor is anything read beyond the end
        {"a\nb", {"a\nb"}},
    };
    for (const auto &c : cases) EXPECT_EQ(SplitInstructions(c.text), c.lines) << c.text;
}

TEST(Instructions, JoinedWithLineBreaksAndTrimmed) {
    const char *lines[] = {"a", "", "b"};
    EXPECT_EQ(JoinInstructions(lines, 3), "a\r\n\r\nb");
    const char *padded[] = {"  x", "y \t"};
    EXPECT_EQ(JoinInstructions(padded, 2), "x\r\ny");
    EXPECT_EQ(JoinInstructions(nullptr, 0), "");
}

TEST_F(ApplyScreens, CheckedInstructionsAreStoredAndComeBack) {
    ScreenValues screens = EditedScreens();
    screens.includeInstructions = true;
    screens.instructions = "a\r\n\r\nb\r\n";
    ASSERT_TRUE(ApplyScreenValues(screens, cfg.get()));
    EXPECT_EQ(Lines(cfg.get()), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(cfg->showInstructions, TL_SHOW_NEVER);

    const ScreenValues shown = ScreenValuesFromConfig(cfg.get(), "default");
    EXPECT_TRUE(shown.includeInstructions);
    EXPECT_EQ(shown.instructions, "a\r\n\r\nb");
}

TEST_F(ApplyScreens, UncheckedInstructionsStoreNothingAndShowTheDefault) {
    ScreenValues screens = EditedScreens();
    screens.includeInstructions = true;
    screens.instructions = "old";
    ApplyScreenValues(screens, cfg.get());
    screens.includeInstructions = false;
    screens.instructions = "a\r\nb";
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->instructionCount, 0);

    const ScreenValues shown = ScreenValuesFromConfig(cfg.get(), kDefaultInstructions);
    EXPECT_FALSE(shown.includeInstructions);
    EXPECT_EQ(shown.instructions, kDefaultInstructions);
}

TEST_F(ApplyScreens, OwnerComesFromTheComboTextExactly) {
    const struct {
        const char *text;
        int owner;
    } cases[] = {{"QUORVANE", TL_OWNER_QUORVANE}, {"USER", TL_OWNER_USER}, {"OEM", TL_OWNER_OEM},
                 {"", TL_OWNER_OEM},          {"quorvane", TL_OWNER_OEM},   {"User", TL_OWNER_OEM}};
    for (const auto &c : cases) {
        ScreenValues screens = EditedScreens();
        screens.owner = c.text;
        ApplyScreenValues(screens, cfg.get());
        EXPECT_EQ(cfg->owner, c.owner) << c.text;
        EXPECT_STREQ(OwnerText(c.owner), c.owner == TL_OWNER_QUORVANE ? "QUORVANE"
                                         : c.owner == TL_OWNER_USER   ? "USER"
                                                                      : "OEM");
    }
    EXPECT_STREQ(OwnerText(TL_OWNER_NONE), "OEM");
}

TEST_F(ApplyScreens, AxisMapGoesIntoAllFourMaps) {
    ScreenValues screens = EditedScreens();
    screens.rows = AxisRows{{0, 1, 2, 3, 4, 5}, {1, 0, 0, 0, 1, 0}};
    ApplyScreenValues(screens, cfg.get());
    EXPECT_STREQ(cfg->axisMapHrzDflt[kKavelin].letters, "xYZRuV");
    EXPECT_STREQ(cfg->axisMapHrzUser[kKavelin].letters, "xYZRuV");
    EXPECT_STREQ(cfg->axisMapVrtDflt[kKavelin].letters, "xzYRVU");
    EXPECT_STREQ(cfg->axisMapVrtUser[kKavelin].letters, "xzYRVU");
}

TEST_F(ApplyScreens, UnmappedRowIsUndefinedEvenWithLabels) {
    ScreenValues screens = EditedScreens();
    screens.labelPos.fill("Up");
    screens.labelNeg.fill("Down");
    screens.rows = AxisRows{{0, kNoAxis, 2, kNoAxis, kNoAxis, kNoAxis}, {0, 1, 0, 0, 0, 0}};
    ApplyScreenValues(screens, cfg.get());
    EXPECT_STREQ(cfg->axisMapHrzUser[kKavelin].letters, "X-Z---");
    EXPECT_STREQ(cfg->axisMapVrtUser[kKavelin].letters, "X-Y---");
    for (int i = 0; i < kRows; ++i) {
        const int expected = i == 0 || i == 2 ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
        EXPECT_EQ(cfg->motionMapPosDflt[kKavelin][i].source, expected) << i;
        EXPECT_EQ(cfg->motionMapPosUser[kKavelin][i].source, expected) << i;
        EXPECT_EQ(cfg->motionMapNegDflt[kKavelin][i].source, expected) << i;
        EXPECT_EQ(cfg->motionMapNegUser[kKavelin][i].source, expected) << i;
    }
}

TEST_F(ApplyScreens, UnlabelledDirectionIsUndefinedAndKeepsItsOtherValues) {
    cfg->motionMapNegUser[kKavelin][0].rate = 2.5f;
    ScreenValues screens = EditedScreens();
    screens.rows.axis[0] = 3;
    screens.labelPos[0] = "Turn Right";
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->motionMapPosDflt[kKavelin][0].source, TL_SOURCE_AXIS);
    EXPECT_EQ(cfg->motionMapPosUser[kKavelin][0].source, TL_SOURCE_AXIS);
    EXPECT_EQ(cfg->motionMapNegDflt[kKavelin][0].source, TL_SOURCE_UNDEFINED);
    EXPECT_EQ(cfg->motionMapNegUser[kKavelin][0].source, TL_SOURCE_UNDEFINED);
    EXPECT_FLOAT_EQ(cfg->motionMapNegUser[kKavelin][0].rate, 2.5f);
}

TEST_F(ApplyScreens, SlidersGiveDeadZonesAndScalarsOnlyWhenEnabled) {
    cfg->nullRegionDflt[kKavelin][0] = TlNullRegion{-0.2f, -0.9f, 0.2f, 0.9f};
    cfg->nullRegionUser[kKavelin][1] = TlNullRegion{-0.3f, -1.0f, 0.3f, 1.0f};
    ScreenValues screens = EditedScreens();
    screens.deadZonePos = {15, 40, 100, 0, 7, 7};
    screens.scalarPos = {75, 150, 0, 29, 50, 50};
    screens.deadZoneEnabled = {true, false, true, true, true, false};
    screens.scalarEnabled = {true, true, true, true, false, false};
    ApplyScreenValues(screens, cfg.get());

    const TlNullRegion &first = cfg->nullRegionDflt[kKavelin][0];
    EXPECT_FLOAT_EQ(first.posMin, 0.15f);
    EXPECT_FLOAT_EQ(first.negMin, -0.15f);
    EXPECT_FLOAT_EQ(first.posMax, 0.9f); // outer limits stay
    EXPECT_FLOAT_EQ(first.negMax, -0.9f);
    const float expectedDeadZone[] = {0.15f, 0, 1.0f, 0, 0.07f, 0};
    const float expectedScalar[] = {0.75f, 1.5f, 0, 0.29f, 0.5f, 0.5f};
    for (int i = 0; i < kRows; ++i) {
        const TlNullRegion &dflt = cfg->nullRegionDflt[kKavelin][i], &user = cfg->nullRegionUser[kKavelin][i];
        EXPECT_FLOAT_EQ(dflt.posMin, expectedDeadZone[i]) << i;
        EXPECT_FLOAT_EQ(dflt.negMin, -expectedDeadZone[i]) << i;
        EXPECT_EQ(user.negMax, dflt.negMax) << i;
        EXPECT_EQ(user.negMin, dflt.negMin) << i;
        EXPECT_EQ(user.posMin, dflt.posMin) << i;
        EXPECT_EQ(user.posMax, dflt.posMax) << i;
        EXPECT_FLOAT_EQ(cfg->tuningScalars[kKavelin][i], expectedScalar[i]) << i;
    }
    // The USER copy takes the DFLT outer limits, not its own.
    EXPECT_FLOAT_EQ(cfg->nullRegionUser[kKavelin][1].posMax, cfg->nullRegionDflt[kKavelin][1].posMax);
}

TEST_F(ApplyScreens, LongTextsAreCut) {
    ScreenValues screens = EditedScreens();
    screens.gameTitle = std::string(300, 't');
    screens.labelPos[2] = std::string(100, 'p');
    screens.labelNeg[5] = std::string(64, 'n');
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(std::string(cfg->applicationName), std::string(255, 't'));
    EXPECT_EQ(std::string(cfg->motionLabelPos[2]), std::string(63, 'p'));
    EXPECT_EQ(std::string(cfg->motionLabelNeg[5]), std::string(63, 'n'));
}

TEST_F(ApplyScreens, ExecutablesReplacedInListOrder) {
    ScreenValues screens = EditedScreens();
    screens.executables = {"old.exe", "older.exe", "oldest.exe"};
    ApplyScreenValues(screens, cfg.get());
    screens.executables = {"zeta.exe", "alpha.exe"};
    ApplyScreenValues(screens, cfg.get());
    ASSERT_EQ(cfg->executableCount, 2);
    EXPECT_STREQ(cfg->executables[0], "zeta.exe");
    EXPECT_STREQ(cfg->executables[1], "alpha.exe");
}

TEST_F(ApplyScreens, RevisionAndOrientation) {
    ScreenValues screens = EditedScreens();
    screens.revMajor = 3;
    screens.revMinor = 14;
    screens.orientation = 0;
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->fileRevisionMajor, 3);
    EXPECT_EQ(cfg->fileRevisionMinor, 14);
    EXPECT_EQ(cfg->orientation, TL_HORIZONTAL);
    screens.orientation = 1;
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->orientation, TL_VERTICAL);
    EXPECT_EQ(RevisionText(3, 14), "3.14");
}

TEST_F(ApplyScreens, ScreensComeBackFromTheRecord) {
    ScreenValues screens = EditedScreens();
    screens.gameTitle = "Harbor Patrol 3D";
    screens.executables = {"harbor.exe"};
    screens.revMajor = 2;
    screens.revMinor = 3;
    screens.owner = "USER";
    screens.orientation = 0;
    screens.labelPos = {"Right", "Down", "", "", "", "Spin"};
    screens.labelNeg = {"Left", "Up", "", "", "", ""};
    screens.rows = AxisRows{{0, 2, kNoAxis, kNoAxis, kNoAxis, 5}, {0, 1, 0, 0, 0, 1}};
    screens.scalarPos = {75, 29, 50, 50, 50, 150};
    screens.deadZonePos = {10, 29, 0, 0, 0, 100};
    ApplyScreenValues(screens, cfg.get());

    const ScreenValues shown = ScreenValuesFromConfig(cfg.get(), kDefaultInstructions);
    EXPECT_EQ(shown.gameTitle, screens.gameTitle);
    EXPECT_EQ(shown.executables, screens.executables);
    EXPECT_EQ(shown.executableEdit, "");
    EXPECT_EQ(shown.revMajor, 2);
    EXPECT_EQ(shown.revMinor, 3);
    EXPECT_EQ(shown.owner, "USER");
    EXPECT_EQ(shown.orientation, 0);
    EXPECT_EQ(shown.labelPos, screens.labelPos);
    EXPECT_EQ(shown.labelNeg, screens.labelNeg);
    EXPECT_EQ(shown.rows, screens.rows);
    EXPECT_EQ(shown.scalarPos, screens.scalarPos);
    EXPECT_EQ(shown.deadZonePos, screens.deadZonePos);
    for (const std::string &label : shown.tuningLabels) EXPECT_EQ(label, "\nUnused");
}

TEST_F(ApplyScreens, ScreenRowsComeFromTheHorizontalDefaultMap) {
    SetAxisMap(cfg->axisMapHrzDflt[kKavelin], "-yZ---");
    SetAxisMap(cfg->axisMapHrzUser[kKavelin], "XYZRUV");
    const AxisRows expected{{kNoAxis, 1, 2, kNoAxis, kNoAxis, kNoAxis}, {0, 1, 0, 0, 0, 0}};
    EXPECT_EQ(ScreenValuesFromConfig(cfg.get(), "").rows, expected);
}

TEST(NewScreens, HoldANewDocument) {
    for (bool internal : {false, true}) {
        const ScreenValues screens = NewDocumentScreens(internal, kDefaultInstructions);
        EXPECT_EQ(screens.owner, internal ? "QUORVANE" : "OEM");
        EXPECT_EQ(screens.gameTitle, "");
        EXPECT_TRUE(screens.executables.empty());
        EXPECT_EQ(screens.instructions, kDefaultInstructions);
        EXPECT_FALSE(screens.includeInstructions);
        EXPECT_EQ(RevisionText(screens.revMajor, screens.revMinor), "1.0");
        EXPECT_EQ(screens.orientation, 1);
        EXPECT_EQ(screens.rows, UnmappedRows());
        EXPECT_EQ(screens.scalarPos, (RowInts{50, 50, 50, 50, 50, 50}));
        EXPECT_EQ(screens.deadZonePos, (RowInts{0, 0, 0, 0, 0, 0}));
        for (int i = 0; i < kRows; ++i) {
            EXPECT_EQ(screens.labelPos[i], "");
            EXPECT_EQ(screens.tuningLabels[i], "\nUnused");
        }
    }
}
