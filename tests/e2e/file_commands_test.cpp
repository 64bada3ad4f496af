// The file commands as only the whole process shows them: saving through the
// system's own save dialog, and a file named on the command line opened at
// start.
#include <gtest/gtest.h>

#include "controls.h"
#include "editor_session.h"
#include "files.h"
#include "message_boxes.h"
#include "top_windows.h"

namespace e2e_test {
namespace {

constexpr int kSaveButton = 1653;
constexpr int kFileNameEdit = 1029;
// The file-name box of the system's save dialog.
constexpr int kSaveDialogFileName = 1148;

using FileCommandsTest = EditorTest;

TEST_F(FileCommandsTest, SaveGoesThroughTheSystemDialogAndWritesANewFile) {
    Editor editor = OpenEditor("", false);
    ASSERT_NE(editor.window, nullptr);
    ASSERT_TRUE(GoToScreen(editor, 3, false));
    ASSERT_TRUE(e2e::PressButton(editor.window, kSaveButton));

    e2e::WindowQuery query;
    query.title = "Save As";
    query.processId = editor.process.Id();
    const HWND save = e2e::WaitForTopLevelWindow(query);
    ASSERT_NE(save, nullptr) << "no save dialog";
    // A name that does not exist yet: the dialog must let it through.
    const std::string path = StartFolder() + "\\harbor.kcg";
    ASSERT_FALSE(e2e::PathExists(path));
    ASSERT_TRUE(e2e::WriteText(e2e::ControlOf(save, kSaveDialogFileName), path));
    ASSERT_TRUE(e2e::PressButton(save, IDOK));
    ASSERT_TRUE(e2e::WaitForNoTopLevelWindow(query)) << "the save dialog stayed";

    e2e::WaitUntil([&] { return e2e::PathExists(path); }, e2e::kDefaultBoundMs);
    const std::optional<std::string> written = e2e::ReadWholeFile(path);
    ASSERT_TRUE(written) << "nothing written at " << path;
    EXPECT_NE(written->find("APPLICATION_NAME = \"Harbor Patrol\""), std::string::npos);
    EXPECT_EQ(e2e::ReadText(e2e::ControlOf(editor.window, kFileNameEdit)),
              std::optional<std::string>("harbor.kcg"));
    for (HWND box : e2e::DialogBoxesOf(editor.process.Id()))
        EXPECT_EQ(box, editor.window) << "a message came up: " << e2e::WindowTitle(box);
    CloseEditor(editor, WayToClose::kExitButton); // saved: no question
}

TEST_F(FileCommandsTest, AFileNamedOnTheCommandLineOpensAtStart) {
    const std::string file = StartFolder() + "\\harbor3d.kcg";
    ASSERT_TRUE(
        e2e::CopyOneFile(e2e::WindowsPath(KCG_E2E_SAMPLES "/install/config/default/win/harbor3d.kcg"), file));
    // A relative name, from the folder the editor is started in.
    Editor editor = OpenEditor("harbor3d.kcg", false);
    ASSERT_NE(editor.window, nullptr);
    const HWND title = e2e::ControlOf(editor.window, kGameTitleEdit);
    e2e::WaitUntil([&] { return e2e::ReadText(title) == std::optional<std::string>("Harbor Patrol 3D"); },
                   e2e::kDefaultBoundMs);
    EXPECT_EQ(e2e::ReadText(title), std::optional<std::string>("Harbor Patrol 3D"));
    EXPECT_EQ(e2e::ReadText(e2e::ControlOf(editor.window, kFileNameEdit)),
              std::optional<std::string>("harbor3d.kcg"));
    CloseEditor(editor);
}

} // namespace
} // namespace e2e_test
