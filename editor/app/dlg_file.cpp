// The commands that act on the document as a whole: New, Open, Save, Save As,
// the three ways out of the editor, and the question they ask first when the
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

// Posted by the initialisation when the command line names a file, so that
// the file opens once the window shows and its messages have an owner to
// stand in front of.
constexpr UINT kOpenStartFileMessage = WM_APP + 1;

} // namespace

bool CKcgEditorDlg::Save() {
    if (!m_bHasFileName) return SaveAs();
    if (!WriteFile(m_strFolder + m_strFileName, true)) return false;
    m_bModified = 0;
    return true;
}

bool CKcgEditorDlg::SaveAs() {
    if (!m_bHasFileName) {
        const model::DocumentName untitled = model::UntitledName();
        m_strFolder = untitled.folder;
        m_strFileName = untitled.fileName;
    }
    // The save dialog opens in the current folder: the document's own.
    SetCurrentDirectoryA(m_strFolder.c_str());
    // Shown again after each refused name, with that name in its folder.
    std::string path = m_strFileName;
    for (;;) {
        ui::FileDialog dialog(ui::FileDialogKind::Save, model::kKcgFileFilter, model::kKcgDefaultExtension,
                              path, kFileDialogOptions);
        if (!dialog.Show(hwnd())) return false;
        path = dialog.Path();
        const model::SaveAsCheck check = model::CheckSaveAsName(path, m_ReservedTitles, m_bInternal != 0);
        if (check.step == model::SaveAsStep::kAccept) break;
        const model::Answer answer = ShowMessage(hwnd(), check.message);
        if (check.step == model::SaveAsStep::kAskReplace && model::ReplaceAccepted(answer)) break;
    }
    // The name is the document's from now on, even if the write fails.
    const model::DocumentName chosen = model::NameOfPath(path);
    m_bHasFileName = 1;
    m_strFolder = chosen.folder;
    m_strFileName = chosen.fileName;
    m_editFileName.SetText(m_strFileName);
    if (!WriteFile(path, true)) return false;
    m_bModified = 0;
    return true;
}

bool CKcgEditorDlg::PromptToSave() {
    if (!IsModified()) return true;
    const model::Answer answer = ShowMessage(hwnd(), model::SavePromptMessage(m_nScreen));
    switch (model::SavePromptChoice(answer)) {
    case model::PromptChoice::kAbandon:
        return false;
    case model::PromptChoice::kDiscard:
        return true;
    case model::PromptChoice::kSaveFirst:
        break;
    }
    if (!Save()) return false;
    m_bModified = 0;
    return true;
}

void CKcgEditorDlg::OnFileNew() {
    if (!PromptToSave()) return;
    ResetScreens();
    ResetConfig();
    m_bHasFileName = 0;
    ReturnToGeneralScreen();
    m_bModified = 0;
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
    const model::OpenedName opened = model::NameOpenedFile(path, m_bInternal != 0);
    m_bHasFileName = opened.name.hasFileName ? 1 : 0;
    m_strFolder = opened.name.folder;
    m_strFileName = opened.name.fileName;
    if (opened.showOwnerNote) ShowMessage(hwnd(), model::OpenOwnerNote());
    m_editFileName.SetText(m_strFileName);
    m_bModified = 0;
    ReturnToGeneralScreen();
    return true;
}

void CKcgEditorDlg::OnSave() {
    Save();
}

void CKcgEditorDlg::OnSaveAs() {
    SaveAs();
}

void CKcgEditorDlg::OnExitButton() {
    if (PromptToSave()) EndDialog(IDOK);
}

// Esc, the close box, Close on the system menu, and the close message of a
// second start with "-CLOSE".
void CKcgEditorDlg::OnCancel() {
    if (PromptToSave()) EndDialog(IDCANCEL);
}

void CKcgEditorDlg::OpenStartFileLater() {
    if (!m_strStartFile.empty()) PostMessageA(hwnd(), kOpenStartFileMessage, 0, 0);
}

bool CKcgEditorDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR *result) {
    if (message != kOpenStartFileMessage) return false;
    // Once only: the name is taken before the file's messages can let another
    // posted copy of this message in.
    const std::string path = std::move(m_strStartFile);
    m_strStartFile.clear();
    if (!path.empty()) OpenDocument(path);
    *result = TRUE;
    return true;
}
