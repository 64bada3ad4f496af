// The editor's main window: a wizard frame around the document. One template
// holds the controls of all three screens (General Information, Axis Mapping,
// Tuning); each screen is a class of its own that binds its controls to the
// document. The frame moves between the screens and handles the commands that
// act on the document as a whole: the menus, the file commands, Test.
//
// The frame is split over several sources by concern:
//   dlg_frame.cpp      construction, initialisation, the command table, the
//                      system menu, tool tips, activation
//   dlg_navigation.cpp the screens shown, titles, Next and Back
//   dlg_document.cpp   the document and the screens: load, write, change test
//   dlg_file.cpp       New, Open, Save, Save As, the ways out, the save prompt
//   dlg_commands.cpp   Test, Clean KCG Files, File Revision Number, Help, About
//   dlg_undo.cpp       the keys, undo and redo of the screen shown
//   dlg_pictures.cpp   the pictures and their palette, painting
#ifndef KCG_APP_KCG_EDITOR_DLG_H
#define KCG_APP_KCG_EDITOR_DLG_H

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "axis_screen.h"
#include "document.h"
#include "editor_context.h"
#include "general_screen.h"
#include "screen_bitmap.h"
#include "screens.h"
#include "tuning_screen.h"
#include "ui.h"
#include "undo_history.h"

class CKcgEditorDlg : public ui::Dialog {
  public:
    // The WM_COPYDATA request of a second start: open the file it names.
    static constexpr ULONG_PTR kOpenFileRequest = 0x4B434701;

    // instance: the module holding the resources; null means the program.
    explicit CKcgEditorDlg(HINSTANCE instance = nullptr, EditorSettings settings = {});
    ~CKcgEditorDlg() override;

    const model::Document &Doc() const { return doc_; }
    const EditorContext &Context() const { return context_; }
    // 1, 2 or 3 (model::kGeneralScreen ...) once the first screen is shown.
    int CurrentScreen() const { return screen_; }

    // ---- The document and the screens
    // The screens' values into the document and its record. False when memory
    // ran out while copying lists.
    bool ScreensToConfig();
    // Shows the document on every screen.
    void ConfigToScreens();
    // Opens the file at path as the document; false (after telling the user)
    // when it cannot be read or is not a Windows game's file.
    bool LoadFile(const std::string &path);
    // Writes the screens to path; false (after telling the user) when the file
    // could not be written. takeSnapshot: the written state becomes the saved one.
    bool WriteFile(const std::string &path, bool takeSnapshot);
    // True when the document differs from its saved state, or the Axis
    // Mapping screen shows one motion chosen for two ball axes.
    bool IsModified();

    // The editor's keys (Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Z, Ctrl+Y, F1); inside
    // an edit field its own undo keeps Ctrl+Z.
    bool PreTranslateMessage(MSG *msg) override;
    bool CanUndo() const { return HistoryOf(screen_).CanUndo(); }
    bool CanRedo() const { return HistoryOf(screen_).CanRedo(); }

    // ---- File commands
    bool Save();
    bool SaveAs();
    // Before unsaved changes could be lost: true to go on, false to abandon
    // the command that asked.
    bool PromptToSave();
    void OnFileNew();
    void OnFileOpen();
    // Opens the file at path with the name it keeps; false (after telling the
    // user) when it could not be opened.
    bool OpenDocument(const std::string &path);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool DispatchCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    bool OnNotify(NMHDR *header, LRESULT *result) override;
    bool OnHScroll(int code, int position, HWND control) override;
    bool OnPaint() override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    void OnActivate(int state, HWND other) override;
    HICON OnQueryDragIcon() override { return m_hIcon; }
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR *result) override;

  private:
    // Posted when a file is to be opened: named on the command line, or
    // handed over by a second start.
    static constexpr UINT kOpenStartFileMessage = WM_APP + 1;

    // Navigation
    void OnNextGeneral();
    void OnBackAxis();
    void OnNextAxis();
    void OnBackTuning();
    void ShowScreen(int screen);
    void ReturnToGeneralScreen();
    Screen &ScreenObject(int screen);

    // Undo and redo of the screen shown
    void OnUndo();
    void OnRedo();
    // After an action on the screen shown: its values as one step.
    void RecordStep();
    // New and Open: every screen's history starts from what is shown.
    void ResetHistories();
    model::UndoHistory &HistoryOf(int screen);
    const model::UndoHistory &HistoryOf(int screen) const;
    void EnableEditMenu(HMENU menu) const;

    // Commands
    void OnSaveKey();
    void OnSave();
    void OnSaveAs();
    void OnExit();
    void OnTest();
    // Closes the editor's dialogs and boxes open over the frame.
    void EndOwnedDialogs();
    void OnCleanFiles();
    void OnFileRevision();
    void OnHelp();
    void OnAbout();

    void SetUpSystemMenu();
    void SetUpToolTips();
    void CollectReservedNames();
    void FreeReservedNames();
    void ResetDocument();
    // Shows the document and takes what the screens show as its saved state.
    void ShowAsSaved();
    // String IDS_1_INSTRUCTIONS_DEFAULT, or "" after telling the user it is missing.
    std::string DefaultInstructions();

    void LoadScreenBitmaps();
    void CreateScreenPalette();
    void PaintMinimizedIcon();
    void PaintScreenBitmap(const ScreenBitmap &bitmap, int controlId);
    void ReleasePictures();

    EditorSettings settings_;
    EditorContext context_;
    model::Document doc_;
    ui::ToolTip tips_;
    GeneralScreen general_;
    AxisScreen axis_;
    TuningScreen tuning_;
    int screen_ = model::kNoScreen;
    HACCEL accelerators_ = nullptr;
    model::UndoHistory generalHistory_{model::ScreenPart::kGeneral};
    model::UndoHistory axisHistory_{model::ScreenPart::kAxis};
    model::UndoHistory tuningHistory_{model::ScreenPart::kTuning};

    // The three pictures: logo, ball mounted vertically, ball mounted
    // horizontally; the shared colour table and the palette made from it.
    std::array<ScreenBitmap, 3> m_Bitmaps;
    PaletteSource m_PaletteSource{};
    HPALETTE m_Palette = nullptr;
    HICON m_hIcon = nullptr;
};

#endif // KCG_APP_KCG_EDITOR_DLG_H
