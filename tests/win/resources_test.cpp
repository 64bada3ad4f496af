// The editor's resources as the program will find them: every control of the
// wizard with its class and caption, the tab order of each screen, the small
// dialogs, menu, strings, pictures and icon.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app.h"
#include "dialog.h"
#include "resource.h"
#include "template_reader.h"

namespace {

HMODULE Program() {
    return GetModuleHandleA(nullptr);
}

// What a control is: its window class and the type bits of its style.
enum Kind {
    kGroup,
    kPush,
    kCheck,
    kRadio,
    kEdit,
    kList,
    kDropDown,
    kDropList,
    kText,
    kCentred,
    kPicture,
    kSlider
};

struct KindInfo {
    const char *className;
    DWORD typeMask;
    DWORD type;
};

KindInfo Describe(Kind kind) {
    switch (kind) {
    case kGroup:
        return {"Button", 0xF, BS_GROUPBOX};
    case kPush:
        return {"Button", 0xF, BS_PUSHBUTTON};
    case kCheck:
        return {"Button", 0xF, BS_AUTOCHECKBOX};
    case kRadio:
        return {"Button", 0xF, BS_AUTORADIOBUTTON};
    case kEdit:
        return {"Edit", 0, 0};
    case kList:
        return {"ListBox", 0, 0};
    case kDropDown:
        return {"ComboBox", 0x3, CBS_DROPDOWN};
    case kDropList:
        return {"ComboBox", 0x3, CBS_DROPDOWNLIST};
    case kText:
        return {"Static", SS_TYPEMASK, SS_LEFT};
    case kCentred:
        return {"Static", SS_TYPEMASK, SS_CENTER};
    case kPicture:
        return {"Static", SS_TYPEMASK, SS_BITMAP};
    case kSlider:
        return {TRACKBAR_CLASSA, 0, 0};
    }
    return {"", 0, 0};
}

struct Expected {
    int id;
    Kind kind;
    const char *caption; // a picture's bitmap as "#id"
};

// Every control of the wizard, screen by screen.
const Expected kWizard[] = {
    // General Information
    {1075, kGroup, "Game Title"},
    {1000, kEdit, ""},
    {1076, kGroup, "File Name"},
    {1029, kEdit, ""},
    {1077, kGroup, "List of Game Executables"},
    {1002, kEdit, ""},
    {1162, kPush, "Browse"},
    {1003, kPush, "Add To List -->"},
    {1078, kCentred, "The list on the right should contain every executable that uses Kavelin input"},
    {1001, kList, ""},
    {1091, kPush, "Remove Selection"},
    {1079, kGroup, "Game Setup Instructions"},
    {1151, kCheck, ""},
    {1004, kEdit, ""},
    {1148, kGroup, "Version"},
    {1147, kText, "File Revision #:"},
    {1767, kEdit, ""},
    {1766, kGroup, "Quorvane"},
    {1160, kText, "Owner:"},
    {1159, kDropList, ""},
    {1080, kGroup, "Motion Labels"},
    {1081, kGroup, "What is your application using?"},
    {1009, kRadio, "Pre-DirectX 5"},
    {1010, kRadio, "DirectX 5"},
    {1082, kCentred,
     "Note: These radio options display the appropriate DirectInput variables for the version of DirectInput "
     "you are using."},
    {1083, kText, "Positive Values"},
    {1084, kText, "Negative Values"},
    {1007, kDropDown, ""},
    {1008, kDropDown, ""},
    {1011, kDropDown, ""},
    {1012, kDropDown, ""},
    {1013, kDropDown, ""},
    {1014, kDropDown, ""},
    {1015, kDropDown, ""},
    {1016, kDropDown, ""},
    {1017, kDropDown, ""},
    {1018, kDropDown, ""},
    {1019, kDropDown, ""},
    {1020, kDropDown, ""},
    {1021, kText, "dwXpos"},
    {1022, kText, "dwYpos"},
    {1023, kText, "dwZpos"},
    {1024, kText, "dwRpos"},
    {1025, kText, "dwUpos"},
    {1026, kText, "dwVpos"},
    {1085, kText, "l X"},
    {1086, kText, "l Y"},
    {1087, kText, "l Z"},
    {1088, kText, "l Rz"},
    {1089, kText, "rglSlider[0]"},
    {1090, kText, "rglSlider[1]"},
    {1030, kText, "Unused Variables:  lRx and lRy"},
    {1144, kPush, "<< Back"},
    {1145, kPush, "Next >>"},
    // Axis Mapping
    {1399, kText, "Invert"},
    {1400, kText, "Axis Mapping"},
    {1393, kPush, ""},
    {1394, kPush, ""},
    {1395, kPush, ""},
    {1396, kPush, ""},
    {1397, kPush, ""},
    {1398, kPush, ""},
    {1402, kDropList, ""},
    {1403, kDropList, ""},
    {1404, kDropList, ""},
    {1405, kDropList, ""},
    {1406, kDropList, ""},
    {1407, kDropList, ""},
    {1449, kPicture, "#183"},
    {1463, kPicture, "#184"},
    {1408, kEdit, ""},
    {1409, kEdit, ""},
    {1410, kEdit, ""},
    {1411, kEdit, ""},
    {1412, kEdit, ""},
    {1413, kEdit, ""},
    {1454, kGroup, "Orientation"},
    {1452, kRadio, "Vertical"},
    {1453, kRadio, "Horizontal"},
    {1352, kPush, "<< Back"},
    {1351, kPush, "Next >>"},
    // Tuning
    {1715, kText, "Available Motions"},
    {1716, kText, "Tuning Scalars"},
    {1717, kText, "Dead Zones"},
    {1718, kText, "x0"},
    {1719, kText, "x1"},
    {1720, kText, "x2"},
    {1721, kText, "x3"},
    {1722, kText, "0%"},
    {1723, kText, "100%"},
    {1724, kCentred, "\nUnused"},
    {1725, kCentred, "\nUnused"},
    {1726, kCentred, "\nUnused"},
    {1727, kCentred, "\nUnused"},
    {1728, kCentred, "\nUnused"},
    {1729, kCentred, "\nUnused"},
    {1732, kSlider, ""},
    {1733, kSlider, ""},
    {1734, kSlider, ""},
    {1735, kSlider, ""},
    {1736, kSlider, ""},
    {1737, kSlider, ""},
    {1738, kSlider, ""},
    {1739, kSlider, ""},
    {1740, kSlider, ""},
    {1741, kSlider, ""},
    {1742, kSlider, ""},
    {1743, kSlider, ""},
    {1730, kPush, "Suggest"},
    {1731, kPush, "Suggest"},
    {1669, kPush, "Suggest"},
    {1670, kPush, "Suggest"},
    {1671, kPush, "Suggest"},
    {1672, kPush, "Suggest"},
    {1653, kPush, "Save"},
    {1761, kPush, "Save As"},
    {1674, kPush, "Test"},
    {1654, kPush, "<< Back"},
    {1673, kPush, "Next >>"},
    {1769, kPush, "Exit"},
    // Every screen
    {1092, kPicture, "#185"},
};

// The Tab key's stops on each screen, in order.
const std::vector<int> kGeneralTabs = {1000, 1029, 1002, 1003, 1162, 1001, 1091, 1151,
                                       1004, 1159, 1007, 1008, 1011, 1012, 1013, 1014,
                                       1015, 1016, 1017, 1018, 1019, 1020, 1145, 1767};
const std::vector<int> kAxisTabs = {1408, 1402, 1393, 1409, 1403, 1394, 1410, 1404, 1395, 1411,
                                    1405, 1396, 1412, 1406, 1397, 1413, 1407, 1398, 1352, 1351};
const std::vector<int> kTuningTabs = {1732, 1738, 1730, 1733, 1739, 1731, 1734, 1740, 1669, 1735, 1741, 1670,
                                      1736, 1742, 1671, 1737, 1743, 1672, 1653, 1761, 1674, 1654, 1769};

// The controls that start visible: the General Information screen with the
// DirectX 5 variable names, and the logo.
bool StartsVisible(int id) {
    const Expected *begin = std::begin(kWizard);
    const Expected *firstAxis =
        std::find_if(begin, std::end(kWizard), [](const Expected &e) { return e.id == 1399; });
    const bool general = std::any_of(begin, firstAxis, [id](const Expected &e) { return e.id == id; });
    const bool hidden = id == 1159 || id == 1160 || id == 1766 || (id >= 1021 && id <= 1026);
    return (general && !hidden) || id == 1092;
}

class WizardTemplate : public ::testing::Test {
  protected:
    void SetUp() override {
        auto read = ReadDialogTemplate(Program(), IDD_KCGEDITOR_DIALOG);
        ASSERT_TRUE(read.has_value());
        dialog_ = *read;
    }
    const TemplateItem *Find(int id) const {
        for (const TemplateItem &item : dialog_.items) {
            if (item.id == id) return &item;
        }
        return nullptr;
    }
    // The tab stops, in template order, among the given controls.
    std::vector<int> TabStops(const std::vector<int> &screen) const {
        std::vector<int> stops;
        for (const TemplateItem &item : dialog_.items) {
            const bool stop = (item.style & WS_TABSTOP) && !(item.style & WS_DISABLED);
            if (stop && std::find(screen.begin(), screen.end(), item.id) != screen.end())
                stops.push_back(item.id);
        }
        return stops;
    }
    DialogTemplate dialog_;
};

TEST_F(WizardTemplate, FrameIsTheFixedSizeCentredDialogWithItsMenu) {
    EXPECT_EQ(dialog_.title, "Kavelin SDK KCG Editor");
    EXPECT_EQ(dialog_.menu, IDR_MAIN_MENU);
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER;
    EXPECT_EQ(dialog_.style & required, required);
    EXPECT_EQ(dialog_.style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u) << "the wizard keeps its size";
}

// Class and caption are checked on the built window below; here the type
// bits and which controls start visible.
TEST_F(WizardTemplate, HoldsEveryControlOnceWithItsTypeAndVisibility) {
    ASSERT_EQ(dialog_.items.size(), std::size(kWizard));
    std::set<int> seen;
    for (const TemplateItem &item : dialog_.items) {
        EXPECT_TRUE(seen.insert(item.id).second) << "id " << item.id << " twice";
    }
    for (const Expected &e : kWizard) {
        SCOPED_TRACE(e.id);
        const TemplateItem *item = Find(e.id);
        ASSERT_NE(item, nullptr);
        const KindInfo kind = Describe(e.kind);
        EXPECT_EQ(item->style & kind.typeMask, kind.type);
        EXPECT_EQ((item->style & WS_VISIBLE) != 0, StartsVisible(e.id));
    }
}

TEST_F(WizardTemplate, TabOrderOfEachScreen) {
    auto ids = [](const std::vector<int> &tabs, std::vector<int> more) {
        more.insert(more.end(), tabs.begin(), tabs.end());
        return more;
    };
    // Each screen's controls that must not be stops: radio buttons, disabled
    // buttons, labels.
    EXPECT_EQ(TabStops(ids(kGeneralTabs, {1009, 1010, 1144, 1147, 1078})), kGeneralTabs);
    EXPECT_EQ(TabStops(ids(kAxisTabs, {1452, 1453, 1399, 1400})), kAxisTabs);
    EXPECT_EQ(TabStops(ids(kTuningTabs, {1673, 1724, 1715})), kTuningTabs);
}

TEST_F(WizardTemplate, RadioGroupsEndAtTheNextControl) {
    for (int first : {1009, 1452}) {
        SCOPED_TRACE(first);
        auto at = std::find_if(dialog_.items.begin(), dialog_.items.end(),
                               [first](const TemplateItem &item) { return item.id == first; });
        ASSERT_LE(at + 3, dialog_.items.end());
        EXPECT_TRUE(at[0].style & WS_GROUP);
        EXPECT_FALSE(at[1].style & WS_GROUP) << "both buttons in one group";
        EXPECT_TRUE(at[2].style & WS_GROUP) << "the group ends after the second button";
    }
}

TEST_F(WizardTemplate, NoButtonActsOnEnter) {
    for (const TemplateItem &item : dialog_.items) {
        if (item.className == "Button") {
            EXPECT_NE(item.style & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON)) << item.id;
        }
    }
}

