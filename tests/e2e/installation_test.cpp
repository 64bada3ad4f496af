// Without a complete installation of the driver software the editor refuses
// to run: one message, no window, and the monitor is left alone. A registry
// value with a trailing backslash names the same installation.
#include <gtest/gtest.h>

#include "editor_session.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

enum class Missing { kKey, kValue, kFolderOfValue, kHelpFile, kWindowsConfigFolder };

std::string NameOf(const ::testing::TestParamInfo<Missing> &info) {
    static const char *const kNames[] = {"NoKey", "NoValue", "ValueNamesNoFolder", "NoHelpFile",
                                         "NoWindowsConfigFolder"};
    return kNames[info.index];
}

class RefusalTest : public EditorTest, public ::testing::WithParamInterface<Missing> {};

TEST_P(RefusalTest, ShowsTheNotFoundMessageAndEndsWithoutTouchingTheMonitor) {
    e2e::InstallationParts parts;
    switch (GetParam()) {
    case Missing::kKey:
        ASSERT_TRUE(registry_.RemoveKey());
        break;
    case Missing::kValue:
        ASSERT_TRUE(registry_.RemoveValue());
        break;
    case Missing::kFolderOfValue:
        ASSERT_TRUE(registry_.Set(InstallRoot() + "\\nowhere"));
        break;
    case Missing::kHelpFile:
        parts.helpFile = false;
        break;
    case Missing::kWindowsConfigFolder:
        parts.winConfigFolder = false;
        break;
    }
    LayOutInstallation(parts);

    e2e::ChildProcess editor = StartEditor("");
    const std::optional<e2e::MessageBoxSeen> refusal = e2e::WaitForMessageBox(kNotFoundCaption, editor.Id());
    ASSERT_TRUE(refusal) << "no refusal message";
    EXPECT_EQ(refusal->text, kNotFoundText);
    EXPECT_EQ(refusal->buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(EditorWindows().empty());
    ASSERT_TRUE(e2e::AnswerMessageBox(refusal->window, IDOK));
    ASSERT_TRUE(editor.WaitForExit(e2e::kDefaultBoundMs)) << "the editor went on after the refusal";
    EXPECT_TRUE(EditorWindows().empty());
    EXPECT_TRUE(MonitorStarts().empty()) << "the monitor was started";
}

INSTANTIATE_TEST_SUITE_P(EachMissingPiece, RefusalTest,
                         ::testing::Values(Missing::kKey, Missing::kValue, Missing::kFolderOfValue,
                                           Missing::kHelpFile, Missing::kWindowsConfigFolder),
                         NameOf);

// A trailing backslash in the value names the same installation, and only the
// help file and the Windows configuration folder are looked for: the DOS
// folder may be missing.
TEST_F(EditorTest, TrailingBackslashAndNoDosFolderAreAccepted) {
    e2e::InstallationParts parts;
    parts.dosConfigFolder = false;
    LayOutInstallation(parts);
    ASSERT_TRUE(registry_.Set(InstallRoot() + "\\"));
    Editor editor = OpenEditor("", false);
    ASSERT_NE(editor.window, nullptr);
    CloseEditor(editor);
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
}

} // namespace
} // namespace e2e_test
