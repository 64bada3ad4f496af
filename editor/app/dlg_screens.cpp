// The three screens of the wizard: which controls each shows, the window
// title, and moving between them with Next and Back (the checks of Next on
// General Information are that screen's own, in dlg_general.cpp).
#include "kcg_editor_dlg.h"
#include "resource.h"
#include "screen_groups.h"
#include "screens.h"
#include "update_lock.h"

namespace {

template <std::size_t N> void ShowControls(const ui::Dialog &dialog, const int (&ids)[N], bool visible) {
    for (int id : ids) {
        if (HWND control = dialog.Item(id)) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
    }
}

} // namespace

void CKcgEditorDlg::SetScreenTitle() {
    const int id = model::ScreenTitleId(m_nScreen, m_bInternal != 0);
    SetTitle(ui::LoadResourceText(Instance(), static_cast<UINT>(id)).value_or(model::TitleText(id)));
}

void CKcgEditorDlg::ShowGeneralScreen() {
    m_nScreen = model::kGeneralScreen;
    SetScreenTitle();
    ShowControls(*this, screens::kGeneralGroup, true);
    ShowVariableNames();
    ShowOwnerControls();
}

void CKcgEditorDlg::HideGeneralScreen() {
    ShowControls(*this, screens::kGeneralGroup, false);
    ShowControls(*this, screens::kVariableNamesBeforeDirectX5, false);
    ShowControls(*this, screens::kVariableNamesDirectX5, false);
    ShowControls(*this, screens::kOwnerControls, false);
}

void CKcgEditorDlg::ShowAxisScreen() {
    m_nScreen = model::kAxisScreen;
    SetScreenTitle();
    ShowControls(*this, screens::kAxisGroup, true);
}

void CKcgEditorDlg::HideAxisScreen() {
    ShowControls(*this, screens::kAxisGroup, false);
    ShowControls(*this, screens::kBallPictures, false);
}

void CKcgEditorDlg::ShowTuningScreen() {
    m_nScreen = model::kTuningScreen;
    SetScreenTitle();
    ShowControls(*this, screens::kTuningGroup, true);
}

void CKcgEditorDlg::HideTuningScreen() {
    ShowControls(*this, screens::kTuningGroup, false);
}

void CKcgEditorDlg::ShowVariableNames() {
    if (m_nScreen != model::kGeneralScreen) return;
    ShowControls(*this, screens::kVariableNamesBeforeDirectX5, false);
    ShowControls(*this, screens::kVariableNamesDirectX5, false);
    if (m_bDirectX5 == 1) {
        ShowControls(*this, screens::kVariableNamesDirectX5, true);
    } else {
        ShowControls(*this, screens::kVariableNamesBeforeDirectX5, true);
    }
}

void CKcgEditorDlg::ShowOwnerControls() {
    ShowControls(*this, screens::kOwnerControls, false);
    if (m_nScreen == model::kGeneralScreen && m_bInternal == 1) {
        ShowControls(*this, screens::kOwnerControls, true);
    }
}

void CKcgEditorDlg::ShowOrientationBitmap() {
    if (m_nScreen != model::kAxisScreen) return;
    const bool vertical = m_nOrientation == 1;
    ShowWindow(Item(IDC_BALL_VERTICAL), vertical ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_BALL_HORIZONTAL), vertical ? SW_HIDE : SW_SHOW);
}

void CKcgEditorDlg::ReturnToGeneralScreen() {
    if (m_nScreen == model::kGeneralScreen) return;
    UpdateLock lock(hwnd());
    HideGeneralScreen();
    HideAxisScreen();
    HideTuningScreen();
    ShowGeneralScreen();
}

void CKcgEditorDlg::OnBackAxis() {
    if (!CommitAxisMap(false)) return;
    UpdateLock lock(hwnd());
    HideAxisScreen();
    ShowGeneralScreen();
}

void CKcgEditorDlg::OnNextAxis() {
    if (!CommitAxisMap(false)) return;
    if (const std::optional<model::CheckFailure> missing =
            model::CheckAxisMapPresent(CurrentRows(), m_bInternal == 1)) {
        ReportCheckFailure(*missing);
        return;
    }
    {
        UpdateLock lock(hwnd());
        HideAxisScreen();
        ShowTuningScreen();
    }
    PrepareTuningRows();
}

void CKcgEditorDlg::OnBackTuning() {
    {
        UpdateLock lock(hwnd());
        HideTuningScreen();
        ShowAxisScreen();
    }
    ShowOrientationBitmap();
}
