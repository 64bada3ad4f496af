// The General Information screen as a user meets it: Next and its checks in
// order, what Next trims, the executable list, Browse, the instructions box,
// the variable names, and which edits count as a change of the document.
#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "editor_user.h"

namespace editor_test {
namespace {

using Names = std::vector<std::string>;

class GeneralScreen : public EditorUser {
  public:
    Names Executables() const {
        const ui::ListBox list(Item(IDC_EXE_LIST));
        Names names;
        for (int i = 0; i < list.Count(); ++i)
            names.push_back(list.ItemText(i));
        return names;
    }
    bool ReadOnly(int id) const { return (GetWindowLongPtrA(Item(id), GWL_STYLE) & ES_READONLY) != 0; }
    bool Shown(int id) const { return (GetWindowLongPtrA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
};

TEST_F(GeneralScreen, NextChecksInOrderAndSendsTheFocusToWhatNeedsCorrecting) {
    OpenActive();
    const std::string longest(255, 'L');
    // The messages' texts are checked with the screen's rules; here which
    // message comes, in which order, and where the focus goes.
    const struct Step {
        const char *what;
        std::function<void()> act;
        const char *caption;
        int focus;
    } steps[] = {
        {"nothing entered", [] {}, "Game Title Missing", IDC_GAME_TITLE},
        {"blanks for a title", [&] { Type(IDC_GAME_TITLE, " \t "); }, "Game Title Missing", IDC_GAME_TITLE},
        {"a maker's title in other letters", [&] { Type(IDC_GAME_TITLE, "  nebula LANCERS "); },
         "Invalid Game Title", IDC_GAME_TITLE},
        {"256 characters", [&] { Type(IDC_GAME_TITLE, longest + "L"); }, "Game Title Too Long",
         IDC_GAME_TITLE},
        {"255 characters and no executable", [&] { Type(IDC_GAME_TITLE, longest); },
         "Executable Name Missing", IDC_EXE_NAME},
        {"no label",
         [&] {
             Type(IDC_EXE_NAME, "deep.exe");
             Press(IDC_ADD_EXE);
             Type(IDC_LABEL_R_NEG, "   ");
         },
         "Motion Labels Missing", IDC_LABEL_X_POS},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        const size_t before = BoxCount();
        Press(IDC_NEXT_GENERAL);
        ASSERT_EQ(BoxCount(), before + 1);
        EXPECT_EQ(LastBox().caption, step.caption);
        EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(LastBox().Buttons(), static_cast<UINT>(MB_OK));
        EXPECT_EQ(LastBox().owner, dialog->hwnd());
        EXPECT_EQ(FocusedId(), step.focus);
        EXPECT_EQ(dialog->m_nScreen, 1);
    }
    // One label, the negative one of row 3, is a motion.
    Type(IDC_LABEL_R_NEG, "Turn Right");
    const size_t before = BoxCount();
    Press(IDC_NEXT_GENERAL);
    EXPECT_EQ(BoxCount(), before);
    EXPECT_EQ(dialog->m_nScreen, 2);
    EXPECT_EQ(Text(IDC_GAME_TITLE), longest);
}

TEST_F(GeneralScreen, InternalUseNeedsNothingButATitleThatFits) {
    OpenActive(true);
    Type(IDC_GAME_TITLE, std::string(256, 'L'));
    Press(IDC_NEXT_GENERAL);
    EXPECT_EQ(LastBox().caption, "Game Title Too Long");
    EXPECT_EQ(dialog->m_nScreen, 1);
    Type(IDC_GAME_TITLE, "");
    Press(IDC_NEXT_GENERAL);
    EXPECT_EQ(BoxCount(), 1u);
    EXPECT_EQ(dialog->m_nScreen, 2);
}

TEST_F(GeneralScreen, NextTrimsWhatItReachesWithoutCountingItAsAChange) {
    OpenActive();
    Type(IDC_GAME_TITLE, "\t Deep Dive  ");
    Type(IDC_LABEL_X_POS, "  Strafe Left ");
    Press(IDC_NEXT_GENERAL); // no executable yet
    EXPECT_EQ(LastBox().caption, "Executable Name Missing");
    EXPECT_EQ(Text(IDC_GAME_TITLE), "Deep Dive");       // trimmed before the title was checked
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "  Strafe Left "); // the labels' turn had not come
    EXPECT_EQ(dialog->m_bModified, 1);                  // as the typing set it

    Type(IDC_EXE_NAME, "deep.exe");
    Press(IDC_ADD_EXE);
    Press(IDC_INSTRUCTIONS_CHECK);
    Type(IDC_INSTRUCTIONS, "\r\n  Press Start.\r\n\r\n");
    Type(IDC_LABEL_Y_NEG, "Dive\t");
    Type(IDC_GAME_TITLE, " Deep Dive ");
    dialog->m_bModified = 0; // as after a save: nothing Next does may change that
    Press(IDC_NEXT_GENERAL);
    ASSERT_EQ(dialog->m_nScreen, 2) << LastBox().caption;
    EXPECT_EQ(dialog->m_bModified, 0);
    EXPECT_EQ(Text(IDC_GAME_TITLE), "Deep Dive");
    EXPECT_EQ(Text(IDC_INSTRUCTIONS), "Press Start.");
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "Strafe Left");
    EXPECT_EQ(Text(IDC_LABEL_Y_NEG), "Dive");
    EXPECT_EQ(OpenListItems(kTY), (Names{"Strafe Left/None", "None/Dive", "None/None"}));
}

TEST_F(GeneralScreen, AddToListKeepsOneSortedBareNamePerExecutable) {
    OpenActive();
    const Names three = {"alpha.exe", "DEEP.EXE", "zeta.exe"};
    const struct {
        const char *typed;
        const char *caption; // "" when there is no message
        Names list;
        const char *editAfter;
        int focusAfter; // the button keeps the focus its click gave it, unless a check sends it on
        int modified;   // only a name that goes into the list is a change
    } steps[] = {
        {"deep.exe", "", {"deep.exe"}, "", IDC_ADD_EXE, 1},
        {"  C:\\Games\\Deep\\DEEP.EXE  ", "", {"DEEP.EXE"}, "", IDC_ADD_EXE, 1}, // replaces, in its new case
        {"games/zeta.exe", "", {"DEEP.EXE", "zeta.exe"}, "", IDC_ADD_EXE, 1},
        {"D:alpha.exe", "", three, "", IDC_ADD_EXE, 1},
        {"C:\\Games\\", "Executable Not Given", three, "C:\\Games\\", IDC_ADD_EXE, 0},
        {"de?p.exe", "Rename Executable", three, "de?p.exe", IDC_ADD_EXE, 0},
        {" C:\\x\\SETUP.exe", "Invalid Executable Name", three, "C:\\x\\SETUP.exe", IDC_EXE_NAME, 0},
        {" \t ", "", three, "", IDC_ADD_EXE, 0},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.typed);
        Type(IDC_EXE_NAME, step.typed);
        const size_t shown = BoxCount();
        dialog->m_bModified = 0;
        Press(IDC_ADD_EXE);
        const bool refused = *step.caption != '\0';
        ASSERT_EQ(BoxCount(), shown + (refused ? 1 : 0));
        if (refused) {
            EXPECT_EQ(LastBox().caption, step.caption);
            EXPECT_EQ(LastBox().Icon(), static_cast<UINT>(MB_ICONERROR));
        }
        EXPECT_EQ(Executables(), step.list);
        EXPECT_EQ(Text(IDC_EXE_NAME), step.editAfter);
        EXPECT_EQ(FocusedId(), step.focusAfter);
        EXPECT_EQ(dialog->m_bModified, step.modified);
    }
}

TEST_F(GeneralScreen, RemoveSelectionRemovesOnlyWhatIsSelected) {
    OpenActive();
    for (const char *name : {"a.exe", "b.exe"}) {
        Type(IDC_EXE_NAME, name);
        Press(IDC_ADD_EXE);
    }
    const ui::ListBox list(Item(IDC_EXE_LIST));
    list.Select(-1);
    dialog->m_bModified = 0;
    Press(IDC_REMOVE_EXE);
    EXPECT_EQ(Executables(), (Names{"a.exe", "b.exe"}));
    EXPECT_EQ(dialog->m_bModified, 0);
    list.Select(1);
    Press(IDC_REMOVE_EXE);
    EXPECT_EQ(Executables(), (Names{"a.exe"}));
    EXPECT_EQ(dialog->m_bModified, 1);
}

TEST_F(GeneralScreen, BrowseOnlyFillsTheEditWithTheChosenFilesName) {
    OpenActive();
    boxes.ConfirmFileDialog("C:\\Games\\Deep Dive\\deep95.exe");
    Press(IDC_BROWSE_EXE);
    ASSERT_EQ(boxes.FileDialogs().size(), 1u);
    const ui::FileDialogRequest &request = boxes.FileDialogs()[0];
    EXPECT_EQ(request.kind, ui::FileDialogKind::Open);
    EXPECT_EQ(request.owner, dialog->hwnd());
    EXPECT_EQ(request.title, "Find Game Executable");
    EXPECT_EQ(request.filter, "Executables (*.exe)|*.exe|All Files (*.*)|*.*||");
    EXPECT_EQ(request.defaultExt, "");
    EXPECT_EQ(request.initialFile, "");
    const DWORD wanted = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE;
    EXPECT_EQ(request.flags & wanted, wanted);
    EXPECT_EQ(Text(IDC_EXE_NAME), "deep95.exe");
    EXPECT_TRUE(Executables().empty());
    EXPECT_EQ(dialog->m_bModified, 0);

    boxes.CancelFileDialog();
    Press(IDC_BROWSE_EXE);
    EXPECT_EQ(Text(IDC_EXE_NAME), "deep95.exe");
}

TEST_F(GeneralScreen, TheDirectInputChoiceRenamesTheRowsAndChangesNothingElse) {
    OpenActive();
    Type(IDC_LABEL_X_POS, "Jump");
    dialog->m_bModified = 0;
    const int oldNames[] = {IDC_VAR_DWXPOS, IDC_VAR_DWYPOS, IDC_VAR_DWZPOS,
                            IDC_VAR_DWRPOS, IDC_VAR_DWUPOS, IDC_VAR_DWVPOS};
    const int newNames[] = {IDC_VAR_LX,      IDC_VAR_LY,      IDC_VAR_LZ,    IDC_VAR_LRZ,
                            IDC_VAR_SLIDER0, IDC_VAR_SLIDER1, IDC_VAR_UNUSED};
    for (const bool directX5 : {false, true, true}) {
        Press(directX5 ? IDC_DIRECTX5 : IDC_PRE_DIRECTX5);
        EXPECT_EQ(dialog->m_bDirectX5, directX5 ? 1 : 0);
        for (const int id : oldNames)
            EXPECT_EQ(Shown(id), !directX5) << id;
        for (const int id : newNames)
            EXPECT_EQ(Shown(id), directX5) << id;
    }
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "Jump");
    EXPECT_EQ(dialog->m_bModified, 0);
}

