// The editor's keys, and undo and redo of the changes made on the screen
// being shown. A step is what one action changed: a text field until the
// focus leaves it, a button, a choice, a slider from press to release.
#include "kcg_editor_dlg.h"
#include "resource.h"

namespace {

bool IsEditField(HWND window) {
    char kind[16] = "";
    return window && GetClassNameA(window, kind, sizeof kind) && lstrcmpiA(kind, "Edit") == 0;
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z.
bool IsUndoKey(const MSG &msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == 'Z' || msg.wParam == 'Y') &&
           GetKeyState(VK_CONTROL) < 0;
}

} // namespace

bool CKcgEditorDlg::PreTranslateMessage(MSG *msg) {
    if (!accelerators_ || !hwnd()) return false;
    // An edit field keeps its own undo while it has the focus and something to undo.
    if (IsUndoKey(*msg) && IsEditField(msg->hwnd) && SendMessageA(msg->hwnd, EM_CANUNDO, 0, 0)) return false;
    return TranslateAcceleratorA(hwnd(), accelerators_, msg) != 0;
}

model::UndoHistory &CKcgEditorDlg::HistoryOf(int screen) {
    return screen == model::kAxisScreen     ? axisHistory_
           : screen == model::kTuningScreen ? tuningHistory_
                                            : generalHistory_;
}

const model::UndoHistory &CKcgEditorDlg::HistoryOf(int screen) const {
    return const_cast<CKcgEditorDlg *>(this)->HistoryOf(screen);
}

void CKcgEditorDlg::ResetHistories() {
    for (const int screen : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen})
        HistoryOf(screen).Reset(doc_.Values());
}

void CKcgEditorDlg::RecordStep() {
    if (screen_ == model::kNoScreen) return;
    ScreenObject(screen_).ToDocument();
    HistoryOf(screen_).Record(doc_.Values());
}

void CKcgEditorDlg::OnUndo() {
    RecordStep(); // what was typed last is a step of its own
    if (HistoryOf(screen_).Undo(doc_.Values())) ScreenObject(screen_).ShowRestored();
}

void CKcgEditorDlg::OnRedo() {
    RecordStep();
    if (HistoryOf(screen_).Redo(doc_.Values())) ScreenObject(screen_).ShowRestored();
}

void CKcgEditorDlg::EnableEditMenu(HMENU menu) const {
    EnableMenuItem(menu, ID_EDIT_UNDO, MF_BYCOMMAND | (CanUndo() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDIT_REDO, MF_BYCOMMAND | (CanRedo() ? MF_ENABLED : MF_GRAYED));
}

void CKcgEditorDlg::OnSaveKey() {
    // Where the Save button is not shown, its key does nothing either.
    if (screen_ == model::kTuningScreen) OnSave();
}

bool CKcgEditorDlg::OnCommand(int id, int code, HWND control) {
    const bool handled = ui::Dialog::OnCommand(id, code, control);
    // A text field's typing is one step when the focus leaves it, a label
    // chosen from its list when chosen.
    if ((code == EN_KILLFOCUS || code == CBN_KILLFOCUS || code == CBN_SELENDOK) && hwnd()) RecordStep();
    return handled;
}
