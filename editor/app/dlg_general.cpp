// The General Information screen: the game's title, its executables, the
// setup instructions and the motion labels, and "Next >>" with its checks.
// The rules are the model's; these handlers read the controls, ask the rules
// and show the answer.
#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "executables.h"
#include "general_rules.h"
#include "kcg_editor_dlg.h"
#include "update_lock.h"

namespace {

// Writes text into a control only when it differs, so that an entry that
// needed no trimming keeps its caret and sends no change notification.
void SetTextIfDifferent(const ui::Control &control, const std::string &text) {
    if (control.Text() != text) control.SetText(text);
}

std::vector<std::string> ListItems(const ui::ListBox &list) {
    std::vector<std::string> items;
    for (int i = 0, count = list.Count(); i < count; ++i)
        items.push_back(list.ItemText(i));
    return items;
}

const char kExecutableFilter[] = "Executables (*.exe)|*.exe|All Files (*.*)|*.*||";

} // namespace

void CKcgEditorDlg::OnNextGeneral() {
    // Checking is not editing: the trimmed texts written back below change
    // the controls, and their change notifications must not count.
    const int modifiedBefore = m_bModified;
    model::ScreenValues values = ReadScreenValues();
    const std::optional<model::CheckFailure> failure =
        model::CheckGeneralScreen(values, m_ReservedTitles, m_bInternal == 1);
    // What was trimmed stays trimmed, also when a later check failed.
    SetTextIfDifferent(m_editInstructions, values.instructions);
    SetTextIfDifferent(m_editTitle, values.gameTitle);
    for (int row = 0; row < model::kRows; ++row) {
        SetTextIfDifferent(m_comboLabelPos[row], values.labelPos[row]);
        SetTextIfDifferent(m_comboLabelNeg[row], values.labelNeg[row]);
    }
    if (failure) {
        ReportCheckFailure(*failure);
    } else {
        LoadAxisScreen();
        {
            UpdateLock lock(hwnd());
            HideGeneralScreen();
            ShowAxisScreen();
        }
        ShowOrientationBitmap();
    }
    m_bModified = modifiedBefore;
}

void CKcgEditorDlg::OnAddExecutable() {
    const model::ExecutableAddition addition =
        model::AddExecutable(m_editExe.Text(), ListItems(m_listExes), m_listExes.Selection(), m_ReservedExes);
    SetTextIfDifferent(m_editExe, addition.editText);
    switch (addition.outcome) {
    case model::AddOutcome::kNothing:
        break;
    case model::AddOutcome::kRefused:
        ReportCheckFailure(*addition.failure);
        break;
    case model::AddOutcome::kAdded:
        // The entry of the same name in another letter case gives way; the
        // list box sorts the new one into its place.
        if (addition.replacedIndex >= 0) m_listExes.Delete(addition.replacedIndex);
        m_listExes.Add(addition.addedName);
        m_bModified = 1;
        break;
    }
}

void CKcgEditorDlg::OnRemoveExecutable() {
    const int selected = m_listExes.Selection();
    if (selected < 0) return;
    m_listExes.Delete(selected);
    m_bModified = 1;
}

void CKcgEditorDlg::OnBrowseExecutable() {
    // The name only lands in the edit: Add To List still applies its rules.
    ui::FileDialog browse(ui::FileDialogKind::Open, kExecutableFilter, "", "",
                          OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE);
    browse.SetTitle("Find Game Executable");
    if (!browse.Show(hwnd())) return;
    m_editExe.SetText(model::BrowsedExecutableName(browse.Path()));
}

void CKcgEditorDlg::OnInstructionsCheck() {
    m_editInstructions.SetReadOnly(!m_checkInstructions.IsChecked());
    m_bModified = 1;
}

// Which variable names label the rows is a view of the screen, not part of
// the document.
void CKcgEditorDlg::OnDirectX5() {
    if (m_bDirectX5 == 1) return;
    m_bDirectX5 = 1;
    ShowVariableNames();
}

void CKcgEditorDlg::OnPreDirectX5() {
    if (m_bDirectX5 == 0) return;
    m_bDirectX5 = 0;
    ShowVariableNames();
}

void CKcgEditorDlg::OnGeneralEdited() {
    m_bModified = 1;
}