TEST_F(GeneralScreen, TypingOrChoosingAnEntryIsAChange) {
    OpenActive(true); // the owner box shows in internal use only
    const struct {
        const char *what;
        std::function<void()> act;
    } edits[] = {{"title", [&] { Type(IDC_GAME_TITLE, "Deep"); }},
                 {"instructions box", [&] { Press(IDC_INSTRUCTIONS_CHECK); }},
                 {"instructions typed", [&] { Type(IDC_INSTRUCTIONS, "Go"); }},
                 {"label typed", [&] { Type(IDC_LABEL_V_NEG, "Dive"); }},
                 {"label chosen from its list",
                  [&] {
                      SetFocus(KeyTarget(IDC_LABEL_Z_POS));
                      Key(KeyTarget(IDC_LABEL_Z_POS), VK_DOWN); // the next preset
                  }},
                 {"owner", [&] {
                      ui::ComboBox owner(Item(IDC_OWNER));
                      owner.Select(owner.FindExact("USER"));
                      SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_OWNER, CBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(owner.hwnd()));
                  }}};
    for (const auto &edit : edits) {
        SCOPED_TRACE(edit.what);
        dialog->m_bModified = 0;
        edit.act();
        EXPECT_EQ(dialog->m_bModified, 1);
    }
    EXPECT_EQ(Text(IDC_LABEL_Z_POS), "Strafe Left");
    // The box made the instructions editable; unchecked, they are read-only again.
    EXPECT_EQ(Text(IDC_INSTRUCTIONS), "Go");
    EXPECT_FALSE(ReadOnly(IDC_INSTRUCTIONS));
    Press(IDC_INSTRUCTIONS_CHECK);
    EXPECT_TRUE(ReadOnly(IDC_INSTRUCTIONS));
}

TEST_F(GeneralScreen, ALabelKeepsNoMoreThanTheRecordCanHold) {
    OpenActive();
    Type(IDC_LABEL_X_POS, std::string(80, 'p'));
    Type(IDC_LABEL_X_NEG, std::string(70, 'n'));
    EXPECT_EQ(Text(IDC_LABEL_X_POS), std::string(63, 'p'));
    FillGeneral("Deep Dive", {});
    Press(IDC_NEXT_GENERAL);
    ASSERT_EQ(dialog->m_nScreen, 2);
    EXPECT_EQ(OpenListItems(kTY)[0], std::string(63, 'p') + "/" + std::string(63, 'n'));
}

} // namespace
} // namespace editor_test
