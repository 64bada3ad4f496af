// What every end-to-end test of the editor shares: the program's paths, its
// window titles and message captions, a scratch installation that the
// registry points at, and starting, reaching and closing the editor.
#ifndef KCG_E2E_EDITOR_SESSION_H
#define KCG_E2E_EDITOR_SESSION_H

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installation.h"
#include "process.h"

namespace e2e_test {

// The screens' window titles, normal and internal-use.
extern const char kGeneralTitle[];
extern const char kAxisTitle[];
extern const char kTuningTitle[];
extern const char kGeneralInternalTitle[];
extern const char kAxisInternalTitle[];
extern const char kTuningInternalTitle[];

extern const char kNotFoundCaption[];
extern const char kNotFoundText[];
extern const char kMonitorNoteCaption[];
extern const char kMonitorNoteText[];
extern const char kSavePromptCaption[];

// Button and menu ids the tests press.
enum ControlId : int {
    kGameTitleEdit = 1000,
    kExecutableEdit = 1002,
    kAddExecutableButton = 1003,
    kFirstLabelCombo = 1007,
    kNextGeneralButton = 1145,
    kFirstAxisCombo = 1402,
    kNextAxisButton = 1351,
    kBackAxisButton = 1352,
    kBackTuningButton = 1654,
    kExitButton = 1769,
    kMenuExit = 32774,
};

// Windows path of the editor program and the folder it lives in.
std::string EditorProgram();
std::string EditorFolder();

// The ways a user ends the editor.
enum class WayToClose { kCloseBox, kEscape, kMenuExit, kExitButton };

// A running editor as the tests see it.
struct Editor {
    e2e::ChildProcess process;
    HWND window = nullptr;
};

class EditorTest : public ::testing::Test {
  protected:
    // No editor of an earlier test may still be running; a fresh installation
    // is laid out for this test and the registry value points at it.
    void SetUp() override;
    // Fails the test if an editor is left running (each test's processes end
    // with the objects that own them), and ends it so later tests start clean.
    void TearDown() override;

    // This test's scratch installation (Windows path) and start folder.
    const std::string &InstallRoot() const { return installRoot_; }
    const std::string &StartFolder() const { return startFolder_; }

    // Lays out the installation again with some parts missing.
    void LayOutInstallation(const e2e::InstallationParts &parts);

    // Starts the editor with the switches after its path; the process belongs
    // to the test.
    e2e::ChildProcess StartEditor(const std::string &switches);

    // Starts the editor and brings it to its first screen: answers the monitor
    // note unless internal, and waits for the window. window is null (and the
    // test has failed) if the screen did not appear.
    Editor OpenEditor(const std::string &switches, bool internal);

    // Moves a running editor from the first screen to screen (1 to 3), filling
    // in what the checks on the way ask for; false if a screen did not appear.
    bool GoToScreen(Editor &editor, int screen, bool internal);

    // Closes the editor the way a user would, discards changes at the save
    // prompt if it asks, and waits for the process to end.
    void CloseEditor(Editor &editor, WayToClose way = WayToClose::kCloseBox);

    std::vector<e2e::MonitorStart> MonitorStarts() const { return e2e::MonitorStarts(installRoot_); }
    // The monitor's shut-down (from the editor's folder) and restart (from the
    // installation folder) as its log records them.
    e2e::MonitorStart MonitorShutDown() const {
        return {installRoot_ + "\\kavmon.exe -close", EditorFolder()};
    }
    e2e::MonitorStart MonitorRestart() const { return {installRoot_ + "\\kavmon.exe", installRoot_}; }
    // Waits until the monitor's log holds count starts (at most the bound).
    std::vector<e2e::MonitorStart> WaitForMonitorStarts(size_t count) const;

    // The editor windows (any screen, any mode) now on the desktop.
    static std::vector<HWND> EditorWindows();

    e2e::InstallationValue registry_;

  private:
    std::string installRoot_;
    std::string startFolder_;
};

} // namespace e2e_test

#endif // KCG_E2E_EDITOR_SESSION_H
