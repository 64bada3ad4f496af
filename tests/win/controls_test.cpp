// The control wrappers on the wizard's own controls: texts of any length,
// sorted lists, combo boxes, and the tool tips' text requests.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app.h"
#include "combo_box.h"
#include "dialog.h"
#include "edit.h"
#include "list_box.h"
#include "resource.h"
#include "tool_tip.h"

namespace {

class ControlsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ui::App().InitCommonControls(); }
    void SetUp() override { ASSERT_TRUE(wizard_.Create()); }
    ui::Dialog wizard_{IDD_KCGEDITOR_DIALOG};
};

TEST_F(ControlsTest, TextsOfAnyLengthComeBackWhole) {
    ui::Edit instructions;
    ASSERT_TRUE(instructions.Bind(wizard_.hwnd(), IDC_INSTRUCTIONS));
    for (const std::string &text : {std::string(), std::string("a"), std::string(5000, 'x') + "\r\nend"}) {
        instructions.SetText(text);
        EXPECT_EQ(instructions.Text(), text);
    }
    ui::Edit missing;
    EXPECT_FALSE(missing.Bind(wizard_.hwnd(), 4321));
    EXPECT_EQ(missing.Text(), "");
    EXPECT_EQ(ui::WindowText(nullptr), "");
}

TEST_F(ControlsTest, SortedListFindsWithoutRegardToCase) {
    ui::ListBox list(wizard_.Item(IDC_EXE_LIST));
    for (const char *name : {"racer.exe", "Alpha.EXE", "zeta.exe"})
        list.Add(name);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemText(0) + list.ItemText(1) + list.ItemText(2), "Alpha.EXEracer.exezeta.exe");
    EXPECT_EQ(list.ItemText(3), "") << "out of range";
    EXPECT_EQ(list.FindExact("RACER.EXE"), 1);
    EXPECT_EQ(list.FindExact("racer"), -1) << "whole names only";
}

TEST_F(ControlsTest, ComboBoxesSortInsertAndSelectByPrefix) {
    ui::ComboBox owner(wizard_.Item(IDC_OWNER));
    for (const char *word : {"USER", "OEM", "QUORVANE"})
        owner.Add(word);
    EXPECT_EQ(owner.ItemText(0), "OEM");
    EXPECT_EQ(owner.SelectPrefix("QUORVANE"), 1);
    EXPECT_EQ(owner.Text(), "QUORVANE");
    EXPECT_EQ(owner.SelectPrefix("X"), -1);

    // The axis combo boxes are not sorted: the display item goes where it is put.
    ui::ComboBox axis(wizard_.Item(IDC_AXIS_0));
    axis.Add("Jump/Crouch");
    axis.Add("None/None");
    EXPECT_EQ(axis.Insert(2, "Jump"), 2);
    EXPECT_EQ(axis.Insert(0, "first"), 0);
    EXPECT_EQ(axis.ItemText(3), "Jump");
    EXPECT_EQ(axis.FindExact("none/none"), 2);

    ui::ComboBox label(wizard_.Item(IDC_LABEL_X_POS));
    label.SetText("Strafe Left");
    EXPECT_EQ(label.Text(), "Strafe Left") << "the edit part of a drop-down";
}

TEST_F(ControlsTest, ToolTipTakesEveryChildAsATool) {
    ui::ToolTip tips;
    ASSERT_TRUE(tips.Create(wizard_.hwnd()));
    int children = 0;
    for (HWND child = GetWindow(wizard_.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(tips.AddChildren(), children);
    EXPECT_EQ(tips.ToolCount(), children);
    EXPECT_FALSE(tips.Create(wizard_.hwnd())) << "one tip window per object";
}

TEST(ToolTipRequest, AnswersOnlyWindowToolsAndCutsTheText) {
    HWND control = GetDesktopWindow();
    NMTTDISPINFOA ansi{};
    ansi.hdr.code = TTN_GETDISPINFOA;
    ansi.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    ansi.uFlags = TTF_IDISHWND;
    EXPECT_EQ(ui::ToolTip::RequestedTool(&ansi.hdr), control);

    const std::string longText(100, 'a');
    ui::ToolTip::AnswerRequest(&ansi.hdr, longText);
    EXPECT_EQ(std::string(ansi.lpszText), std::string(79, 'a'));
    ui::ToolTip::AnswerRequest(&ansi.hdr, "Current scalar: 1.00");
    EXPECT_STREQ(ansi.lpszText, "Current scalar: 1.00");

    NMTTDISPINFOW wide{};
    wide.hdr.code = TTN_GETDISPINFOW;
    wide.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    wide.uFlags = TTF_IDISHWND;
    EXPECT_EQ(ui::ToolTip::RequestedTool(&wide.hdr), control);
    ui::ToolTip::AnswerRequest(&wide.hdr, longText);
    EXPECT_EQ(std::wstring(wide.lpszText), std::wstring(79, L'a'));

    ansi.uFlags = 0;
    EXPECT_EQ(ui::ToolTip::RequestedTool(&ansi.hdr), nullptr) << "a tool not identified by its window";
    NMHDR other{};
    other.code = NM_CLICK;
    EXPECT_EQ(ui::ToolTip::RequestedTool(&other), nullptr);
    EXPECT_EQ(ui::ToolTip::RequestedTool(nullptr), nullptr);
}

} // namespace
