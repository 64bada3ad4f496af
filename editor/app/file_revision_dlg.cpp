#include "file_revision_dlg.h"

#include <string>

#include "resource.h"
#include "revision_rules.h"
#include "show_message.h"

CFileRevisionDlg::CFileRevisionDlg(bool internal, HINSTANCE instance)
    : ui::Dialog(IDD_FILE_REVISION, instance), m_bInternal(internal) {}

BOOL CFileRevisionDlg::OnInitDialog() {
    m_editMajor.Bind(hwnd(), IDC_REVISION_MAJOR);
    m_editMinor.Bind(hwnd(), IDC_REVISION_MINOR);
    m_editMajor.SetText(std::to_string(m_nMajor));
    m_editMinor.SetText(std::to_string(m_nMinor));
    return TRUE;
}

void CFileRevisionDlg::OnOK() {
    const model::RevisionEntry entry =
        model::CheckRevisionEntry(m_editMajor.Text(), m_editMinor.Text(), m_bInternal, ProgramCaption());
    if (!entry.accepted) {
        if (entry.refusal) ShowMessage(hwnd(), *entry.refusal);
        // As a dialog framework does after a refused field: the user corrects
        // it where it is, its whole text selected.
        const ui::Edit &field = entry.field == model::RevisionField::kMinor ? m_editMinor : m_editMajor;
        field.Focus();
        field.SelectAll();
        return;
    }
    m_nMajor = entry.major;
    m_nMinor = entry.minor;
    EndDialog(IDOK);
}
