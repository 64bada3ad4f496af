// Screen titles by screen and mode, and tool-tip texts by control.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "screens.h"

using namespace model;

TEST(ScreenTitles, ChosenByScreenAndMode) {
    const struct {
        int screen;
        bool internal;
        int id;
        const char *text;
    } cases[] = {
        {1, false, 103, "Kavelin SDK KCG Editor - General Information"},
        {2, false, 104, "Kavelin SDK KCG Editor - Axis Mapping"},
        {3, false, 105, "Kavelin SDK KCG Editor - Tuning"},
        {1, true, 107, "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!"},
        {2, true, 108, "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!"},
        {3, true, 109, "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ScreenTitleId(c.screen, c.internal), c.id);
        EXPECT_STREQ(TitleText(c.id), c.text);
    }
    EXPECT_EQ(ScreenTitleId(0, false), 0);
    EXPECT_EQ(ScreenTitleId(4, true), 0);
    EXPECT_STREQ(TitleText(106), "");
}

TEST(ScreenTitles, RunningEditorSoughtByInternalTitlesFirst) {
    EXPECT_EQ(kInstanceTitleOrder, (std::array<int, 6>{107, 108, 109, 103, 104, 105}));
    for (int id : kInstanceTitleOrder) EXPECT_STRNE(TitleText(id), "Kavelin SDK KCG Editor");
}

TEST(ToolTips, TextChosenByControl) {
    const struct {
        int id, position;
        const char *tip;
    } cases[] = {
        {1002, 0, "Press the Add To List button to add exe name."},
        {1004, 0, "These instructions will appear in the Customizer."},
        {1151, 0, "Check this box to include the instructions."},
        {1767, 0, "This can be modified through the Advanced menu."},
        {1669, 0, "Based on current Axis Map"},
        {1670, 0, "Based on current Axis Map"},
        {1671, 0, "Based on current Axis Map"},
        {1672, 0, "Based on current Axis Map"},
        {1730, 0, "Based on current Axis Map"},
        {1731, 0, "Based on current Axis Map"},
        {1732, 75, "Current scalar: 1.50"},
        {1737, 0, "Current scalar: 0.00"},
        {1738, 100, "Current dead zone: 100%"},
        {1743, 10, "Current dead zone: 10%"},
        {1000, 0, ""},
        {1001, 0, ""},
        {1668, 0, ""},
        {1744, 0, ""},
        {1766, 0, ""},
        {0, 0, ""},
    };
    for (const auto &c : cases) EXPECT_EQ(ToolTipText(c.id, c.position), c.tip) << c.id;
}

TEST(ToolTips, NeverLongerThanATipHolds) {
    for (int id = 990; id < 1800; ++id) EXPECT_LE(ToolTipText(id, INT_MIN).size(), kMaxTipLength) << id;
}
