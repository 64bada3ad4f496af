// The wizard frame: its life, its initialisation, its command table, the
// system menu and the tool tips.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "about_dlg.h"
#include "kcg_editor_dlg.h"
#include "paths.h"
#include "reserved.h"
#include "resource.h"
#include "splash_dlg.h"

namespace {

bool IsSlider(int id) {
    return id >= IDC_SCALAR_0 && id <= IDC_DEAD_ZONE_5;
}

} // namespace

CKcgEditorDlg::CKcgEditorDlg(HINSTANCE instance, EditorSettings settings)
    : ui::Dialog(IDD_KCGEDITOR_DIALOG, instance), settings_(std::move(settings)), doc_(settings_.internal),
      general_(*this, doc_, context_), axis_(*this, doc_, context_), tuning_(*this, doc_, context_, tips_) {
    context_.internal = settings_.internal;
}

CKcgEditorDlg::~CKcgEditorDlg() {
    // The window goes first, while everything its handlers use still exists.
    if (hwnd()) DestroyWindow(hwnd());
    ReleasePictures();
    FreeReservedNames();
}

BOOL CKcgEditorDlg::OnInitDialog() {
    m_hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    accelerators_ = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDR_MAIN_ACCEL));

    std::unique_ptr<CSplashDlg> splash = std::make_unique<CSplashDlg>(Instance());
    const bool splashShown = !context_.internal && splash->Show();

    SetUpSystemMenu();
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CollectReservedNames();
    LoadScreenBitmaps();
    CreateScreenPalette();
    for (const int screen : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen})
        ScreenObject(screen).SetUp();
    SetUpToolTips();
    // Which Tuning rows are in use is the template's until that screen is entered.
    tuning_.ToDocument();
    ShowScreen(model::kGeneralScreen);
    ResetDocument();

    if (splashShown) splash->Close();
    splash.reset();
    // A file named on the command line opens once the window shows, so that
    // its messages have an owner to stand in front of.
    if (!settings_.startFile.empty()) PostMessageA(hwnd(), kOpenStartFileMessage, 0, 0);
    return TRUE; // the focus goes to the first tab stop, the game title
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

void CKcgEditorDlg::SetUpToolTips() {
    if (!tips_.Create(hwnd())) return;
    tips_.AddChildren();
    tips_.Activate(true);
}

void CKcgEditorDlg::CollectReservedNames() {
    const model::InstallPaths paths = model::MakeInstallPaths(settings_.installDir);
    FreeReservedNames();
    if (!context_.internal) {
        model::CollectReservedNames(model::ListKcgFiles(paths.winConfigDir),
                                    model::ListKcgFiles(paths.dosConfigDir), context_.reservedTitles,
                                    context_.reservedExes);
    }
    context_.winConfigDir = paths.winConfigDir;
}

void CKcgEditorDlg::FreeReservedNames() {
    model::FreeNameList(context_.reservedTitles);
    model::FreeNameList(context_.reservedExes);
}

bool CKcgEditorDlg::DispatchCommand(int id, int code) {
    static const ui::Command<CKcgEditorDlg> kCommands[] = {
        // The wizard's buttons
        {IDC_NEXT_GENERAL, BN_CLICKED, &CKcgEditorDlg::OnNextGeneral},
        {IDC_BACK_AXIS, BN_CLICKED, &CKcgEditorDlg::OnBackAxis},
        {IDC_NEXT_AXIS, BN_CLICKED, &CKcgEditorDlg::OnNextAxis},
        {IDC_BACK_TUNING, BN_CLICKED, &CKcgEditorDlg::OnBackTuning},
        {IDC_SAVE, BN_CLICKED, &CKcgEditorDlg::OnSave},
        {IDC_SAVE_AS, BN_CLICKED, &CKcgEditorDlg::OnSaveAs},
        {IDC_TEST, BN_CLICKED, &CKcgEditorDlg::OnTest},
        {IDC_EXIT, BN_CLICKED, &CKcgEditorDlg::OnExit},
        // The menu
        {ID_FILE_NEW, ui::kAnyCode, &CKcgEditorDlg::OnFileNew},
        {ID_SAVE_KEY, ui::kAnyCode, &CKcgEditorDlg::OnSaveKey},
        {ID_EDIT_UNDO, ui::kAnyCode, &CKcgEditorDlg::OnUndo},
        {ID_EDIT_REDO, ui::kAnyCode, &CKcgEditorDlg::OnRedo},
        {ID_FILE_OPEN, ui::kAnyCode, &CKcgEditorDlg::OnFileOpen},
        {ID_FILE_EXIT, ui::kAnyCode, &CKcgEditorDlg::OnCancel},
        {ID_ADVANCED_CLEAN, ui::kAnyCode, &CKcgEditorDlg::OnCleanFiles},
        {ID_ADVANCED_FILE_REVISION, ui::kAnyCode, &CKcgEditorDlg::OnFileRevision},
        {ID_HELP_CONTENTS, ui::kAnyCode, &CKcgEditorDlg::OnHelp},
        {ID_APP_ABOUT, ui::kAnyCode, &CKcgEditorDlg::OnAbout},
    };
    if (ui::DispatchCommand(*this, kCommands, id, code)) return true;
    for (const int screen : {model::kGeneralScreen, model::kAxisScreen, model::kTuningScreen}) {
        if (!ScreenObject(screen).Dispatch(id, code)) continue;
        // What a screen's own command changed is one step of its history.
        RecordStep();
        return true;
    }
    return false;
}

void CKcgEditorDlg::OnOK() {
    // Enter never ends the wizard.
}

bool CKcgEditorDlg::OnSysCommand(WPARAM command, LPARAM /*lParam*/) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return false;
    OnAbout();
    return true;
}

bool CKcgEditorDlg::OnNotify(NMHDR *header, LRESULT * /*result*/) {
    // The tips' texts are asked for each time one is about to show, so a
    // slider's tip follows the slider.
    const HWND tool = ui::ToolTip::RequestedTool(header);
    if (!tool) return false;
    const int id = GetDlgCtrlID(tool);
    const int position = IsSlider(id) ? ui::Slider(tool).Position() : 0;
    // Controls without a tip get an empty text, which shows nothing.
    ui::ToolTip::AnswerRequest(header, model::ToolTipText(id, position));
    return true;
}

bool CKcgEditorDlg::OnHScroll(int code, int /*position*/, HWND control) {
    tuning_.OnSliderMoved(control);
    // One step per drag or run of keys: when the slider is let go.
    if (code == TB_ENDTRACK) RecordStep();
    return false;
}

void CKcgEditorDlg::OnActivate(int /*state*/, HWND /*other*/) {
    // The pictures are drawn by the dialog; redraw them whenever the window
    // gains or loses the activation (a palette display may have changed colours).
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void CKcgEditorDlg::OnDestroy() {
    FreeReservedNames();
}
