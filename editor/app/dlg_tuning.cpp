// The Tuning screen: one scalar and one dead-zone slider per labelled
// motion, the Suggest buttons, and slider tips that keep up with the slider.
#include <windows.h>

#include <commctrl.h>

#include "kcg_editor_dlg.h"
#include "tuning_rules.h"

void CKcgEditorDlg::PrepareTuningRows() {
    const std::array<model::TuningRow, model::kRows> rows = model::PrepareTuningRows(m_Motions);
    // Every row starts disabled; the rows of the game's motions come back.
    for (const ui::Static &label : m_staticRowLabel)
        label.Enable(false);
    for (const ui::Slider &slider : m_sliderScalar)
        slider.Enable(false);
    for (const ui::Slider &slider : m_sliderDeadZone)
        slider.Enable(false);
    for (int row = 0; row < model::kRows; ++row) {
        m_staticRowLabel[row].SetText(rows[row].label);
        if (!rows[row].enabled) continue;
        m_staticRowLabel[row].Enable(true);
        m_sliderScalar[row].Enable(true);
        m_sliderDeadZone[row].Enable(true);
    }
}

void CKcgEditorDlg::OnSuggest(int row) {
    // From the mapping committed when the Axis Mapping screen was left; a
    // disabled row moves all the same.
    const model::Suggestion suggestion = model::SuggestForRow(CurrentRows(), row);
    m_sliderDeadZone[row].SetPosition(suggestion.deadZonePos, true);
    m_sliderScalar[row].SetPosition(suggestion.scalarPos, true);
    RefreshSliderTip(m_sliderDeadZone[row].hwnd());
    RefreshSliderTip(m_sliderScalar[row].hwnd());
}

bool CKcgEditorDlg::OnHScroll(int /*code*/, int /*position*/, HWND control) {
    RefreshSliderTip(control);
    return false;
}

void CKcgEditorDlg::RefreshSliderTip(HWND slider) {
    // A tip that is showing over the slider asks for its text again, so that
    // it reads the position the keys, the mouse or Suggest just moved to.
    if (!m_pToolTip || !m_pToolTip->hwnd() || !slider) return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(slider);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(m_pToolTip->hwnd(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}
