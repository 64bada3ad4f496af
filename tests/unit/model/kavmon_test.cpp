// The demo installation's stand-in monitor records every start.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_folder.h"

namespace {

// Starts command in folder and waits for it to end (at most ten seconds).
bool RunIn(const std::string &command, const std::string &folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = command;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return false;
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

} // namespace

TEST(Kavmon, AppendsCommandLineAndFolderToItsLog) {
    ScratchFolder install;
    const std::string exe = install.File("kavmon.exe");
    ASSERT_TRUE(CopyFileA(KCG_KAVMON_EXE, exe.c_str(), FALSE)) << KCG_KAVMON_EXE;
    std::filesystem::create_directory(install.File("elsewhere"));
    const std::string elsewhere = install.File("elsewhere");

    const std::string shutDown = "\"" + exe + "\" -close";
    const std::string restart = "\"" + exe + "\"";
    ASSERT_TRUE(RunIn(shutDown, elsewhere));
    ASSERT_TRUE(RunIn(restart, install.path()));

    EXPECT_EQ(ReadWholeFile(install.File("kavmon.log")),
              shutDown + "\t" + elsewhere + "\r\n" + restart + "\t" + install.path() + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(install.File("elsewhere/kavmon.log")));
}
