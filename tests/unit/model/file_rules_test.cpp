// The document's file name: Save As's checks, the name an opened file keeps,
// and the question before unsaved changes are lost.
#include <gtest/gtest.h>

#include <string>

#include "file_rules.h"
#include "sample_paths.h"
#include "save_prompt.h"
#include "scratch_folder.h"

using namespace model;

namespace {

// The OEM sample's text with its OWNER line replaced (or removed when owner is "").
std::string KcgTextOwnedBy(const std::string &owner) {
    std::string text = ReadWholeFile(WinSample("harbor3d.kcg"));
    const std::string line = "OWNER = OEM\r\n";
    const size_t at = text.find(line);
    if (at == std::string::npos) return "";
    return text.replace(at, line.size(), owner.empty() ? "" : "OWNER = " + owner + "\r\n");
}

// A scratch folder with one file per owner, and two the reader refuses: one
// without its required owner and one cut short.
class OwnedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(KcgTextOwnedBy("OEM").empty());
        for (const char *owner : {"QUORVANE", "USER", "OEM"})
            folder.Write(std::string(owner) + ".kcg", KcgTextOwnedBy(owner));
        folder.Write("none.kcg", KcgTextOwnedBy(""));
        folder.Write("broken.kcg", "[VERSION]\r\nVERSION = 5.0\r\n");
    }
    ScratchFolder folder;
};

const char *const kReservedText = "Error! You must choose another file name. The name you chose\nis already "
                                  "used by another Kavelin compatible game.\n\nPlease see the Kavelin SDK "
                                  "Documantation for more\ninformation on naming KCG files.";
const char *const kExtensionText =
    "All Kavelin config files MUST end with \".kcg\"\n\nPlease rename the extention to \".kcg\"";
const char *const kQuorvaneText = "Error! You must choose another file name. The file you chose\nwas created "
                                  "by Quorvane and cannot be overwritten.\n\nPlease see the Kavelin SDK "
                                  "Documantation for more\ninformation on naming KCG files.";

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
        EXPECT_TRUE(name.hasFileName);
        EXPECT_EQ(name.folder, c.folder) << c.path;
        EXPECT_EQ(name.fileName, c.name) << c.path;
        EXPECT_EQ(name.folder + name.fileName, c.path);
        EXPECT_EQ(FileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(FileExtension(c.path), c.extension) << c.path;
    }
    const DocumentName untitled = UntitledName();
    EXPECT_FALSE(untitled.hasFileName);
    EXPECT_EQ(untitled.folder, ".");
    EXPECT_EQ(untitled.fileName, "Untitled.kcg");
}

TEST_F(OwnedFiles, SaveAsChecksInOrderWithTheirMessages) {
    char racer[] = "Racer", gravel[] = "Gravel Storm Rally";
    char *items[] = {racer, nullptr, gravel};
    const TlStringList reserved{3, items};
    const Message reservedTitle{kReservedText, "File Name Incorrect", MessageIcon::kError,
                                MessageButtons::kOk};
    const Message wrongExtension{kExtensionText, "File Extention Incorrect", MessageIcon::kError,
                                 MessageButtons::kOk};
    const Message quorvaneFile{kQuorvaneText, "Cannot Overwrite File", MessageIcon::kError,
                               MessageButtons::kOk};
    const Message replace{"Do you want to replace the existiing file?", "Overwrite file?", MessageIcon::kNone,
                          MessageButtons::kYesNo};
    const Message none;
    const struct {
        std::string path;
        bool internal;
        SaveAsStep step;
        Message message;
    } cases[] = {
        // A reserved title is refused in any case and before every other check,
        // in internal-use mode too.
        {folder.File("racer.KCG"), false, SaveAsStep::kRefuse, reservedTitle},
        {folder.File("GRAVEL STORM RALLY.kcg"), false, SaveAsStep::kRefuse, reservedTitle},
        {folder.File("racer.txt"), false, SaveAsStep::kRefuse, reservedTitle},
        {folder.File("racer.txt"), true, SaveAsStep::kRefuse, reservedTitle},
        {folder.File("racer2.kcg"), false, SaveAsStep::kAccept, none},
        {folder.File("game.txt"), false, SaveAsStep::kRefuse, wrongExtension},
        {folder.File("game"), false, SaveAsStep::kRefuse, wrongExtension},
        {folder.File("new.Kcg"), false, SaveAsStep::kAccept, none},
        // A file the reader refuses is replaced without a question; the owner
        // is required, so a file without one is such a file.
        {folder.File("broken.kcg"), false, SaveAsStep::kAccept, none},
        {folder.File("none.kcg"), false, SaveAsStep::kAccept, none},
        {folder.File("QUORVANE.kcg"), false, SaveAsStep::kRefuse, quorvaneFile},
        {folder.File("USER.kcg"), false, SaveAsStep::kAskReplace, replace},
        {folder.File("OEM.kcg"), false, SaveAsStep::kAskReplace, replace},
        // Internal-use mode takes any other name and replaces any file unasked.
        {folder.File("game.txt"), true, SaveAsStep::kAccept, none},
        {folder.File("QUORVANE.kcg"), true, SaveAsStep::kAccept, none},
    };
    for (const auto &c : cases) {
        const SaveAsCheck check = CheckSaveAsName(c.path, reserved, c.internal);
        EXPECT_EQ(check.step, c.step) << c.path << " internal " << c.internal;
        EXPECT_EQ(check.message, c.message) << c.path << " internal " << c.internal;
    }
    // The check only reads: the file a refusal protects is left as it was.
    EXPECT_EQ(ReadWholeFile(folder.File("QUORVANE.kcg")), KcgTextOwnedBy("QUORVANE"));
}

