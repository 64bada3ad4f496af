// The Test button through the real dialog and Wine's real registry: the
// confirmation, each result of the load with its message, the temporary file
// that never stays behind, and that testing is not saving. The joystick keys
// of the prefix are put aside for each test and restored after it.
#include <filesystem>
#include <map>
#include <vector>

#include "driver_load.h"
#include "editor_fixture.h"
#include "registry_store.h"
#include "resource.h"
#include "system_seam.h"
#include "windows_registry.h"

namespace editor_test {
namespace {

using Values = std::map<std::string, std::vector<BYTE>>;

const char kNotSelectedText[] = "The Kavelin must be the selected joystick in the control panel.";
const char kLoadFailedText[] = "Error loading settings into the Kavelin Windows Driver!";

// Every value of a key below HKEY_LOCAL_MACHINE; none when the key is missing.
Values ReadValues(const std::string &keyPath) {
    Values values;
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name, size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(size);
        nameLength = sizeof name;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        data.resize(size);
        values[name] = data;
    }
    RegCloseKey(key);
    return values;
}

bool KeyExists(const std::string &keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string StringValue(const std::vector<BYTE> &data) {
    return std::string(data.begin(), data.end()).c_str();
}

std::int32_t FirstNumber(const std::vector<BYTE> &data) {
    return data.size() < 4
               ? 0
               : static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24);
}

// What the joystick keys hold when Test runs.
enum class Joystick {
    kController, // joystick 1 is the Kavelin (its callout names the driver)
    kNotMarked,  // the driver's key exists, but no joystick is the Kavelin
    kNoRoot,     // no joystick keys at all
};

class TestCommand : public EditorDialog {
  public:
    void SetUp() override {
        ASSERT_TRUE(PutAsideJoystickKeys(saved));
        ASSERT_EQ(NewWin32RegCall()->JoyGetDriverKeyName(&driverKey), 0u);
        driverPath = std::string(kJoyRootPath) + "\\" + driverKey;
        oemPath = driverPath + "\\" + kJoyOemSettingsPath;
    }
    void TearDown() override {
        EditorDialog::TearDown();
        EXPECT_TRUE(RestoreJoystickKeys(saved));
    }

    void SetUpJoystick(Joystick joystick) {
        if (joystick == Joystick::kNoRoot) return;
        HKEY key = nullptr;
        const std::string current = driverPath + "\\" + kJoyCurrentSettingsKey;
        ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, current.c_str(), &key), ERROR_SUCCESS);
        if (joystick == Joystick::kController) {
            const char callout[] = "velix.vxd";
            RegSetValueExA(key, "Joystick1OEMCallout", 0, REG_SZ, reinterpret_cast<const BYTE *>(callout),
                           sizeof callout);
        }
        RegCloseKey(key);
    }

    // The editor on the Tuning screen of the sample OEM game, with the
    // installation's Windows folder in the scratch folder, and one scalar
    // moved from its saved position.
    void OpenGame(bool internal = false) {
        Open(internal);
        winFolder = Scratch("win");
        std::filesystem::create_directories(winFolder);
        dialog->m_szWinConfigDir = winFolder;
        ASSERT_TRUE(dialog->OpenDocument(SampleFile("win", "harbor3d.kcg")));
        Click(IDC_NEXT_GENERAL);
        Click(IDC_NEXT_AXIS);
        ASSERT_EQ(dialog->m_nScreen, 3);
        ASSERT_TRUE(boxes.MessageBoxes().empty());
        SetPosition(IDC_SCALAR_0, 75);
    }
    std::vector<std::string> FilesInWinFolder() const {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(winFolder))
            names.push_back(entry.path().filename().string());
        return names;
    }
    std::string TestFile() const { return winFolder + "\\sdk.tmp"; }

    RegTree saved;
    std::string driverKey, driverPath, oemPath, winFolder;
};

