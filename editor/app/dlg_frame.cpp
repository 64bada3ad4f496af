// The wizard dialog's frame: its life, its initialisation, its message table,
// the system menu and the keyboard.
#include <windows.h>

#include <commctrl.h>

#include "about_dlg.h"
#include "kcg_editor_dlg.h"
#include "paths.h"
#include "reserved.h"
#include "resource.h"
#include "screen_groups.h"
#include "sliders.h"
#include "splash_dlg.h"

namespace {

// Width of an axis combo box's opened list, in pixels: wide enough for two
// labels joined by a slash.
constexpr int kAxisListWidth = 180;

constexpr int kSliderTickFrequency = 10;
constexpr int kSliderPageSize = 5;
constexpr int kSliderLineSize = 1;

void SetUpSlider(const ui::Slider &slider, int maximum, int position) {
    slider.SetRange(0, maximum, true);
    slider.SetTickFrequency(kSliderTickFrequency);
    slider.SetPageSize(kSliderPageSize);
    slider.SetLineSize(kSliderLineSize);
    slider.SetPosition(position, true);
}

} // namespace

CKcgEditorDlg::CKcgEditorDlg(HINSTANCE instance) : ui::Dialog(IDD_KCGEDITOR_DIALOG, instance) {
    TlInitConfig(&m_Config);
    m_AxisOfRow.fill(model::kNoAxis);
    m_SavedAxisOfRow.fill(model::kNoAxis);
    m_SavedScalarPos.fill(model::kScalarNeutral);
}

CKcgEditorDlg::~CKcgEditorDlg() {
    // The window goes first, while everything its handlers use still exists.
    if (hwnd()) DestroyWindow(hwnd());
    ReleasePictures();
    FreeReservedNames();
    TlFreeConfig(&m_Config);
}

BOOL CKcgEditorDlg::OnInitDialog() {
    BindControls();
    m_hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));

    std::unique_ptr<CSplashDlg> splash = std::make_unique<CSplashDlg>(Instance());
    const bool splashShown = !m_bInternal && splash->Show();

    SetUpSystemMenu();
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CollectReservedNames();
    LoadScreenBitmaps();
    CreateScreenPalette();
    SetUpControls();
    SetUpToolTips();

    HideGeneralScreen();
    HideAxisScreen();
    HideTuningScreen();
    ShowGeneralScreen();

    ResetScreens();
    ResetConfig();

    if (splashShown) splash->Close();
    splash.reset();
    OpenStartFileLater();
    return TRUE; // the focus goes to the first tab stop, the game title
}

void CKcgEditorDlg::BindControls() {
    const HWND dialog = hwnd();
    m_editTitle.Bind(dialog, IDC_GAME_TITLE);
    m_editFileName.Bind(dialog, IDC_FILE_NAME);
    m_editExe.Bind(dialog, IDC_EXE_NAME);
    m_editInstructions.Bind(dialog, IDC_INSTRUCTIONS);
    m_editRevision.Bind(dialog, IDC_FILE_REVISION);
    m_listExes.Bind(dialog, IDC_EXE_LIST);
    m_checkInstructions.Bind(dialog, IDC_INSTRUCTIONS_CHECK);
    m_radioPreDirectX5.Bind(dialog, IDC_PRE_DIRECTX5);
    m_radioDirectX5.Bind(dialog, IDC_DIRECTX5);
    m_radioVertical.Bind(dialog, IDC_VERTICAL);
    m_radioHorizontal.Bind(dialog, IDC_HORIZONTAL);
    m_comboOwner.Bind(dialog, IDC_OWNER);
    for (int row = 0; row < model::kRows; ++row) {
        m_comboLabelPos[row].Bind(dialog, screens::kPositiveLabelIds[row]);
        m_comboLabelNeg[row].Bind(dialog, screens::kNegativeLabelIds[row]);
        m_comboAxis[row].Bind(dialog, IDC_AXIS_0 + row);
        m_editAxisOpposite[row].Bind(dialog, IDC_AXIS_OPPOSITE_0 + row);
        m_staticRowLabel[row].Bind(dialog, IDC_ROW_LABEL_0 + row);
        m_sliderScalar[row].Bind(dialog, IDC_SCALAR_0 + row);
        m_sliderDeadZone[row].Bind(dialog, IDC_DEAD_ZONE_0 + row);
    }
}

