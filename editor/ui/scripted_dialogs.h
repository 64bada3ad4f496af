// A DialogHook for tests: answers message boxes and file dialogs from queued
// answers and records every request. It never shows a window, so a test can
// drive code that asks the user something without ever blocking.
#ifndef KCG_UI_SCRIPTED_DIALOGS_H
#define KCG_UI_SCRIPTED_DIALOGS_H

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "dialog_hook.h"

namespace ui {

class ScriptedDialogs : public DialogHook {
  public:
    // Queue the answer for the next message box (IDOK, IDNO, ...).
    void AnswerMessageBox(int button) { boxAnswers_.push_back(button); }
    // Queue the answer for the next file dialog.
    void ConfirmFileDialog(std::string path) { fileAnswers_.push_back({true, std::move(path)}); }
    void CancelFileDialog() { fileAnswers_.push_back({false, std::string()}); }

    int ShowMessageBox(const MessageBoxRequest &request) override;
    FileDialogAnswer ShowFileDialog(const FileDialogRequest &request) override;

    const std::vector<MessageBoxRequest> &MessageBoxes() const { return boxes_; }
    const std::vector<FileDialogRequest> &FileDialogs() const { return files_; }
    // Requests that found no queued answer and got the default: the cancelling
    // button of the message box, or a cancelled file dialog.
    int Unscripted() const { return unscripted_; }
    // Answers queued but never asked for.
    std::size_t PendingAnswers() const { return boxAnswers_.size() + fileAnswers_.size(); }

  private:
    std::deque<int> boxAnswers_;
    std::deque<FileDialogAnswer> fileAnswers_;
    std::vector<MessageBoxRequest> boxes_;
    std::vector<FileDialogRequest> files_;
    int unscripted_ = 0;
};

// The button that leaves a message box without agreeing to anything: Cancel
// when there is one, else No, else the single button (OK, or Abort).
int CancellingButton(UINT buttons);

} // namespace ui

#endif // KCG_UI_SCRIPTED_DIALOGS_H
