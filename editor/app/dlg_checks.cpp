// The screens' checks that did not pass: the message, then the focus on the
// control the user has to correct.
#include "kcg_editor_dlg.h"

void CKcgEditorDlg::ReportCheckFailure(const model::CheckFailure &failure) {
    const model::Message &message = failure.message;
    ui::MessageBox(hwnd(), message.text, message.caption, message.Flags());
    if (failure.focusControlId != model::kFocusStays) FocusControl(failure.focusControlId);
}

void CKcgEditorDlg::FocusControl(int controlId) {
    // Through the dialog, so that it also keeps its default button and the
    // text of an edit comes up selected, ready to be typed over.
    if (HWND control = Item(controlId))
        SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CKcgEditorDlg::FocusAndSelectAll(const ui::Edit &edit) {
    edit.Focus();
    edit.SelectAll();
    edit.ScrollCaretIntoView();
}