// The template as the system builds it: every control exists once with its
// class and caption, and the picture controls hold their bitmaps whole.
class WizardWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ui::App().InitCommonControls(); }
};

TEST_F(WizardWindow, CreatesEveryControlWithItsClassAndCaption) {
    ui::Dialog wizard(IDD_KCGEDITOR_DIALOG);
    ASSERT_TRUE(wizard.Create());
    EXPECT_FALSE(IsWindowVisible(wizard.hwnd())) << "the template leaves showing to the program";
    std::map<int, int> count;
    for (HWND child = GetWindow(wizard.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++count[GetDlgCtrlID(child)];
    }
    EXPECT_EQ(count.size(), std::size(kWizard));
    for (const Expected &e : kWizard) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(count[e.id], 1);
        HWND control = wizard.Item(e.id);
        ASSERT_NE(control, nullptr);
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, Describe(e.kind).className);
        if (e.kind != kPicture && e.kind != kDropDown && e.kind != kDropList) {
            char text[256] = {};
            GetWindowTextA(control, text, sizeof text);
            EXPECT_STREQ(text, e.caption);
        }
    }
    EXPECT_NE(GetMenu(wizard.hwnd()), nullptr);
}

// The size of a bitmap as stored in the resources.
SIZE BitmapSize(int id) {
    HRSRC found = FindResourceA(Program(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    const auto *header =
        found ? static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(Program(), found))) : nullptr;
    return header ? SIZE{header->biWidth, header->biHeight} : SIZE{0, 0};
}

