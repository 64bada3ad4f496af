// Without a complete installation of the driver software the editor refuses
// to run: one message, no window, and the monitor is left alone. A registry
// value with a trailing backslash names the same installation.
#include <gtest/gtest.h>

#include "editor_session.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

struct MissingPiece {
    const char *name;
    bool removeKey;
    bool removeValue;
    bool pointElsewhere;
    e2e::InstallationParts parts;
};

e2e::InstallationParts Without(bool e2e::InstallationParts::*part) {
    e2e::InstallationParts parts;
    parts.*part = false;
    return parts;
}

class RefusalTest : public EditorTest, public ::testing::WithParamInterface<MissingPiece> {};

TEST_P(RefusalTest, ShowsTheNotFoundMessageAndEndsWithoutTouchingTheMonitor) {
    const MissingPiece &missing = GetParam();
    LayOutInstallation(missing.parts);
    if (missing.removeKey) {
        ASSERT_TRUE(registry_.RemoveKey());
    }
    if (missing.removeValue) {
        ASSERT_TRUE(registry_.RemoveValue());
    }
    if (missing.pointElsewhere) {
        ASSERT_TRUE(registry_.Set(InstallRoot() + "\\nowhere"));
    }

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
                         ::testing::Values(MissingPiece{"NoKey", true, false, false, {}},
                                           MissingPiece{"NoValue", false, true, false, {}},
                                           MissingPiece{"ValueNamesNoFolder", false, false, true, {}},
                                           MissingPiece{"NoHelpFile", false, false, false,
                                                        Without(&e2e::InstallationParts::helpFile)},
                                           MissingPiece{"NoWindowsConfigFolder", false, false, false,
                                                        Without(&e2e::InstallationParts::winConfigFolder)}),
                         [](const ::testing::TestParamInfo<MissingPiece> &info) {
                             return std::string(info.param.name);
                         });

using InstallationValueTest = EditorTest;

TEST_F(InstallationValueTest, TrailingBackslashNamesTheSameInstallation) {
    ASSERT_TRUE(registry_.Set(InstallRoot() + "\\"));
    Editor editor = OpenEditor("", false);
    ASSERT_NE(editor.window, nullptr);
    CloseEditor(editor);
    EXPECT_EQ(WaitForMonitorStarts(2), (std::vector<e2e::MonitorStart>{MonitorShutDown(), MonitorRestart()}));
}

// Only the help file and the Windows configuration folder are looked for:
// the DOS folder may be missing.
TEST_F(InstallationValueTest, InstallationWithoutDosFolderIsAccepted) {
    LayOutInstallation(Without(&e2e::InstallationParts::dosConfigFolder));
    Editor editor = OpenEditor("", false);
    ASSERT_NE(editor.window, nullptr);
    CloseEditor(editor);
}

} // namespace
} // namespace e2e_test