TEST_F(TestCommand, EachLoadResultHasItsMessageAndTheTemporaryFileIsAlwaysDeleted) {
    const struct {
        const char *name;
        Joystick joystick;
        const char *failure; // null: loaded, no message
        bool valuesWritten;
    } cases[] = {
        {"loaded", Joystick::kController, nullptr, true},
        // The values are written all the same; only the joystick is not marked.
        {"controller not selected", Joystick::kNotMarked, kNotSelectedText, true},
        {"no joystick driver keys", Joystick::kNoRoot, kLoadFailedText, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(RestoreJoystickKeys(RegTree())); // none
        SetUpJoystick(c.joystick);
        boxes = ui::ScriptedDialogs();
        OpenGame();
        const int modified = dialog->m_bModified;
        boxes.AnswerMessageBox(IDOK);

        Click(IDC_TEST);
        const std::vector<ui::MessageBoxRequest> &shown = boxes.MessageBoxes();
        ASSERT_EQ(shown.size(), c.failure ? 2u : 1u);
        EXPECT_EQ(shown[0].text,
                  "The current settings in the SDK KCG Editor will now\nbe loaded into the Kavelin "
                  "Windows Driver.\n\nContinue?");
        EXPECT_EQ(shown[0].caption, "Load Current Settings");
        EXPECT_EQ(shown[0].Buttons(), static_cast<UINT>(MB_OKCANCEL));
        EXPECT_EQ(shown[0].Icon(), static_cast<UINT>(MB_ICONINFORMATION));
        if (c.failure) {
            EXPECT_EQ(shown[1].text, c.failure);
            EXPECT_EQ(shown[1].caption, "Error!");
            EXPECT_EQ(shown[1].Icon(), static_cast<UINT>(MB_ICONERROR));
            EXPECT_EQ(shown[1].owner, dialog->hwnd());
        }
        EXPECT_TRUE(FilesInWinFolder().empty());

        const Values values = ReadValues(oemPath);
        EXPECT_EQ(!values.empty(), c.valuesWritten);
        if (c.valuesWritten) {
            EXPECT_EQ(StringValue(values.at("Joy1ConfigurationFile")), TestFile());
            EXPECT_EQ(FirstNumber(values.at("Joystick1Scalar")), 49152); // 0.75 in 16.16
        }
        // Testing is not saving.
        EXPECT_EQ(dialog->m_bModified, modified);
        EXPECT_TRUE(dialog->IsModified()) << "the moved scalar is still unsaved";
        EXPECT_EQ(dialog->m_strFileName, "harbor3d.kcg");
        EXPECT_EQ(Text(IDC_FILE_NAME), "harbor3d.kcg");
    }
}

TEST_F(TestCommand, LoadsWhatSaveWouldWriteExactlyAsLoadingTheSavedFileDoes) {
    SetUpJoystick(Joystick::kController);
    OpenGame();
    boxes.AnswerMessageBox(IDOK);
    Click(IDC_TEST);
    ASSERT_EQ(boxes.MessageBoxes().size(), 1u);
    Values tested = ReadValues(oemPath);
    ASSERT_FALSE(tested.empty());

    // The same settings saved to a file and loaded the way the kcg tool loads one.
    const std::string saved = Scratch("saved.kcg");
    ASSERT_TRUE(dialog->WriteFile(saved, false));
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, oemPath.c_str()), ERROR_SUCCESS);
    const std::unique_ptr<RegCall> system = NewWin32RegCall();
    DriverContext context(*system);
    ASSERT_EQ(RegCfgLoad(context, saved.c_str()), kRegCfgLoaded);
    Values loaded = ReadValues(oemPath);

    EXPECT_EQ(StringValue(loaded.at("Joy1ConfigurationFile")), saved);
    tested.erase("Joy1ConfigurationFile");
    loaded.erase("Joy1ConfigurationFile");
    EXPECT_EQ(tested, loaded);
}

TEST_F(TestCommand, CancelDoesNothingAndInternalUseDoesNotAsk) {
    SetUpJoystick(Joystick::kController);
    OpenGame();
    boxes.AnswerMessageBox(IDCANCEL);
    Click(IDC_TEST);
    EXPECT_EQ(boxes.MessageBoxes().size(), 1u);
    EXPECT_FALSE(KeyExists(oemPath));
    EXPECT_TRUE(FilesInWinFolder().empty());

    boxes = ui::ScriptedDialogs();
    OpenGame(true);
    Click(IDC_TEST);
    EXPECT_TRUE(boxes.MessageBoxes().empty());
    EXPECT_TRUE(KeyExists(oemPath));
    EXPECT_TRUE(FilesInWinFolder().empty());
}

TEST_F(TestCommand, AFolderThatCannotBeWrittenGivesBothMessagesAndNoLoad) {
    SetUpJoystick(Joystick::kController);
    OpenGame();
    dialog->m_szWinConfigDir = winFolder + "\\missing";
    boxes.AnswerMessageBox(IDOK);
    Click(IDC_TEST);
    const std::vector<ui::MessageBoxRequest> &shown = boxes.MessageBoxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].text, "Error Writing File");
    EXPECT_EQ(shown[1].Icon(), static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(shown[2].text,
              "Error writing out temporary file for testing!\n\nFile:\n" + winFolder + "\\missing\\sdk.tmp");
    EXPECT_EQ(shown[2].caption, "Error!");
    EXPECT_EQ(shown[2].Icon(), static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(KeyExists(oemPath));
}

} // namespace
} // namespace editor_test
