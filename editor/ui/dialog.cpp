#include "dialog.h"

#include <vector>

namespace ui {

Dialog::Dialog(int templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance ? instance : GetModuleHandleA(nullptr)) {}

Dialog::~Dialog() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (brush_) DeleteObject(brush_);
}

bool Dialog::Create(HWND parent) {
    if (hwnd_) return false; // one window per object
    ended_ = false;
    result_ = 0;
    // hwnd_ is set by the procedure on WM_INITDIALOG, before OnInitDialog.
    HWND created = CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, &Dialog::Procedure,
                                      reinterpret_cast<LPARAM>(this));
    return created != nullptr && hwnd_ == created;
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    if (!Create(owner)) {
        modal_ = false;
        return -1;
    }
    // The owner takes no input while the dialog runs, as with the system's
    // modal dialogs.
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    if (!ended_) ShowWindow(hwnd_, SW_SHOW);
    RunModalLoop();
    // Enable the owner before the dialog goes, so that it gets the activation.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (hwnd_) DestroyWindow(hwnd_);
    modal_ = false;
    return result_;
}

void Dialog::RunModalLoop() {
    MSG msg;
    while (!ended_ && hwnd_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // WM_QUIT belongs to an outer loop: leave and hand it back.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (PreTranslateMessage(&msg)) continue;
        if (!IsDialogMessageA(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void Dialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (modal_) {
        // Wake the loop in case the call came from outside any message.
        if (hwnd_) PostMessageA(hwnd_, WM_NULL, 0, 0);
    } else if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

void Dialog::SetTitle(const std::string &title) {
    if (hwnd_) SetWindowTextA(hwnd_, title.c_str());
}

void Dialog::SetColours(COLORREF background, COLORREF text) {
    background_ = background;
    text_ = text;
    if (brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

bool Dialog::OnCommand(int id, int code, HWND /*control*/) {
    if (DispatchCommand(id, code)) return true;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR Dialog::ControlColour(HDC dc) {
    if (!brush_) brush_ = CreateSolidBrush(background_);
    SetBkColor(dc, background_);
    SetTextColor(dc, text_);
    return reinterpret_cast<INT_PTR>(brush_);
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog *self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog *>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<Dialog *>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT, ...) get the default handling.
    if (!self) return FALSE;

    INT_PTR result = FALSE;
    try {
        result = self->Handle(message, wParam, lParam);
    } catch (...) {
        // A failed handler leaves the message to the default handling; the
        // exception must not unwind through the system's frames.
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        LRESULT value = 0;
        if (!OnNotify(reinterpret_cast<NMHDR *>(lParam), &value)) return FALSE;
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, value);
        return TRUE;
    }
    case WM_HSCROLL:
        return OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
        return OnPaint();
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return FALSE; // the default handling still moves the focus
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return ControlColour(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
    }
    }
}

} // namespace ui
