// The driver software's monitor: shut down (started with "-close" from the
// editor's own folder) before the editor's window opens, and started again
// from the installation folder after the window closes, whichever way.
#include <gtest/gtest.h>

#include "editor_session.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

using MonitorTest = EditorTest;

TEST_F(MonitorTest, NoteFirstThenShutDownThenWindowThenRestart) {
    e2e::ChildProcess editor = StartEditor("");
    const std::optional<e2e::MessageBoxSeen> note = e2e::WaitForMessageBox(kMonitorNoteCaption, editor.Id());
    ASSERT_TRUE(note) << "no monitor note";
    EXPECT_EQ(note->text, kMonitorNoteText);
    EXPECT_EQ(note->buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(EditorWindows().empty()) << "the window opened before the note was answered";
    EXPECT_TRUE(MonitorStarts().empty()) << "the monitor was shut down before the note was answered";
    ASSERT_TRUE(e2e::AnswerMessageBox(note->window, IDOK));

    EXPECT_EQ(WaitForMonitorStarts(1), std::vector<e2e::MonitorStart>{MonitorShutDown()});
    e2e::WindowQuery query;
    query.title = kGeneralTitle;
    query.processId = editor.Id();
    Editor running{std::move(editor), e2e::WaitForTopLevelWindow(query)};
    ASSERT_NE(running.window, nullptr);
    EXPECT_EQ(MonitorStarts().size(), 1u) << "the monitor was restarted while the editor runs";

    CloseEditor(running); // by the close box
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
}

class MonitorRestartTest : public EditorTest, public ::testing::WithParamInterface<WayToClose> {};

TEST_P(MonitorRestartTest, MonitorRunsAgainHoweverTheEditorIsClosed) {
    Editor editor = OpenEditor("", false);
    ASSERT_NE(editor.window, nullptr);
    WaitForMonitorStarts(1);
    CloseEditor(editor, GetParam());
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
}

INSTANTIATE_TEST_SUITE_P(EachWay, MonitorRestartTest,
                         ::testing::Values(WayToClose::kEscape, WayToClose::kMenuExit),
                         [](const ::testing::TestParamInfo<WayToClose> &info) {
                             return std::string(info.index == 0 ? "Escape" : "MenuExit");
                         });

} // namespace
} // namespace e2e_test
