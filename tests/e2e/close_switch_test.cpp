// "-close" in the command line, in any letter case and anywhere in it: it
// closes a running editor through the editor's own closing path, and with no
// editor running it does nothing at all.
#include <gtest/gtest.h>

#include "controls.h"
#include "editor_session.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

class CloseSwitchTest : public EditorTest, public ::testing::WithParamInterface<const char *> {
  protected:
    // Starts "editor SWITCH", which must end at once with status 0.
    void RunCloser(const char *switches) {
        e2e::ChildProcess closer = StartEditor(switches);
        ASSERT_TRUE(closer.WaitForExit(e2e::kDefaultBoundMs)) << "the closing start is still running";
        EXPECT_EQ(closer.ExitCode(), 0u);
    }
};

TEST_P(CloseSwitchTest, ClosesTheRunningEditorWhichRestartsTheMonitor) {
    Editor running = OpenEditor("", false);
    ASSERT_NE(running.window, nullptr);
    WaitForMonitorStarts(1);
    RunCloser(GetParam());
    ASSERT_TRUE(running.process.WaitForExit(e2e::kDefaultBoundMs)) << "the running editor did not close";
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
    EXPECT_TRUE(EditorWindows().empty());
}

TEST_P(CloseSwitchTest, DoesNothingWhenNoEditorRunsNotEvenTheInstallationCheck) {
    // Without an installation a start that went on would stop at the refusal
    // message and wait there for an answer.
    ASSERT_TRUE(registry_.RemoveValue());
    RunCloser(GetParam());
    Sleep(1000); // a monitor started by mistake would have logged by now
    EXPECT_TRUE(MonitorStarts().empty());
    EXPECT_TRUE(EditorWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(AnyCaseAnywhere, CloseSwitchTest, ::testing::Values("-CLOSE", "now-cLoSe"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return info.index == 0 ? std::string("UpperCase") : std::string("InsideAWord");
                         });

// With unsaved changes the running editor asks first, and Cancel keeps it open.
TEST_F(EditorTest, CloseSwitchGoesThroughTheRunningEditorsSavePrompt) {
    Editor running = OpenEditor("", false);
    ASSERT_NE(running.window, nullptr);
    ASSERT_TRUE(e2e::TypeText(e2e::ControlOf(running.window, kGameTitleEdit), "Unsaved Game"));
    e2e::ChildProcess closer = StartEditor("-close");
    ASSERT_TRUE(closer.WaitForExit(e2e::kDefaultBoundMs));
    const std::optional<e2e::MessageBoxSeen> prompt =
        e2e::WaitForMessageBox(kSavePromptCaption, running.process.Id());
    ASSERT_TRUE(prompt) << "no save prompt";
    ASSERT_TRUE(e2e::AnswerMessageBox(prompt->window, IDCANCEL));
    EXPECT_FALSE(running.process.WaitForExit(2000)) << "Cancel at the prompt did not keep the editor open";
    EXPECT_EQ(MonitorStarts().size(), 1u);
    CloseEditor(running);
}

} // namespace
} // namespace e2e_test
