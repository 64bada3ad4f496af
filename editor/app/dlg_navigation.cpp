// Moving between the wizard's three screens: which one shows, the window
// title, and Next and Back with the checks of the screen being left.
#include "kcg_editor_dlg.h"
#include "update_lock.h"

Screen &CKcgEditorDlg::ScreenObject(int screen) {
    switch (screen) {
    case model::kAxisScreen:
        return axis_;
    case model::kTuningScreen:
        return tuning_;
    default:
        return general_;
    }
}

void CKcgEditorDlg::ShowScreen(int screen) {
    {
        UpdateLock lock(hwnd());
        for (const int other : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen})
            if (other != screen) ScreenObject(other).Show(false);
        screen_ = screen;
        ScreenObject(screen).Show(true);
    }
    ScreenObject(screen).Shown();
    const int title = model::ScreenTitleId(screen_, context_.internal);
    SetTitle(ui::LoadResourceText(Instance(), static_cast<UINT>(title)).value_or(""));
}

void CKcgEditorDlg::ReturnToGeneralScreen() {
    if (screen_ != model::kGeneralScreen) ShowScreen(model::kGeneralScreen);
}

void CKcgEditorDlg::OnNextGeneral() {
    if (!general_.CheckForNext()) return;
    axis_.Enter();
    axisHistory_.Rebase(doc_.Values());
    ShowScreen(model::kAxisScreen);
}

void CKcgEditorDlg::OnBackAxis() {
    if (!axis_.Commit(false)) return;
    ShowScreen(model::kGeneralScreen);
}

void CKcgEditorDlg::OnNextAxis() {
    if (!axis_.CheckForNext()) return;
    ShowScreen(model::kTuningScreen);
    tuning_.Enter(axis_.Motions());
}

void CKcgEditorDlg::OnBackTuning() {
    ShowScreen(model::kAxisScreen);
}