TEST_F(WizardWindow, PicturesFitTheirFrames) {
    // The pictures are drawn for the classic dialog font, whose units are a
    // little taller than those of Wine's; rows that such a frame cuts off
    // (slack) hold nothing but background.
    struct Frame {
        int dialog, control, bitmap, slack;
    };
    const Frame frames[] = {{IDD_KCGEDITOR_DIALOG, IDC_BALL_VERTICAL, IDB_BALL_VERTICAL, 14},
                            {IDD_KCGEDITOR_DIALOG, IDC_BALL_HORIZONTAL, IDB_BALL_HORIZONTAL, 14},
                            {IDD_KCGEDITOR_DIALOG, IDC_LOGO, IDB_LOGO, 3},
                            {IDD_ABOUTBOX, -1, IDB_LOGO, 3},
                            {IDD_SPLASH, -1, IDB_SPLASH, 0}};
    for (const Frame &f : frames) {
        SCOPED_TRACE(f.bitmap);
        ui::Dialog dialog(f.dialog);
        ASSERT_TRUE(dialog.Create());
        HWND picture = nullptr;
        for (HWND child = GetWindow(dialog.hwnd(), GW_CHILD); child && !picture;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const bool bitmap = (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
            if (bitmap && (f.control == -1 || GetDlgCtrlID(child) == f.control)) picture = child;
        }
        ASSERT_NE(picture, nullptr);
        EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "the control found its bitmap";
        RECT client;
        GetClientRect(picture, &client);
        const SIZE size = BitmapSize(f.bitmap);
        EXPECT_GE(client.right + 1, size.cx);
        EXPECT_GE(client.bottom + f.slack, size.cy);
    }
}

TEST(SmallDialogs, CaptionsControlsAndTexts) {
    struct Control {
        int id;
        const char *className;
        const char *text; // nullptr: not checked
    };
    struct Case {
        int dialog;
        const char *title;
        std::vector<Control> controls;
    };
    const Case cases[] = {
        {IDD_FILE_REVISION,
         "File Revision Number",
         {{IDC_REVISION_MAJOR, "Edit", ""},
          {IDC_REVISION_MINOR, "Edit", ""},
          {IDOK, "Button", "OK"},
          {IDCANCEL, "Button", "Cancel"},
          {-1, "Static",
           "This feature allows you to change the File Revision Number of the current KCG file."},
          {-1, "Static",
           "If this is the first version of this KCG file to be released, we recommend a version of 1.0.  "
           "For KCG "
           "updates, we recommend incrementing the Revision Number to a greater value than the previous "
           "version."},
          {-1, "Button", "File Revision Number:"},
          {-1, "Static", "."}}},
        {IDD_CLEAN_KCG_FILES,
         "Clean KCG Files",
         {{IDC_CLEAN_LIST, "ListBox", nullptr},
          {IDCANCEL, "Button", "Close"},
          {IDC_DELETE_FILES, "Button", "Delete Files"},
          {-1, "Static",
           "This feature allows you to remove all KCG files from the Kavelin Veskara directory that weren't "
           "released by "
           "Quorvane.  By selecting Delete Files below, you can be sure that any KCG file you create will be "
           "auto-supported correctly."},
          {-1, "Static", "Only files in the veskara\\config\\default\\win directory will be listed."},
          {-1, "Static",
           "Note: Please remove any unwanted KCG files from game directories that are unwanted.  See the "
           "Kavelin SDK "
           "Documentation for more information on this feature.  The following is a list of all KCG files "
           "that will "
           "be removed:"}}},
        {IDD_ABOUTBOX,
         "About Kavelin SDK KCG Editor",
         {{IDOK, "Button", "OK"}, {-1, "Static", "Kavelin SDK KCG Editor Version 1.0"}}},
        {IDD_SPLASH, "", {{-1, "Static", "Initializing SDK KCG Editor..."}}},
    };
    ui::App().InitCommonControls();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dialog);
        auto read = ReadDialogTemplate(Program(), c.dialog);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->title, c.title);
        EXPECT_EQ(read->font, "MS Sans Serif");
        for (const Control &control : c.controls) {
            SCOPED_TRACE(control.text ? control.text : "");
            const auto matches =
                std::count_if(read->items.begin(), read->items.end(), [&](const TemplateItem &item) {
                    return item.id == control.id && item.className == control.className &&
                           (!control.text || item.title == control.text);
                });
            EXPECT_EQ(matches, 1);
        }
        ui::Dialog window(c.dialog);
        EXPECT_TRUE(window.Create()) << "the system builds the template";
    }
    // The revision edits take digits only; the list sorts its paths.
    auto revision = ReadDialogTemplate(Program(), IDD_FILE_REVISION);
    for (const TemplateItem &item : revision->items) {
        if (item.id == IDC_REVISION_MAJOR || item.id == IDC_REVISION_MINOR) {
            EXPECT_TRUE(item.style & ES_NUMBER);
        }
    }
    auto clean = ReadDialogTemplate(Program(), IDD_CLEAN_KCG_FILES);
    for (const TemplateItem &item : clean->items) {
        const DWORD list = LBS_SORT | WS_VSCROLL | WS_BORDER;
        if (item.id == IDC_CLEAN_LIST) {
            EXPECT_EQ(item.style & list, list);
        }
    }
    auto splash = ReadDialogTemplate(Program(), IDD_SPLASH);
    EXPECT_EQ(splash->cx, 225);
    EXPECT_EQ(splash->cy, 146);
    EXPECT_TRUE(splash->style & WS_VISIBLE);
    EXPECT_FALSE((splash->style & WS_CAPTION) == WS_CAPTION) << "no caption";
}

