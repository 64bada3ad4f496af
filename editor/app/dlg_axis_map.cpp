// The Axis Mapping screen: which of the game's motions each ball motion
// drives, inverted or not, and how the ball is mounted; and committing the
// choices into the rows' mapping.
//
// Axis row k is combo box 1402 + k, invert button 1393 + k and read-only
// edit 1408 + k. Its open list offers the motion list's pairs; closed, the
// box shows one item more, the display item after the pairs: the label of the
// direction named beside the box on the picture. The edit shows the other
// label. m_ComboMotion and m_ComboInvert always describe what is shown.
//
// The system reports opening, choosing, cancelling and closing a list in an
// order that differs between versions, so the handlers do not rely on it:
// whenever the list is closed (or about to close), the row settles on the
// pair the box has selected, if any, and shows its display item again.
#include <vector>

#include "axis_rules.h"
#include "kcg_editor_dlg.h"

int CKcgEditorDlg::DisplayItemIndex() const {
    return static_cast<int>(m_Motions.size());
}

void CKcgEditorDlg::LoadAxisScreen() {
    model::RowTexts positive, negative;
    for (int row = 0; row < model::kRows; ++row) {
        positive[row] = m_comboLabelPos[row].Text();
        negative[row] = m_comboLabelNeg[row].Text();
    }
    const model::AxisScreenLoad load = model::LoadAxisScreen(positive, negative, CurrentRows());
    m_Motions = load.motions;
    m_ComboMotion = load.choices.motion;
    m_ComboInvert = load.choices.invert;
    // A row whose labels were removed has lost its mapping.
    m_AxisOfRow = load.rows.axis;
    m_InvertOfRow = load.rows.invert;

    const std::vector<std::string> pairs = model::PairTexts(m_Motions);
    for (int row = 0; row < model::kRows; ++row) {
        m_comboAxis[row].Clear();
        m_editAxisOpposite[row].SetText("");
        for (const std::string &pair : pairs)
            m_comboAxis[row].Insert(-1, pair);
        ShowAxisChoice(row);
    }
}

bool CKcgEditorDlg::TakeSelectedPair(int row) {
    const int selected = m_comboAxis[row].Selection();
    if (selected < 0 || selected >= DisplayItemIndex()) return false;
    m_ComboMotion[row] = selected;
    return true;
}

void CKcgEditorDlg::RemoveDisplayItem(int row) {
    const ui::ComboBox &combo = m_comboAxis[row];
    if (combo.Count() > DisplayItemIndex()) combo.Delete(DisplayItemIndex());
}

void CKcgEditorDlg::ShowAxisChoice(int row) {
    const model::ShownLabels shown = model::LabelsShown(m_Motions, m_ComboMotion[row], m_ComboInvert[row]);
    RemoveDisplayItem(row);
    m_comboAxis[row].Insert(DisplayItemIndex(), shown.box);
    m_comboAxis[row].Select(DisplayItemIndex());
    m_editAxisOpposite[row].SetText(shown.edit);
}

void CKcgEditorDlg::OnAxisSelChange(int row) {
    // Moving through an open list is not choosing yet.
    if (m_comboAxis[row].IsDroppedDown()) return;
    TakeSelectedPair(row);
    ShowAxisChoice(row);
}

void CKcgEditorDlg::OnAxisDropDown(int row) {
    // The open list offers the pairs only, the current one highlighted.
    RemoveDisplayItem(row);
    m_editAxisOpposite[row].SetText("");
    m_comboAxis[row].Select(m_ComboMotion[row]);
}

void CKcgEditorDlg::OnAxisCloseUp(int row) {
    // A pair still selected here was chosen from the list: the row takes it
    // and the focus goes to the row's other label. A list cancelled before
    // closing has settled already (OnAxisSelEndCancel).
    const bool chosen = TakeSelectedPair(row);
    ShowAxisChoice(row);
    if (chosen) FocusAndSelectAll(m_editAxisOpposite[row]);
    // A list closed by a click outside it gets its selection back from the
    // system after this notification, silently: the row looks again once the
    // box is done, and shows its display item over what came back.
    const ui::ComboBox &combo = m_comboAxis[row];
    PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(combo.Id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.hwnd()));
}

void CKcgEditorDlg::OnAxisSelEndCancel(int row) {
    // The highlighted pair, if any, is kept (the list opened on the current one).
    TakeSelectedPair(row);
    ShowAxisChoice(row);
}

void CKcgEditorDlg::OnInvert(int row) {
    m_ComboInvert[row] = m_ComboInvert[row] ? 0 : 1;
    ShowAxisChoice(row);
    FocusAndSelectAll(m_editAxisOpposite[row]);
}

void CKcgEditorDlg::OnVertical() {
    if (m_nOrientation == 1) return;
    m_nOrientation = 1;
    ShowOrientationBitmap();
    m_bModified = 1;
}

void CKcgEditorDlg::OnHorizontal() {
    if (m_nOrientation == 0) return;
    m_nOrientation = 0;
    ShowOrientationBitmap();
    m_bModified = 1;
}

bool CKcgEditorDlg::CommitAxisMap(bool silent) {
    // Before the screen was first entered there is nothing chosen on it, and
    // the committed mapping stands as it is.
    if (m_Motions.empty()) return true;
    const model::AxisChoices choices{m_ComboMotion, m_ComboInvert};
    if (const std::optional<model::CheckFailure> conflict = model::FindAxisConflict(m_Motions, choices)) {
        if (!silent) ReportCheckFailure(*conflict);
        return false;
    }
    const model::AxisRows rows = model::CommittedRows(m_Motions, choices);
    m_AxisOfRow = rows.axis;
    m_InvertOfRow = rows.invert;
    return true;
}
