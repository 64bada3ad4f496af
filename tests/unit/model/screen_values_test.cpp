// The screens' values and the record, in both directions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axismap.h"
#include "document_record.h"
#include "scoped_config.h"
#include "screen_values.h"

using namespace model;

namespace {

class ScreenValuesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDocumentRecord(cfg.get());
        screens.scalarEnabled.fill(true);
        screens.deadZoneEnabled.fill(true);
    }
    std::vector<std::string> Instructions() const {
        return std::vector<std::string>(cfg->instructions, cfg->instructions + cfg->instructionCount);
    }
    ScopedConfig cfg;
    ScreenValues screens = NewDocumentScreens(false, "");
};

} // namespace

TEST(Instructions, SplitAtLineBreaks) {
    const struct {
        const char *text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb", {"a", "b"}}, // a lone carriage return loses nothing after it
        {"a\r", {"a"}},       // nor is anything read beyond the end
        {"a\nb", {"a\nb"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitInstructions(c.text), c.lines) << c.text;
}

TEST_F(ScreenValuesTest, InstructionsStoredOnlyWhenChecked) {
    screens.includeInstructions = true;
    screens.instructions = "a\r\n\r\nb\r\n";
    ASSERT_TRUE(ApplyScreenValues(screens, cfg.get()));
    EXPECT_EQ(Instructions(), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(cfg->showInstructions, TL_SHOW_NEVER);
    ScreenValues shown = ScreenValuesFromConfig(cfg.get(), "default");
    EXPECT_TRUE(shown.includeInstructions);
    EXPECT_EQ(shown.instructions, "a\r\n\r\nb");

    screens.includeInstructions = false;
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->instructionCount, 0);
    shown = ScreenValuesFromConfig(cfg.get(), "default");
    EXPECT_FALSE(shown.includeInstructions);
    EXPECT_EQ(shown.instructions, "default");
}

TEST_F(ScreenValuesTest, OwnerComesFromTheComboTextExactlyAndBack) {
    const struct {
        const char *text;
        int owner;
        const char *shown;
    } cases[] = {{"QUORVANE", TL_OWNER_QUORVANE, "QUORVANE"},
                 {"USER", TL_OWNER_USER, "USER"},
                 {"OEM", TL_OWNER_OEM, "OEM"},
                 {"", TL_OWNER_OEM, "OEM"},
                 {"User", TL_OWNER_OEM, "OEM"}};
    for (const auto &c : cases) {
        screens.owner = c.text;
        ApplyScreenValues(screens, cfg.get());
        EXPECT_EQ(cfg->owner, c.owner) << c.text;
        EXPECT_EQ(ScreenValuesFromConfig(cfg.get(), "").owner, c.shown) << c.text;
    }
    EXPECT_STREQ(OwnerText(TL_OWNER_NONE), "OEM");
}

TEST_F(ScreenValuesTest, UnmappedRowsAndUnlabelledDirectionsAreUndefined) {
    screens.labelPos.fill("Up");
    screens.labelNeg = {"", "Down", "Down", "Down", "Down", "Down"};
    screens.rows = AxisRows{{0, kNoAxis, 2, kNoAxis, kNoAxis, 4}, {1, 1, 0, 0, 0, 0}};
    cfg->motionMapNegUser[kKavelin][0].rate = 2.5f;
    ApplyScreenValues(screens, cfg.get());
    EXPECT_STREQ(cfg->axisMapHrzDflt[kKavelin].letters, "x-Z--U");
    EXPECT_STREQ(cfg->axisMapHrzUser[kKavelin].letters, "x-Z--U");
    EXPECT_STREQ(cfg->axisMapVrtDflt[kKavelin].letters, "x-Y--v");
    EXPECT_STREQ(cfg->axisMapVrtUser[kKavelin].letters, "x-Y--v");
    const int pos[] = {TL_SOURCE_AXIS,      TL_SOURCE_UNDEFINED, TL_SOURCE_AXIS,
                       TL_SOURCE_UNDEFINED, TL_SOURCE_UNDEFINED, TL_SOURCE_AXIS};
    for (int i = 0; i < kRows; ++i) {
        const int neg = i == 0 ? TL_SOURCE_UNDEFINED : pos[i];
        EXPECT_EQ(cfg->motionMapPosDflt[kKavelin][i].source, pos[i]) << i;
        EXPECT_EQ(cfg->motionMapPosUser[kKavelin][i].source, pos[i]) << i;
        EXPECT_EQ(cfg->motionMapNegDflt[kKavelin][i].source, neg) << i;
        EXPECT_EQ(cfg->motionMapNegUser[kKavelin][i].source, neg) << i;
    }
    EXPECT_FLOAT_EQ(cfg->motionMapNegUser[kKavelin][0].rate, 2.5f); // only the source changes
}

TEST_F(ScreenValuesTest, SlidersGiveDeadZonesAndScalarsOnlyWhenEnabled) {
    cfg->nullRegionDflt[kKavelin][0] = TlNullRegion{-0.2f, -0.9f, 0.2f, 0.9f};
    cfg->nullRegionUser[kKavelin][1] = TlNullRegion{-0.3f, -0.8f, 0.3f, 0.8f};
    screens.deadZonePos = {15, 40, 100, 0, 7, 7};
    screens.scalarPos = {75, 150, 0, 29, 50, 50};
    screens.deadZoneEnabled = {true, false, true, true, true, false};
    screens.scalarEnabled = {true, true, true, true, false, false};
    ApplyScreenValues(screens, cfg.get());

    const float deadZone[] = {0.15f, 0, 1.0f, 0, 0.07f, 0};
    const float scalar[] = {0.75f, 1.5f, 0, 0.29f, 0.5f, 0.5f};
    for (int i = 0; i < kRows; ++i) {
        const TlNullRegion &dflt = cfg->nullRegionDflt[kKavelin][i], &user = cfg->nullRegionUser[kKavelin][i];
        EXPECT_FLOAT_EQ(dflt.posMin, deadZone[i]) << i;
        EXPECT_FLOAT_EQ(dflt.negMin, -deadZone[i]) << i;
        EXPECT_TRUE(user.negMax == dflt.negMax && user.negMin == dflt.negMin && user.posMin == dflt.posMin &&
                    user.posMax == dflt.posMax)
            << i;
        EXPECT_FLOAT_EQ(cfg->tuningScalars[kKavelin][i], scalar[i]) << i;
    }
    EXPECT_FLOAT_EQ(cfg->nullRegionDflt[kKavelin][0].posMax, 0.9f); // the outer limits stay
    EXPECT_FLOAT_EQ(cfg->nullRegionUser[kKavelin][1].posMax, 1.0f); // ... those of DFLT
}

TEST_F(ScreenValuesTest, LongTextsAreCut) {
    screens.gameTitle = std::string(300, 't');
    screens.labelPos[2] = std::string(100, 'p');
    screens.labelNeg[5] = std::string(64, 'n');
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(std::string(cfg->applicationName), std::string(255, 't'));
    EXPECT_EQ(std::string(cfg->motionLabelPos[2]), std::string(63, 'p'));
    EXPECT_EQ(std::string(cfg->motionLabelNeg[5]), std::string(63, 'n'));
}

TEST_F(ScreenValuesTest, ScreenRowsComeFromTheHorizontalDefaultMap) {
    SetAxisMap(cfg->axisMapHrzDflt[kKavelin], "-yZ---");
    SetAxisMap(cfg->axisMapHrzUser[kKavelin], "XYZRUV");
    const AxisRows expected{{kNoAxis, 1, 2, kNoAxis, kNoAxis, kNoAxis}, {0, 1, 0, 0, 0, 0}};
    EXPECT_EQ(ScreenValuesFromConfig(cfg.get(), "").rows, expected);
}
