// The harness itself: processes it starts always end, command lines arrive
// whole, waits keep their bounds, and message boxes of another
// thread are found, read and answered. Controls are exercised by every editor
// test that fills in a screen.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <future>

#include "files.h"
#include "installation.h"
#include "message_boxes.h"
#include "process.h"
#include "top_windows.h"

namespace {

std::string Harness() {
    return e2e::QuoteArgument(e2e::WindowsPath(KCG_E2E_HARNESS));
}

std::string Narrow(const wchar_t *wide) {
    char text[512];
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return length > 0 ? std::string(text) : std::string();
}

TEST(QuoteArgument, TheStartedProgramSeesEachArgumentWhole) {
    const char *const kArguments[] = {
        "plain",     "",     "two words", "say \"hi\"", "C:\\folder with blank\\", "back\\\\slashes\\",
        "tab\there", "\\\"", "-CLOSE"};
    for (const char *argument : kArguments) {
        const std::string line = "program.exe " + e2e::QuoteArgument(argument);
        std::wstring wide(line.begin(), line.end());
        int count = 0;
        LPWSTR *parsed = CommandLineToArgvW(wide.c_str(), &count);
        ASSERT_NE(parsed, nullptr);
        EXPECT_EQ(count, 2) << line;
        if (count == 2) {
            EXPECT_EQ(Narrow(parsed[1]), argument) << line;
        }
        LocalFree(parsed);
    }
}

TEST(ChildProcess, ReportsTheExitCodeOfAProgramThatEnds) {
    const struct {
        const char *arguments;
        DWORD code;
    } kRuns[] = {{"sleep 0", 0}, {"no-such-step", 2}, {"--bound 100 wait-window \"no such window\"", 1}};
    for (const auto &run : kRuns) {
        e2e::ChildProcess process;
        std::string error;
        ASSERT_TRUE(process.Start(Harness() + " " + run.arguments, "", &error)) << error;
        ASSERT_TRUE(process.WaitForExit(e2e::kDefaultBoundMs)) << run.arguments;
        EXPECT_EQ(process.ExitCode(), run.code) << run.arguments;
    }
}

TEST(ChildProcess, AProgramThatDoesNotEndIsEndedWithItsObject) {
    HANDLE watch = nullptr;
    {
        e2e::ChildProcess process;
        ASSERT_TRUE(process.Start(Harness() + " sleep 600000", ""));
        EXPECT_TRUE(process.Running());
        EXPECT_FALSE(process.WaitForExit(200));
        EXPECT_FALSE(process.ExitCode());
        watch = OpenProcess(SYNCHRONIZE, FALSE, process.Id());
        ASSERT_NE(watch, nullptr);
    }
    EXPECT_EQ(WaitForSingleObject(watch, e2e::kDefaultBoundMs), WAIT_OBJECT_0) << "still running";
    CloseHandle(watch);
}

TEST(ChildProcess, StartFailsCleanlyForAMissingProgram) {
    e2e::ChildProcess process;
    std::string error;
    EXPECT_FALSE(process.Start("Z:\\no\\such\\program.exe", "", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(process.Started());
    EXPECT_TRUE(process.WaitForExit(0));
}

TEST(WaitUntil, GivesUpAfterItsBound) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(e2e::WaitUntil([] { return false; }, 300));
    EXPECT_GE(GetTickCount64() - start, 300u);
    EXPECT_LT(GetTickCount64() - start, 5000u);
}

// A message box shown by another thread, as another program would. If a test
// fails before answering it, the box is dismissed on the way out, so that the
// thread ends and the test does not hang.
struct ShownBox {
    std::string caption;
    std::future<int> answer;

    ShownBox() = default;
    ShownBox(ShownBox &&) = default;
    ~ShownBox() {
        if (!answer.valid() || answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready) return;
        e2e::WaitUntil(
            [&] {
                e2e::WindowQuery query;
                query.title = caption;
                query.processId = GetCurrentProcessId();
                for (HWND box : e2e::FindTopLevelWindows(query))
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                return answer.wait_for(std::chrono::milliseconds(100)) == std::future_status::ready;
            },
            e2e::kDefaultBoundMs);
    }
};

ShownBox ShowBox(const char *text, const char *caption, UINT style) {
    ShownBox shown;
    shown.caption = caption;
    shown.answer = std::async(std::launch::async, [=] { return MessageBoxA(nullptr, text, caption, style); });
    return shown;
}

TEST(MessageBoxes, FindsReadsAndAnswersABoxByItsExactCaption) {
    ShownBox shown = ShowBox("First line\nsecond line", "Harness Question", MB_YESNO | MB_ICONWARNING);
    const DWORD self = GetCurrentProcessId();
    ASSERT_TRUE(e2e::WaitForMessageBox("Harness Question", self));
    EXPECT_FALSE(e2e::WaitForMessageBox("harness question", self, 200));
    EXPECT_FALSE(e2e::WaitForMessageBox("Harness", self, 200));
    EXPECT_FALSE(e2e::WaitForMessageBox("Harness Question", self + 4, 200)) << "another process";
    std::optional<e2e::MessageBoxSeen> box = e2e::WaitForMessageBox("Harness Question", 0);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "Harness Question");
    EXPECT_EQ(box->text, "First line\nsecond line");
    std::sort(box->buttons.begin(), box->buttons.end());
    EXPECT_EQ(box->buttons, (std::vector<int>{IDYES, IDNO}));

    EXPECT_FALSE(e2e::AnswerMessageBox(box->window, IDOK, 200)) << "the box has no OK button";
    EXPECT_TRUE(IsWindowVisible(box->window));
    EXPECT_TRUE(e2e::AnswerMessageBox(box->window, IDNO));
    ASSERT_EQ(shown.answer.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(shown.answer.get(), IDNO);
}

TEST(MonitorLog, EachLineIsOneStartWithItsFolder) {
    const std::string log = "Z:\\inst\\kavmon.exe -close\tZ:\\bin\r\n"
                            "\r\n"
                            "Z:\\inst\\kavmon.exe\tZ:\\inst\r\n"
                            "no tab here\n"
                            "last\tline without end";
    const std::vector<e2e::MonitorStart> expected = {{"Z:\\inst\\kavmon.exe -close", "Z:\\bin"},
                                                     {"Z:\\inst\\kavmon.exe", "Z:\\inst"},
                                                     {"no tab here", ""},
                                                     {"last", "line without end"}};
    EXPECT_EQ(e2e::ParseMonitorLog(log), expected);
    EXPECT_TRUE(e2e::ParseMonitorLog("").empty());
}

TEST(Paths, LinuxPathsBecomeDriveZPaths) {
    EXPECT_EQ(e2e::WindowsPath("/work/build/kcgedit.exe"), "Z:\\work\\build\\kcgedit.exe");
    EXPECT_EQ(e2e::WindowsPath("C:/windows"), "C:\\windows");
    EXPECT_EQ(e2e::FolderOf("Z:\\work\\kcgedit.exe"), "Z:\\work");
    EXPECT_EQ(e2e::FolderOf("kcgedit.exe"), "");
}

} // namespace