TEST(SaveAs, OnlyNoRefusesTheReplacement) {
    EXPECT_FALSE(ReplaceAccepted(Answer::kNo));
    for (Answer answer : {Answer::kYes, Answer::kOk, Answer::kCancel, static_cast<Answer>(0)})
        EXPECT_TRUE(ReplaceAccepted(answer)) << static_cast<int>(answer);
}

TEST_F(OwnedFiles, AnOpenedFileKeepsItsNameOnlyWhenTheEditorMadeIt) {
    const struct {
        const char *file;
        bool internal, keepsName;
    } cases[] = {
        {"OEM.kcg", false, true},
        {"USER.kcg", false, false},
        {"QUORVANE.kcg", false, false},
        {"USER.kcg", true, true},
        {"QUORVANE.kcg", true, true},
        {"broken.kcg", false, true}, // gone bad since it was loaded: nothing says who made it
    };
    for (const auto &c : cases) {
        const std::string path = folder.File(c.file);
        const OpenedName opened = NameOpenedFile(path, c.internal);
        EXPECT_EQ(opened.showOwnerNote, !c.keepsName) << c.file << " internal " << c.internal;
        EXPECT_EQ(opened.name.hasFileName, c.keepsName) << c.file;
        if (c.keepsName) {
            EXPECT_EQ(opened.name.folder + opened.name.fileName, path);
            EXPECT_EQ(opened.name.fileName, c.file);
        } else {
            EXPECT_EQ(opened.name.folder, ".");
            EXPECT_EQ(opened.name.fileName, "Untitled.kcg");
        }
    }
    const Message note = OpenOwnerNote();
    EXPECT_EQ(note.text,
              "Note:  The KCG file just opened was not\ncreated by this SDK KCG editor.\n\nTherefore, "
              "you must enter a new Game\nTitle and List of Executables. The next\ntime the file is "
              "saved, you must choose a\nnew file name.");
    EXPECT_EQ(note.caption, "");
    EXPECT_EQ(note.icon, MessageIcon::kInformation);
}

TEST(SavePrompt, OnlyTheTuningScreenOffersToSave) {
    const std::string discardStart =
        "Warning! There were changes made to one of the screens. You\ncannot save "
        "changes from this screen. You must be on the last\nscreen of the KCG "
        "Editor. You can get to that screen by pressing\nthe Next button";
    const std::string discardEnd = ".\n\nWould you like to continue and DISCARD CHANGES?";
    const struct {
        int screen;
        std::string text;
        MessageButtons buttons;
    } cases[] = {
        {1, discardStart + " twice" + discardEnd, MessageButtons::kOkCancel},
        {2, discardStart + discardEnd, MessageButtons::kOkCancel},
        {3, "Do you want to save the changes you made?", MessageButtons::kYesNoCancel},
        {0, "Do you want to save the changes you made?", MessageButtons::kYesNoCancel},
    };
    for (const auto &c : cases) {
        const Message prompt = SavePromptMessage(c.screen);
        EXPECT_EQ(prompt, (Message{c.text, "Kavelin SDK KCG Editor", MessageIcon::kWarning, c.buttons}))
            << c.screen;
    }
}

TEST(SavePrompt, ChangesAreLostOnlyWhenTheUserSaysSo) {
    const struct {
        Answer answer;
        PromptChoice choice;
    } cases[] = {
        {Answer::kYes, PromptChoice::kSaveFirst},
        {Answer::kNo, PromptChoice::kDiscard},
        {Answer::kOk, PromptChoice::kDiscard},
        {Answer::kCancel, PromptChoice::kAbandon},
        {static_cast<Answer>(0), PromptChoice::kAbandon},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SavePromptChoice(c.answer), c.choice) << static_cast<int>(c.answer);
}
