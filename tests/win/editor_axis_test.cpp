// The Axis Mapping screen as a user meets it: the pairs each ball motion can
// take, what a closed row shows (inverted or not), conflicts, a mapping kept
// across Back and Next or lost with its labels, and the orientation.
#include "editor_user.h"

namespace editor_test {
namespace {

using Pairs = std::vector<std::string>;

class AxisScreen : public EditorUser {
  public:
    // General Information with the labels given row by row, then Next.
    void EnterWith(const std::vector<std::pair<std::string, std::string>> &rows, bool internal = false) {
        OpenActive(internal);
        FillGeneral("Deepwater Salvage", rows);
        Press(IDC_NEXT_GENERAL);
        ASSERT_EQ(dialog->m_nScreen, 2) << LastBox().caption;
    }
};

TEST_F(AxisScreen, EveryRowOffersTheLabelledRowsPairsThenNoneAndStartsOnNone) {
    EnterWith({{"Strafe Left", "Strafe Right"}, {}, {}, {"", "Turn Right"}});
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(OpenListItems(row), (Pairs{"Strafe Left/Strafe Right", "None/Turn Right", "None/None"}));
        EXPECT_EQ(AxisShows(row), std::make_pair(std::string("None"), std::string("None")));
    }
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

TEST_F(AxisScreen, AClosedRowShowsOneLabelAndItsEditTheOtherInvertingSwapsThem) {
    // Chosen with the mouse or the keyboard as a user would, and the way a
    // program picks an entry: all must end in the same display.
    enum Way { kMouse, kKeys, kSelection };
    for (const Way way : {kMouse, kKeys, kSelection}) {
        SCOPED_TRACE(way == kMouse ? "mouse" : way == kKeys ? "keyboard" : "selection");
        EnterWith({{"Jump", ""}});
        if (way == kSelection) {
            ChooseBySelection(kTY, 0);
        } else {
            if (way == kMouse) ChooseWithMouse(kTY, 0);
            if (way == kKeys) ChooseWithKeys(kTY, 0);
            EXPECT_EQ(FocusedId(), IDC_AXIS_OPPOSITE_0 + kTY); // ready for the other label
        }
        EXPECT_EQ(AxisShows(kTY), std::make_pair(std::string("Jump"), std::string("None")));
        EXPECT_EQ(ui::ComboBox(Item(IDC_AXIS_0 + kTY)).Count(), 3); // Jump/None, None/None, the display item

        Press(IDC_INVERT_0 + kTY);
        EXPECT_EQ(AxisShows(kTY), std::make_pair(std::string("None"), std::string("Jump")));
        EXPECT_EQ(FocusedId(), IDC_AXIS_OPPOSITE_0 + kTY);
        Press(IDC_INVERT_0 + kTY);
        EXPECT_EQ(AxisShows(kTY), std::make_pair(std::string("Jump"), std::string("None")));
        Press(IDC_INVERT_0 + kTY);

        Press(IDC_NEXT_AXIS);
        EXPECT_EQ(dialog->m_nScreen, 3);
        EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{1, -1, -1, -1, -1, -1})); // TY drives game axis X
        EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{1, 0, 0, 0, 0, 0}));
    }
}

TEST_F(AxisScreen, AListLeftWithoutAChoiceKeepsTheChoice) {
    EnterWith({{"Jump", "Crouch"}, {"Turn Left", "Turn Right"}});
    ChooseWithKeys(kRZ, 1);
    HWND combo = Item(IDC_AXIS_0 + kRZ);
    const auto turn = std::make_pair(std::string("Turn Left"), std::string("Turn Right"));
    SetFocus(combo);
    Key(combo, VK_DOWN); // opens on the current pair
    EXPECT_TRUE(ui::ComboBox(combo).IsDroppedDown());
    Key(combo, VK_ESCAPE);
    EXPECT_FALSE(ui::ComboBox(combo).IsDroppedDown());
    EXPECT_EQ(AxisShows(kRZ), turn);
    ChooseWithMouse(kRZ, -1); // a click beside the open list
    EXPECT_FALSE(ui::ComboBox(combo).IsDroppedDown());
    EXPECT_EQ(AxisShows(kRZ), turn);
    EXPECT_EQ(dialog->m_ComboMotion[kRZ], 1);
    // The opened list offers the pairs alone and the row's edit is empty meanwhile.
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages();
    EXPECT_EQ(ui::ComboBox(combo).Count(), 3);
    EXPECT_EQ(Text(IDC_AXIS_OPPOSITE_0 + kRZ), "");
    Key(combo, VK_ESCAPE);
    EXPECT_EQ(AxisShows(kRZ), std::make_pair(std::string("Turn Left"), std::string("Turn Right")));
}

