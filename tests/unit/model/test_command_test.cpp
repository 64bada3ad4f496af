// The Test command's temporary file and its messages.
#include <gtest/gtest.h>

#include "driver_load.h"
#include "test_command.h"

using namespace model;

TEST(TestCommand, TemporaryFileInTheWindowsConfigurationFolder) {
    EXPECT_EQ(TestFilePath("C:\\KAVELIN\\config\\default\\win"),
              "C:\\KAVELIN\\config\\default\\win\\sdk.tmp");
    // A long folder is kept whole: a shortened path would name another file.
    const std::string longFolder = "C:\\" + std::string(600, 'f');
    EXPECT_EQ(TestFilePath(longFolder), longFolder + "\\sdk.tmp");
}

TEST(TestCommand, AsksFirst) {
    EXPECT_EQ(
        TestConfirmation(),
        (Message{"The current settings in the SDK KCG Editor will now\nbe loaded into the Kavelin Windows "
                 "Driver.\n\nContinue?",
                 "Load Current Settings", MessageIcon::kInformation, MessageButtons::kOkCancel}));
}

TEST(TestCommand, WriteFailureNamesThePathAsItIs) {
    const std::string start = "Error writing out temporary file for testing!\n\nFile:\n";
    const std::string path = "C:\\100%s\\%d%n\\sdk.tmp";
    EXPECT_EQ(TestWriteFailedMessage(path),
              (Message{start + path, "Error!", MessageIcon::kError, MessageButtons::kOk}));
}

TEST(TestCommand, OneMessagePerFailedLoad) {
    const std::string notSelected = "The Kavelin must be the selected joystick in the control panel.";
    const std::string failed = "Error loading settings into the Kavelin Windows Driver!";
    const struct {
        int result;
        std::string text; // "" for no message
    } cases[] = {{0, ""}, {-2, notSelected}, {-1, failed}, {-3, failed}, {1, failed}};
    for (const auto &c : cases) {
        const std::optional<Message> message = TestLoadMessage(c.result);
        ASSERT_EQ(message.has_value(), !c.text.empty()) << c.result;
        if (message) {
            EXPECT_EQ(*message, (Message{c.text, "Error!", MessageIcon::kError, MessageButtons::kOk}))
                << c.result;
        }
    }
}
