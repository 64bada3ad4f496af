// The dialog base: one procedure that keeps the object in its window, the
// message table, and the dialog's own modal loop. Every wait is bounded by a
// watchdog timer, so a broken loop fails the test instead of hanging it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app.h"
#include "button.h"
#include "command_table.h"
#include "dialog.h"
#include "resource.h"

namespace {

constexpr UINT kEndWith = WM_APP + 1; // wParam: the result to end with

// A list of ids whose second is the minor revision edit.
constexpr int kRowIds[] = {IDC_CLEAN_LIST, IDC_REVISION_MINOR};

// A small dialog (the File Revision Number template) that records what its
// handlers saw.
class Probe : public ui::Dialog {
  public:
    Probe() : ui::Dialog(IDD_FILE_REVISION) {}

    std::vector<std::string> calls;
    bool throwOnMajor = false;
    std::function<void(Probe &)> onInit;
    HWND watchOwner = nullptr;
    bool ownerWasEnabled = true;

  protected:
    BOOL OnInitDialog() override {
        calls.push_back("init");
        if (onInit) onInit(*this);
        return TRUE;
    }

    bool DispatchCommand(int id, int code) override {
        static const ui::Command<Probe> kCommands[] = {
            {IDOK, BN_CLICKED, &Probe::OnAccept},
            {IDC_REVISION_MAJOR, EN_CHANGE, &Probe::OnMajorChanged},
            {ui::Ids(kRowIds), ui::kAnyCode, &Probe::OnRow},
        };
        return ui::DispatchCommand(*this, kCommands, id, code);
    }

    void OnCancel() override {
        calls.push_back("cancel");
        ui::Dialog::OnCancel();
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR *result) override {
        if (message != kEndWith) return false;
        if (watchOwner) ownerWasEnabled = IsWindowEnabled(watchOwner) != FALSE;
        EndDialog(static_cast<INT_PTR>(wParam));
        *result = TRUE;
        return true;
    }

  private:
    void OnAccept() { calls.push_back("accept"); }
    void OnMajorChanged() {
        calls.push_back("major");
        if (throwOnMajor) throw std::runtime_error("handler failed");
    }
    void OnRow(int row) { calls.push_back("row " + std::to_string(row)); }
};

class DialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ui::App().InitCommonControls(); }

    // A thread timer that ends any modal loop with WM_QUIT if a test's own
    // ending never comes.
    void SetUp() override {
        watchdog_ = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    }
    void TearDown() override {
        KillTimer(nullptr, watchdog_);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            EXPECT_NE(msg.message, static_cast<UINT>(WM_QUIT)) << "a loop was left by the watchdog";
        }
    }

    static int Count(const std::vector<std::string> &calls, const std::string &call) {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

  private:
    UINT_PTR watchdog_ = 0;
};

TEST_F(DialogTest, MessageTableRunsTheHandlerOfControlAndNotification) {
    Probe probe;
    ASSERT_TRUE(probe.Create());

    ui::Button(probe.Item(IDOK)).Click();
    EXPECT_EQ(Count(probe.calls, "accept"), 1);
    EXPECT_NE(probe.hwnd(), nullptr) << "the table took OK; the default OK action did not run";

    SetWindowTextA(probe.Item(IDC_REVISION_MAJOR), "12");
    EXPECT_EQ(Count(probe.calls, "major"), 1) << "EN_CHANGE only, not EN_UPDATE";

    // A row for a list of ids, with any notification code, hands the
    // control's place in the list to the handler.
    SetWindowTextA(probe.Item(IDC_REVISION_MINOR), "3");
    EXPECT_GE(Count(probe.calls, "row 1"), 1);

    // Not in the table: Cancel falls through to OnCancel, which ends the
    // modeless dialog by destroying it.
    ui::Button(probe.Item(IDCANCEL)).Click();
    EXPECT_EQ(Count(probe.calls, "cancel"), 1);
    EXPECT_EQ(probe.hwnd(), nullptr);
    EXPECT_TRUE(probe.HasEnded());
    EXPECT_EQ(probe.Result(), IDCANCEL);
}

TEST_F(DialogTest, WindowAndObjectLiveAndDieTogether) {
    HWND window;
    {
        Probe probe;
        ASSERT_TRUE(probe.Create());
        window = probe.hwnd();
        EXPECT_EQ(GetWindowLongPtrA(window, DWLP_USER), reinterpret_cast<LONG_PTR>(&probe));
        EXPECT_FALSE(probe.Create()) << "one window per object";
        DestroyWindow(window);
        EXPECT_EQ(probe.hwnd(), nullptr) << "the procedure let go of the window";
        ASSERT_TRUE(probe.Create()) << "the object can build a new window afterwards";
        EXPECT_EQ(Count(probe.calls, "init"), 2);
        window = probe.hwnd();
    }
    EXPECT_FALSE(IsWindow(window)) << "destroying the object destroys its window";
}

TEST_F(DialogTest, AFailingHandlerDoesNotEndTheDialog) {
    Probe probe;
    probe.throwOnMajor = true;
    ASSERT_TRUE(probe.Create());
    SetWindowTextA(probe.Item(IDC_REVISION_MAJOR), "1");
    EXPECT_EQ(Count(probe.calls, "major"), 1);
    ui::Button(probe.Item(IDOK)).Click();
    EXPECT_EQ(Count(probe.calls, "accept"), 1) << "the dialog still answers";
}

TEST_F(DialogTest, ModalLoopRunsUntilEndDialogWithTheOwnerDisabled) {
    Probe owner;
    ASSERT_TRUE(owner.Create());
    Probe probe;
    probe.watchOwner = owner.hwnd();
    probe.onInit = [](Probe &self) { PostMessageA(self.hwnd(), kEndWith, 42, 0); };

    EXPECT_EQ(probe.DoModal(owner.hwnd()), 42);
    EXPECT_FALSE(probe.ownerWasEnabled) << "the owner takes no input during the loop";
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd())) << "and gets it back afterwards";
    EXPECT_EQ(probe.hwnd(), nullptr);
}

TEST_F(DialogTest, EndDialogDuringInitialisationReturnsAtOnceAndNoTemplateFails) {
    Probe probe;
    probe.onInit = [](Probe &self) { self.EndDialog(7); };
    EXPECT_EQ(probe.DoModal(), 7);
    EXPECT_EQ(probe.calls, std::vector<std::string>{"init"});
    ui::Dialog missing(31999);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(DialogTest, QuitMessageLeavesTheLoopAndStaysForTheOuterLoop) {
    Probe probe;
    probe.onInit = [](Probe &) { PostQuitMessage(3); };
    probe.DoModal();
    EXPECT_EQ(probe.hwnd(), nullptr);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogTest, StaticControlsGetTheDialogColours) {
    Probe probe;
    ASSERT_TRUE(probe.Create());
    HDC dc = CreateCompatibleDC(nullptr);
    auto colour = [&](UINT message) {
        const LRESULT brush = SendMessageA(probe.hwnd(), message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(probe.Item(IDOK)));
        EXPECT_NE(brush, 0);
        return GetBkColor(dc);
    };
    EXPECT_EQ(colour(WM_CTLCOLORSTATIC), RGB(192, 192, 192)) << "the classic light grey";
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    probe.SetColours(RGB(10, 20, 30), RGB(200, 100, 0));
    EXPECT_EQ(colour(WM_CTLCOLORDLG), RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 0));
    DeleteDC(dc);
}

} // namespace
