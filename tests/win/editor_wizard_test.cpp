// The wizard frame of the main dialog: what each screen shows, the titles,
// Next and Back, the keyboard, the system menu, tool tips, and what the
// dialog collects from the installation when it opens.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "editor_fixture.h"
#include "reserved.h"
#include "resource.h"

namespace editor_test {
namespace {

// What a screen must show, worked out from the template's numbering rather
// than from the dialog's own lists: General Information uses the ids below
// 1350 and the revision edit, Axis Mapping 1351 to 1463, Tuning 1653 to 1769;
// the logo shows everywhere.
struct Expected {
    int screen;
    bool internal = false;
    bool directX5 = true;
    bool vertical = true;
};

std::set<int> ExpectedVisible(HWND dialog, const Expected &e) {
    std::set<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const bool owner = id == IDC_OWNER || id == IDC_OWNER_LABEL || id == IDC_GROUP_OWNER;
        const bool oldNames = id >= IDC_VAR_DWXPOS && id <= IDC_VAR_DWVPOS;
        const bool newNames = (id >= IDC_VAR_LX && id <= IDC_VAR_SLIDER1) || id == IDC_VAR_UNUSED;
        bool shown = false;
        switch (e.screen) {
        case 1:
            shown = (id < 1350 && id != IDC_LOGO) || id == IDC_FILE_REVISION || owner;
            if (owner) shown = e.internal;
            if (oldNames) shown = !e.directX5;
            if (newNames) shown = e.directX5;
            break;
        case 2:
            shown = id >= 1351 && id <= 1463;
            if (id == IDC_BALL_VERTICAL) shown = e.vertical;
            if (id == IDC_BALL_HORIZONTAL) shown = !e.vertical;
            break;
        case 3:
            shown = id >= 1653 && id <= 1769 && id != IDC_FILE_REVISION && !owner;
            break;
        }
        if (id == IDC_LOGO) shown = true;
        if (shown) ids.insert(id);
    }
    return ids;
}

std::vector<std::string> Names(const TlStringList &list) {
    return std::vector<std::string>(list.items, list.items + list.count);
}

class Wizard : public EditorDialog {};

TEST_F(Wizard, OpensOnGeneralInformationWithANewDocument) {
    Open();
    EXPECT_EQ(dialog->m_nScreen, 1);
    EXPECT_EQ(dialog->Title(), "Kavelin SDK KCG Editor - General Information");
    EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), {1}));
    EXPECT_TRUE(boxes.MessageBoxes().empty());
}

TEST_F(Wizard, NextAndBackWalkTheScreensWithTheirTitles) {
    struct Step {
        int button;
        int screen;
        const char *title;
    };
    const Step walk[] = {
        {IDC_NEXT_GENERAL, 2, "Kavelin SDK KCG Editor - Axis Mapping"},
        {IDC_NEXT_AXIS, 3, "Kavelin SDK KCG Editor - Tuning"},
        {IDC_BACK_TUNING, 2, "Kavelin SDK KCG Editor - Axis Mapping"},
        {IDC_BACK_AXIS, 1, "Kavelin SDK KCG Editor - General Information"},
    };
    for (const bool vertical : {true, false}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        Open();
        dialog->m_nOrientation = vertical ? 1 : 0;
        for (const Step &step : walk) {
            SCOPED_TRACE(step.title);
            Click(step.button);
            EXPECT_EQ(dialog->m_nScreen, step.screen);
            EXPECT_EQ(dialog->Title(), step.title);
            Expected expected{step.screen};
            expected.vertical = vertical;
            EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), expected));
        }
    }
}

TEST_F(Wizard, InternalUseTitlesAndOwnerControlsOnGeneralInformationOnly) {
    Open(true);
    const std::pair<int, const char *> walk[] = {
        {0, "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!"},
        {IDC_NEXT_GENERAL, "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!"},
        {IDC_NEXT_AXIS, "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!"},
        {IDC_BACK_TUNING, "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!"},
        {IDC_BACK_AXIS, "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!"},
    };
    for (const auto &[button, title] : walk) {
        SCOPED_TRACE(title);
        if (button) Click(button);
        EXPECT_EQ(dialog->Title(), title);
        Expected expected{dialog->m_nScreen};
        expected.internal = true;
        EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), expected));
    }
    EXPECT_EQ(Text(IDC_OWNER), "QUORVANE");
}

TEST_F(Wizard, NewOrOpenFromAnyScreenReturnsToGeneralInformation) {
    Open();
    const std::vector<int> routes[] = {{}, {IDC_NEXT_GENERAL}, {IDC_NEXT_GENERAL, IDC_NEXT_AXIS}};
    for (const std::vector<int> &route : routes) {
        for (const int button : route)
            Click(button);
        dialog->ReturnToGeneralScreen();
        EXPECT_EQ(dialog->m_nScreen, 1);
        EXPECT_EQ(dialog->Title(), "Kavelin SDK KCG Editor - General Information");
        EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), {1}));
    }
}