TEST_F(AxisScreen, OneMotionOnTwoBallMotionsIsRefusedByNextAndBackAndSeenAsAChange) {
    EnterWith({{"Jump", "Crouch"}, {"Turn Left", "Turn Right"}});
    ChooseBySelection(kTX, 1);
    ChooseBySelection(kTY, 1);
    for (const int button : {IDC_NEXT_AXIS, IDC_BACK_AXIS}) {
        const size_t before = BoxCount();
        Press(button);
        ASSERT_EQ(BoxCount(), before + 1);
        EXPECT_EQ(LastBox().caption, "Axis Mapping Conflict"); // texts: with the axis rules
        EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(LastBox().owner, dialog->hwnd());
        EXPECT_EQ(dialog->m_nScreen, 2);
        EXPECT_EQ(AxisShows(kTX), std::make_pair(std::string("Turn Left"), std::string("Turn Right")));
        EXPECT_EQ(AxisShows(kTY), AxisShows(kTX));
        EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{-1, -1, -1, -1, -1, -1}));
    }
    EXPECT_TRUE(dialog->IsModified());

    // Any number of rows may stay on None/None; with nothing mapped Back goes,
    // Next does not.
    ChooseBySelection(kTX, 2);
    ChooseBySelection(kTY, 2);
    Press(IDC_NEXT_AXIS);
    EXPECT_EQ(LastBox().caption, "Axis Map Missing");
    EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(FocusedId(), IDC_AXIS_0);
    EXPECT_EQ(dialog->m_nScreen, 2);
    const size_t before = BoxCount();
    Press(IDC_BACK_AXIS);
    EXPECT_EQ(dialog->m_nScreen, 1);
    EXPECT_EQ(BoxCount(), before);
}

TEST_F(AxisScreen, InternalUseMayGoOnWithNothingMappedButNotWithAConflict) {
    EnterWith({{"Jump", "Crouch"}}, true);
    Press(IDC_NEXT_AXIS);
    EXPECT_EQ(dialog->m_nScreen, 3);
    Press(IDC_BACK_TUNING);
    ChooseBySelection(kTX, 0);
    ChooseBySelection(kRX, 0);
    Press(IDC_NEXT_AXIS);
    EXPECT_EQ(LastBox().caption, "Axis Mapping Conflict");
    EXPECT_EQ(dialog->m_nScreen, 2);
}

TEST_F(AxisScreen, TheMappingOutlivesBackFollowsEditedLabelsAndGoesWithRemovedOnes) {
    EnterWith({{"Strafe Left", "Strafe Right"}, {"Move Forward", "Move Backward"}, {"Jump", "Crouch"}});
    ChooseBySelection(kTX, 0);
    ChooseBySelection(kTZ, 1);
    Press(IDC_INVERT_0 + kTZ);
    ChooseBySelection(kTY, 2);
    Press(IDC_BACK_AXIS);
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{0, 2, 1, -1, -1, -1}));
    EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{0, 1, 0, 0, 0, 0}));

    // Back and Next again: everything as it was.
    Press(IDC_NEXT_GENERAL);
    EXPECT_EQ(AxisShows(kTZ), std::make_pair(std::string("Move Backward"), std::string("Move Forward")));
    EXPECT_EQ(AxisShows(kTX), std::make_pair(std::string("Strafe Left"), std::string("Strafe Right")));

    // New words for row 1, no words for row 0: TZ keeps row 1, TX drops to None.
    Press(IDC_BACK_AXIS);
    Type(IDC_LABEL_Y_POS, "Dive");
    Type(IDC_LABEL_X_POS, "");
    Type(IDC_LABEL_X_NEG, "  ");
    Press(IDC_NEXT_GENERAL);
    ASSERT_EQ(dialog->m_nScreen, 2);
    EXPECT_EQ(OpenListItems(kTX), (Pairs{"Dive/Move Backward", "Jump/Crouch", "None/None"}));
    EXPECT_EQ(AxisShows(kTZ), std::make_pair(std::string("Move Backward"), std::string("Dive")));
    EXPECT_EQ(AxisShows(kTX), std::make_pair(std::string("None"), std::string("None")));
    EXPECT_EQ(AxisShows(kTY), std::make_pair(std::string("Jump"), std::string("Crouch")));
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{-1, 2, 1, -1, -1, -1}));
    Press(IDC_NEXT_AXIS);
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{-1, 2, 1, -1, -1, -1}));
    EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{0, 1, 0, 0, 0, 0}));
}

TEST_F(AxisScreen, TheOrientationButtonsChangeThePictureAndTheDocumentOnlyWhenTheyChangeSomething) {
    EnterWith({{"Jump", "Crouch"}});
    auto shown = [&](int id) { return (GetWindowLongPtrA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(shown(IDC_BALL_VERTICAL) && !shown(IDC_BALL_HORIZONTAL));
    dialog->m_bModified = 0; // as after a save
    Press(IDC_VERTICAL);
    EXPECT_EQ(dialog->m_bModified, 0);
    Press(IDC_HORIZONTAL);
    EXPECT_EQ(dialog->m_nOrientation, 0);
    EXPECT_EQ(dialog->m_bModified, 1);
    EXPECT_TRUE(shown(IDC_BALL_HORIZONTAL) && !shown(IDC_BALL_VERTICAL));
    EXPECT_TRUE(Checked(IDC_HORIZONTAL) && !Checked(IDC_VERTICAL));
    dialog->m_bModified = 0;
    Press(IDC_VERTICAL);
    EXPECT_EQ(dialog->m_nOrientation, 1);
    EXPECT_EQ(dialog->m_bModified, 1);
    EXPECT_TRUE(shown(IDC_BALL_VERTICAL) && !shown(IDC_BALL_HORIZONTAL));
}

} // namespace
} // namespace editor_test
