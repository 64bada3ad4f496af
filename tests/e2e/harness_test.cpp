// The harness itself: processes it starts always end, command lines arrive
// whole, waits keep their bounds, and message boxes and controls of another
// thread are found, read and answered.
#include <gtest/gtest.h>
#include <shellapi.h>
#include <windows.h>

#include <algorithm>
#include <future>
#include <thread>

#include "controls.h"
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
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 300u);
    EXPECT_LT(waited, 5000u);
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

TEST(MessageBoxes, FindsReadsAndAnswersABoxByItsCaption) {
    ShownBox shown = ShowBox("First line\nsecond line", "Harness Question", MB_YESNO | MB_ICONWARNING);
    std::optional<e2e::MessageBoxSeen> box =
        e2e::WaitForMessageBox("Harness Question", GetCurrentProcessId());
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

TEST(MessageBoxes, CaptionMustMatchExactly) {
    ShownBox shown = ShowBox("Text", "Exact Caption", MB_OK);
    ASSERT_TRUE(e2e::WaitForMessageBox("Exact Caption", GetCurrentProcessId()));
    EXPECT_FALSE(e2e::WaitForMessageBox("exact caption", GetCurrentProcessId(), 200));
    EXPECT_FALSE(e2e::WaitForMessageBox("Exact", GetCurrentProcessId(), 200));
    EXPECT_FALSE(e2e::WaitForMessageBox("Exact Caption", GetCurrentProcessId() + 4, 200))
        << "another process";
    std::optional<e2e::MessageBoxSeen> box = e2e::WaitForMessageBox("Exact Caption", 0);
    ASSERT_TRUE(box);
    EXPECT_TRUE(e2e::AnswerMessageBox(box->window, IDOK));
    ASSERT_EQ(shown.answer.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(shown.answer.get(), IDOK);
}

// A window with an edit and an editable combo box, owned by another thread
// that runs its message loop until the window is closed.
class ControlsWindow {
  public:
    static constexpr int kEditId = 100;
    static constexpr int kComboId = 101;

    ControlsWindow() {
        std::promise<HWND> made;
        std::future<HWND> window = made.get_future();
        thread_ = std::thread([&made] {
            HWND frame = CreateWindowExA(0, "#32770", "Harness Controls", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                                         200, nullptr, nullptr, nullptr, nullptr);
            CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5, 5, 200, 20, frame,
                            reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
            HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 5, 30, 200,
                                         100, frame, reinterpret_cast<HMENU>(kComboId), nullptr, nullptr);
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Jump"));
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Crouch"));
            made.set_value(frame);
            MSG message;
            while (IsWindow(frame) && GetMessageA(&message, nullptr, 0, 0) > 0) {
                if (message.message == WM_CLOSE) break;
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            DestroyWindow(frame);
        });
        window_ = window.get();
    }
    ~ControlsWindow() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    HWND window() const { return window_; }

  private:
    std::thread thread_;
    HWND window_ = nullptr;
};

TEST(Controls, TypesIntoEditsAndEditableComboBoxesAndReadsThemBack) {
    ControlsWindow controls;
    e2e::WindowQuery query;
    query.title = "Harness Controls";
    ASSERT_EQ(e2e::WaitForTopLevelWindow(query), controls.window());
    HWND edit = e2e::ControlOf(controls.window(), ControlsWindow::kEditId);
    HWND combo = e2e::ControlOf(controls.window(), ControlsWindow::kComboId);

    ASSERT_TRUE(e2e::WriteText(edit, "old text"));
    ASSERT_TRUE(e2e::TypeText(edit, "Harbor Patrol"));
    EXPECT_EQ(e2e::ReadText(edit), "Harbor Patrol") << "typing replaces the selected old text";
    ASSERT_TRUE(e2e::TypeText(edit, " 2", false));
    EXPECT_EQ(e2e::ReadText(edit), "Harbor Patrol 2");

    ASSERT_TRUE(e2e::TypeText(combo, "Strafe Left"));
    EXPECT_EQ(e2e::ReadText(combo), "Strafe Left");
    ASSERT_TRUE(e2e::ChooseComboEntry(controls.window(), ControlsWindow::kComboId, 1));
    EXPECT_EQ(e2e::ReadText(combo), "Crouch");
    EXPECT_FALSE(e2e::ChooseComboEntry(controls.window(), ControlsWindow::kComboId, 5));
    EXPECT_EQ(e2e::ControlOf(controls.window(), 999), nullptr);
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
