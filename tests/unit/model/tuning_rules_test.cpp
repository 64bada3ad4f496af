// The Tuning screen's rules: rows in use and the Suggest buttons.
#include <gtest/gtest.h>

#include "resource.h"
#include "tuning_rules.h"

using namespace model;

TEST(TuningRows, LabelledRowsInUseWithTheirPairs) {
    RowTexts pos, neg;
    pos[0] = "Strafe Left";
    neg[0] = "Strafe Right";
    neg[3] = "Crouch";
    const auto rows = PrepareTuningRows(BuildMotionList(pos, neg));
    const char *labels[kRows] = {
        "\nStrafe Left/Strafe Right", "\nUnused", "\nUnused", "\nNone/Crouch", "\nUnused", "\nUnused"};
    for (int r = 0; r < kRows; ++r) {
        EXPECT_EQ(rows[r].enabled, r == 0 || r == 3) << r;
        EXPECT_EQ(rows[r].label, labels[r]) << r;
    }
}

TEST(Suggest, ScalarByBallAxisAndNoDeadZone) {
    const int expected[] = {90, 50, 120, 70, 70, 50}; // TX TY TZ RX RY RZ
    for (int axis = 0; axis < kRows; ++axis) {
        AxisRows rows = UnmappedRows();
        rows.axis[4] = axis;
        const Suggestion s = SuggestForRow(rows, 4);
        EXPECT_EQ(s.scalarPos, expected[axis]) << axis;
        EXPECT_EQ(s.deadZonePos, 0);
    }
    EXPECT_EQ(SuggestForRow(UnmappedRows(), 0).scalarPos, 50);
    EXPECT_EQ(SuggestForRow(AxisRows{{2, 2, 2, 2, 2, 2}, {}}, kRows).scalarPos, 50) << "no such row";

    const int buttons[kRows] = {IDC_SUGGEST_0, IDC_SUGGEST_1, IDC_SUGGEST_2,
                                IDC_SUGGEST_3, IDC_SUGGEST_4, IDC_SUGGEST_5};
    for (int r = 0; r < kRows; ++r) {
        EXPECT_EQ(SuggestButtonRow(buttons[r]), r);
        // The controls that make a row the plot's.
        EXPECT_EQ(TuningRowOfControl(buttons[r]), r);
        EXPECT_EQ(TuningRowOfControl(IDC_SCALAR_0 + r), r);
        EXPECT_EQ(TuningRowOfControl(IDC_DEAD_ZONE_0 + r), r);
    }
    EXPECT_EQ(SuggestButtonRow(IDC_SCALAR_0), -1);
    for (const int other : {IDC_ROW_LABEL_0, IDC_SCALAR_VALUE_5, IDC_SAVE, IDC_DEAD_ZONE_5 + 1})
        EXPECT_EQ(TuningRowOfControl(other), -1) << other;
}
