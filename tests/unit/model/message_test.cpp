// The editor's messages: text, caption, icon and buttons, values put in.
#include <gtest/gtest.h>

#include <string>

#include "clean_rules.h"
#include "file_rules.h"
#include "message.h"
#include "save_prompt.h"
#include "screens.h"
#include "test_command.h"

using namespace model;

TEST(Message, FillInPutsEachValueInOnce) {
    const struct {
        const char *text, *placeholder, *value, *expected;
    } cases[] = {
        {"%1 %1", "%1", "%1%1", "%1%1 %1%1"},
        {"keep", "", "x", "keep"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FillIn(c.text, c.placeholder, c.value), c.expected) << c.text;
}

TEST(Message, EachMessageAsTheEditorShowsIt) {
    using I = MessageIcon;
    using B = MessageButtons;
    const std::string discard =
        "Warning! There were changes made to one of the screens. You\ncannot save changes "
        "from this screen. You must be on the last\nscreen of the KCG Editor. You can get "
        "to that screen by pressing\nthe Next button";
    const std::string discardEnd = ".\n\nWould you like to continue and DISCARD CHANGES?";
    const std::string editor = "Kavelin SDK KCG Editor", loadFailed =
                                                             "Error loading settings into the Kavelin "
                                                             "Windows Driver!";
    const std::string path = "C:\\100%s\\%d%n\\sdk.tmp"; // taken as it is
    const struct {
        Message shown, expected;
    } cases[] = {
        {SavePromptMessage(kGeneralScreen),
         {discard + " twice" + discardEnd, editor, I::kWarning, B::kOkCancel}},
        {SavePromptMessage(kAxisScreen), {discard + discardEnd, editor, I::kWarning, B::kOkCancel}},
        {SavePromptMessage(kTuningScreen),
         {"Do you want to save the changes you made?", editor, I::kWarning, B::kYesNoCancel}},
        {OpenOwnerNote(),
         {"Note:  The KCG file just opened was not\ncreated by this SDK KCG editor.\n\nTherefore, you must "
          "enter a "
          "new Game\nTitle and List of Executables. The next\ntime the file is saved, you must choose a\nnew "
          "file "
          "name.",
          "", I::kInformation, B::kOk}},
        {CleanWarning(),
         {"Are you sure you want to delete the files in the list?", "Warning!", I::kWarning, B::kOkCancel}},
        {TestConfirmation(),
         {"The current settings in the SDK KCG Editor will now\nbe loaded into the Kavelin Windows "
          "Driver.\n\nContinue?",
          "Load Current Settings", I::kInformation, B::kOkCancel}},
        {TestWriteFailedMessage(path),
         {"Error writing out temporary file for testing!\n\nFile:\n" + path, "Error!", I::kError, B::kOk}},
        {TestLoadMessage(-2).value_or(Message{}),
         {"The Kavelin must be the selected joystick in the control panel.", "Error!", I::kError, B::kOk}},
        {TestLoadMessage(-1).value_or(Message{}), {loadFailed, "Error!", I::kError, B::kOk}},
        {TestLoadMessage(1).value_or(Message{}), {loadFailed, "Error!", I::kError, B::kOk}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.expected.text;
    EXPECT_FALSE(TestLoadMessage(0)) << "a load that worked says nothing";
}
