// The internal-use switch, in any letter case: the screens carry the
// internal-use titles, the monitor note is not shown, and the monitor is
// still shut down and restarted.
#include <gtest/gtest.h>

#include "controls.h"
#include "editor_session.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

class InternalUseTest : public EditorTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(InternalUseTest, InternalTitlesOnEveryScreenAndNoMonitorNote) {
    // OpenEditor waits for the first screen without answering a note: a note
    // would hold the window back and fail the wait.
    Editor editor = OpenEditor(GetParam(), true);
    ASSERT_NE(editor.window, nullptr);
    EXPECT_EQ(e2e::DialogBoxesOf(editor.process.Id()), std::vector<HWND>{editor.window});
    EXPECT_EQ(WaitForMonitorStarts(1), std::vector<e2e::MonitorStart>{MonitorShutDown()});

    const struct {
        int button;
        const char *title;
    } kWalk[] = {{kNextGeneralButton, kAxisInternalTitle},
                 {kNextAxisButton, kTuningInternalTitle},
                 {kBackTuningButton, kAxisInternalTitle},
                 {kBackAxisButton, kGeneralInternalTitle}};
    for (const auto &step : kWalk) {
        ASSERT_TRUE(e2e::PressButton(editor.window, step.button));
        e2e::WindowQuery query;
        query.title = step.title;
        query.processId = editor.process.Id();
        EXPECT_EQ(e2e::WaitForTopLevelWindow(query), editor.window) << "after button " << step.button;
    }
    CloseEditor(editor);
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
}

INSTANTIATE_TEST_SUITE_P(AnyCase, InternalUseTest, ::testing::Values("-QUORVANE", "-quorvane"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return info.index == 0 ? std::string("UpperCase") : std::string("LowerCase");
                         });

} // namespace
} // namespace e2e_test
