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

TEST(GeneralChecks, EachCheckWithItsMessageAndFocus) {
    const struct {
        void (*change)(ScreenValues &);
        std::string text, caption;
        int focus;
    } cases[] = {
        {[](ScreenValues &s) { s.gameTitle = " \t\r\n\v\f"; }, "You must enter a Game Title to continue.",
         "Game Title Missing", IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.gameTitle = "  deep RUN "; },
         "The Game Title you entered is reserved. Another\ngame that supports the Kavelin has the\n"
         "same Game Title. Please enter a new name.",
         "Invalid Game Title", IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.gameTitle = std::string(256, 'T'); },
         "The Game Title cannot exceed 255 characters.", "Game Title Too Long", IDC_GAME_TITLE},
        {[](ScreenValues &s) { s.executables.clear(); },
         "You must enter at least one Executable to continue.", "Executable Name Missing", IDC_EXE_NAME},
        {[](ScreenValues &s) { s.labelNeg[3] = " \t"; },
         "You must enter at least one Motion Label to continue.", "Motion Labels Missing", IDC_LABEL_X_POS},
    };
    for (const auto &c : cases) {
        ScreenValues screens = GoodEntries();
        c.change(screens);
        const auto failure = CheckGeneralScreen(screens, kReservedTitles, false);
        ASSERT_TRUE(failure) << c.caption;
        EXPECT_EQ(failure->message, (Message{c.text, c.caption, MessageIcon::kError, MessageButtons::kOk}));
        EXPECT_EQ(failure->focusControlId, c.focus) << c.caption;
    }
    ScreenValues good = GoodEntries();
    EXPECT_FALSE(CheckGeneralScreen(good, kReservedTitles, false));
    // The first failing check decides.
    good.executables.clear();
    good.gameTitle = "castle siege";
    EXPECT_EQ(CheckGeneralScreen(good, kReservedTitles, false)->message.caption, "Invalid Game Title");
}

TEST(GeneralChecks, InternalUseChecksOnlyTheTitleLength) {
    for (bool internal : {false, true}) {
        ScreenValues screens = GoodEntries();
        screens.gameTitle = "  " + std::string(kMaxTitleLength, 'T') + "  "; // measured after trimming
        EXPECT_FALSE(CheckGeneralScreen(screens, kReservedTitles, internal)) << internal;
        screens.gameTitle += "T";
        EXPECT_EQ(CheckGeneralScreen(screens, kReservedTitles, internal)->message.caption,
                  "Game Title Too Long");
    }
    ScreenValues screens = NewDocumentScreens(true, "");
    EXPECT_FALSE(CheckGeneralScreen(screens, kReservedTitles, true)) << "no title, executables or labels";
    screens.gameTitle = "Deep Run";
    EXPECT_FALSE(CheckGeneralScreen(screens, kReservedTitles, true)) << "reserved title";
}

TEST(GeneralChecks, TrimsTextsUpToTheFirstFailingCheck) {
    ScreenValues screens = GoodEntries();
    screens.instructions = "\r\n  1. Start the game\r\n\r\n";
    screens.gameTitle = "  Hovercraft\t";
    screens.labelPos[0] = "  Left ";
    screens.executables.clear();
    ASSERT_TRUE(CheckGeneralScreen(screens, kReservedTitles, false));
    EXPECT_EQ(screens.instructions, "1. Start the game");
    EXPECT_EQ(screens.gameTitle, "Hovercraft");
    EXPECT_EQ(screens.labelPos[0], "  Left ") << "labels are trimmed only after the executable check";

    screens.executables = {"hover.exe"};
    ASSERT_FALSE(CheckGeneralScreen(screens, kReservedTitles, false));
    EXPECT_EQ(screens.labelPos[0], "Left");
}
