// The document's file name: Save As's checks, the name an opened file keeps,
// and the question before unsaved changes are lost.
#include <gtest/gtest.h>

#include <string>

#include "clean_rules.h"
#include "file_rules.h"
#include "sample_paths.h"
#include "save_prompt.h"
#include "test_command.h"
#include "test_support.h"

using namespace model;

namespace {

// A folder with the OEM sample as owned by each owner, and a file cut short.
class OwnedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char *owner : {"QUORVANE", "USER"})
            kcgtest::WriteBytes(folder.File(std::string(owner) + ".kcg"), KcgTextOwnedBy(owner));
        kcgtest::WriteBytes(folder.File("OEM.kcg"), oem);
        kcgtest::WriteBytes(folder.File("broken.kcg"), "[VERSION]\r\nVERSION = 5.0\r\n");
    }
    std::string KcgTextOwnedBy(const std::string &owner) const {
        const size_t at = oem.find("OWNER = OEM");
        return at == std::string::npos ? "" : std::string(oem).replace(at + 8, 3, owner);
    }
    const std::string oem = kcgtest::ReadBytes(WinSample("harbor3d.kcg"));
    kcgtest::TempFolder folder;
};

Message Error(const std::string &text, const std::string &caption) {
    return {text, caption, MessageIcon::kError, MessageButtons::kOk};
}

} // namespace

TEST(FileNames, SplitAtTheLastSeparator) {
    const struct {
        const char *path, *folder, *name, *title, *extension;
    } cases[] = {
        {"C:\\Games\\racer.KCG", "C:\\Games\\", "racer.KCG", "racer", "KCG"},
        {"C:\\my.dir\\game", "C:\\my.dir\\", "game", "game", ""},
        {"C:\\a\\b.c.kcg", "C:\\a\\", "b.c.kcg", "b.c", "kcg"},
        {"C:\\a/.kcg", "C:\\a/", ".kcg", "", "kcg"},
    };
    for (const auto &c : cases) {
        const DocumentName name = NameOfPath(c.path);
        EXPECT_EQ(name.folder, c.folder) << c.path;
        EXPECT_EQ(name.fileName, c.name) << c.path;
        EXPECT_EQ(FileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(FileExtension(c.path), c.extension) << c.path;
    }
}

TEST_F(OwnedFiles, SaveAsChecksInOrderWithTheirMessages) {
    char racer[] = "Racer", gravel[] = "Gravel Storm Rally";
    char *items[] = {racer, nullptr, gravel};
    const TlStringList reserved{3, items};
    const Message reservedTitle = Error(
        "Error! You must choose another file name. The name you chose\nis already used by another Kavelin "
        "compatible game.\n\nPlease see the Kavelin SDK Documantation for more\ninformation on naming KCG "
        "files.",
        "File Name Incorrect");
    const Message wrongExtension =
        Error("All Kavelin config files MUST end with \".kcg\"\n\nPlease rename the extention to \".kcg\"",
              "File Extention Incorrect");
    const Message quorvaneFile = Error(
        "Error! You must choose another file name. The file you chose\nwas created by Quorvane and cannot be "
        "overwritten.\n\nPlease see the Kavelin SDK Documantation for more\ninformation on naming KCG files.",
        "Cannot Overwrite File");
    const Message replace{"Do you want to replace the existiing file?", "Overwrite file?", MessageIcon::kNone,
                          MessageButtons::kYesNo};
    const struct {
        const char *file;
        bool internal;
        SaveAsStep step;
        Message message;
    } cases[] = {
        // A reserved title is refused in any case and before every other
        // check, in internal-use mode too.
        {"racer.KCG", false, SaveAsStep::kRefuse, reservedTitle},
        {"GRAVEL STORM RALLY.kcg", false, SaveAsStep::kRefuse, reservedTitle},
        {"racer.txt", false, SaveAsStep::kRefuse, reservedTitle},
        {"racer.txt", true, SaveAsStep::kRefuse, reservedTitle},
        {"racer2.kcg", false, SaveAsStep::kAccept, {}},
        {"game.txt", false, SaveAsStep::kRefuse, wrongExtension},
        {"new.Kcg", false, SaveAsStep::kAccept, {}},
        {"broken.kcg", false, SaveAsStep::kAccept, {}}, // a file the reader refuses goes unasked
        {"QUORVANE.kcg", false, SaveAsStep::kRefuse, quorvaneFile},
        {"USER.kcg", false, SaveAsStep::kAskReplace, replace},
        // Internal-use mode takes any other name and replaces any file unasked.
        {"game.txt", true, SaveAsStep::kAccept, {}},
        {"QUORVANE.kcg", true, SaveAsStep::kAccept, {}},
    };
    for (const auto &c : cases) {
        const SaveAsCheck check = CheckSaveAsName(folder.File(c.file), reserved, c.internal);
        EXPECT_EQ(check.step, c.step) << c.file << " internal " << c.internal;
        EXPECT_EQ(check.message, c.message) << c.file << " internal " << c.internal;
    }
}

TEST_F(OwnedFiles, AnOpenedFileKeepsItsNameOnlyWhenTheEditorMadeIt) {
    const struct {
        const char *file;
        bool internal, keepsName;
    } cases[] = {
        {"OEM.kcg", false, true},
        {"USER.kcg", false, false},
        {"QUORVANE.kcg", true, true},
        {"broken.kcg", false, true}, // gone bad since it was loaded: nothing says who made it
    };
    for (const auto &c : cases) {
        const std::string path = folder.File(c.file);
        const OpenedName opened = NameOpenedFile(path, c.internal);
        EXPECT_EQ(opened.showOwnerNote, !c.keepsName) << c.file << " internal " << c.internal;
        EXPECT_EQ(opened.name.hasFileName, c.keepsName) << c.file;
        // The untitled name: folder "." and file Untitled.kcg.
        EXPECT_EQ(opened.name.folder + opened.name.fileName, c.keepsName ? path : ".Untitled.kcg") << c.file;
    }
}

// What each answer to the editor's questions decides.
TEST(Answers, ReplaceUnlessNoDiscardOnlyWhenToldGoOnOnlyWithOk) {
    const struct {
        Answer answer;
        bool replace;
        PromptChoice choice;
        bool goOn; // Clean KCG Files and Test
    } cases[] = {
        {Answer::kYes, true, PromptChoice::kSaveFirst, false},
        {Answer::kNo, false, PromptChoice::kDiscard, false},
        {Answer::kOk, true, PromptChoice::kDiscard, true},
        {Answer::kCancel, true, PromptChoice::kAbandon, false},
        {static_cast<Answer>(0), true, PromptChoice::kAbandon, false},
    };
    for (const auto &c : cases) {
        const int answer = static_cast<int>(c.answer);
        EXPECT_EQ(ReplaceAccepted(c.answer), c.replace) << answer;
        EXPECT_EQ(SavePromptChoice(c.answer), c.choice) << answer;
        EXPECT_EQ(CleanConfirmed(c.answer), c.goOn) << answer;
        EXPECT_EQ(TestConfirmed(c.answer), c.goOn) << answer;
    }
}
