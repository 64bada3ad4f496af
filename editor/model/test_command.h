/* The Test command: the settings being edited are written to a temporary file
 * in the installation's Windows configuration folder and loaded from there
 * into the joystick driver, so that the developer can try them in the game.
 *
 * These are its texts and its temporary file; the load itself belongs to the
 * driver loading, whose results are kRegCfgLoaded, kRegCfgNotSelected, or any other
 * value for a failed load. */
#ifndef KCG_MODEL_TEST_COMMAND_H
#define KCG_MODEL_TEST_COMMAND_H

#include <optional>
#include <string>

#include "driver_load.h"
#include "message.h"

namespace model {

// The load's result when the Kavelin is not the selected joystick.

constexpr const char *kTestFileName = "sdk.tmp";

// "folder\sdk.tmp". The path is never cut short: a cut path would name
// another file, which the command would then overwrite and delete.
std::string TestFilePath(const std::string &winConfigDir);

// Asked first, outside internal-use mode.
Message TestConfirmation();
// Only OK goes on; any other answer ends the command with nothing done.
bool TestConfirmed(Answer answer);

// Shown after the document's own write failure, with the path put in.
Message TestWriteFailedMessage(const std::string &path);

// The message for a load's result; none for a successful load.
std::optional<Message> TestLoadMessage(int loadResult);

} // namespace model

#endif
