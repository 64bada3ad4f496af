// The document behind the wizard, driven through the real dialog: what a new
// document and an opened file show on the screens, what is written back, the
// files that cannot be opened or written, and the change test.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "editor_fixture.h"
#include "resource.h"
#include "scoped_config.h"
#include "sliders.h"

namespace editor_test {
namespace {

const char kDefaultInstructions[] = "Game setup instructions for [Game]:\r\n  1. Type Instructions Here\r\n"
                                    "[Game] should now be configured for use with the Kavelin.";

class Document : public EditorDialog {
  public:
    static void Read(const std::string &path, model::ScopedConfig &into) {
        ASSERT_EQ(TlReadConfigFile(&into.get(), path.c_str()), 0) << path;
    }
    std::vector<std::string> ListedExecutables() const {
        const ui::ListBox list(Item(IDC_EXE_LIST));
        std::vector<std::string> items;
        for (int i = 0; i < list.Count(); ++i)
            items.push_back(list.ItemText(i));
        return items;
    }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool ReadOnly(int id) const { return (GetWindowLongPtrA(Item(id), GWL_STYLE) & ES_READONLY) != 0; }
    void ExpectMessage(const char *text, const char *caption, UINT icon) {
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        const ui::MessageBoxRequest &box = boxes.MessageBoxes().back();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.Icon(), icon);
        EXPECT_EQ(box.owner, dialog->hwnd());
    }

    ScratchFolder scratch;
};

TEST_F(Document, NewDocumentShowsEmptyScreensAndIsUnchanged) {
    Open();
    EXPECT_EQ(Text(IDC_GAME_TITLE), "");
    EXPECT_EQ(Text(IDC_FILE_NAME), "Untitled.kcg");
    EXPECT_EQ(Text(IDC_FILE_REVISION), "1.0");
    EXPECT_EQ(Text(IDC_INSTRUCTIONS), kDefaultInstructions);
    EXPECT_TRUE(ReadOnly(IDC_INSTRUCTIONS));
    EXPECT_FALSE(Checked(IDC_INSTRUCTIONS_CHECK));
    EXPECT_TRUE(Checked(IDC_DIRECTX5));
    EXPECT_FALSE(Checked(IDC_PRE_DIRECTX5));
    EXPECT_TRUE(Checked(IDC_VERTICAL));
    EXPECT_EQ(Text(IDC_OWNER), "OEM");
    EXPECT_TRUE(ListedExecutables().empty());
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(SliderPosition(IDC_SCALAR_0 + row), 50);
        EXPECT_EQ(SliderPosition(IDC_DEAD_ZONE_0 + row), 0);
        EXPECT_EQ(Text(IDC_ROW_LABEL_0 + row), "\nUnused");
        EXPECT_EQ(dialog->m_AxisOfRow[row], -1);
    }
    EXPECT_FALSE(dialog->IsModified());
    EXPECT_EQ(dialog->m_Config.versionMajor, 5);
    EXPECT_EQ(dialog->m_Config.samplingFrequency[TL_KAVELIN], 14);
}

