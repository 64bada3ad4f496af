// One screen of the wizard: its controls in the shared template, the table
// that binds them to the document, and its handlers. The main dialog owns the
// screens and shows one at a time.
#ifndef KCG_APP_SCREEN_H
#define KCG_APP_SCREEN_H

#include <windows.h>

#include "bindings.h"
#include "check_failure.h"
#include "document.h"
#include "editor_context.h"
#include "ui.h"

class Screen {
  public:
    // The screen acts on the frame's controls; all three references outlive it.
    Screen(ui::Dialog &frame, model::Document &doc, const EditorContext &context,
           model::BindingTable bindings);
    virtual ~Screen() = default;
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    // Once, when the frame's window is initialised: lists, ranges, limits.
    virtual void SetUp() {}
    // Runs the screen's handler of a command; false when it has none.
    virtual bool Dispatch(int id, int code) = 0;

    // What the controls show into the document, and the document into the controls.
    virtual void ToDocument();
    virtual void FromDocument();
    // Shows the screen's values again after undo or redo.
    virtual void ShowRestored() { Screen::FromDocument(); }
    // Shows one field of the document again (the file name, the revision).
    void Refresh(model::Field field);

    // Shows or hides the screen's controls.
    virtual void Show(bool visible) = 0;
    // After the screen has been shown and the window draws again.
    virtual void Shown() {}
    bool IsShown() const { return shown_; }

  protected:
    HWND FrameWindow() const { return frame_.hwnd(); }
    HWND Item(int id) const { return frame_.Item(id); }
    void ShowControls(const int *ids, std::size_t count, bool visible) const;
    template <std::size_t N> void ShowControls(const int (&ids)[N], bool visible) const {
        ShowControls(ids, N, visible);
    }
    // A failed check: its message, then the focus to the control to correct.
    void ReportCheckFailure(const model::CheckFailure &failure) const;
    void FocusControl(int controlId) const;

    ui::Dialog &frame_;
    model::Document &doc_;
    const EditorContext &context_;
    bool shown_ = false;

  private:
    model::BindingTable bindings_;
};

#endif // KCG_APP_SCREEN_H
