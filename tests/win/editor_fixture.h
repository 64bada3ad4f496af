// Shared by the editor's window tests: the main dialog created modeless with
// scripted message boxes, on the sample installation, and a scratch folder.
#ifndef KCG_TESTS_WIN_EDITOR_FIXTURE_H
#define KCG_TESTS_WIN_EDITOR_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "kcg_editor_dlg.h"
#include "scripted_dialogs.h"

namespace editor_test {

// samples/install, as the editor would get it from the registry.
std::string SampleInstallation();
// A sample file under samples/install/config/default/<folder>.
std::string SampleFile(const std::string &folder, const std::string &name);

// Handles every message waiting for this thread.
void PumpMessages();

// A folder of its own under the temporary folder, removed with its files.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    std::string Path(const std::string &name) const { return folder_ + "\\" + name; }

  private:
    std::string folder_;
};

// The whole text of a file ("" if it cannot be read).
std::string ReadWholeFile(const std::string &path);

// The ids of the dialog's controls whose own visible flag is set.
std::set<int> VisibleControls(HWND dialog);

// Public throughout, so that table-driven cases can act on the fixture.
class EditorDialog : public ::testing::Test {
  public:
    void TearDown() override;

    // Creates the dialog (modeless, hidden) on the sample installation.
    void Open(bool internal = false);
    void Click(int id);
    HWND Item(int id) const { return dialog->Item(id); }
    std::string Text(int id) const;
    void SetText(int id, const std::string &text);
    int SliderPosition(int id) const;
    void SetSliderPosition(int id, int position);

    ui::ScriptedDialogs boxes;
    std::unique_ptr<ui::ScopedDialogHook> hook = std::make_unique<ui::ScopedDialogHook>(boxes);
    std::unique_ptr<CKcgEditorDlg> dialog;
};

} // namespace editor_test

#endif // KCG_TESTS_WIN_EDITOR_FIXTURE_H
