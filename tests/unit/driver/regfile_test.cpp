// REGEDIT4 files: what is read, what is refused, and what is written.
#include <filesystem>

#include "driver_fixture.h"
#include "regfile.h"

namespace fs = std::filesystem;

namespace {

TEST(RegFile, ReadsEveryKindOfLineAndSavesWhatReadsBackToTheSameBytes) {
    RegTree tree, saved;
    std::string error;
    ASSERT_TRUE(LoadRegFile(DriverDataPath("regfile_sample.reg"), tree, &error)) << error;
    const std::string written = DriverData("regfile_written.reg");
    EXPECT_EQ(written, FormatRegText(tree));

    const fs::path folder = fs::temp_directory_path() / "kcg_regfile_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "joystick.reg").string();
    ASSERT_TRUE(SaveRegFile(path, tree, &error)) << error;
    EXPECT_FALSE(fs::exists(path + ".new"));
    ASSERT_TRUE(LoadRegFile(path, saved, &error)) << error;
    EXPECT_EQ(written, FormatRegText(saved));
    EXPECT_FALSE(SaveRegFile((folder / "no folder" / "x.reg").string(), tree, &error));
    EXPECT_FALSE(LoadRegFile((folder / "missing.reg").string(), saved, &error));
    EXPECT_EQ(0u, error.find("cannot open it"));
    fs::remove_all(folder);
}

// Each file of tests/data/driver/bad begins with the error it gives: "; line N: what".
TEST(RegFile, RefusesMalformedLinesSayingWhere) {
    for (const std::string &name : DriverDataFiles("bad")) {
        const std::string text = DriverData(name);
        RegTree tree;
        std::string error;
        EXPECT_FALSE(LoadRegFile(DriverDataPath(name), tree, &error)) << name;
        EXPECT_EQ(text.substr(2, text.find_first_of("\r\n") - 2), error) << name;
    }
}

} // namespace
