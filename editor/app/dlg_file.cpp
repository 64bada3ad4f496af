// The commands that act on the document as a whole: New, Open, Save, Save As,
// the ways out of the editor, and the question they ask first when the
// document has unsaved changes.
#include <windows.h>

#include <commdlg.h>

#include <utility>

#include "file_rules.h"
#include "kcg_editor_dlg.h"
#include "resource.h"
#include "save_prompt.h"
#include "show_message.h"

namespace {

// Both file dialogs: the read-only box hidden, existing files only, share
// aware. What "existing files only" means in a save dialog is the system's
// affair; Wine's takes new names there, as a save dialog must.
constexpr DWORD kFileDialogOptions = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE;

} // namespace

bool CKcgEditorDlg::Save() {
    if (!doc_.Name().hasFileName) return SaveAs();
    return WriteFile(doc_.Path(), true);
}

bool CKcgEditorDlg::SaveAs() {
    if (!doc_.Name().hasFileName) doc_.SetName(model::UntitledName());
    // Shown again after each refused name, with that name in its folder; it
    // opens in the document's own folder.
    std::string path = doc_.Name().fileName;
    std::string folder = doc_.Name().folder;
    for (;;) {
        ui::FileDialog dialog(ui::FileDialogKind::Save, model::kKcgFileFilter, model::kKcgDefaultExtension,
                              path, kFileDialogOptions);
        dialog.SetInitialDir(folder);
        if (!dialog.Show(hwnd())) return false;
        path = dialog.Path();
        folder.clear();
        const model::SaveAsCheck check =
            model::CheckSaveAsName(path, context_.reservedTitles, context_.internal);
        if (check.step == model::SaveAsStep::kAccept) break;
        const model::Answer answer = ShowMessage(hwnd(), check.message);
        if (check.step == model::SaveAsStep::kAskReplace && model::ReplaceAccepted(answer)) break;
    }
    // The name is the document's from now on, even if the write fails.
    doc_.SetName(model::NameOfPath(path));
    general_.Refresh(model::Field::kFileName);
    return WriteFile(path, true);
}

bool CKcgEditorDlg::PromptToSave() {
    if (!IsModified()) return true;
    switch (model::SavePromptChoice(ShowMessage(hwnd(), model::SavePromptMessage(screen_)))) {
    case model::PromptChoice::kAbandon:
        return false;
    case model::PromptChoice::kDiscard:
        return true;
    case model::PromptChoice::kSaveFirst:
        break;
    }
    return Save();
}

void CKcgEditorDlg::OnFileNew() {
    if (!PromptToSave()) return;
    ResetDocument();
    ReturnToGeneralScreen();
}

void CKcgEditorDlg::OnFileOpen() {
    if (!PromptToSave()) return;
    ui::FileDialog dialog(ui::FileDialogKind::Open, model::kKcgFileFilter, model::kKcgDefaultExtension, "",
                          kFileDialogOptions);
    if (!dialog.Show(hwnd())) return;
    OpenDocument(dialog.Path());
}

bool CKcgEditorDlg::OpenDocument(const std::string &path) {
    if (!LoadFile(path)) return false;
    const model::OpenedName opened = model::NameOpenedFile(path, context_.internal);
    doc_.SetName(opened.name);
    if (opened.showOwnerNote) ShowMessage(hwnd(), model::OpenOwnerNote());
    general_.Refresh(model::Field::kFileName);
    ReturnToGeneralScreen();
    return true;
}

void CKcgEditorDlg::OnSave() {
    Save();
}

void CKcgEditorDlg::OnSaveAs() {
    SaveAs();
}

// The Exit button ends the dialog with OK; Esc, the close box, Close on the
// system menu, File > Exit and the close message of a second start with
// "-CLOSE" end it with Cancel.
void CKcgEditorDlg::OnExit() {
    if (PromptToSave()) EndDialog(IDOK);
}

void CKcgEditorDlg::OnCancel() {
    if (!PromptToSave()) return;
    // A close request from outside may come while one of the editor's
    // dialogs is open over the frame: it goes too, so that its loop ends and
    // the editor with it.
    EndOwnedDialogs();
    EndDialog(IDCANCEL);
}

namespace {

BOOL CALLBACK CloseOwnedDialog(HWND window, LPARAM frame) {
    if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(frame) && IsWindowEnabled(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

void CKcgEditorDlg::EndOwnedDialogs() {
    EnumThreadWindows(GetCurrentThreadId(), &CloseOwnedDialog, reinterpret_cast<LPARAM>(hwnd()));
}

bool CKcgEditorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR *result) {
    // While a box or dialog of the editor is open the frame is disabled; a
    // file handed over by a second start waits until it is enabled again, so
    // that it never replaces the document behind an open dialog.
    const bool busy = !IsWindowEnabled(hwnd());
    switch (message) {
    case WM_COPYDATA: {
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        if (!data || data->dwData != kOpenFileRequest || !data->lpData) return false;
        const std::string text(static_cast<const char *>(data->lpData), data->cbData);
        settings_.startFile = text.substr(0, text.find('\0'));
        PostMessageA(hwnd(), kOpenStartFileMessage, 0, 0);
        break;
    }
    case WM_INITMENUPOPUP:
        EnableEditMenu(reinterpret_cast<HMENU>(wParam));
        return false;
    case WM_DRAWITEM:
        // The Tuning screen's plot is drawn by the screen.
        if (!tuning_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam))) return false;
        break;
    case TuningScreen::kRowFocusMessage:
        tuning_.OnRowFocused(reinterpret_cast<HWND>(lParam));
        break;
    case WM_ENABLE:
        if (wParam && !settings_.startFile.empty()) PostMessageA(hwnd(), kOpenStartFileMessage, 0, 0);
        return false;
    case kOpenStartFileMessage: {
        if (busy) break; // again once enabled
        // Once only: the name is taken before the save prompt can let another
        // posted copy of this message in.
        const std::string path = std::move(settings_.startFile);
        settings_.startFile.clear();
        if (!path.empty() && PromptToSave()) OpenDocument(path);
        break;
    }
    default:
        return false;
    }
    *result = TRUE;
    return true;
}
