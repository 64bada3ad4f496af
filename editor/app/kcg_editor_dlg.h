// The editor's main window: one wizard dialog whose template holds the
// controls of all three screens (General Information, Axis Mapping, Tuning),
// and the document it edits.
//
// The class is split over several sources by concern:
//   dlg_frame.cpp      construction, initialisation, message table, system
//                      menu, keyboard, activation
//   dlg_screens.cpp    screen groups, titles, Next and Back
//   dlg_pictures.cpp   the pictures and their palette, painting
//   dlg_tooltips.cpp   tool-tip texts
//   dlg_document.cpp   the document: screens <-> record, load, write, change test
//   dlg_controls.cpp   copying screen values into and out of the controls
//   dlg_general.cpp    the General Information screen and its Next checks
//   dlg_axis_map.cpp   the Axis Mapping screen and committing its choices
//   dlg_tuning.cpp     the Tuning screen's rows, Suggest and slider tips
//   dlg_checks.cpp     telling the user about a failed check
//   dlg_file.cpp       New, Open, Save, Save As, the ways out, the save prompt
//   dlg_test.cpp       the Test button: the settings loaded into the driver
//
// Like the dialogs of an application framework, the editor state is public:
// the application object sets the start-up state before the dialog runs, and
// the other dialogs of the editor read it.
#ifndef KCG_APP_KCG_EDITOR_DLG_H
#define KCG_APP_KCG_EDITOR_DLG_H

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "axis_rules.h"
#include "check_failure.h"
#include "command_router.h"
#include "document.h"
#include "rows.h"
#include "screen_bitmap.h"
#include "screen_values.h"
#include "screens.h"
#include "tl_api.h"
#include "ui.h"

class CKcgEditorDlg : public ui::Dialog {
  public:
    // instance: the module holding the resources; null means the program.
    explicit CKcgEditorDlg(HINSTANCE instance = nullptr);
    ~CKcgEditorDlg() override;

    // Commands the dialog does not handle itself (menu Open, Exit, About, ...)
    // go on to this router, the application object. May be null.
    void SetCommandRouter(CommandRouter *router) { m_pRouter = router; }

    // ---- The document
    // Copies the screens into m_Config over what it held. False when memory ran
    // out while copying lists: the record is then complete but not the screens.
    bool ScreensToConfig();
    // Shows m_Config on the screens and clears m_bModified.
    void ConfigToScreens();
    // The screens of a new document, with fresh change snapshots.
    void ResetScreens();
    // The record of a new document: library defaults, then the editor's.
    void ResetConfig();
    // Opens the file at path as the document; false (after telling the user)
    // when it cannot be read or is not a Windows game's file.
    bool LoadFile(const std::string &path);
    // Writes the screens to path; false (after telling the user) when the file
    // could not be written. takeSnapshot: the written state becomes the saved one.
    bool WriteFile(const std::string &path, bool takeSnapshot);
    // True when the document differs from its last saved state. Leaves
    // m_Config holding the screens' values.
    bool IsModified();

    // ---- File commands
    // Writes the document to its own file, or runs SaveAs when it has none.
    bool Save();
    // Asks for a new name until one passes the file-name rules, then writes
    // the document there; false when cancelled or not written.
    bool SaveAs();
    // Before unsaved changes could be lost: true to go on, false to abandon
    // the command that asked.
    bool PromptToSave();
    void OnFileNew();
    // Open...: the save prompt, the open dialog, then OpenDocument.
    void OnFileOpen();
    // Opens the file at path as the document, with the name it keeps; false
    // (after telling the user) when it could not be opened.
    bool OpenDocument(const std::string &path);
    // Shows m_nRevMajor.m_nRevMinor in the revision edit.
    void ShowFileRevision();
    // The Test button.
    void OnTest();

    // ---- The screens
    void ShowGeneralScreen();
    void HideGeneralScreen();
    void ShowAxisScreen();
    void HideAxisScreen();
    void ShowTuningScreen();
    void HideTuningScreen();
    void ShowVariableNames();
    void ShowOwnerControls();
    void ShowOrientationBitmap();
    void ReturnToGeneralScreen();
    // Takes the Axis Mapping screen's choices into m_AxisOfRow and
    // m_InvertOfRow; false when one motion is chosen for two ball axes
    // (silent: without telling the user).
    bool CommitAxisMap(bool silent);
    // Builds the motion list from the (trimmed) labels into the axis combo
    // boxes and shows the committed mapping on them.
    void LoadAxisScreen();
    // Enables the Tuning rows of the game's motions and labels every row.
    void PrepareTuningRows();

