// Reserved titles and executables from the installation's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "reserved.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif
#include "sample_paths.h"
#include "test_support.h"

using namespace model;
using Names = std::vector<std::string>;

namespace {

class ReservedNames : public ::testing::Test {
  protected:
    ~ReservedNames() override {
        FreeNameList(titles);
        FreeNameList(exes);
    }
    static Names Items(const TlStringList &list) { return Names(list.items, list.items + list.count); }
    TlStringList titles{0, nullptr}, exes{0, nullptr};
};

} // namespace

TEST_F(ReservedNames, OnlyQuorvaneFilesReserveAndDosFilesOnlyTheirTitles) {
    const std::string gravel = WinSample("gravelst.kcg");
    const Names win = {WinSample("tidewatr.kcg"),
                       WinSample("myflight.kcg"),
                       WinSample("harbor3d.kcg"),
                       WinSample("damaged.kcg"),
                       WinSample("absent.kcg"),
                       gravel,
                       gravel};
    const Names dos = {DosSample("skyhook.kcg"), DosSample("cavernrn.kcg")};
    ASSERT_TRUE(CollectReservedNames(win, dos, titles, exes));
    EXPECT_EQ(Items(titles), (Names{"Tidewater Frontier", "Gravel Storm Rally", "Gravel Storm Rally",
                                    "Skyhook Assault", "Cavern Runner"}));
    EXPECT_EQ(Items(exes), (Names{"tidewatr.exe", "twlaunch.exe", "gravel.exe", "gravel.exe", "setup.exe",
                                  "autorun.exe", "kavmon.exe", "kavcfg.exe", "kavsdk.exe"}));
}

TEST(ListKcgFiles, OnlyTheConfigurationFilesOfTheFolder) {
    kcgtest::TempFolder folder;
    for (const char *name : {"a.kcg", "B.KCG", ".kcg", "notes.txt", "d.kcg.bak", "kcg"})
        kcgtest::WriteBytes(folder.File(name), "");
    std::filesystem::create_directory(folder.File("sub.kcg"));
    Names found = ListKcgFiles(folder.Path().string());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Names{folder.File(".kcg"), folder.File("B.KCG"), folder.File("a.kcg")}));
    EXPECT_TRUE(ListKcgFiles(folder.File("absent")).empty());
}

TEST_F(ReservedNames, AFolderNamedOutsideAsciiStillReserves) {
    // "Kév" in the ANSI code page: its files are found, opened and read.
    kcgtest::TempFolder folder;
    const std::string accented = folder.File("K\xE9v");
#ifdef _WIN32
    ASSERT_TRUE(CreateDirectoryA(accented.c_str(), nullptr));
    const std::string file = accented + "\\tide.kcg";
#else
    ASSERT_EQ(mkdir(accented.c_str(), 0700), 0);
    const std::string file = accented + "/tide.kcg";
#endif
    std::ofstream(file.c_str(), std::ios::binary) << kcgtest::ReadBytes(WinSample("tidewatr.kcg"));
    const Names found = ListKcgFiles(accented);
    ASSERT_EQ(found, Names{file});
    ASSERT_TRUE(CollectReservedNames(found, {}, titles, exes));
    EXPECT_EQ(Items(titles), Names{"Tidewater Frontier"});
}