void CKcgEditorDlg::SetUpSystemMenu() {
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (!menu) return;
    // Size and Maximize: the wizard has one size.
    EnableMenuItem(menu, 2, MF_BYPOSITION | MF_GRAYED);
    EnableMenuItem(menu, 4, MF_BYPOSITION | MF_GRAYED);
    const std::string about = ui::LoadResourceText(Instance(), IDS_ABOUTBOX).value_or("");
    if (!about.empty()) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
}

void CKcgEditorDlg::SetUpControls() {
    // Dead zones first, then scalars.
    for (const ui::Slider &slider : m_sliderDeadZone)
        SetUpSlider(slider, model::kDeadZoneMax, 0);
    for (const ui::Slider &slider : m_sliderScalar)
        SetUpSlider(slider, model::kScalarMax, model::kScalarNeutral);
    for (const ui::ComboBox &combo : m_comboAxis) {
        combo.SetDroppedWidth(kAxisListWidth);
        combo.SetExtendedUI(true);
    }
    for (int row = 0; row < model::kRows; ++row) {
        for (const char *preset : screens::kLabelPresets) {
            m_comboLabelPos[row].Add(preset);
            m_comboLabelNeg[row].Add(preset);
        }
        // The record keeps 63 characters of a label; longer ones could not be kept.
        m_comboLabelPos[row].SetLimit(static_cast<int>(model::kMaxLabelLength));
        m_comboLabelNeg[row].SetLimit(static_cast<int>(model::kMaxLabelLength));
    }
    m_comboOwner.Clear();
    for (const char *owner : screens::kOwnerWords)
        m_comboOwner.Add(owner);
}

void CKcgEditorDlg::SetUpToolTips() {
    m_pToolTip = std::make_unique<ui::ToolTip>();
    if (!m_pToolTip->Create(hwnd())) return;
    m_pToolTip->AddChildren();
    m_pToolTip->Activate(true);
}

void CKcgEditorDlg::CollectReservedNames() {
    const model::InstallPaths paths = model::MakeInstallPaths(m_szInstallDir);
    FreeReservedNames();
    if (!m_bInternal) {
        model::CollectReservedNames(model::ListKcgFiles(paths.winConfigDir),
                                    model::ListKcgFiles(paths.dosConfigDir), m_ReservedTitles,
                                    m_ReservedExes);
    }
    m_szWinConfigDir = paths.winConfigDir;
}

void CKcgEditorDlg::FreeReservedNames() {
    model::FreeNameList(m_ReservedTitles);
    model::FreeNameList(m_ReservedExes);
}

