// Reserved titles and executables from the installation's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "reserved.h"
#include "sample_paths.h"
#include "scratch_folder.h"

using namespace model;

namespace {

std::vector<std::string> Items(const TlStringList &list) {
    return std::vector<std::string>(list.items, list.items + list.count);
}

std::vector<std::string> WithFixedExes(std::vector<std::string> exes) {
    exes.insert(exes.end(), kFixedReservedExes.begin(), kFixedReservedExes.end());
    return exes;
}

std::vector<std::string> Sorted(std::vector<std::string> items) {
    std::sort(items.begin(), items.end());
    return items;
}

class ReservedNames : public ::testing::Test {
  protected:
    ~ReservedNames() override {
        FreeNameList(titles);
        FreeNameList(exes);
    }
    TlStringList titles{0, nullptr}, exes{0, nullptr};
};

} // namespace

TEST_F(ReservedNames, OnlyQuorvaneFilesReserveAndDosFilesOnlyTheirTitles) {
    const std::vector<std::string> win = {WinSample("tidewatr.kcg"), WinSample("myflight.kcg"),
                                          WinSample("harbor3d.kcg"), WinSample("damaged.kcg"),
                                          WinSample("absent.kcg"), WinSample("gravelst.kcg")};
    const std::vector<std::string> dos = {DosSample("skyhook.kcg"), DosSample("cavernrn.kcg")};
    ASSERT_TRUE(CollectReservedNames(win, dos, titles, exes));
    EXPECT_EQ(Items(titles), (std::vector<std::string>{"Tidewater Frontier", "Gravel Storm Rally",
                                                       "Skyhook Assault", "Cavern Runner"}));
    EXPECT_EQ(Items(exes), WithFixedExes({"tidewatr.exe", "twlaunch.exe", "gravel.exe"}));
}

TEST_F(ReservedNames, FixedExecutablesEvenWithoutFiles) {
    ASSERT_TRUE(CollectReservedNames({}, {}, titles, exes));
    EXPECT_EQ(titles.count, 0);
    EXPECT_EQ(Items(exes), (std::vector<std::string>{"setup.exe", "autorun.exe", "kavmon.exe", "kavcfg.exe",
                                                     "kavsdk.exe"}));
}

TEST_F(ReservedNames, DuplicatesStay) {
    const std::string file = WinSample("gravelst.kcg");
    ASSERT_TRUE(CollectReservedNames({file, file}, {file}, titles, exes));
    EXPECT_EQ(Items(titles), (std::vector<std::string>(3, "Gravel Storm Rally")));
    EXPECT_EQ(Items(exes), WithFixedExes({"gravel.exe", "gravel.exe"}));
}

TEST_F(ReservedNames, SampleInstallation) {
    const std::string root = SampleInstall() + "/config/default";
    ASSERT_TRUE(CollectReservedNames(ListKcgFiles(root + "/win"), ListKcgFiles(root + "/dos"), titles, exes));
    EXPECT_EQ(Sorted(Items(titles)), (std::vector<std::string>{"Cavern Runner", "Gravel Storm Rally",
                                                               "Nebula Lancers", "Skyhook Assault",
                                                               "Tidewater Frontier"}));
    std::vector<std::string> fromFiles = Items(exes);
    ASSERT_GE(fromFiles.size(), kFixedReservedExes.size());
    const std::vector<std::string> fixed(fromFiles.end() - kFixedReservedExes.size(), fromFiles.end());
    fromFiles.resize(fromFiles.size() - kFixedReservedExes.size());
    EXPECT_EQ(fixed, WithFixedExes({}));
    EXPECT_EQ(Sorted(fromFiles),
              (std::vector<std::string>{"gravel.exe", "lancer95.exe", "lancers.exe", "tidewatr.exe", "twlaunch.exe"}));
}

TEST(ListKcgFiles, OnlyTheConfigurationFilesOfTheFolder) {
    ScratchFolder folder;
    folder.Write("a.kcg", "");
    folder.Write("B.KCG", "");
    folder.Write("c.Kcg", "");
    folder.Write("notes.txt", "");
    folder.Write("d.kcg.bak", "");
    folder.Write("kcg", "");
    std::filesystem::create_directory(folder.File("sub.kcg"));
    folder.Write("sub.kcg/inner.kcg", "");
    EXPECT_EQ(Sorted(ListKcgFiles(folder.path())),
              (std::vector<std::string>{folder.File("B.KCG"), folder.File("a.kcg"), folder.File("c.Kcg")}));
}

TEST(ListKcgFiles, MissingFolderGivesNothing) {
    ScratchFolder folder;
    EXPECT_TRUE(ListKcgFiles(folder.File("absent")).empty());
    EXPECT_TRUE(ListKcgFiles(folder.Write("plain.kcg", "")).empty());
}
