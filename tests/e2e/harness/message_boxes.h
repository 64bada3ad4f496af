// Message boxes of another program: found by caption (a dialog of the
// system's dialog class "#32770"), read, and answered with one of their
// buttons.
#ifndef KCG_E2E_MESSAGE_BOXES_H
#define KCG_E2E_MESSAGE_BOXES_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "wait.h"

namespace e2e {

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttons; // ids of its visible buttons (IDOK, IDCANCEL, ...)
};

// Waits at most boundMs for a visible message box with exactly this caption
// (of the given process; 0 for any) and reads it.
std::optional<MessageBoxSeen> WaitForMessageBox(const std::string &caption, DWORD processId,
                                                DWORD boundMs = kDefaultBoundMs);

// Reads an open message box: its caption, its text and its buttons.
MessageBoxSeen ReadMessageBox(HWND box);

// Answers a message box with the button id (IDOK, IDNO, ...) and waits at
// most boundMs for the box to go away; false if the box has no such button
// or stays.
bool AnswerMessageBox(HWND box, int buttonId, DWORD boundMs = kDefaultBoundMs);

// Every visible dialog-class window (message boxes among them) that a
// process shows; used to prove that a program showed nothing.
std::vector<HWND> DialogBoxesOf(DWORD processId);

} // namespace e2e

#endif // KCG_E2E_MESSAGE_BOXES_H
