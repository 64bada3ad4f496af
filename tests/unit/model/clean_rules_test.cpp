// Clean KCG Files: which files of the Windows configuration folder go, and
// their deletion.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clean_rules.h"
#include "sample_paths.h"
#include "scratch_folder.h"

using namespace model;

namespace {

std::string SampleText(const std::string &name) {
    return ReadWholeFile(WinSample(name));
}

bool Exists(const std::string &path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

TEST(CleanFiles, ListsEveryFileThatReadsAndIsNotTheMakersSorted) {
    ScratchFolder folder;
    std::string ownerless = SampleText("myflight.kcg");
    const size_t owner = ownerless.find("OWNER = USER\r\n");
    ASSERT_NE(owner, std::string::npos);
    ownerless.erase(owner, 14);
    folder.Write("tidewatr.kcg", SampleText("tidewatr.kcg")); // QUORVANE
    folder.Write("Zeta.kcg", SampleText("myflight.kcg"));     // USER
    folder.Write("harbor3d.KCG", SampleText("harbor3d.kcg")); // OEM
    folder.Write("beta.kcg", SampleText("harbor3d.kcg"));     // OEM
    folder.Write("alpha.kcg", ownerless);                     // no owner: the reader refuses it
    folder.Write("damaged.kcg", SampleText("damaged.kcg"));   // the reader refuses it
    folder.Write("sdk.tmp", SampleText("myflight.kcg"));      // the Test command's file
    folder.Write("notes.txt", SampleText("myflight.kcg"));
    const std::vector<std::string> listed = FilesToClean(folder.path());
    EXPECT_EQ(listed, (std::vector<std::string>{folder.File("beta.kcg"), folder.File("harbor3d.KCG"),
                                                folder.File("Zeta.kcg")}));
}

TEST(CleanFiles, AMissingFolderListsNothing) {
    ScratchFolder folder;
    EXPECT_TRUE(FilesToClean(folder.File("absent")).empty());
    EXPECT_TRUE(FilesToClean(folder.path()).empty());
}

TEST(CleanFiles, DeletesTheListedFilesPassingOverThoseThatAreGone) {
    ScratchFolder folder;
    const std::string a = folder.Write("a.kcg", "a"), b = folder.Write("b.kcg", "b");
    const std::string kept = folder.Write("kept.kcg", "k");
    EXPECT_EQ(DeleteFiles({a, folder.File("gone.kcg"), b}), 2);
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(Exists(kept));
    EXPECT_EQ(DeleteFiles({}), 0);
}

TEST(CleanFiles, OnlyOkConfirmsTheWarning) {
    const Message warning = CleanWarning();
    EXPECT_EQ(warning, (Message{"Are you sure you want to delete the files in the list?", "Warning!",
                                MessageIcon::kWarning, MessageButtons::kOkCancel}));
    EXPECT_TRUE(CleanConfirmed(Answer::kOk));
    for (Answer answer : {Answer::kCancel, Answer::kYes, Answer::kNo, static_cast<Answer>(0)})
        EXPECT_FALSE(CleanConfirmed(answer)) << static_cast<int>(answer);
}
