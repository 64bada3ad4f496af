// The wizard frame of the main dialog: what each screen shows and its title,
// Next and Back, the keyboard, the menus, tool tips, and the reserved names
// collected from the installation when the dialog opens.
#include "editor_fixture.h"
#include "resource.h"

namespace editor_test {
namespace {

// What a screen must show, worked out from the template's numbering rather
// than from the dialog's own lists: General Information has the ids below
// 1350 and the revision edit, Axis Mapping 1351 to 1463, Tuning 1653 to 1769;
// the logo shows everywhere.
std::set<int> ExpectedVisible(HWND dialog, int screen, bool internal, bool vertical) {
    std::set<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const bool owner = id == IDC_OWNER || id == IDC_OWNER_LABEL || id == IDC_GROUP_OWNER;
        const bool oldNames = id >= IDC_VAR_DWXPOS && id <= IDC_VAR_DWVPOS; // DirectX 5 is the default
        bool shown = false;
        if (screen == 1) shown = owner ? internal : (id < 1350 && !oldNames) || id == IDC_FILE_REVISION;
        if (screen == 2)
            shown = id >= 1351 && id <= 1463 && id != (vertical ? IDC_BALL_HORIZONTAL : IDC_BALL_VERTICAL);
        if (screen == 3) shown = id >= 1653 && id <= 1769 && id != IDC_FILE_REVISION && !owner;
        if (shown || id == IDC_LOGO) ids.insert(id);
    }
    return ids;
}

class Wizard : public EditorDialog {
  public:
    // The least that the checks of Next let through: a title, an executable
    // and a label; on the Axis Mapping screen, one motion mapped.
    void FillForNext() {
        if (dialog->m_nScreen == 1) {
            SetText(IDC_GAME_TITLE, "Harbor Patrol");
            SetText(IDC_EXE_NAME, "harbor.exe");
            Click(IDC_ADD_EXE);
            SetText(IDC_LABEL_X_POS, "Jump");
        } else if (dialog->m_nScreen == 2) {
            SendMessageA(Item(IDC_AXIS_0), CB_SETCURSEL, 0, 0);
            SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_AXIS_0, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(Item(IDC_AXIS_0)));
        }
    }
};

TEST_F(Wizard, NextAndBackShowOneScreenAtATimeWithItsTitle) {
    const std::pair<int, int> walk[] = {
        {0, 1}, {IDC_NEXT_GENERAL, 2}, {IDC_NEXT_AXIS, 3}, {IDC_BACK_TUNING, 2}, {IDC_BACK_AXIS, 1}};
    const char *const titles[2][3] = {{"Kavelin SDK KCG Editor - General Information",
                                       "Kavelin SDK KCG Editor - Axis Mapping",
                                       "Kavelin SDK KCG Editor - Tuning"},
                                      {"Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!",
                                       "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!",
                                       "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!"}};
    for (const bool internal : {false, true}) {
        for (const bool vertical : {true, false}) {
            SCOPED_TRACE(std::string(internal ? "internal" : "normal") +
                         (vertical ? " vertical" : " horizontal"));
            Open(internal);
            dialog->m_nOrientation = vertical ? 1 : 0;
            for (const auto &[button, screen] : walk) {
                FillForNext();
                if (button) Click(button);
                EXPECT_EQ(dialog->m_nScreen, screen);
                EXPECT_EQ(dialog->Title(), titles[internal][screen - 1]);
                EXPECT_EQ(VisibleControls(dialog->hwnd()),
                          ExpectedVisible(dialog->hwnd(), screen, internal, vertical));
            }
            // New and Open go back to the first screen from anywhere.
            Click(IDC_NEXT_GENERAL);
            FillForNext();
            Click(IDC_NEXT_AXIS);
            dialog->ReturnToGeneralScreen();
            EXPECT_EQ(VisibleControls(dialog->hwnd()),
                      ExpectedVisible(dialog->hwnd(), 1, internal, vertical));
            EXPECT_TRUE(boxes.MessageBoxes().empty());
        }
    }
}