TEST_F(Wizard, VariableNamesFollowTheDirectInputChoiceOnGeneralInformationOnly) {
    Open();
    dialog->m_bDirectX5 = 0;
    dialog->ShowVariableNames();
    Expected before{1};
    before.directX5 = false;
    EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), before));
    // Elsewhere the names stay hidden whatever the choice.
    Click(IDC_NEXT_GENERAL);
    dialog->m_bDirectX5 = 1;
    dialog->ShowVariableNames();
    EXPECT_EQ(VisibleControls(dialog->hwnd()), ExpectedVisible(dialog->hwnd(), {2}));
}

TEST_F(Wizard, PlaceholderButtonsAreShownButDisabled) {
    Open();
    EXPECT_EQ(VisibleControls(dialog->hwnd()).count(IDC_BACK_GENERAL), 1u);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BACK_GENERAL)));
    Click(IDC_NEXT_GENERAL);
    Click(IDC_NEXT_AXIS);
    EXPECT_EQ(VisibleControls(dialog->hwnd()).count(IDC_NEXT_TUNING), 1u);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_NEXT_TUNING)));
}

TEST_F(Wizard, EnterNeverEndsTheDialogEscAndTheCloseBoxDo) {
    for (const UINT ending : {UINT{WM_COMMAND}, UINT{WM_CLOSE}}) {
        Open();
        for (const int button : {0, IDC_NEXT_GENERAL, IDC_NEXT_AXIS}) {
            if (button) Click(button);
            SendMessageA(dialog->hwnd(), WM_COMMAND, IDOK, 0);
            PumpMessages();
            EXPECT_FALSE(dialog->HasEnded()) << "Enter on screen " << dialog->m_nScreen;
        }
        if (ending == WM_COMMAND) {
            SendMessageA(dialog->hwnd(), WM_COMMAND, IDCANCEL, 0);
        } else {
            SendMessageA(dialog->hwnd(), WM_CLOSE, 0, 0);
        }
        PumpMessages();
        EXPECT_TRUE(dialog->HasEnded());
        EXPECT_EQ(dialog->Result(), IDCANCEL);
    }
}

// Records the commands the dialog passes on.
class RecordingRouter : public CommandRouter {
  public:
    bool RouteCommand(int id, int /*code*/) override {
        routed.push_back(id);
        return true;
    }
    std::vector<int> routed;
};

