// Installation paths from the registry value, and the command-line switches.
#include <gtest/gtest.h>

#include "command_line.h"
#include "paths.h"
#include "test_command.h"

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
    // The Test command's file: a shortened path would name another file.
    const std::string longFolder = "C:\\" + std::string(600, 'f');
    EXPECT_EQ(TestFilePath(longFolder), longFolder + "\\sdk.tmp");
}

TEST(CommandLine, SwitchesFoundAnywhereInAnyCaseButInTheFileName) {
    const struct {
        const char *commandLine;
        bool close, internal;
    } cases[] = {
        {"kcgedit.exe", false, false},
        {"\"C:\\Kavelin SDK\\kcgedit.exe\"-CLOSE", true, false},
        {"kcgedit.exe -QuorVane -cLoSe", true, true},
        {"kcgedit.exe /close quorvane", false, false},
        {"kcgedit.exe -closer", true, false}, // the text, wherever it stands
        // ... but not inside the name of the file to open
        {"kcgedit.exe C:\\Games\\door-close.kcg", false, false},
        {"kcgedit.exe \"C:\\Tools-Quorvane\\a b.KCG\" -close", true, false},
        {"kcgedit.exe -quorvane x-close.kcg y-close.kcg", true, true}, // only the first file opens
    };
    for (const auto &c : cases) {
        const CommandLineSwitches switches = ParseCommandLine(c.commandLine);
        EXPECT_EQ(switches.close, c.close) << c.commandLine;
        EXPECT_EQ(switches.internal, c.internal) << c.commandLine;
    }
}

TEST(CommandLine, ArgumentsSplitAsTheRuntimeSplitsThem) {
    const struct {
        const char *commandLine;
        std::vector<std::string> arguments;
        int startFile;
    } cases[] = {
        {"a.exe  b.kcg\tc", {"a.exe", "b.kcg", "c"}, 1},
        {"\"C:\\My Dir\\a.exe\" \"x y.KCG\"", {"C:\\My Dir\\a.exe", "x y.KCG"}, 1},
        {"a.exe C:\\dir\\ \"q\\\"uote\" \\\\\"b c\"", {"a.exe", "C:\\dir\\", "q\"uote", "\\b c"}, -1},
        {"a.kcg -close", {"a.kcg", "-close"}, -1}, // the program's own path is never the file
        {"a.exe \"\"", {"a.exe", ""}, -1},
    };
    for (const auto &c : cases) {
        const std::vector<std::string> arguments = CommandLineArguments(c.commandLine);
        EXPECT_EQ(arguments, c.arguments) << c.commandLine;
        EXPECT_EQ(StartFileArgument(arguments), c.startFile) << c.commandLine;
    }
}