TEST_F(Wizard, EnterNeverEndsTheDialogEscTheCloseBoxAndExitDo) {
    const std::pair<UINT, WPARAM> endings[] = {
        {WM_COMMAND, IDCANCEL}, {WM_CLOSE, 0}, {WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED)}};
    for (const auto &[message, wParam] : endings) {
        Open(true); // internal use: the empty document passes Next unchanged
        for (const int button : {0, IDC_NEXT_GENERAL, IDC_NEXT_AXIS}) {
            if (button) Click(button);
            SendMessageA(dialog->hwnd(), WM_COMMAND, IDOK, 0);
            PumpMessages();
            EXPECT_FALSE(dialog->HasEnded()) << "Enter on screen " << dialog->m_nScreen;
        }
        SendMessageA(dialog->hwnd(), message, wParam, 0);
        PumpMessages();
        EXPECT_TRUE(dialog->HasEnded());
        EXPECT_EQ(dialog->Result(), LOWORD(wParam) == IDC_EXIT ? IDOK : IDCANCEL);
    }
}

TEST_F(Wizard, MenuCommandsGoOnToTheApplicationAndTheSystemMenuOffersAbout) {
    struct Router : CommandRouter {
        bool RouteCommand(int id, int /*code*/) override {
            if (id >= ID_FILE_EXIT) routed.push_back(id); // controls' notifications come too
            return true;
        }
        std::vector<int> routed;
    } router;
    Open();
    dialog->SetCommandRouter(&router);
    for (const int command : {ID_FILE_OPEN, ID_FILE_EXIT, ID_APP_ABOUT})
        SendMessageA(dialog->hwnd(), WM_COMMAND, command, 0);
    FillForNext();
    Click(IDC_NEXT_GENERAL); // the dialog's own
    EXPECT_EQ(router.routed, (std::vector<int>{ID_FILE_OPEN, ID_FILE_EXIT, ID_APP_ABOUT}));
    EXPECT_EQ(dialog->m_nScreen, 2);
    dialog->SetCommandRouter(nullptr);

    HMENU menu = GetSystemMenu(dialog->hwnd(), FALSE);
    const int last = GetMenuItemCount(menu) - 1;
    char text[32] = {};
    GetMenuStringA(menu, last, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About...");
    EXPECT_EQ(GetMenuItemID(menu, last), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_TRUE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(Wizard, ReservedNamesComeFromTheInstallationsQuorvaneFilesOutsideInternalUse) {
    const std::vector<std::string> fixed = {"setup.exe", "autorun.exe", "kavmon.exe", "kavcfg.exe",
                                            "kavsdk.exe"};
    auto names = [](const TlStringList &list) {
        return std::vector<std::string>(list.items, list.items + list.count);
    };

    Open();
    const std::vector<std::string> titles = names(dialog->m_ReservedTitles),
                                   exes = names(dialog->m_ReservedExes);
    // Windows titles first (in the folder's order), then the DOS ones.
    ASSERT_EQ(titles.size(), 5u);
    EXPECT_EQ(std::set<std::string>(titles.begin(), titles.begin() + 3),
              (std::set<std::string>{"Gravel Storm Rally", "Nebula Lancers", "Tidewater Frontier"}));
    EXPECT_EQ(std::set<std::string>(titles.begin() + 3, titles.end()),
              (std::set<std::string>{"Cavern Runner", "Skyhook Assault"}));
    // Windows files' executables only, each file's in its order; the fixed names last.
    ASSERT_EQ(exes.size(), 10u);
    EXPECT_EQ(
        std::set<std::string>(exes.begin(), exes.begin() + 5),
        (std::set<std::string>{"gravel.exe", "lancers.exe", "lancer95.exe", "tidewatr.exe", "twlaunch.exe"}));
    EXPECT_EQ(std::find(exes.begin(), exes.end(), "lancer95.exe") -
                  std::find(exes.begin(), exes.end(), "lancers.exe"),
              1);
    EXPECT_EQ(std::vector<std::string>(exes.begin() + 5, exes.end()), fixed);
    EXPECT_EQ(dialog->m_szWinConfigDir, SampleInstallation() + "\\config\\default\\win");

    Open(true);
    EXPECT_EQ(dialog->m_ReservedTitles.count + dialog->m_ReservedExes.count, 0);
    EXPECT_EQ(dialog->m_szWinConfigDir, SampleInstallation() + "\\config\\default\\win");
}

} // namespace
} // namespace editor_test
