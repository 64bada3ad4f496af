// Installation paths from the registry value, and the command-line switches.
#include <gtest/gtest.h>

#include "paths.h"

using namespace model;

TEST(InstallPaths, FormedFromTheFolderWithoutOneTrailingBackslash) {
    for (const char *value : {"C:\\KAVELIN", "C:\\KAVELIN\\"}) {
        const InstallPaths paths = MakeInstallPaths(value);
        EXPECT_EQ(paths.dir, "C:\\KAVELIN");
        EXPECT_EQ(paths.helpFile, "C:\\KAVELIN\\tools\\kavel480.hlp");
        EXPECT_EQ(paths.winConfigDir, "C:\\KAVELIN\\config\\default\\win");
        EXPECT_EQ(paths.dosConfigDir, "C:\\KAVELIN\\config\\default\\dos");
        EXPECT_EQ(paths.monitorClose, "C:\\KAVELIN\\kavmon.exe -close");
        EXPECT_EQ(paths.monitorStart, "C:\\KAVELIN\\kavmon.exe");
    }
    EXPECT_EQ(MakeInstallPaths("C:\\KAVELIN\\\\").dir, "C:\\KAVELIN\\");
    EXPECT_EQ(MakeInstallPaths("\\").dir, "");
    EXPECT_EQ(MakeInstallPaths("").helpFile, "\\tools\\kavel480.hlp");
    EXPECT_EQ(KcgPattern("C:\\K"), "C:\\K\\*.kcg");
    EXPECT_EQ(ProgramFolder("C:\\Kavelin SDK\\kcgedit.exe"), "C:\\Kavelin SDK");
    EXPECT_EQ(ProgramFolder("kcgedit.exe"), "");
}

TEST(CommandLine, SwitchesFoundAnywhereInAnyCase) {
    const struct {
        const char *commandLine;
        bool close, internal;
    } cases[] = {
        {"kcgedit.exe", false, false},
        {"KCGEDIT.EXE -Close", true, false},
        {"\"C:\\Kavelin SDK\\kcgedit.exe\"-CLOSE", true, false},
        {"kcgedit.exe -quorvane", false, true},
        {"kcgedit.exe -QuorVane -cLoSe", true, true},
        {"kcgedit.exe /close quorvane", false, false},
        {"kcgedit.exe -closer", true, false}, // the text, wherever it stands
    };
    for (const auto &c : cases) {
        const CommandLineSwitches switches = ParseCommandLine(c.commandLine);
        EXPECT_EQ(switches.close, c.close) << c.commandLine;
        EXPECT_EQ(switches.internal, c.internal) << c.commandLine;
    }
}