TEST(Menu, ItemsAndCommands) {
    HMENU menu = LoadMenuA(Program(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    auto text = [](HMENU m, UINT position) {
        char buffer[64] = {};
        GetMenuStringA(m, position, buffer, sizeof buffer, MF_BYPOSITION);
        return std::string(buffer);
    };
    struct Item {
        UINT id; // 0: separator
        const char *text;
    };
    const std::vector<std::pair<const char *, std::vector<Item>>> expected = {
        {"&File", {{ID_FILE_NEW, "&New"}, {ID_FILE_OPEN, "&Open..."}, {0, ""}, {ID_FILE_EXIT, "E&xit"}}},
        {"&Advanced",
         {{ID_ADVANCED_CLEAN, "&Clean KCG Files..."},
          {ID_ADVANCED_FILE_REVISION, "&File Revision Number..."}}},
        {"&Help", {{ID_HELP_CONTENTS, "&KCG Editor Help..."}, {ID_APP_ABOUT, "&About..."}}},
    };
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (UINT i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(text(menu, i), expected[i].first);
        HMENU popup = GetSubMenu(menu, static_cast<int>(i));
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected[i].second.size()));
        for (UINT j = 0; j < expected[i].second.size(); ++j) {
            const Item &item = expected[i].second[j];
            if (item.id == 0) {
                EXPECT_TRUE(GetMenuState(popup, j, MF_BYPOSITION) & MF_SEPARATOR);
            } else {
                EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(j)), item.id);
                EXPECT_EQ(text(popup, j), item.text);
            }
        }
    }
    DestroyMenu(menu);
}

