// The Tuning screen as a user meets it: which rows are in use, Suggest by the
// ball motion a row is mapped to, slider tips and keys; and a whole game
// described from the first screen to the last, after which the document
// holds exactly what the screens show.
#include <cstring>

#include "editor_user.h"

namespace editor_test {
namespace {

class TuningScreen : public EditorUser {
  public:
    // The tool tip the dialog gives a control now.
    std::string Tip(int id) {
        NMTTDISPINFOA request{};
        request.hdr.idFrom = reinterpret_cast<UINT_PTR>(Item(id));
        request.hdr.code = TTN_GETDISPINFOA;
        request.uFlags = TTF_IDISHWND;
        SendMessageA(dialog->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return request.lpszText ? std::string(request.lpszText) : std::string();
    }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
};

const int kSuggest[] = {IDC_SUGGEST_0, IDC_SUGGEST_1, IDC_SUGGEST_2,
                        IDC_SUGGEST_3, IDC_SUGGEST_4, IDC_SUGGEST_5};

TEST_F(TuningScreen, OnlyTheRowsOfTheGamesMotionsAreInUseMappedOrNot) {
    OpenActive();
    FillGeneral("Deep Dive", {{"Strafe Left", "Strafe Right"}, {}, {}, {"", "Turn Right"}});
    Press(IDC_NEXT_GENERAL);
    ChooseBySelection(kTX, 0); // row 3 stays unmapped
    Press(IDC_NEXT_AXIS);
    ASSERT_EQ(dialog->m_nScreen, 3);
    const char *const labels[] = {"\nStrafe Left/Strafe Right", "\nUnused", "\nUnused",
                                  "\nNone/Turn Right",          "\nUnused", "\nUnused"};
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        const bool inUse = row == 0 || row == 3;
        EXPECT_EQ(Text(IDC_ROW_LABEL_0 + row), labels[row]);
        EXPECT_EQ(Enabled(IDC_ROW_LABEL_0 + row), inUse);
        EXPECT_EQ(Enabled(IDC_SCALAR_0 + row), inUse);
        EXPECT_EQ(Enabled(IDC_DEAD_ZONE_0 + row), inUse);
        EXPECT_TRUE(Enabled(kSuggest[row]));
    }

