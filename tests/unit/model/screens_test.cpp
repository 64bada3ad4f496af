// Screen titles by screen and mode, and tool-tip texts by control.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bindings.h"
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

// Each per-row value is bound to one control per row, in row order.
TEST(Bindings, EveryRowOfEachPerRowValueOnceInOrder) {
    for (const BindingTable &table : {GeneralBindings(), TuningBindings()}) {
        std::map<Field, std::vector<int>> rows;
        for (const Binding &b : table)
            if (b.field == Field::kLabelPos || b.field == Field::kLabelNeg || b.field >= Field::kRowLabel)
                rows[b.field].push_back(b.row);
        EXPECT_FALSE(rows.empty());
        for (const auto &field : rows)
            EXPECT_EQ(field.second, (std::vector<int>{0, 1, 2, 3, 4, 5})) << static_cast<int>(field.first);
    }
}
