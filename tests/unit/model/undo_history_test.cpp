// Undo and redo of one screen's changes.
#include <gtest/gtest.h>

#include "undo_history.h"

using namespace model;

TEST(UndoHistory, StepsGoBackAndForthAndANewStepDropsTheRedo) {
    ScreenValues values;
    UndoHistory history(ScreenPart::kGeneral);
    history.Reset(values);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Record(values)) << "nothing changed, no step";

    for (const char *title : {"A", "AB", "ABC"}) {
        values.gameTitle = title;
        EXPECT_TRUE(history.Record(values));
    }
    ASSERT_TRUE(history.Undo(values));
    EXPECT_EQ(values.gameTitle, "AB");
    ASSERT_TRUE(history.Undo(values));
    EXPECT_EQ(values.gameTitle, "A");
    ASSERT_TRUE(history.Redo(values));
    EXPECT_EQ(values.gameTitle, "AB");
    EXPECT_TRUE(history.CanRedo());

    values.gameTitle = "X";
    EXPECT_TRUE(history.Record(values));
    EXPECT_FALSE(history.CanRedo()) << "a new step drops what could be redone";
    ASSERT_TRUE(history.Undo(values));
    EXPECT_EQ(values.gameTitle, "AB");
    ASSERT_TRUE(history.Undo(values));
    ASSERT_TRUE(history.Undo(values));
    EXPECT_EQ(values.gameTitle, "");
    EXPECT_FALSE(history.Undo(values));
    EXPECT_EQ(values.gameTitle, "");
}

TEST(UndoHistory, OnlyTheScreensOwnValuesCountAndComeBack) {
    const struct {
        ScreenPart part;
        void (*edit)(ScreenValues &);
    } cases[] = {
        {ScreenPart::kGeneral, [](ScreenValues &v) { v.executables.push_back("a.exe"); }},
        {ScreenPart::kGeneral, [](ScreenValues &v) { v.labelNeg[5] = "Down"; }},
        {ScreenPart::kGeneral, [](ScreenValues &v) { v.includeInstructions = true; }},
        {ScreenPart::kAxis, [](ScreenValues &v) { v.choices.motion[2] = 1; }},
        {ScreenPart::kAxis, [](ScreenValues &v) { v.choices.invert[0] = 1; }},
        {ScreenPart::kAxis, [](ScreenValues &v) { v.orientation = 0; }},
        {ScreenPart::kTuning, [](ScreenValues &v) { v.scalarPos[3] = 80; }},
        {ScreenPart::kTuning, [](ScreenValues &v) { v.deadZonePos[1] = 10; }},
    };
    for (const auto &c : cases) {
        ScreenValues values;
        values.orientation = 1;
        UndoHistory history(c.part);
        history.Reset(values);
        values.revMinor = 7; // not shown on any of these screens as an edit
        EXPECT_FALSE(history.Record(values));
        c.edit(values);
        const ScreenValues edited = values;
        ASSERT_TRUE(history.Record(values)) << static_cast<int>(c.part);
        ASSERT_TRUE(history.Undo(values));
        EXPECT_FALSE(SamePart(c.part, values, edited)) << static_cast<int>(c.part);
        EXPECT_EQ(values.revMinor, 7) << "the rest stays";
        ASSERT_TRUE(history.Redo(values));
        EXPECT_TRUE(SamePart(c.part, values, edited)) << static_cast<int>(c.part);
        for (ScreenPart other : {ScreenPart::kGeneral, ScreenPart::kAxis, ScreenPart::kTuning}) {
            if (other == c.part) continue;
            EXPECT_TRUE(SamePart(other, values, edited));
        }
    }
}

TEST(UndoHistory, KeepsTheLastHundredStepsAndARebaseIsNoStep) {
    ScreenValues values;
    UndoHistory history(ScreenPart::kTuning);
    history.Reset(values);
    for (int i = 1; i <= 150; ++i) {
        values.scalarPos[0] = i;
        history.Record(values);
    }
    int undone = 0;
    while (history.Undo(values))
        ++undone;
    EXPECT_EQ(undone, static_cast<int>(UndoHistory::kMaxSteps));
    EXPECT_EQ(values.scalarPos[0], 50);

    values.scalarPos[0] = 7;
    history.Rebase(values);
    EXPECT_FALSE(history.Record(values));
}
