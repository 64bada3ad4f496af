// A stand-in for the editor program: it opens the main dialog from its
// template, or one of the small dialogs, so that the resources can be looked
// at before the application object exists.
//
//   kcgedit.exe [-screen 1|2|3] [-horizontal] [-dialog <template id>] [-close-after <ms>]
// -close-after ends the program by itself, for unattended screenshots.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "resource.h"
#include "ui.h"

namespace {

// Which controls belong to the Axis Mapping and the Tuning screens; the
// template shows the General Information screen.
bool OnAxisScreen(int id) {
    return (id >= IDC_NEXT_AXIS && id <= IDC_BACK_AXIS) ||
           (id >= IDC_INVERT_0 && id <= IDC_AXIS_OPPOSITE_5) ||
           (id >= IDC_VERTICAL && id <= IDC_GROUP_ORIENTATION);
}

bool OnTuningScreen(int id) {
    return (id >= IDC_SAVE && id <= IDC_BACK_TUNING) || (id >= IDC_SUGGEST_2 && id <= IDC_TEST) ||
           (id >= IDC_MOTIONS_HEADING && id <= IDC_DEAD_ZONE_5) || id == IDC_SAVE_AS || id == IDC_EXIT;
}

class PreviewDialog : public ui::Dialog {
  public:
    PreviewDialog(int screen, bool horizontal)
        : ui::Dialog(IDD_KCGEDITOR_DIALOG), screen_(screen), horizontal_(horizontal) {}

  protected:
    BOOL OnInitDialog() override {
        if (screen_ == 2 || screen_ == 3) ShowScreen();
        const UINT title = screen_ == 2   ? IDS_TITLE_AXIS
                           : screen_ == 3 ? IDS_TITLE_TUNING
                                          : IDS_TITLE_GENERAL;
        SetTitle(ui::LoadResourceText(Instance(), title).value_or("?"));
        for (int id = IDC_SCALAR_0; id <= IDC_DEAD_ZONE_5; ++id) {
            ui::Slider slider;
            slider.Bind(hwnd(), id);
            const bool scalar = id < IDC_DEAD_ZONE_0;
            slider.SetRange(0, scalar ? 150 : 100, true);
            slider.SetTickFrequency(10);
            slider.SetPosition(scalar ? 50 : 0, true);
        }
        ui::Edit instructions;
        instructions.Bind(hwnd(), IDC_INSTRUCTIONS);
        instructions.SetText(ui::LoadResourceText(Instance(), IDS_1_INSTRUCTIONS_DEFAULT).value_or(""));
        ui::Button(Item(IDC_DIRECTX5)).SetChecked(true);
        ui::Button(Item(horizontal_ ? IDC_HORIZONTAL : IDC_VERTICAL)).SetChecked(true);
        return TRUE;
    }

    bool DispatchCommand(int id, int code) override {
        static const ui::Command<PreviewDialog> kCommands[] = {
            {ID_FILE_EXIT, ui::kAnyCode, &PreviewDialog::OnExit},
            {ID_APP_ABOUT, ui::kAnyCode, &PreviewDialog::OnAbout},
        };
        return ui::DispatchCommand(*this, kCommands, id, code);
    }

    void OnOK() override {} // Enter does nothing

  private:
    void ShowScreen() {
        for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            bool shown = id == IDC_LOGO || (screen_ == 2 ? OnAxisScreen(id) : OnTuningScreen(id));
            if (id == IDC_BALL_VERTICAL) shown = screen_ == 2 && !horizontal_;
            if (id == IDC_BALL_HORIZONTAL) shown = screen_ == 2 && horizontal_;
            ShowWindow(child, shown ? SW_SHOW : SW_HIDE);
        }
    }

    void OnExit() { EndDialog(IDCANCEL); }
    void OnAbout() { ui::Dialog(IDD_ABOUTBOX).DoModal(hwnd()); }

    int screen_;
    bool horizontal_;
};

// Any other template, shown as it is; it ends with OK, Cancel or Esc.
class PlainDialog : public ui::Dialog {
  public:
    using ui::Dialog::Dialog;

  protected:
    bool DispatchCommand(int id, int /*code*/) override {
        if (id == IDC_DELETE_FILES) return true;
        return false;
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ui::App app(instance);
    app.InitCommonControls();
    int screen = 1;
    bool horizontal = false;
    int dialog = 0;
    UINT closeAfter = 0;
    for (int i = 1; i < __argc; ++i) {
        const std::string arg = __argv[i];
        if (arg == "-screen" && i + 1 < __argc) screen = std::atoi(__argv[++i]);
        if (arg == "-horizontal") horizontal = true;
        if (arg == "-dialog" && i + 1 < __argc) dialog = std::atoi(__argv[++i]);
        if (arg == "-close-after" && i + 1 < __argc) closeAfter = static_cast<UINT>(std::atoi(__argv[++i]));
    }
    if (closeAfter > 0) {
        // A thread timer: its message reaches whichever modal loop runs.
        SetTimer(nullptr, 0, closeAfter, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); });
    }
    if (dialog != 0) {
        PlainDialog plain(dialog, instance);
        return static_cast<int>(plain.DoModal());
    }
    PreviewDialog main(screen, horizontal);
    main.DoModal();
    return 0;
}