TEST_F(Document, OemFileShowsOnTheScreensAndWritesBackNormalised) {
    Open();
    const std::string sample = SampleFile("win", "harbor3d.kcg");
    ASSERT_TRUE(dialog->LoadFile(sample));
    EXPECT_TRUE(boxes.MessageBoxes().empty());

    EXPECT_EQ(Text(IDC_GAME_TITLE), "Harbor Patrol 3D");
    EXPECT_EQ(ListedExecutables(), (std::vector<std::string>{"harbor.exe", "hp3dcfg.exe"}));
    EXPECT_EQ(Text(IDC_FILE_REVISION), "2.3");
    EXPECT_TRUE(Checked(IDC_HORIZONTAL));
    EXPECT_FALSE(Checked(IDC_VERTICAL));
    EXPECT_EQ(Text(IDC_INSTRUCTIONS),
              "Start Harbor Patrol 3D and choose Joystick in the Controls menu.\r\n\r\n"
              "Press the Kavelin's A button to sound the horn.");
    EXPECT_TRUE(Checked(IDC_INSTRUCTIONS_CHECK));
    EXPECT_FALSE(ReadOnly(IDC_INSTRUCTIONS));
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "Turn Right");
    EXPECT_EQ(Text(IDC_LABEL_Z_NEG), "Crane Up");
    EXPECT_EQ(Text(IDC_LABEL_R_POS), "");
    const int scalars[] = {60, 110, 40, 100, 100, 100};
    const int deadZones[] = {20, 12, 0, 0, 0, 0};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(SliderPosition(IDC_SCALAR_0 + row), scalars[row]) << row;
        EXPECT_EQ(SliderPosition(IDC_DEAD_ZONE_0 + row), deadZones[row]) << row;
    }
    // "XzY---": TX on row 0, TZ inverted on row 1, TY on row 2.
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{0, 2, 1, -1, -1, -1}));
    EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{0, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(dialog->IsModified());

    const std::string written = scratch.Path("harbor3d.kcg");
    ASSERT_TRUE(dialog->WriteFile(written, true));
    model::ScopedConfig file;
    Read(written, file);
    EXPECT_STREQ(file->applicationName, "Harbor Patrol 3D");
    EXPECT_EQ(file->owner, TL_OWNER_OEM);
    EXPECT_EQ(file->versionMajor, 5);
    EXPECT_EQ(file->versionMinor, 0);
    EXPECT_EQ(file->applicationNumberMajor, 4);
    EXPECT_EQ(file->applicationNumberMinor, 8);
    EXPECT_EQ(file->platform, TL_PLATFORM_WINDOWS);
    EXPECT_EQ(file->level, TL_LEVEL_INTERMEDIATE);
    EXPECT_EQ(file->showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(file->orientation, TL_HORIZONTAL);
    EXPECT_EQ(file->fileRevisionMajor, 2);
    EXPECT_EQ(file->fileRevisionMinor, 3);
    EXPECT_EQ(file->instructionCount, 3);
    EXPECT_STREQ(file->axisMapHrzUser[TL_KAVELIN].letters, "XzY---");
    EXPECT_FLOAT_EQ(file->tuningScalars[TL_KAVELIN][1], 1.10f);
    EXPECT_FLOAT_EQ(file->nullRegionUser[TL_KAVELIN][0].posMin, 0.20f);
    EXPECT_FLOAT_EQ(file->nullRegionUser[TL_KAVELIN][0].negMax, -1.0f);
    EXPECT_FALSE(dialog->IsModified());

    // Once normalised, a file goes through the editor unchanged.
    ASSERT_TRUE(dialog->LoadFile(written));
    const std::string again = scratch.Path("again.kcg");
    ASSERT_TRUE(dialog->WriteFile(again, true));
    const std::string first = ReadWholeFile(written), second = ReadWholeFile(again);
    // The header's second comment line carries the time of writing.
    auto body = [](const std::string &text) { return text.substr(text.find("[VERSION]")); };
    ASSERT_NE(first.find("[VERSION]"), std::string::npos);
    EXPECT_EQ(body(first), body(second));
}

TEST_F(Document, FileOfAnotherOwnerKeepsItsSettingsButNotItsIdentity) {
    Open();
    ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "nebulanc.kcg")));
    EXPECT_EQ(Text(IDC_GAME_TITLE), "");
    EXPECT_TRUE(ListedExecutables().empty());
    EXPECT_EQ(Text(IDC_FILE_REVISION), "1.0");
    EXPECT_TRUE(Checked(IDC_VERTICAL));
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "Yaw Right");
    EXPECT_EQ(Text(IDC_LABEL_V_NEG), "Slide Down");
    EXPECT_EQ(SliderPosition(IDC_SCALAR_0), 120);
    EXPECT_EQ(SliderPosition(IDC_DEAD_ZONE_1), 5);
    EXPECT_EQ(dialog->m_Config.owner, TL_OWNER_OEM);

    SetText(IDC_GAME_TITLE, "Nebula Lancers Gold"); // a file needs a title
    const std::string written = scratch.Path("nebula.kcg");
    ASSERT_TRUE(dialog->WriteFile(written, true));
    model::ScopedConfig file;
    Read(written, file);
    EXPECT_EQ(file->owner, TL_OWNER_OEM);
    EXPECT_STREQ(file->motionLabelPos[3], "Roll Right");
    EXPECT_EQ(file->devicePresent[TL_MARROWEL], 0);
}

