// Screen titles by screen and mode, and tool-tip texts by control.
#include <gtest/gtest.h>

#include <string>

#include "screens.h"

using namespace model;

TEST(Screens, TitleByScreenAndMode) {
    const int normal[] = {IDS_TITLE_GENERAL, IDS_TITLE_AXIS, IDS_TITLE_TUNING};
    const int internal[] = {IDS_TITLE_GENERAL_INTERNAL, IDS_TITLE_AXIS_INTERNAL, IDS_TITLE_TUNING_INTERNAL};
    for (int screen = 1; screen <= 3; ++screen) {
        EXPECT_EQ(ScreenTitleId(screen, false), normal[screen - 1]);
        EXPECT_EQ(ScreenTitleId(screen, true), internal[screen - 1]);
    }
    EXPECT_EQ(ScreenTitleId(0, false), 0);
}

TEST(Screens, ToolTipByControl) {
    const struct {
        int id, position;
        const char *tip;
    } cases[] = {
        {1002, 0, "Press the Add To List button to add exe name."},
        {1004, 0, "These instructions will appear in the Customizer."},
        {1151, 0, "Check this box to include the instructions."},
        {1767, 0, "This can be modified through the Advanced menu."},
        {1669, 0, "Based on current Axis Map"},
        {1672, 0, "Based on current Axis Map"},
        {1730, 0, "Based on current Axis Map"},
        {1731, 0, "Based on current Axis Map"},
        {1732, 75, "Current scalar: 1.50"},
        {1737, 0, "Current scalar: 0.00"},
        {1738, 100, "Current dead zone: 100%"},
        {1743, 10, "Current dead zone: 10%"},
        {1668, 0, ""},
        {1673, 0, ""},
        {1744, 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToolTipText(c.id, c.position), c.tip) << c.id;
}
