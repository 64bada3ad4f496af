// The screens' values and the record, in both directions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axismap.h"
#include "document_record.h"
#include "scoped_config.h"
#include "screen_values.h"
#include "test_support.h"

using namespace model;

namespace {

class ScreenValuesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetDocumentRecord(cfg.get());
        screens.scalarEnabled.fill(true);
        screens.deadZoneEnabled.fill(true);
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

// Unmapped rows and unlabelled directions do nothing; sliders of rows not in
// use store the defaults; long texts are cut; the outer dead-zone limits stay,
// those of DFLT going to USER too.
TEST_F(ScreenValuesTest, AppliedScreensWriteTheirGoldenFile) {
    cfg->nullRegionDflt[kKavelin][0] = TlNullRegion{-0.2f, -0.9f, 0.2f, 0.9f};
    cfg->nullRegionUser[kKavelin][1] = TlNullRegion{-0.3f, -0.8f, 0.3f, 0.8f};
    screens.gameTitle = std::string(300, 't');
    screens.executables = {"zeta.exe", "alpha.exe"};
    screens.includeInstructions = true;
    screens.instructions = "a\r\n\r\nb\r\n";
    screens.revMajor = 2;
    screens.revMinor = 3;
    screens.orientation = 0;
    screens.labelPos = {"Up", "Up", std::string(100, 'p'), "Up", "Up", "Up"};
    screens.labelNeg = {"", "Down", "Down", "Down", "Down", std::string(64, 'n')};
    screens.rows = AxisRows{{0, kNoAxis, 2, kNoAxis, kNoAxis, 4}, {1, 1, 0, 0, 0, 0}};
    screens.deadZonePos = {15, 40, 100, 0, 7, 7};
    screens.scalarPos = {75, 150, 0, 29, 50, 50};
    screens.deadZoneEnabled = {true, false, true, true, true, false};
    screens.scalarEnabled = {true, true, true, true, false, false};
    ASSERT_TRUE(ApplyScreenValues(screens, cfg.get()));
    EXPECT_EQ(kcgtest::WrittenText(cfg.get()),
              kcgtest::ReadBytes(kcgtest::DataFile("model/applied_screens.kcg")));
}

TEST_F(ScreenValuesTest, InstructionsShownOnlyWhenStored) {
    screens.includeInstructions = true;
    screens.instructions = "a\r\n\r\nb\r\n";
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(ScreenValuesFromConfig(cfg.get(), "default").instructions, "a\r\n\r\nb");
    screens.includeInstructions = false;
    ApplyScreenValues(screens, cfg.get());
    EXPECT_EQ(cfg->instructionCount, 0);
    const ScreenValues shown = ScreenValuesFromConfig(cfg.get(), "default");
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

TEST_F(ScreenValuesTest, ScreenRowsComeFromTheHorizontalDefaultMap) {
    SetAxisMap(cfg->axisMapHrzDflt[kKavelin], "-yZ---");
    SetAxisMap(cfg->axisMapHrzUser[kKavelin], "XYZRUV");
    const AxisRows expected{{kNoAxis, 1, 2, kNoAxis, kNoAxis, kNoAxis}, {0, 1, 0, 0, 0, 0}};
    EXPECT_EQ(ScreenValuesFromConfig(cfg.get(), "").rows, expected);
}
