// Shared by the editor's window tests: the main dialog created modeless on the
// sample installation with scripted message boxes, and a scratch folder.
#ifndef KCG_TESTS_WIN_EDITOR_FIXTURE_H
#define KCG_TESTS_WIN_EDITOR_FIXTURE_H

#include <windows.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "kcg_editor_dlg.h"
#include "scripted_dialogs.h"

namespace editor_test {

// samples/install, as the editor gets it from the registry.
inline std::string SampleInstallation() {
    return std::filesystem::path(KCG_SAMPLES_DIR "/install").make_preferred().string();
}

// A sample file of the installation's "win" or "dos" folder.
inline std::string SampleFile(const std::string &folder, const std::string &name) {
    return SampleInstallation() + "\\config\\default\\" + folder + "\\" + name;
}

inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The ids of the dialog's controls whose own visible flag is set.
inline std::set<int> VisibleControls(HWND dialog) {
    std::set<int> visible;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) visible.insert(GetDlgCtrlID(child));
    }
    return visible;
}

// Public throughout, so that table-driven cases can act on the fixture.
class EditorDialog : public ::testing::Test {
  public:
    void TearDown() override {
        dialog.reset();
        PumpMessages();
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }

    // Creates the dialog (modeless, hidden) on the sample installation.
    void Open(bool internal = false) {
        dialog = std::make_unique<CKcgEditorDlg>(GetModuleHandleA(nullptr));
        dialog->m_bInternal = internal ? 1 : 0;
        dialog->m_szInstallDir = SampleInstallation();
        ASSERT_TRUE(dialog->Create(nullptr));
        PumpMessages();
    }
    HWND Item(int id) const { return dialog->Item(id); }
    void Click(int id) {
        SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(id)));
    }
    std::string Text(int id) const { return ui::WindowText(Item(id)); }
    void SetText(int id, const std::string &text) { SetWindowTextA(Item(id), text.c_str()); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int Position(int slider) const { return static_cast<int>(SendMessageA(Item(slider), TBM_GETPOS, 0, 0)); }
    void SetPosition(int slider, int position) { SendMessageA(Item(slider), TBM_SETPOS, TRUE, position); }
    // A path in the test's own scratch folder.
    std::string Scratch(const std::string &name) {
        std::filesystem::create_directories(scratch);
        return (scratch / name).string();
    }

    ui::ScriptedDialogs boxes;
    ui::ScopedDialogHook hook{boxes};
    std::unique_ptr<CKcgEditorDlg> dialog;
    std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("kcgedit-test-" + std::to_string(GetCurrentProcessId()));
};

} // namespace editor_test

#endif