bool CKcgEditorDlg::DispatchCommand(int id, int code) {
    static const ui::Command<CKcgEditorDlg> kCommands[] = {
        {IDC_NEXT_GENERAL, BN_CLICKED, &CKcgEditorDlg::OnNextGeneral},
        {IDC_BACK_AXIS, BN_CLICKED, &CKcgEditorDlg::OnBackAxis},
        {IDC_NEXT_AXIS, BN_CLICKED, &CKcgEditorDlg::OnNextAxis},
        {IDC_BACK_TUNING, BN_CLICKED, &CKcgEditorDlg::OnBackTuning},
        {IDC_EXIT, BN_CLICKED, &CKcgEditorDlg::OnExitButton},
        {IDC_SAVE, BN_CLICKED, &CKcgEditorDlg::OnSave},
        {IDC_SAVE_AS, BN_CLICKED, &CKcgEditorDlg::OnSaveAs},
        {IDC_TEST, BN_CLICKED, &CKcgEditorDlg::OnTest},
        {ID_FILE_NEW, ui::kAnyCode, &CKcgEditorDlg::OnFileNew},
        // General Information
        {IDC_ADD_EXE, BN_CLICKED, &CKcgEditorDlg::OnAddExecutable},
        {IDC_REMOVE_EXE, BN_CLICKED, &CKcgEditorDlg::OnRemoveExecutable},
        {IDC_BROWSE_EXE, BN_CLICKED, &CKcgEditorDlg::OnBrowseExecutable},
        {IDC_INSTRUCTIONS_CHECK, BN_CLICKED, &CKcgEditorDlg::OnInstructionsCheck},
        {IDC_DIRECTX5, BN_CLICKED, &CKcgEditorDlg::OnDirectX5},
        {IDC_PRE_DIRECTX5, BN_CLICKED, &CKcgEditorDlg::OnPreDirectX5},
        {IDC_GAME_TITLE, EN_CHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_INSTRUCTIONS, EN_CHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_OWNER, CBN_SELCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_X_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_X_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_X_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_X_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Y_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Y_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Y_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Y_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Z_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Z_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Z_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_Z_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_R_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_R_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_R_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_R_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_U_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_U_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_U_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_U_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_V_POS, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_V_POS, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_V_NEG, CBN_EDITCHANGE, &CKcgEditorDlg::OnGeneralEdited},
        {IDC_LABEL_V_NEG, CBN_SELENDOK, &CKcgEditorDlg::OnGeneralEdited},
        // Axis Mapping
        {IDC_AXIS_0, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 0},
        {IDC_AXIS_0, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 0},
        {IDC_AXIS_0, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 0},
        {IDC_AXIS_0, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 0},
        {IDC_INVERT_0, BN_CLICKED, &CKcgEditorDlg::OnInvert, 0},
        {IDC_AXIS_1, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 1},
        {IDC_AXIS_1, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 1},
        {IDC_AXIS_1, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 1},
        {IDC_AXIS_1, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 1},
        {IDC_INVERT_1, BN_CLICKED, &CKcgEditorDlg::OnInvert, 1},
        {IDC_AXIS_2, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 2},
        {IDC_AXIS_2, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 2},
        {IDC_AXIS_2, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 2},
        {IDC_AXIS_2, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 2},
        {IDC_INVERT_2, BN_CLICKED, &CKcgEditorDlg::OnInvert, 2},
        {IDC_AXIS_3, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 3},
        {IDC_AXIS_3, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 3},
        {IDC_AXIS_3, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 3},
        {IDC_AXIS_3, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 3},
        {IDC_INVERT_3, BN_CLICKED, &CKcgEditorDlg::OnInvert, 3},
        {IDC_AXIS_4, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 4},
        {IDC_AXIS_4, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 4},
        {IDC_AXIS_4, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 4},
        {IDC_AXIS_4, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 4},
        {IDC_INVERT_4, BN_CLICKED, &CKcgEditorDlg::OnInvert, 4},
        {IDC_AXIS_5, CBN_SELCHANGE, &CKcgEditorDlg::OnAxisSelChange, 5},
        {IDC_AXIS_5, CBN_DROPDOWN, &CKcgEditorDlg::OnAxisDropDown, 5},
        {IDC_AXIS_5, CBN_CLOSEUP, &CKcgEditorDlg::OnAxisCloseUp, 5},
        {IDC_AXIS_5, CBN_SELENDCANCEL, &CKcgEditorDlg::OnAxisSelEndCancel, 5},
        {IDC_INVERT_5, BN_CLICKED, &CKcgEditorDlg::OnInvert, 5},
        {IDC_VERTICAL, BN_CLICKED, &CKcgEditorDlg::OnVertical},
        {IDC_HORIZONTAL, BN_CLICKED, &CKcgEditorDlg::OnHorizontal},
        // Tuning
        {IDC_SUGGEST_0, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 0},
        {IDC_SUGGEST_1, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 1},
        {IDC_SUGGEST_2, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 2},
        {IDC_SUGGEST_3, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 3},
        {IDC_SUGGEST_4, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 4},
        {IDC_SUGGEST_5, BN_CLICKED, &CKcgEditorDlg::OnSuggest, 5},
    };
    if (ui::DispatchCommand(*this, kCommands, id, code)) return true;
    // Enter and Esc stay with the dialog; everything else it does not know
    // (menu commands) goes on to the application.
    if (id == IDOK || id == IDCANCEL) return false;
    return m_pRouter && m_pRouter->RouteCommand(id, code);
}

void CKcgEditorDlg::OnOK() {
    // Enter never ends the wizard.
}

bool CKcgEditorDlg::OnSysCommand(WPARAM command, LPARAM /*lParam*/) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return false;
    ShowAboutBox();
    return true;
}

void CKcgEditorDlg::ShowAboutBox() {
    CAboutDlg about(Instance());
    about.DoModal(hwnd());
}

void CKcgEditorDlg::OnActivate(int /*state*/, HWND /*other*/) {
    // The pictures are drawn by the dialog; redraw them whenever the window
    // gains or loses the activation (a palette display may have changed colours).
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void CKcgEditorDlg::OnDestroy() {
    m_pToolTip.reset();
    FreeReservedNames();
}
