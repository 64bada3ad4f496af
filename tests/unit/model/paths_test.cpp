// Installation paths from the registry value, and the command-line switches.
#include <gtest/gtest.h>

#include "paths.h"

using namespace model;

TEST(InstallPaths, FormedFromTheInstallationFolder) {
    const InstallPaths paths = MakeInstallPaths("C:\\KAVELIN");
    EXPECT_EQ(paths.dir, "C:\\KAVELIN");
    EXPECT_EQ(paths.helpFile, "C:\\KAVELIN\\tools\\kavel480.hlp");
    EXPECT_EQ(paths.winConfigDir, "C:\\KAVELIN\\config\\default\\win");
    EXPECT_EQ(paths.dosConfigDir, "C:\\KAVELIN\\config\\default\\dos");
    EXPECT_EQ(paths.monitorClose, "C:\\KAVELIN\\kavmon.exe -close");
    EXPECT_EQ(paths.monitorStart, "C:\\KAVELIN\\kavmon.exe");
    EXPECT_EQ(KcgPattern(paths.winConfigDir), "C:\\KAVELIN\\config\\default\\win\\*.kcg");
    EXPECT_EQ(JoinWindowsPath(paths.dosConfigDir, "a.kcg"), "C:\\KAVELIN\\config\\default\\dos\\a.kcg");
}

TEST(InstallPaths, OneTrailingBackslashIsDropped) {
    const struct {
        const char *value, *dir;
    } cases[] = {{"C:\\KAVELIN\\", "C:\\KAVELIN"},
                 {"C:\\KAVELIN", "C:\\KAVELIN"},
                 {"C:\\KAVELIN\\\\", "C:\\KAVELIN\\"},
                 {"C:\\", "C:"},
                 {"\\", ""},
                 {"", ""},
                 {"Z:\\demo\\install/", "Z:\\demo\\install/"}};
    for (const auto &c : cases) {
        const InstallPaths paths = MakeInstallPaths(c.value);
        EXPECT_EQ(paths.dir, c.dir) << c.value;
        EXPECT_EQ(paths.helpFile, std::string(c.dir) + "\\tools\\kavel480.hlp") << c.value;
    }
    EXPECT_EQ(MakeInstallPaths("D:\\Veskara\\").winConfigDir, MakeInstallPaths("D:\\Veskara").winConfigDir);
}

TEST(CommandLine, SwitchesFoundAnywhereInAnyCase) {
    const struct {
        const char *commandLine;
        bool close, internal;
    } cases[] = {
        {"kcgedit.exe", false, false},
        {"kcgedit.exe -close", true, false},
        {"KCGEDIT.EXE -Close", true, false},
        {"\"C:\\Kavelin SDK\\kcgedit.exe\"-CLOSE", true, false},
        {"kcgedit.exe -quorvane", false, true},
        {"kcgedit.exe -QuorVane -cLoSe", true, true},
        {"kcgedit.exe /close quorvane", false, false},
        {"kcgedit.exe -closer", true, false}, // the text, wherever it stands
        {"", false, false},
    };
    for (const auto &c : cases) {
        const CommandLineSwitches switches = ParseCommandLine(c.commandLine);
        EXPECT_EQ(switches.close, c.close) << c.commandLine;
        EXPECT_EQ(switches.internal, c.internal) << c.commandLine;
    }
}

TEST(CommandLine, UpperCaseTouchesOnlyLetters) {
    EXPECT_EQ(UpperCase("a-z A-Z 0-9 \xe9"), "A-Z A-Z 0-9 \xe9");
}

TEST(ProgramFolder, CutAtTheLastBackslash) {
    EXPECT_EQ(ProgramFolder("C:\\Kavelin SDK\\bin\\kcgedit.exe"), "C:\\Kavelin SDK\\bin");
    EXPECT_EQ(ProgramFolder("C:\\kcgedit.exe"), "C:");
    EXPECT_EQ(ProgramFolder("kcgedit.exe"), "");
    EXPECT_EQ(ProgramFolder(""), "");
}
