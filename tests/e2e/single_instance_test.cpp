// A second start of the editor while one runs, on any screen and in either
// mode, only brings the running one forward: it opens nothing and leaves the
// monitor alone.
#include <gtest/gtest.h>

#include "controls.h"
#include "editor_session.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

struct RunningEditor {
    bool internal;
    int screen;
    const char *title;
};

class SingleInstanceTest : public EditorTest, public ::testing::WithParamInterface<RunningEditor> {};

TEST_P(SingleInstanceTest, SecondStartBringsTheRunningEditorForwardAndEnds) {
    const RunningEditor &running = GetParam();
    Editor first = OpenEditor(running.internal ? "-QUORVANE" : "", running.internal);
    ASSERT_NE(first.window, nullptr);
    ASSERT_TRUE(GoToScreen(first, running.screen, running.internal));
    ASSERT_EQ(e2e::WindowTitle(first.window), running.title);
    const size_t monitorStarts = WaitForMonitorStarts(1).size();
    ShowWindowAsync(first.window, SW_MINIMIZE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(first.window) != FALSE; }, e2e::kDefaultBoundMs));

    e2e::ChildProcess second = StartEditor("");
    // It ends on its own: a note or a window of its own would keep it running.
    ASSERT_TRUE(second.WaitForExit(e2e::kDefaultBoundMs)) << "the second editor is still running";
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(first.window); }, e2e::kDefaultBoundMs))
        << "the running editor was not restored";
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == first.window; }, e2e::kDefaultBoundMs))
        << "the running editor is not in front";
    EXPECT_EQ(EditorWindows(), std::vector<HWND>{first.window});
    EXPECT_EQ(e2e::WindowTitle(first.window), running.title);
    EXPECT_EQ(MonitorStarts().size(), monitorStarts) << "the second start touched the monitor";
    CloseEditor(first);
}

INSTANTIATE_TEST_SUITE_P(EveryScreenAndMode, SingleInstanceTest,
                         ::testing::Values(RunningEditor{false, 1, kGeneralTitle},
                                           RunningEditor{false, 2, kAxisTitle},
                                           RunningEditor{false, 3, kTuningTitle},
                                           RunningEditor{true, 1, kGeneralInternalTitle},
                                           RunningEditor{true, 2, kAxisInternalTitle},
                                           RunningEditor{true, 3, kTuningInternalTitle}),
                         [](const ::testing::TestParamInfo<RunningEditor> &info) {
                             return std::string(info.param.internal ? "Internal" : "Normal") + "Screen" +
                                    std::to_string(info.param.screen);
                         });

} // namespace
} // namespace e2e_test