TEST_F(Document, FilesThatCannotBeOpenedLeaveTheDocumentAsItWas) {
    const struct {
        std::string path;
        const char *text;
        const char *caption;
        UINT icon;
    } cases[] = {
        {SampleFile("win", "damaged.kcg"), "Error Reading File", "Error!", MB_ICONWARNING},
        {SampleFile("win", "no-such-file.kcg"), "Error Reading File", "Error!", MB_ICONWARNING},
        {SampleFile("dos", "cavernrn.kcg"),
         "Note:  The KCG file just opened is a DOS\nconfig file. This KCG Editor only edits KCG\n"
         "files for Windows applications.\n\nThe file was not opened.",
         "Cannot Open DOS KCG file", MB_ICONINFORMATION},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        Open();
        ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
        SetText(IDC_GAME_TITLE, "Harbour");
        dialog->m_bModified = 1;
        SetSliderPosition(IDC_SCALAR_3, 7);
        EXPECT_FALSE(dialog->LoadFile(c.path));
        ExpectMessage(c.text, c.caption, c.icon);
        EXPECT_EQ(Text(IDC_GAME_TITLE), "Harbour");
        EXPECT_EQ(SliderPosition(IDC_SCALAR_3), 7);
        EXPECT_EQ(dialog->m_bModified, 1);
        EXPECT_STREQ(dialog->m_Config.applicationName, "Harbor Patrol 3D");
        boxes = ui::ScriptedDialogs();
    }
}

TEST_F(Document, InternalUseOpensADosFileAndKeepsItsOwner) {
    Open(true);
    ASSERT_TRUE(dialog->LoadFile(SampleFile("dos", "cavernrn.kcg")));
    EXPECT_EQ(Text(IDC_GAME_TITLE), "Cavern Runner");
    EXPECT_EQ(Text(IDC_OWNER), "QUORVANE");
    const std::string written = scratch.Path("cavern.kcg");
    ASSERT_TRUE(dialog->WriteFile(written, true));
    model::ScopedConfig file;
    Read(written, file);
    EXPECT_EQ(file->platform, TL_PLATFORM_WINDOWS);
    EXPECT_EQ(file->owner, TL_OWNER_QUORVANE);
    EXPECT_EQ(file->level, TL_LEVEL_BEGINNER);
    EXPECT_STREQ(file->driverType, "KAVELIN");
}

TEST_F(Document, InstructionsAreKeptOnlyWhenTheirBoxIsChecked) {
    for (const bool included : {true, false}) {
        SCOPED_TRACE(included ? "checked" : "unchecked");
        Open();
        SetText(IDC_GAME_TITLE, "Instructed");
        SendMessageA(Item(IDC_INSTRUCTIONS_CHECK), BM_SETCHECK, included ? BST_CHECKED : BST_UNCHECKED, 0);
        SetText(IDC_INSTRUCTIONS, "a\r\n\r\nb\r\n");
        const std::string path = scratch.Path("instructions.kcg");
        ASSERT_TRUE(dialog->WriteFile(path, true));
        ASSERT_TRUE(dialog->LoadFile(path));
        if (included) {
            EXPECT_EQ(dialog->m_Config.instructionCount, 3);
            EXPECT_EQ(Text(IDC_INSTRUCTIONS), "a\r\n\r\nb");
            EXPECT_TRUE(Checked(IDC_INSTRUCTIONS_CHECK));
            EXPECT_FALSE(ReadOnly(IDC_INSTRUCTIONS));
        } else {
            EXPECT_EQ(dialog->m_Config.instructionCount, 0);
            EXPECT_EQ(Text(IDC_INSTRUCTIONS), kDefaultInstructions);
            EXPECT_FALSE(Checked(IDC_INSTRUCTIONS_CHECK));
            EXPECT_TRUE(ReadOnly(IDC_INSTRUCTIONS));
        }
    }
}

TEST_F(Document, ChangesFoundByTheChangeTest) {
    struct Change {
        const char *what;
        void (*apply)(Document &);
    };
    const Change changes[] = {
        {"scalar moved", [](Document &t) { t.SetSliderPosition(IDC_SCALAR_1, 111); }},
        {"dead zone moved", [](Document &t) { t.SetSliderPosition(IDC_DEAD_ZONE_0, 21); }},
        // A disabled scalar is stored as 0.5, which the file did not hold.
        {"scalar slider disabled", [](Document &t) { EnableWindow(t.Item(IDC_SCALAR_0), FALSE); }},
        {"dead-zone slider disabled", [](Document &t) { EnableWindow(t.Item(IDC_DEAD_ZONE_1), FALSE); }},
        {"row remapped", [](Document &t) { t.dialog->m_AxisOfRow[4] = 3; }},
        {"row inverted", [](Document &t) { t.dialog->m_InvertOfRow[0] = 1; }},
        {"flag set by an edit", [](Document &t) { t.dialog->m_bModified = 1; }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.what);
        Open();
        ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
        ASSERT_FALSE(dialog->IsModified());
        change.apply(*this);
        EXPECT_TRUE(dialog->IsModified());
        // The flag stays set: a change undone is still a change until saved.
        EXPECT_EQ(dialog->m_bModified, 1);
    }
}