TEST_F(Wizard, MenuCommandsItDoesNotHandleGoOnToTheApplication) {
    Open();
    RecordingRouter router;
    dialog->SetCommandRouter(&router);
    for (const int command : {ID_FILE_OPEN, ID_FILE_EXIT, ID_APP_ABOUT, ID_HELP_CONTENTS}) {
        SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    Click(IDC_NEXT_GENERAL); // its own: not passed on
    SendMessageA(dialog->hwnd(), WM_COMMAND, IDOK, 0);
    // The router also hears the controls' notifications, which it ignores.
    std::vector<int> menu;
    for (const int id : router.routed) {
        if (id >= ID_FILE_EXIT) menu.push_back(id);
    }
    EXPECT_EQ(menu, (std::vector<int>{ID_FILE_OPEN, ID_FILE_EXIT, ID_APP_ABOUT, ID_HELP_CONTENTS}));
    for (const int own : {IDC_NEXT_GENERAL, IDOK}) {
        EXPECT_EQ(std::count(router.routed.begin(), router.routed.end(), own), 0) << own;
    }
    EXPECT_EQ(dialog->m_nScreen, 2);
    dialog->SetCommandRouter(nullptr);
}

TEST_F(Wizard, SystemMenuOffersAboutAndNoResizing) {
    Open();
    HMENU menu = GetSystemMenu(dialog->hwnd(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 6);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char text[64] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About...");
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_TRUE(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(Wizard, ToolTipsDescribeTheControlAsItIsNow) {
    Open();
    auto tip = [&](HWND tool, UINT flags) {
        NMTTDISPINFOA request{};
        request.hdr.hwndFrom = nullptr;
        request.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
        request.hdr.code = TTN_GETDISPINFOA;
        request.uFlags = flags;
        const LRESULT handled =
            SendMessageA(dialog->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return std::make_pair(handled != 0, std::string(request.lpszText ? request.lpszText : ""));
    };
    SetSliderPosition(IDC_SCALAR_2, 75);
    EXPECT_EQ(tip(Item(IDC_SCALAR_2), TTF_IDISHWND).second, "Current scalar: 1.50");
    SetSliderPosition(IDC_SCALAR_2, 150);
    EXPECT_EQ(tip(Item(IDC_SCALAR_2), TTF_IDISHWND).second, "Current scalar: 3.00");
    SetSliderPosition(IDC_DEAD_ZONE_5, 100);
    EXPECT_EQ(tip(Item(IDC_DEAD_ZONE_5), TTF_IDISHWND).second, "Current dead zone: 100%");
    EXPECT_EQ(tip(Item(IDC_SUGGEST_4), TTF_IDISHWND).second, "Based on current Axis Map");
    EXPECT_EQ(tip(Item(IDC_GAME_TITLE), TTF_IDISHWND).second, "");
    // A tool not named by its window is none of the dialog's business.
    EXPECT_FALSE(tip(Item(IDC_EXE_NAME), 0).first);
}

TEST_F(Wizard, ReservedNamesComeFromTheInstallationsQuorvaneFiles) {
    Open();
    const std::vector<std::string> titles = Names(dialog->m_ReservedTitles);
    const std::vector<std::string> exes = Names(dialog->m_ReservedExes);
    // Windows titles first (in the folder's order), then the DOS ones.
    ASSERT_EQ(titles.size(), 5u);
    const std::set<std::string> winTitles(titles.begin(), titles.begin() + 3);
    const std::set<std::string> dosTitles(titles.begin() + 3, titles.end());
    EXPECT_EQ(winTitles,
              (std::set<std::string>{"Gravel Storm Rally", "Nebula Lancers", "Tidewater Frontier"}));
    EXPECT_EQ(dosTitles, (std::set<std::string>{"Cavern Runner", "Skyhook Assault"}));
    // Each Windows file's executables in its own order; the fixed names last.
    ASSERT_EQ(exes.size(), 10u);
    const std::vector<std::string> fixed(exes.end() - 5, exes.end());
    EXPECT_EQ(fixed, (std::vector<std::string>{"setup.exe", "autorun.exe", "kavmon.exe", "kavcfg.exe",
                                               "kavsdk.exe"}));
    auto at = [&](const char *name) { return std::find(exes.begin(), exes.end(), name) - exes.begin(); };
    EXPECT_EQ(at("lancer95.exe"), at("lancers.exe") + 1);
    EXPECT_EQ(at("twlaunch.exe"), at("tidewatr.exe") + 1);
    EXPECT_LT(at("gravel.exe"), 5);
    EXPECT_EQ(dialog->m_szWinConfigDir, SampleInstallation() + "\\config\\default\\win");
}

TEST_F(Wizard, InternalUseCollectsNoReservedNamesButKnowsTheFolder) {
    Open(true);
    EXPECT_EQ(dialog->m_ReservedTitles.count, 0);
    EXPECT_EQ(dialog->m_ReservedExes.count, 0);
    EXPECT_EQ(dialog->m_szWinConfigDir, SampleInstallation() + "\\config\\default\\win");
}

TEST_F(Wizard, WithoutAnyInstallationFilesOnlyTheFixedNamesAreReserved) {
    dialog = std::make_unique<CKcgEditorDlg>(GetModuleHandleA(nullptr));
    dialog->m_szInstallDir = SampleInstallation() + "\\no-such-folder\\";
    ASSERT_TRUE(dialog->Create(nullptr));
    EXPECT_EQ(dialog->m_ReservedTitles.count, 0);
    EXPECT_EQ(
        Names(dialog->m_ReservedExes),
        (std::vector<std::string>{"setup.exe", "autorun.exe", "kavmon.exe", "kavcfg.exe", "kavsdk.exe"}));
    // One trailing backslash of the registry value is dropped.
    EXPECT_EQ(dialog->m_szWinConfigDir, SampleInstallation() + "\\no-such-folder\\config\\default\\win");
}

TEST_F(Wizard, PicturesAreReadyToDrawInTheirControls) {
    Open();
    const struct {
        int control, width, height;
    } pictures[] = {{IDC_LOGO, 64, 45}, {IDC_BALL_VERTICAL, 300, 215}, {IDC_BALL_HORIZONTAL, 300, 215}};
    for (std::size_t i = 0; i < 3; ++i) {
        const ScreenBitmap &bitmap = dialog->m_Bitmaps[i];
        EXPECT_TRUE(bitmap.IsLoaded());
        EXPECT_EQ(bitmap.width, pictures[i].width);
        EXPECT_EQ(bitmap.height, pictures[i].height);
        // Drawn inside the control, where the control itself would centre it.
        RECT client{};
        GetClientRect(Item(pictures[i].control), &client);
        EXPECT_NEAR(bitmap.x * 2 + bitmap.width, client.right, 1);
        EXPECT_NEAR(bitmap.y * 2 + bitmap.height, client.bottom, 1);
    }
    EXPECT_NE(dialog->m_Palette, nullptr);
}

} // namespace
} // namespace editor_test
