// Showing the messages the editor's rules decide on: each goes through the
// program's one message-box hook, so that tests can answer it.
#ifndef KCG_APP_SHOW_MESSAGE_H
#define KCG_APP_SHOW_MESSAGE_H

#include <windows.h>

#include <string>

#include "message.h"

// The system's message-box flags of a message: its buttons and icon.
UINT MessageFlags(const model::Message &message);

// Shows message owned by owner (may be null) and returns the button pressed.
model::Answer ShowMessage(HWND owner, const model::Message &message);

// The caption of the messages that have none of their own, as a dialog
// framework gives them: the program's name as the file system knows it,
// without folder and extension.
std::string ProgramCaption();

#endif // KCG_APP_SHOW_MESSAGE_H
