// The values of the three screens, read from their controls and written into
// them. Nothing here decides anything: the rules live in the model.
#include "kcg_editor_dlg.h"
#include "resource.h"

model::ScreenValues CKcgEditorDlg::ReadScreenValues() const {
    model::ScreenValues values;
    values.gameTitle = m_editTitle.Text();
    for (int i = 0, count = m_listExes.Count(); i < count; ++i) {
        values.executables.push_back(m_listExes.ItemText(i));
    }
    values.executableEdit = m_editExe.Text();
    values.instructions = m_editInstructions.Text();
    values.includeInstructions = m_checkInstructions.IsChecked();
    values.revMajor = m_nRevMajor;
    values.revMinor = m_nRevMinor;
    values.owner = m_comboOwner.Text();
    values.orientation = m_nOrientation;
    values.rows = CurrentRows();
    for (int row = 0; row < model::kRows; ++row) {
        values.labelPos[row] = m_comboLabelPos[row].Text();
        values.labelNeg[row] = m_comboLabelNeg[row].Text();
        values.tuningLabels[row] = m_staticRowLabel[row].Text();
        values.scalarPos[row] = m_sliderScalar[row].Position();
        values.deadZonePos[row] = m_sliderDeadZone[row].Position();
        values.scalarEnabled[row] = m_sliderScalar[row].IsEnabled();
        values.deadZoneEnabled[row] = m_sliderDeadZone[row].IsEnabled();
    }
    return values;
}

void CKcgEditorDlg::ShowInstructions(const std::string &text, bool included) {
    m_editInstructions.SetReadOnly(!included);
    m_checkInstructions.SetChecked(included);
    m_editInstructions.SetText(text);
}

void CKcgEditorDlg::ShowScreenValues(const model::ScreenValues &values) {
    m_editTitle.SetText(values.gameTitle);
    m_listExes.Clear();
    for (const std::string &exe : values.executables)
        m_listExes.Add(exe);
    m_editExe.SetText(values.executableEdit);
    ShowInstructions(values.instructions, values.includeInstructions);
    for (int row = 0; row < model::kRows; ++row) {
        m_comboLabelPos[row].SetText(values.labelPos[row]);
        m_comboLabelNeg[row].SetText(values.labelNeg[row]);
    }
    m_nRevMajor = values.revMajor;
    m_nRevMinor = values.revMinor;
    ShowFileRevision();
    m_comboOwner.SelectPrefix(values.owner);
    // The axis combo boxes are filled from the labels when their screen is entered.
    for (int row = 0; row < model::kRows; ++row) {
        m_comboAxis[row].Clear();
        m_comboAxis[row].SetText("");
    }
    m_AxisOfRow = values.rows.axis;
    m_InvertOfRow = values.rows.invert;
    m_nOrientation = values.orientation;
    m_radioVertical.SetChecked(m_nOrientation == 1);
    m_radioHorizontal.SetChecked(m_nOrientation != 1);
    ShowOrientationBitmap();
    for (int row = 0; row < model::kRows; ++row) {
        m_staticRowLabel[row].SetText(values.tuningLabels[row]);
        m_sliderDeadZone[row].SetPosition(values.deadZonePos[row], true);
        m_sliderScalar[row].SetPosition(values.scalarPos[row], true);
    }
}

void CKcgEditorDlg::ShowFileRevision() {
    m_editRevision.SetText(model::RevisionText(m_nRevMajor, m_nRevMinor));
}

model::AxisRows CKcgEditorDlg::CurrentRows() const {
    model::AxisRows rows;
    rows.axis = m_AxisOfRow;
    rows.invert = m_InvertOfRow;
    return rows;
}
