// Reserved titles and executables from the installation's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "reserved.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif
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
    const std::string gravel = WinSample("gravelst.kcg");
    const std::vector<std::string> win = {WinSample("tidewatr.kcg"),
                                          WinSample("myflight.kcg"),
                                          WinSample("harbor3d.kcg"),
                                          WinSample("damaged.kcg"),
                                          WinSample("absent.kcg"),
                                          gravel,
                                          gravel};
    const std::vector<std::string> dos = {DosSample("skyhook.kcg"), DosSample("cavernrn.kcg")};
    ASSERT_TRUE(CollectReservedNames({}, {}, titles, exes)); // the fixed executables even without files
    EXPECT_EQ(titles.count, 0);
    EXPECT_EQ(Items(exes), (std::vector<std::string>{"setup.exe", "autorun.exe", "kavmon.exe", "kavcfg.exe",
                                                     "kavsdk.exe"}));
    FreeNameList(titles);
    FreeNameList(exes);
    ASSERT_TRUE(CollectReservedNames(win, dos, titles, exes));
    EXPECT_EQ(Items(titles),
              (std::vector<std::string>{"Tidewater Frontier", "Gravel Storm Rally", "Gravel Storm Rally",
                                        "Skyhook Assault", "Cavern Runner"}));
    EXPECT_EQ(Items(exes), WithFixedExes({"tidewatr.exe", "twlaunch.exe", "gravel.exe", "gravel.exe"}));
}

TEST(ListKcgFiles, OnlyTheConfigurationFilesOfTheFolder) {
    ScratchFolder folder;
    for (const char *name : {"a.kcg", "B.KCG", "notes.txt", "d.kcg.bak", "kcg"})
        folder.Write(name, "");
    std::filesystem::create_directory(folder.File("sub.kcg"));
    std::vector<std::string> found = ListKcgFiles(folder.path());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{folder.File("B.KCG"), folder.File("a.kcg")}));
    EXPECT_TRUE(ListKcgFiles(folder.File("absent")).empty());
}

TEST_F(ReservedNames, AFolderNamedOutsideAsciiStillReserves) {
    // "Kév" in the ANSI code page: its files are found, opened and read.
    ScratchFolder folder;
    const std::string accented = folder.File("K\xE9v");
#ifdef _WIN32
    ASSERT_TRUE(CreateDirectoryA(accented.c_str(), nullptr));
    const std::string file = accented + "\\tide.kcg";
#else
    ASSERT_EQ(mkdir(accented.c_str(), 0700), 0);
    const std::string file = accented + "/tide.kcg";
#endif
    std::FILE *out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    const std::string text = ReadWholeFile(WinSample("tidewatr.kcg"));
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    const std::vector<std::string> found = ListKcgFiles(accented);
    ASSERT_EQ(found, std::vector<std::string>{file});
    ASSERT_TRUE(CollectReservedNames(found, {}, titles, exes));
    EXPECT_EQ(Items(titles), std::vector<std::string>{"Tidewater Frontier"});
}
