#include "test_command.h"

#include "paths.h"

namespace model {

std::string TestFilePath(const std::string &winConfigDir) {
    return JoinWindowsPath(winConfigDir, kTestFileName);
}

Message TestConfirmation() {
    return {"The current settings in the SDK KCG Editor will now\nbe loaded into the Kavelin Windows "
            "Driver.\n\nContinue?",
            "Load Current Settings", MessageIcon::kInformation, MessageButtons::kOkCancel};
}

bool TestConfirmed(Answer answer) {
    return answer == Answer::kOk;
}

Message TestWriteFailedMessage(const std::string &path) {
    return {FillIn("Error writing out temporary file for testing!\n\nFile:\n%s", "%s", path), "Error!",
            MessageIcon::kError, MessageButtons::kOk};
}

std::optional<Message> TestLoadMessage(int loadResult) {
    if (loadResult == kRegCfgLoaded) return std::nullopt;
    const char *text = loadResult == kRegCfgNotSelected
                           ? "The Kavelin must be the selected joystick in the control panel."
                           : "Error loading settings into the Kavelin Windows Driver!";
    return Message{text, "Error!", MessageIcon::kError, MessageButtons::kOk};
}

} // namespace model
