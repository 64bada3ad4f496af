// A tool-tip window for a dialog's controls. The texts are asked for when a
// tip is about to show (the dialog answers the text request in its OnNotify),
// so a tip can describe a control's current state.
#ifndef KCG_UI_TOOL_TIP_H
#define KCG_UI_TOOL_TIP_H

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace ui {

class ToolTip {
  public:
    ToolTip() = default;
    ~ToolTip();
    ToolTip(const ToolTip &) = delete;
    ToolTip &operator=(const ToolTip &) = delete;

    // Creates the tip window for a dialog (which gets the text requests).
    bool Create(HWND dialog);
    // Makes a control a tool, identified by its window.
    bool AddTool(HWND control) const;
    // Makes every child control of the dialog a tool; returns how many.
    int AddChildren() const;
    void Activate(bool on) const;
    // Makes a tip showing over the control ask for its text again.
    void Refresh(HWND control) const;
    HWND hwnd() const { return hwnd_; }

    // For a dialog's OnNotify: the control whose tip text is asked for, or null
    // when the notification is no text request or its tool is not identified
    // by its window.
    static HWND RequestedTool(const NMHDR *header);
    // Answers a text request; at most 79 characters are passed on.
    static void AnswerRequest(NMHDR *header, const std::string &text);

    static constexpr std::size_t kMaxTipLength = 79;

  private:
    HWND hwnd_ = nullptr;
    HWND dialog_ = nullptr;
};

} // namespace ui

#endif // KCG_UI_TOOL_TIP_H