    // ---- Editor state
    int m_nScreen = model::kNoScreen; // 1, 2 or 3 once the first screen is shown
    int m_bDirectX5 = 1;              // which variable names label the rows
    int m_bInternal = 0;              // internal-use mode, set before the dialog runs
    int m_nOrientation = 1;           // 1 vertical, 0 horizontal
    int m_nRevMajor = 1;
    int m_nRevMinor = 0;
    // The installation folder, handed over by start-up (empty: none known).
    std::string m_szInstallDir;
    // The installation's folder of Windows games' configuration files.
    std::string m_szWinConfigDir;
    int m_bModified = 0;
    TlStringList m_ReservedTitles{}; // titles a new file may not take
    TlStringList m_ReservedExes{};   // executable names a game may not list
    int m_bHasFileName = 0;
    std::string m_strFileName; // without folder
    std::string m_strFolder;   // ends in a backslash, or "."
    // A file named on the command line, opened once the window shows.
    std::string m_strStartFile;
    TlConfig m_Config;
    model::RowInts m_AxisOfRow{};   // per label row: ball axis code or -1
    model::RowInts m_InvertOfRow{}; // per label row: 1 inverted
    model::RowInts m_SavedAxisOfRow{};
    model::RowInts m_SavedInvertOfRow{};
    model::RowInts m_SavedScalarPos{};
    model::RowInts m_SavedDeadZonePos{};
    // The Axis Mapping screen's motion list, built when General Information
    // is left by Next; and per axis row the entry chosen and whether inverted.
    model::MotionList m_Motions;
    model::RowInts m_ComboMotion{};
    model::RowInts m_ComboInvert{};

    // The three pictures: logo, ball mounted vertically, ball mounted
    // horizontally; the shared colour table and the palette made from it.
    std::array<ScreenBitmap, 3> m_Bitmaps;
    PaletteSource m_PaletteSource{};
    HPALETTE m_Palette = nullptr;
    HICON m_hIcon = nullptr;

  protected:
    BOOL OnInitDialog() override;
    bool DispatchCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    bool OnNotify(NMHDR *header, LRESULT *result) override;
    bool OnPaint() override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    void OnActivate(int state, HWND other) override;
    HICON OnQueryDragIcon() override { return m_hIcon; }
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR *result) override;

    // Navigation
    void OnNextGeneral();
    void OnBackAxis();
    void OnNextAxis();
    void OnBackTuning();
    // The Exit button of the Tuning screen.
    void OnExitButton();
    void OnSave();
    void OnSaveAs();

    // General Information
    void OnAddExecutable();
    void OnRemoveExecutable();
    void OnBrowseExecutable();
    void OnInstructionsCheck();
    void OnDirectX5();
    void OnPreDirectX5();
    // Typing in the title, the instructions or a label; choosing an owner or a preset label.
    void OnGeneralEdited();
    // Axis Mapping, one of each per axis row
    void OnAxisSelChange(int row);
    void OnAxisDropDown(int row);
    void OnAxisCloseUp(int row);
    void OnAxisSelEndCancel(int row);
    void OnInvert(int row);
    void OnVertical();
    void OnHorizontal();
    // Tuning, one per row
    void OnSuggest(int row);
    bool OnHScroll(int code, int position, HWND control) override;

  private:
    void BindControls();
    void SetUpSystemMenu();
    void SetUpControls();
    void SetUpToolTips();
    void CollectReservedNames();
    void FreeReservedNames();
    void ShowAboutBox();
    // Posts the opening of m_strStartFile, if any, for when the window shows.
    void OpenStartFileLater();
    void SetScreenTitle();

    void LoadScreenBitmaps();
    void CreateScreenPalette();
    void PaintMinimizedIcon();
    void PaintScreenBitmap(const ScreenBitmap &bitmap, int controlId);
    void ReleasePictures();

    // The values the screens show, read from the controls; and written into them.
    model::ScreenValues ReadScreenValues() const;
    void ShowScreenValues(const model::ScreenValues &values);
    void ShowInstructions(const std::string &text, bool included);
    void SetSavedSnapshot(const model::Snapshot &saved);
    model::AxisRows CurrentRows() const;
    // String 106, or nothing after telling the user it is missing.
    std::optional<std::string> DefaultInstructions();

    // A failed check: its message, then the focus to the control to correct.
    void ReportCheckFailure(const model::CheckFailure &failure);
    void FocusControl(int controlId);
    void FocusAndSelectAll(const ui::Edit &edit);
    // An axis row's display item stands after the pairs of the motion list.
    int DisplayItemIndex() const;
    void RemoveDisplayItem(int row);
    void ShowAxisChoice(int row);
    // Takes the pair the row's combo box has selected, if it has one.
    bool TakeSelectedPair(int row);
    // Makes a showing slider tip read the slider's position again.
    void RefreshSliderTip(HWND slider);

    CommandRouter *m_pRouter = nullptr;
    std::unique_ptr<ui::ToolTip> m_pToolTip;

    // Wrappers of the controls the code reads and writes (bound on initialisation).
    ui::Edit m_editTitle, m_editFileName, m_editExe, m_editInstructions, m_editRevision;
    ui::ListBox m_listExes;
    ui::Button m_checkInstructions, m_radioPreDirectX5, m_radioDirectX5;
    ui::Button m_radioVertical, m_radioHorizontal;
    ui::ComboBox m_comboOwner;
    std::array<ui::ComboBox, model::kRows> m_comboLabelPos, m_comboLabelNeg;
    std::array<ui::ComboBox, model::kRows> m_comboAxis;
    std::array<ui::Edit, model::kRows> m_editAxisOpposite;
    std::array<ui::Static, model::kRows> m_staticRowLabel;
    std::array<ui::Slider, model::kRows> m_sliderScalar, m_sliderDeadZone;
};

#endif // KCG_APP_KCG_EDITOR_DLG_H
