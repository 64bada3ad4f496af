// The document behind the wizard, through the real dialog: what a new document
// and an opened file show, what is written back, the files that cannot be
// opened or written, and the change test.
#include <fstream>
#include <iterator>

#include "editor_fixture.h"
#include "resource.h"
#include "scoped_config.h"

namespace editor_test {
namespace {

const char kDefaultInstructions[] = "Game setup instructions for [Game]:\r\n  1. Type Instructions Here\r\n"
                                    "[Game] should now be configured for use with the Kavelin.";

class Document : public EditorDialog {
  public:
    // Writes the document (with the title every readable file needs) and reads it back.
    void WriteAndRead(const std::string &name, model::ScopedConfig &file) {
        if (Text(IDC_GAME_TITLE).empty()) SetText(IDC_GAME_TITLE, "Some Game");
        ASSERT_TRUE(dialog->WriteFile(Scratch(name), true));
        ASSERT_EQ(TlReadConfigFile(&file.get(), Scratch(name).c_str()), 0);
    }
    int ExeCount() const { return static_cast<int>(SendMessageA(Item(IDC_EXE_LIST), LB_GETCOUNT, 0, 0)); }
    bool ReadOnly(int id) const { return (GetWindowLongPtrA(Item(id), GWL_STYLE) & ES_READONLY) != 0; }
};

TEST_F(Document, OemFileShowsOnTheScreensAndWritesBackNormalisedAndStable) {
    Open();
    ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
    EXPECT_EQ(Text(IDC_GAME_TITLE), "Harbor Patrol 3D");
    EXPECT_EQ(ui::ListBox(Item(IDC_EXE_LIST)).ItemText(1), "hp3dcfg.exe");
    EXPECT_EQ(Text(IDC_FILE_REVISION), "2.3");
    EXPECT_TRUE(Checked(IDC_HORIZONTAL) && !Checked(IDC_VERTICAL));
    EXPECT_EQ(Text(IDC_INSTRUCTIONS),
              "Start Harbor Patrol 3D and choose Joystick in the Controls menu.\r\n\r\n"
              "Press the Kavelin's A button to sound the horn.");
    EXPECT_FALSE(ReadOnly(IDC_INSTRUCTIONS));
    EXPECT_EQ(Text(IDC_LABEL_Z_NEG), "Crane Up");
    const int scalars[] = {60, 110, 40, 100, 100, 100}, deadZones[] = {20, 12, 0, 0, 0, 0};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(Position(IDC_SCALAR_0 + row), scalars[row]) << row;
        EXPECT_EQ(Position(IDC_DEAD_ZONE_0 + row), deadZones[row]) << row;
    }
    EXPECT_EQ(dialog->m_AxisOfRow, (model::RowInts{0, 2, 1, -1, -1, -1})); // "XzY---"
    EXPECT_EQ(dialog->m_InvertOfRow, (model::RowInts{0, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(dialog->IsModified());

    model::ScopedConfig file;
    WriteAndRead("harbor.kcg", file);
    EXPECT_EQ(file->owner, TL_OWNER_OEM);
    EXPECT_EQ(file->level, TL_LEVEL_INTERMEDIATE);
    EXPECT_EQ(file->showInstructions, TL_SHOW_NEVER);
    EXPECT_EQ(file->orientation, TL_HORIZONTAL);
    EXPECT_EQ(file->executableCount, 2);
    EXPECT_EQ(file->instructionCount, 3);
    EXPECT_FLOAT_EQ(file->tuningScalars[TL_KAVELIN][1], 1.10f);
    EXPECT_FLOAT_EQ(file->nullRegionUser[TL_KAVELIN][0].negMax, -1.0f);

    // Once normalised, a file goes through the editor unchanged.
    auto body = [](const std::filesystem::path &path) {
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return text.substr(text.find("[VERSION]")); // the header holds the time of writing
    };
    ASSERT_TRUE(dialog->LoadFile(Scratch("harbor.kcg")));
    ASSERT_TRUE(dialog->WriteFile(Scratch("again.kcg"), true));
    EXPECT_EQ(body(Scratch("harbor.kcg")), body(Scratch("again.kcg")));
}

TEST_F(Document, FilesThatCannotBeOpenedAreReportedAndChangeNothing) {
    const struct {
        std::string path;
        const char *text, *caption;
        UINT icon;
    } cases[] = {
        {SampleFile("win", "damaged.kcg"), "Error Reading File", "Error!", MB_ICONWARNING},
        {SampleFile("win", "none.kcg"), "Error Reading File", "Error!", MB_ICONWARNING},
        {SampleFile("dos", "cavernrn.kcg"),
         "Note:  The KCG file just opened is a DOS\nconfig file. This KCG Editor only edits KCG\n"
         "files for Windows applications.\n\nThe file was not opened.",
         "Cannot Open DOS KCG file", MB_ICONINFORMATION},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        boxes = ui::ScriptedDialogs();
        Open();
        ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
        SetPosition(IDC_SCALAR_3, 7);
        dialog->m_bModified = 1;
        EXPECT_FALSE(dialog->LoadFile(c.path));
        ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
        const ui::MessageBoxRequest &box = boxes.MessageBoxes()[0];
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.Icon(), c.icon);
        EXPECT_EQ(box.owner, dialog->hwnd());
        EXPECT_EQ(Position(IDC_SCALAR_3), 7);
        EXPECT_EQ(dialog->m_bModified, 1);
        EXPECT_STREQ(dialog->m_Config.applicationName, "Harbor Patrol 3D");
    }
}

TEST_F(Document, InstructionsAreKeptOnlyWhenTheirBoxIsChecked) {
    for (const bool included : {true, false}) {
        Open();
        SendMessageA(Item(IDC_INSTRUCTIONS_CHECK), BM_SETCHECK, included ? BST_CHECKED : BST_UNCHECKED, 0);
        SetText(IDC_INSTRUCTIONS, "a\r\n\r\nb\r\n");
        model::ScopedConfig file;
        WriteAndRead("instructions.kcg", file);
        EXPECT_EQ(file->instructionCount, included ? 3 : 0);
        ASSERT_TRUE(dialog->LoadFile(Scratch("instructions.kcg")));
        EXPECT_EQ(Text(IDC_INSTRUCTIONS), included ? "a\r\n\r\nb" : kDefaultInstructions);
        EXPECT_EQ(Checked(IDC_INSTRUCTIONS_CHECK), included);
        EXPECT_EQ(ReadOnly(IDC_INSTRUCTIONS), !included);
    }
}

TEST_F(Document, ChangesFoundByTheChangeTestStayFoundUntilSaved) {
    const std::pair<const char *, void (*)(Document &)> changes[] = {
        {"scalar moved", [](Document &t) { t.SetPosition(IDC_SCALAR_1, 111); }},
        {"dead zone moved", [](Document &t) { t.SetPosition(IDC_DEAD_ZONE_0, 21); }},
        // A disabled slider stores a fixed value (scalar 0.5, no dead zone).
        {"scalar disabled", [](Document &t) { EnableWindow(t.Item(IDC_SCALAR_0), FALSE); }},
        {"dead zone disabled", [](Document &t) { EnableWindow(t.Item(IDC_DEAD_ZONE_1), FALSE); }},
        {"row remapped", [](Document &t) { t.dialog->m_AxisOfRow[4] = 3; }},
        {"row inverted", [](Document &t) { t.dialog->m_InvertOfRow[0] = 1; }},
    };
    for (const auto &[what, change] : changes) {
        SCOPED_TRACE(what);
        Open();
        ASSERT_TRUE(dialog->LoadFile(SampleFile("win", "harbor3d.kcg")));
        change(*this);
        EXPECT_TRUE(dialog->IsModified());
        // A write for a test in the driver is no save; a failed save neither.
        ASSERT_TRUE(dialog->WriteFile(Scratch("sdk.tmp"), false));
        EXPECT_FALSE(dialog->WriteFile(Scratch("none\\game.kcg"), true));
        EXPECT_EQ(boxes.MessageBoxes().back().text, "Error Writing File");
        dialog->m_bModified = 0; // as the commands clear it after a save
        EXPECT_TRUE(dialog->IsModified());
        dialog->m_bModified = 0;
        ASSERT_TRUE(dialog->WriteFile(Scratch("saved.kcg"), true));
        EXPECT_FALSE(dialog->IsModified());
    }
}

TEST_F(Document, TwoDecimalValuesComeBackToTheSameSliderPositions) {
    Open();
    SetPosition(IDC_SCALAR_0, 29);
    SetPosition(IDC_DEAD_ZONE_0, 29);
    model::ScopedConfig file;
    WriteAndRead("decimals.kcg", file);
    EXPECT_FLOAT_EQ(file->tuningScalars[TL_KAVELIN][0], 0.29f);
    ASSERT_TRUE(dialog->LoadFile(Scratch("decimals.kcg")));
    EXPECT_EQ(Position(IDC_SCALAR_0), 29);
    EXPECT_EQ(Position(IDC_DEAD_ZONE_0), 29);
    EXPECT_FALSE(dialog->IsModified());
}

} // namespace
} // namespace editor_test