    // Back to the start, a label for row 1 and none for row 3: the rows follow.
    Press(IDC_BACK_TUNING);
    Press(IDC_BACK_AXIS);
    Type(IDC_LABEL_Y_POS, "Dive");
    Type(IDC_LABEL_R_NEG, "");
    Press(IDC_NEXT_GENERAL);
    Press(IDC_NEXT_AXIS);
    ASSERT_EQ(dialog->m_nScreen, 3);
    EXPECT_EQ(Text(IDC_ROW_LABEL_1), "\nDive/None");
    EXPECT_TRUE(Enabled(IDC_SCALAR_1));
    EXPECT_EQ(Text(IDC_ROW_LABEL_3), "\nUnused");
    EXPECT_FALSE(Enabled(IDC_DEAD_ZONE_3));
}

TEST_F(TuningScreen, SuggestProposesTheScalarOfTheBallMotionTheRowIsMappedToNow) {
    OpenActive();
    FillGeneral("Deep Dive", {{"Jump", "Crouch"}, {"Turn Left", "Turn Right"}});
    Press(IDC_NEXT_GENERAL);
    const struct {
        AxisRow ballMotion;
        int scalar;
        const char *tip;
    } motions[] = {{kTX, 90, "1.80"}, {kTY, 50, "1.00"}, {kTZ, 120, "2.40"},
                   {kRX, 70, "1.40"}, {kRY, 70, "1.40"}, {kRZ, 50, "1.00"}};
    for (const auto &motion : motions) {
        SCOPED_TRACE(motion.tip);
        for (int row = 0; row < 6; ++row)
            ChooseBySelection(row, row == motion.ballMotion ? 0 : 2);
        Press(IDC_NEXT_AXIS);
        ASSERT_EQ(dialog->m_nScreen, 3);
        SetPosition(IDC_SCALAR_0, 3);
        SetPosition(IDC_DEAD_ZONE_0, 44);
        Press(IDC_SUGGEST_0);
        EXPECT_EQ(Position(IDC_SCALAR_0), motion.scalar);
        EXPECT_EQ(Position(IDC_DEAD_ZONE_0), 0);
        EXPECT_EQ(Tip(IDC_SCALAR_0), std::string("Current scalar: ") + motion.tip);
        EXPECT_EQ(Tip(IDC_DEAD_ZONE_0), "Current dead zone: 0%");
        Press(IDC_BACK_TUNING);
    }

    // Back and Next keep the positions; an unmapped row, in use or not, gets 1.00.
    Press(IDC_NEXT_AXIS);
    SetPosition(IDC_SCALAR_1, 140);
    SetPosition(IDC_SCALAR_5, 12);
    SetPosition(IDC_DEAD_ZONE_5, 30);
    Press(IDC_BACK_TUNING);
    Press(IDC_NEXT_AXIS);
    EXPECT_EQ(Position(IDC_SCALAR_1), 140);
    EXPECT_EQ(Position(IDC_SCALAR_0), 50);
    Press(IDC_SUGGEST_1);
    Press(IDC_SUGGEST_5);
    EXPECT_EQ(Position(IDC_SCALAR_1), 50);
    EXPECT_EQ(Position(IDC_SCALAR_5), 50);
    EXPECT_EQ(Position(IDC_DEAD_ZONE_5), 0);
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

TEST_F(TuningScreen, AGameDescribedFromStartToEndIsWhatTheDocumentHolds) {
    OpenActive();
    // General Information
    Type(IDC_GAME_TITLE, "Deepwater Salvage");
    for (const char *exe : {"salvcfg.exe", "C:\\Games\\Salvage\\salvage.exe"}) {
        Type(IDC_EXE_NAME, exe);
        Press(IDC_ADD_EXE);
    }
    Press(IDC_INSTRUCTIONS_CHECK);
    Type(IDC_INSTRUCTIONS, "Start the game.\r\n\r\nChoose Kavelin in the Controls menu.\r\n");
    const char *const positive[] = {"Strafe Left", "Move Forward", "Jump", "Turn Left", "", ""};
    const char *const negative[] = {"Strafe Right", "Move Backward", "Crouch", "", "", ""};
    for (int row = 0; row < 6; ++row) {
        Type(kPositiveLabel[row], positive[row]);
        Type(kNegativeLabel[row], negative[row]);
    }
    Press(IDC_NEXT_GENERAL);
    ASSERT_EQ(dialog->m_nScreen, 2) << LastBox().caption;

    // Axis Mapping: the motion list is Strafe 0, Move 1, Jump 2, Turn 3, None 4.
    ChooseWithMouse(kTX, 0);
    ChooseWithKeys(kTZ, 1);
    Press(IDC_INVERT_0 + kTZ);
    ChooseWithMouse(kTY, 2);
    ChooseWithMouse(kRY, 3);
    Press(IDC_INVERT_0 + kRY);
    Press(IDC_HORIZONTAL);
    EXPECT_EQ(AxisShows(kTZ), std::make_pair(std::string("Move Backward"), std::string("Move Forward")));
    EXPECT_EQ(AxisShows(kRY), std::make_pair(std::string("None"), std::string("Turn Left")));
    Press(IDC_NEXT_AXIS);
    ASSERT_EQ(dialog->m_nScreen, 3) << LastBox().caption;

    // Tuning: rows 4 and 5 are not in use; their sliders do not count.
    SetPosition(IDC_SCALAR_0, 75);
    SetPosition(IDC_DEAD_ZONE_0, 10);
    Press(IDC_SUGGEST_1); // TZ
    SetPosition(IDC_DEAD_ZONE_2, 5);
    SetPosition(IDC_SCALAR_3, 30);
    SetPosition(IDC_SCALAR_4, 99);
    SetPosition(IDC_DEAD_ZONE_5, 40);
    EXPECT_TRUE(boxes.MessageBoxes().empty());

    ASSERT_TRUE(dialog->ScreensToConfig());
    const TlConfig &cfg = dialog->m_Config;
    EXPECT_STREQ(cfg.applicationName, "Deepwater Salvage");
    ASSERT_EQ(cfg.executableCount, 2);
    EXPECT_STREQ(cfg.executables[0], "salvage.exe");
    EXPECT_STREQ(cfg.executables[1], "salvcfg.exe");
    ASSERT_EQ(cfg.instructionCount, 3);
    EXPECT_STREQ(cfg.instructions[0], "Start the game.");
    EXPECT_STREQ(cfg.instructions[1], "");
    EXPECT_STREQ(cfg.instructions[2], "Choose Kavelin in the Controls menu.");
    EXPECT_EQ(cfg.orientation, TL_HORIZONTAL);
    const int k = TL_KAVELIN;
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_STREQ(cfg.motionLabelPos[row], positive[row]);
        EXPECT_STREQ(cfg.motionLabelNeg[row], negative[row]);
        // A direction without a label is no motion of the game.
        const int pos = *positive[row] ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
        const int neg = *negative[row] ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
        EXPECT_EQ(cfg.motionMapPosUser[k][row].source, pos);
        EXPECT_EQ(cfg.motionMapNegDflt[k][row].source, neg);
    }
    // Game axis X by TX, Y by TZ inverted, Z by TY, R by RY inverted.
    EXPECT_STREQ(cfg.axisMapHrzUser[k].letters, "XzYu--");
    EXPECT_STREQ(cfg.axisMapHrzDflt[k].letters, "XzYu--");
    EXPECT_STREQ(cfg.axisMapVrtUser[k].letters, "XyzV--");
    const float scalars[] = {0.75f, 1.20f, 0.50f, 0.30f, 0.50f, 0.50f};
    const float deadZones[] = {0.10f, 0.0f, 0.05f, 0.0f, 0.0f, 0.0f};
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_FLOAT_EQ(cfg.tuningScalars[k][row], scalars[row]);
        EXPECT_FLOAT_EQ(cfg.nullRegionUser[k][row].posMin, deadZones[row]);
        EXPECT_FLOAT_EQ(cfg.nullRegionUser[k][row].negMin, -deadZones[row]);
        EXPECT_FLOAT_EQ(cfg.nullRegionDflt[k][row].posMin, deadZones[row]);
    }

    // What is saved comes back on the screens as it was shown.
    ASSERT_TRUE(dialog->WriteFile(Scratch("deepwater.kcg"), true));
    dialog->m_bModified = 0; // as Save does
    EXPECT_FALSE(dialog->IsModified());
    ASSERT_TRUE(dialog->LoadFile(Scratch("deepwater.kcg")));
    EXPECT_EQ(Text(IDC_GAME_TITLE), "Deepwater Salvage");
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{0, 2, 1, 4, -1, -1}));
    EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(Position(IDC_SCALAR_0), 75);
    EXPECT_EQ(Position(IDC_SCALAR_1), 120);
    EXPECT_EQ(Position(IDC_DEAD_ZONE_2), 5);
}

} // namespace
} // namespace editor_test
