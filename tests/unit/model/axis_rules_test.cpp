// The Axis Mapping screen's rules: motion list, shown labels, load, commit, checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "axis_rules.h"
#include "resource.h"

using namespace model;
using Names = std::vector<std::string>;

namespace {

enum { TX, TY, TZ, RX, RY, RZ }; // ball axis codes
const int kNo = kNoAxis;

// Labels in rows 0 and 3; row 3 only with a positive label.
const RowTexts kPositive = {"Strafe Left", "", "", "Jump", "", ""};
const RowTexts kNegative = {"Strafe Right", "", "", "", "", ""};

// Every axis row on "None/None" except those chosen {axis row, entry}.
AxisChoices Choices(const MotionList &motions, std::initializer_list<std::pair<int, int>> chosen,
                    std::initializer_list<int> inverted = {}) {
    AxisChoices choices;
    choices.motion.fill(static_cast<int>(motions.size()) - 1);
    choices.invert.fill(0);
    for (const auto &c : chosen)
        choices.motion[c.first] = c.second;
    for (int k : inverted)
        choices.invert[k] = 1;
    return choices;
}

int RowOf(int ballAxis) {
    return AxisRowOfBallAxis(ballAxis);
}

} // namespace

TEST(MotionList, PairsOfLabelledRowsAndTheLabelsShown) {
    const MotionList motions = BuildMotionList(kPositive, kNegative);
    EXPECT_EQ(PairTexts(motions), (Names{"Strafe Left/Strafe Right", "Jump/None", "None/None"}));
    const struct {
        int motion, invert;
        const char *box, *edit;
    } cases[] = {
        {0, 0, "Strafe Left", "Strafe Right"},
        {0, 1, "Strafe Right", "Strafe Left"},
        {1, 0, "Jump", "None"},
        {1, 1, "None", "Jump"},
        {2, 0, "None", "None"},
        {3, 0, "", ""}, // not in the list
    };
    for (const auto &c : cases) {
        const ShownLabels shown = LabelsShown(motions, c.motion, c.invert);
        EXPECT_EQ(shown.box, c.box) << c.motion << c.invert;
        EXPECT_EQ(shown.edit, c.edit) << c.motion << c.invert;
    }
}

TEST(AxisScreenLoad, CommittedMappingComesBackOnItsBallAxisRows) {
    const AxisRows committed{{TY, kNo, kNo, RZ, kNo, kNo}, {1, 0, 0, 0, 0, 0}};
    const AxisScreenLoad load = LoadAxisScreen(kPositive, kNegative, committed);
    EXPECT_EQ(load.rows, committed);
    EXPECT_EQ(load.choices.motion, (RowInts{0, 1, 2, 2, 2, 2}));
    EXPECT_EQ(load.choices.invert, (RowInts{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CommittedRows(load.motions, load.choices), committed) << "committing again changes nothing";

    // Relabelled row 3 keeps its ball axis and shows the new texts.
    RowTexts pos, neg;
    pos[3] = "Hop";
    neg[3] = "Duck";
    const AxisScreenLoad relabelled = LoadAxisScreen(pos, neg, committed);
    EXPECT_EQ(relabelled.choices.motion[RowOf(RZ)], 0);
    // Row 0 has no labels now: its ball axis is on "None/None" and it is unmapped.
    EXPECT_EQ(relabelled.choices.motion[RowOf(TY)], 1);
    EXPECT_EQ(relabelled.choices.invert[RowOf(TY)], 0);
    EXPECT_EQ(relabelled.rows, (AxisRows{{kNo, kNo, kNo, RZ, kNo, kNo}, {0, 0, 0, 0, 0, 0}}));
}

TEST(AxisScreenLoad, LaterLabelRowWinsABallAxis) {
    const AxisRows committed{{TZ, kNo, kNo, TZ, kNo, kNo}, {0, 0, 0, 1, 0, 0}};
    const AxisScreenLoad load = LoadAxisScreen(kPositive, kNegative, committed);
    EXPECT_EQ(load.choices.motion[RowOf(TZ)], 1);
    EXPECT_EQ(load.choices.invert[RowOf(TZ)], 1);
}

TEST(AxisCommit, ConflictWhenOneRealMotionDrivesTwoAxes) {
    const MotionList motions = BuildMotionList(kPositive, kNegative);
    const auto conflict = FindAxisConflict(motions, Choices(motions, {{RowOf(TX), 1}, {RowOf(TY), 1}}));
    ASSERT_TRUE(conflict);
    EXPECT_EQ(conflict->message,
              (Message{"You have mapped the same motion to more than one axis.\nThis is not "
                       "allowed. Please remove duplicate axis mapping.",
                       "Axis Mapping Conflict", MessageIcon::kError, MessageButtons::kOk}));
    EXPECT_EQ(conflict->focusControlId, kFocusStays);
    EXPECT_TRUE(FindAxisConflict(motions, Choices(motions, {{4, 0}, {5, 0}}, {5})))
        << "the last two, inverted";
    EXPECT_FALSE(FindAxisConflict(motions, Choices(motions, {}))) << "None/None on every row";
    EXPECT_FALSE(FindAxisConflict(motions, Choices(motions, {{0, -1}, {1, -1}, {2, 9}, {3, 9}})))
        << "choices outside the list map nothing";
}

TEST(AxisCommit, ChoicesBecomeTheLabelRowsMapping) {
    const MotionList motions = BuildMotionList(kPositive, kNegative);
    EXPECT_EQ(CommittedRows(motions, Choices(motions, {{RowOf(TX), 1}, {RowOf(RY), 0}}, {RowOf(TX), 0})),
              (AxisRows{{RY, kNo, kNo, TX, kNo, kNo}, {0, 0, 0, 1, 0, 0}}))
        << "the inversion of a row on None/None is dropped";

    const auto missing = CheckAxisMapPresent(UnmappedRows(), false);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->message, (Message{"You must map at least one motion to an axis to continue.",
                                         "Axis Map Missing", MessageIcon::kError, MessageButtons::kOk}));
    EXPECT_EQ(missing->focusControlId, IDC_AXIS_0);
    EXPECT_FALSE(CheckAxisMapPresent(UnmappedRows(), true));
    EXPECT_FALSE(CheckAxisMapPresent(AxisRows{{kNo, kNo, kNo, kNo, kNo, TX}, {}}, false));
}