// The four bitmaps: sizes, 8 bits per pixel, uncompressed, one colour table.
TEST(Bitmaps, EightBitUncompressedWithOneSharedColourTable) {
    const std::pair<int, SIZE> bitmaps[] = {{IDB_BALL_VERTICAL, {300, 215}},
                                            {IDB_BALL_HORIZONTAL, {300, 215}},
                                            {IDB_LOGO, {64, 45}},
                                            {IDB_SPLASH, {320, 184}}};
    std::vector<RGBQUAD> first;
    for (const auto &[id, size] : bitmaps) {
        SCOPED_TRACE(id);
        HRSRC found = FindResourceA(Program(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        ASSERT_NE(found, nullptr);
        const auto *header =
            static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(Program(), found)));
        const DWORD bytes = SizeofResource(Program(), found);
        ASSERT_GE(bytes, sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        EXPECT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(header->biWidth, size.cx);
        EXPECT_EQ(header->biHeight, size.cy) << "stored bottom row first";
        EXPECT_EQ(header->biBitCount, 8);
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 256);
        const DWORD row = (static_cast<DWORD>(size.cx) + 3) & ~3u;
        EXPECT_EQ(bytes, sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD) + row * size.cy);
        const auto *table = reinterpret_cast<const RGBQUAD *>(header + 1);
        std::vector<RGBQUAD> colours(table, table + 256);
        if (first.empty()) {
            first = colours;
        } else {
            EXPECT_EQ(std::memcmp(first.data(), colours.data(), 256 * sizeof(RGBQUAD)), 0)
                << "shared colour table";
        }
    }
    // Entries 0-9 and 246-255 hold the colours a 256-colour display reserves.
    auto rgb = [&](int i) { return RGB(first[i].rgbRed, first[i].rgbGreen, first[i].rgbBlue); };
    EXPECT_EQ(rgb(0), RGB(0, 0, 0));
    EXPECT_EQ(rgb(7), RGB(192, 192, 192));
    EXPECT_EQ(rgb(249), RGB(255, 0, 0));
    EXPECT_EQ(rgb(255), RGB(255, 255, 255));
}

TEST(Manifest, BringsVersionSixOfTheCommonControls) {
    // The program's manifest makes its activation context send the common
    // controls' library to the side-by-side version 6.
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    ASSERT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         "comctl32.dll", &data))
        << GetLastError();
    // And the library in use is that one, not the system folder's.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, sizeof path);
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(lower.find("common-controls"), std::string::npos) << path;
    EXPECT_NE(lower.find("_6.0"), std::string::npos) << path;
}

TEST(Icon, LoadsAtBothStandardSizes) {
    for (int size : {16, 32}) {
        HANDLE icon = LoadImageA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

} // namespace
