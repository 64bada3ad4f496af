// Clean KCG Files: which files of the Windows configuration folder go, and
// their deletion.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clean_rules.h"
#include "sample_paths.h"
#include "test_support.h"

using namespace model;

TEST(CleanFiles, ListsEveryFileThatReadsAndIsNotTheMakersSorted) {
    kcgtest::TempFolder folder;
    const struct {
        const char *name, *sample;
    } files[] = {
        {"tidewatr.kcg", "tidewatr.kcg"}, // QUORVANE
        {"Zeta.kcg", "myflight.kcg"},     // USER
        {"harbor3d.KCG", "harbor3d.kcg"}, // OEM
        {"beta.kcg", "harbor3d.kcg"},     // OEM
        {"damaged.kcg", "damaged.kcg"},   // the reader refuses it
        {"sdk.tmp", "myflight.kcg"},      // the Test command's file
    };
    for (const auto &f : files)
        kcgtest::WriteBytes(folder.File(f.name), kcgtest::ReadBytes(WinSample(f.sample)));
    EXPECT_EQ(FilesToClean(folder.Path().string()),
              (std::vector<std::string>{folder.File("beta.kcg"), folder.File("harbor3d.KCG"),
                                        folder.File("Zeta.kcg")}));
}

TEST(CleanFiles, DeletesTheListedFilesPassingOverThoseThatAreGone) {
    kcgtest::TempFolder folder;
    for (const char *name : {"a.kcg", "b.kcg", "kept.kcg"})
        kcgtest::WriteBytes(folder.File(name), name);
    EXPECT_EQ(DeleteFiles({folder.File("a.kcg"), folder.File("gone.kcg"), folder.File("b.kcg")}), 2);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.kcg"});
}