TEST_F(Document, MovingASliderBackIsStillAChangeUntilSaved) {
    Open();
    SetSliderPosition(IDC_SCALAR_2, 90);
    EXPECT_TRUE(dialog->IsModified());
    SetSliderPosition(IDC_SCALAR_2, 50);
    EXPECT_TRUE(dialog->IsModified());
    dialog->m_bModified = 0; // as a successful save clears it
    EXPECT_FALSE(dialog->IsModified());
}

TEST_F(Document, TwoDecimalValuesComeBackToTheSameSliderPositions) {
    Open();
    SetText(IDC_GAME_TITLE, "Decimals");
    SetSliderPosition(IDC_SCALAR_0, 29);
    SetSliderPosition(IDC_DEAD_ZONE_0, 29);
    const std::string path = scratch.Path("decimals.kcg");
    ASSERT_TRUE(dialog->WriteFile(path, true));
    ASSERT_TRUE(dialog->LoadFile(path));
    EXPECT_EQ(SliderPosition(IDC_SCALAR_0), 29);
    EXPECT_EQ(SliderPosition(IDC_DEAD_ZONE_0), 29);
    EXPECT_FALSE(dialog->IsModified());
    EXPECT_FLOAT_EQ(dialog->m_Config.tuningScalars[TL_KAVELIN][0], 0.29f);
    EXPECT_FLOAT_EQ(dialog->m_Config.nullRegionUser[TL_KAVELIN][0].posMin, 0.29f);
}

TEST_F(Document, OnlyASavingWriteMakesTheWrittenStateTheSavedOne) {
    Open();
    SetSliderPosition(IDC_DEAD_ZONE_4, 40);
    // A write for testing in the driver is not a save.
    ASSERT_TRUE(dialog->WriteFile(scratch.Path("sdk.tmp"), false));
    EXPECT_TRUE(dialog->IsModified());
    dialog->m_bModified = 0;
    ASSERT_TRUE(dialog->WriteFile(scratch.Path("saved.kcg"), true));
    EXPECT_FALSE(dialog->IsModified());
}

TEST_F(Document, FailedWriteIsReportedAndSavesNothing) {
    Open();
    SetSliderPosition(IDC_SCALAR_5, 10);
    EXPECT_FALSE(dialog->WriteFile(scratch.Path("no-such-folder\\game.kcg"), true));
    ExpectMessage("Error Writing File", "Error!", MB_ICONWARNING);
    EXPECT_TRUE(dialog->IsModified());
    // The record holds what the screens show all the same.
    EXPECT_FLOAT_EQ(dialog->m_Config.tuningScalars[TL_KAVELIN][5], 0.10f);
}

TEST_F(Document, NewDocumentAfterAnOpenedOneStartsAfreshButKeepsTheDirectInputChoice) {
    Open();
    ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
    dialog->m_bDirectX5 = 0;
    dialog->m_bModified = 1;
    dialog->ResetScreens();
    dialog->ResetConfig();
    EXPECT_EQ(Text(IDC_GAME_TITLE), "");
    EXPECT_TRUE(ListedExecutables().empty());
    EXPECT_EQ(Text(IDC_FILE_REVISION), "1.0");
    EXPECT_EQ(Text(IDC_LABEL_X_POS), "");
    EXPECT_TRUE(Checked(IDC_VERTICAL));
    EXPECT_TRUE(Checked(IDC_PRE_DIRECTX5));
    EXPECT_FALSE(Checked(IDC_DIRECTX5));
    EXPECT_EQ(SliderPosition(IDC_SCALAR_1), 50);
    EXPECT_EQ(SliderPosition(IDC_DEAD_ZONE_0), 0);
    EXPECT_EQ(dialog->m_bModified, 0);
    EXPECT_FALSE(dialog->IsModified());
    EXPECT_EQ(dialog->m_Config.executableCount, 0);
    EXPECT_EQ(dialog->m_Config.level, TL_LEVEL_INTERMEDIATE);
}

} // namespace
} // namespace editor_test
