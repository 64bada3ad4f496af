// The document behind the wizard: copying the screens into the record and
// back, a new document, opening and writing files, and the change test.
#include "kcg_editor_dlg.h"
#include "resource.h"
#include "show_message.h"

std::optional<std::string> CKcgEditorDlg::DefaultInstructions() {
    std::optional<std::string> text = ui::LoadResourceText(Instance(), IDS_1_INSTRUCTIONS_DEFAULT);
    if (!text) {
        ui::MessageBox(hwnd(), "Error Loading String: IDS_1_INSTRUCTIONS_DEFAULT", ProgramCaption(), MB_OK);
    }
    return text;
}

bool CKcgEditorDlg::ScreensToConfig() {
    return model::ApplyScreenValues(ReadScreenValues(), m_Config);
}

void CKcgEditorDlg::ConfigToScreens() {
    // The default text is needed (and asked for) only when the record has no
    // instructions of its own.
    const std::string defaultText =
        m_Config.instructionCount > 0 ? std::string() : DefaultInstructions().value_or("");
    ShowScreenValues(model::ScreenValuesFromConfig(m_Config, defaultText));
    m_bModified = 0;
}

void CKcgEditorDlg::ResetScreens() {
    const model::ScreenValues values =
        model::NewDocumentScreens(m_bInternal != 0, DefaultInstructions().value_or(""));
    m_editFileName.SetText(model::kUntitledFileName);
    m_radioDirectX5.SetChecked(m_bDirectX5 == 1);
    m_radioPreDirectX5.SetChecked(m_bDirectX5 != 1);
    ShowScreenValues(values);
    SetSavedSnapshot(model::NewDocumentSnapshot());
    m_bModified = 0;
}

void CKcgEditorDlg::ResetConfig() {
    // Without memory for the empty command line the record holds none, which
    // is written the same way.
    model::ResetDocumentRecord(m_Config);
}

bool CKcgEditorDlg::LoadFile(const std::string &path) {
    model::Snapshot saved;
    switch (model::LoadDocument(path.c_str(), m_bInternal != 0, m_Config, saved)) {
    case model::LoadResult::kReadFailed:
        ui::MessageBox(hwnd(), "Error Reading File", "Error!", MB_OK | MB_ICONWARNING);
        return false;
    case model::LoadResult::kNotWindows:
        ui::MessageBox(hwnd(),
                       "Note:  The KCG file just opened is a DOS\nconfig file. This KCG Editor only "
                       "edits KCG\nfiles for Windows applications.\n\nThe file was not opened.",
                       "Cannot Open DOS KCG file", MB_OK | MB_ICONINFORMATION);
        return false;
    case model::LoadResult::kLoaded:
        break;
    }
    m_AxisOfRow = saved.rows.axis;
    m_InvertOfRow = saved.rows.invert;
    SetSavedSnapshot(saved);
    ConfigToScreens();
    return true;
}

bool CKcgEditorDlg::WriteFile(const std::string &path, bool takeSnapshot) {
    // A record that could not take all of the screens' lists is not what the
    // user sees, so it is not written as if it were.
    const bool complete = ScreensToConfig();
    if (!complete || TlWriteConfigFile(&m_Config, path.c_str()) != TL_WRITE_OK) {
        ui::MessageBox(hwnd(), "Error Writing File", "Error!", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (takeSnapshot) SetSavedSnapshot(model::TakeSnapshot(m_Config, CurrentRows()));
    return true;
}

bool CKcgEditorDlg::IsModified() {
    ScreensToConfig();
    if (m_nScreen == model::kAxisScreen && !CommitAxisMap(true)) m_bModified = 1;
    model::Snapshot saved;
    saved.rows.axis = m_SavedAxisOfRow;
    saved.rows.invert = m_SavedInvertOfRow;
    saved.scalarPos = m_SavedScalarPos;
    saved.deadZonePos = m_SavedDeadZonePos;
    if (model::DiffersFromSnapshot(m_Config, CurrentRows(), saved)) m_bModified = 1;
    return m_bModified != 0;
}

void CKcgEditorDlg::SetSavedSnapshot(const model::Snapshot &saved) {
    m_SavedAxisOfRow = saved.rows.axis;
    m_SavedInvertOfRow = saved.rows.invert;
    m_SavedScalarPos = saved.scalarPos;
    m_SavedDeadZonePos = saved.deadZonePos;
}
