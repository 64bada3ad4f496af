// The document behind the screens: the screens' values into the document and
// back, a new document, opening and writing files, and the change test.
#include "kcg_editor_dlg.h"
#include "resource.h"
#include "show_message.h"

std::string CKcgEditorDlg::DefaultInstructions() {
    std::optional<std::string> text = ui::LoadResourceText(Instance(), IDS_1_INSTRUCTIONS_DEFAULT);
    if (!text) {
        ui::MessageBox(hwnd(), "Error Loading String: IDS_1_INSTRUCTIONS_DEFAULT", ProgramCaption(), MB_OK);
    }
    return text.value_or("");
}

bool CKcgEditorDlg::ScreensToConfig() {
    for (const int screen : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen})
        ScreenObject(screen).ToDocument();
    return doc_.ApplyToRecord();
}

void CKcgEditorDlg::ConfigToScreens() {
    for (const int screen : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen})
        ScreenObject(screen).FromDocument();
}

void CKcgEditorDlg::ResetDocument() {
    tuning_.ToDocument();
    doc_.New([this] { return DefaultInstructions(); });
    ShowAsSaved();
}

void CKcgEditorDlg::ShowAsSaved() {
    // What the screens show is what counts as saved: a document just opened,
    // untouched, is never changed.
    ConfigToScreens();
    ScreensToConfig();
    doc_.MarkSaved();
    ResetHistories();
}

bool CKcgEditorDlg::LoadFile(const std::string &path) {
    // The screens' own state (which Tuning rows are in use) goes with the document.
    tuning_.ToDocument();
    switch (doc_.Load(path, [this] { return DefaultInstructions(); })) {
    case model::LoadResult::kReadFailed:
        ShowMessage(hwnd(), model::ReadFailedMessage());
        return false;
    case model::LoadResult::kNotWindows:
        ShowMessage(hwnd(), model::NotWindowsMessage());
        return false;
    case model::LoadResult::kLoaded:
        break;
    }
    ShowAsSaved();
    return true;
}

bool CKcgEditorDlg::WriteFile(const std::string &path, bool takeSnapshot) {
    ScreensToConfig();
    if (!doc_.Write(path, takeSnapshot)) {
        ShowMessage(hwnd(), model::WriteFailedMessage());
        return false;
    }
    return true;
}

bool CKcgEditorDlg::IsModified() {
    ScreensToConfig();
    // One motion chosen for two ball axes cannot be saved as it is shown.
    if (screen_ == model::kAxisScreen && !axis_.Commit(true)) return true;
    return doc_.Changed();
}
