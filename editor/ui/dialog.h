// A dialog window built from a dialog template in the resources, with
// overridable handlers for its messages.
//
// One static dialog procedure serves every Dialog: it keeps the object's
// address in the window (DWLP_USER) from WM_INITDIALOG until WM_NCDESTROY and
// forwards each message to a virtual member. No exception leaves a handler
// through the system's code: the procedure catches everything.
//
// DoModal runs the dialog's own modal loop (the owner is disabled meanwhile)
// instead of the system's, so that the same dialog can also be created
// modeless with Create and driven by a test that pumps messages.
#ifndef KCG_UI_DIALOG_H
#define KCG_UI_DIALOG_H

#include <windows.h>

#include <string>

namespace ui {

class Dialog {
  public:
    // instance: the module holding the template; null means the program.
    explicit Dialog(int templateId, HINSTANCE instance = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog &) = delete;
    Dialog &operator=(const Dialog &) = delete;

    // Creates the window, runs until EndDialog and destroys the window.
    // Returns the value given to EndDialog, or -1 if the window could not be
    // created.
    INT_PTR DoModal(HWND owner = nullptr);

    // Creates the window modeless (shown if the template says WS_VISIBLE).
    bool Create(HWND parent = nullptr);

    // Ends the dialog with a result: a modal loop returns it; a modeless
    // window is destroyed at once.
    void EndDialog(INT_PTR result);

    HWND hwnd() const { return hwnd_; }
    HWND Item(int controlId) const { return hwnd_ ? GetDlgItem(hwnd_, controlId) : nullptr; }
    HINSTANCE Instance() const { return instance_; }
    bool HasEnded() const { return ended_; }
    INT_PTR Result() const { return result_; }

    void SetTitle(const std::string &title);

    // Background and text colour of the dialog and its static controls,
    // buttons and read-only edits. The default is the classic light grey.
    void SetColours(COLORREF background, COLORREF text);

    // Before the modal loop hands a message to the dialog's keyboard handling:
    // true when the message was taken (an accelerator key, say). A test that
    // pumps a modeless dialog's messages calls it as the loop would.
    virtual bool PreTranslateMessage(MSG * /*msg*/) { return false; }

  protected:
    // Handlers. A bool result says whether the message was handled; when not,
    // the system's default dialog handling runs.
    virtual BOOL OnInitDialog() { return TRUE; } // TRUE: focus to the first tab stop
    // WM_COMMAND: by default the class's command table, then IDOK and IDCANCEL.
    virtual bool OnCommand(int id, int code, HWND control);
    // The class's command table (see command_table.h).
    virtual bool DispatchCommand(int /*id*/, int /*code*/) { return false; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // WM_NOTIFY: set *result for notifications that expect a value.
    virtual bool OnNotify(NMHDR * /*header*/, LRESULT * /*result*/) { return false; }
    virtual bool OnHScroll(int /*code*/, int /*position*/, HWND /*control*/) { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnSysCommand(WPARAM /*command*/, LPARAM /*lParam*/) { return false; }
    virtual void OnActivate(int /*state*/, HWND /*other*/) {}
    // The icon shown while a minimized window is dragged; null for the default.
    virtual HICON OnQueryDragIcon() { return nullptr; }
    virtual void OnDestroy() {}
    // Any other message; set *result and return true to handle it.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR * /*result*/) {
        return false;
    }

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR ControlColour(HDC dc);
    void RunModalLoop();

    int templateId_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
    COLORREF background_ = RGB(192, 192, 192);
    COLORREF text_ = RGB(0, 0, 0);
    HBRUSH brush_ = nullptr;
};

} // namespace ui

#endif // KCG_UI_DIALOG_H
