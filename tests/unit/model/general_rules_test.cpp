// The checks of the General Information screen's Next button, and trimming.
#include <gtest/gtest.h>

#include <string>

#include "general_rules.h"
#include "resource.h"

using namespace model;

namespace {

// Entries that pass every check: one label is enough.
ScreenValues GoodEntries() {
    ScreenValues screens = NewDocumentScreens(false, "");
    screens.gameTitle = "Hovercraft";
    screens.executables = {"hover.exe"};
    screens.labelNeg[3] = "Jump";
    return screens;
}

// The functions only read the list.
const char *kTitleTexts[] = {"Castle Siege", "Deep Run"};
const TlStringList kReservedTitles = {2, const_cast<char **>(kTitleTexts)};

} // namespace

// Internal-use mode checks only the title's length, which is measured after
// trimming.
TEST(GeneralChecks, EachCheckWithItsMessageAndFocus) {
    const std::string reserved = "The Game Title you entered is reserved. Another\ngame that supports the "
                                 "Kavelin has the\nsame Game Title. Please enter a new name.";
    const struct {
        void (*change)(ScreenValues &);
        bool internal;
        std::string text, caption; // "" when the entries pass
        int focus;
    } cases[] = {
        {[](ScreenValues &s) { s.gameTitle = " \t\r\n\v\f"; }, false,
         "You must enter a Game Title to continue.", "Game Title Missing", IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.gameTitle = "  deep RUN "; }, false, reserved, "Invalid Game Title",
         IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.gameTitle = std::string(256, 'T'); }, true,
         "The Game Title cannot exceed 255 characters.", "Game Title Too Long", IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.gameTitle = " " + std::string(255, 'T') + "\t"; }, false, "", "", 0},
        {[](ScreenValues &s) { s.executables.clear(); }, false,
         "You must enter at least one Executable to continue.", "Executable Name Missing", IDC_EXE_NAME},
        {[](ScreenValues &s) { s.labelNeg[3] = " \t"; }, false,
         "You must enter at least one Motion Label to continue.", "Motion Labels Missing", IDC_LABEL_X_POS},
        {[](ScreenValues &s) { s = NewDocumentScreens(true, ""); }, true, "", "", 0},
        {[](ScreenValues &s) { s.gameTitle = "Deep Run"; }, true, "", "", 0},
        // The first failing check decides.
        {[](ScreenValues &s) { s.executables.clear(), s.gameTitle = "castle siege"; }, false, reserved,
         "Invalid Game Title", IDC_GAME_TITLE},
    };
    for (const auto &c : cases) {
        ScreenValues screens = GoodEntries();
        c.change(screens);
        const auto failure = CheckGeneralScreen(screens, kReservedTitles, c.internal);
        ASSERT_EQ(failure.has_value(), !c.caption.empty()) << c.caption << " " << c.internal;
        if (!failure) continue;
        EXPECT_EQ(failure->message, (Message{c.text, c.caption, MessageIcon::kError, MessageButtons::kOk}));
        EXPECT_EQ(failure->focusControlId, c.focus) << c.caption;
    }
}

TEST(GeneralChecks, TrimsTextsUpToTheFirstFailingCheck) {
    ScreenValues screens = GoodEntries();
    screens.instructions = "\r\n  1. Start the game\r\n\r\n";
    screens.labelPos[0] = "  Left ";
    screens.executables.clear();
    ASSERT_TRUE(CheckGeneralScreen(screens, kReservedTitles, false));
    EXPECT_EQ(screens.instructions, "1. Start the game");
    EXPECT_EQ(screens.labelPos[0], "  Left ") << "labels are trimmed only after the executable check";
    screens.executables = {"hover.exe"};
    ASSERT_FALSE(CheckGeneralScreen(screens, kReservedTitles, false));
    EXPECT_EQ(screens.labelPos[0], "Left");
}
