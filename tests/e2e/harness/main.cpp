// e2e: drives a running Windows program from outside, step by step, for
// scripts (screenshots, the demo run). Each step waits a bounded time for what
// it needs; the first step that fails ends the run with exit code 1.
//
//   e2e [--desktop NAME] [--bound MS] STEP...
//
// Steps (each takes a fixed number of arguments):
//   start CMDLINE FOLDER        start a program (FOLDER "" keeps ours); prints its id
//   wait-window TITLE           wait for a visible top-level window titled TITLE
//   wait-gone TITLE             wait until no window is titled TITLE
//   rect TITLE                  print the window's frame: left top width height
//   answer CAPTION BUTTON       wait for a message box, print its text, press BUTTON
//                               (ok, cancel, yes, no or a number)
//   set-text TITLE ID TEXT      replace the text of control ID
//   type TITLE ID TEXT          type TEXT into control ID
//   press TITLE ID              press push button ID
//   command TITLE ID            choose menu command ID of the window
//   click TITLE ID              click check box or radio button ID
//   choose TITLE ID INDEX       choose entry INDEX of combo box ID
//   text TITLE ID               print the text of control ID
//   close TITLE                 ask the window to close
//   end TITLE                   end the program that owns the window, if any
//                               (a last resort for scripts that must not leave
//                               programs behind)
//   sleep MS                    wait MS milliseconds
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls.h"
#include "message_boxes.h"
#include "process.h"
#include "top_windows.h"

namespace {

struct Run {
    DWORD boundMs = e2e::kDefaultBoundMs;
};

bool Fail(const std::string &message) {
    std::fprintf(stderr, "e2e: %s\n", message.c_str());
    return false;
}

bool ParseNumber(const std::string &text, long *value) {
    if (text.empty()) return false;
    char *end = nullptr;
    *value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

int ButtonId(const std::string &name) {
    static const struct {
        const char *name;
        int id;
    } kNames[] = {{"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};
    for (const auto &entry : kNames) {
        if (name == entry.name) return entry.id;
    }
    long id = 0;
    return ParseNumber(name, &id) ? static_cast<int>(id) : -1;
}

HWND Window(const Run &run, const std::string &title) {
    e2e::WindowQuery query;
    query.title = title;
    return e2e::WaitForTopLevelWindow(query, run.boundMs);
}

// The window and the control id that a step names; false if either is missing.
bool Control(const Run &run, const std::string &title, const std::string &idText, HWND *dialog, int *id) {
    long number = 0;
    if (!ParseNumber(idText, &number)) return Fail("not a control id: " + idText);
    *dialog = Window(run, title);
    if (!*dialog) return Fail("no window titled \"" + title + "\"");
    *id = static_cast<int>(number);
    if (!e2e::ControlOf(*dialog, *id)) return Fail("\"" + title + "\" has no control " + idText);
    return true;
}

struct Step {
    const char *name;
    size_t arguments;
    bool (*run)(const Run &, const std::vector<std::string> &);
};

bool Start(const Run &, const std::vector<std::string> &a) {
    e2e::ChildProcess process;
    std::string error;
    if (!process.Start(a[0], a[1], &error)) return Fail(error);
    std::printf("%lu\n", static_cast<unsigned long>(process.Id()));
    // The started program is the caller's to end, not ours.
    process.Detach();
    return true;
}

bool WaitWindow(const Run &run, const std::vector<std::string> &a) {
    return Window(run, a[0]) || Fail("no window titled \"" + a[0] + "\" appeared");
}

bool WaitGone(const Run &run, const std::vector<std::string> &a) {
    e2e::WindowQuery query;
    query.title = a[0];
    return e2e::WaitForNoTopLevelWindow(query, run.boundMs) || Fail("\"" + a[0] + "\" did not go away");
}

bool Rect(const Run &run, const std::vector<std::string> &a) {
    HWND window = Window(run, a[0]);
    RECT frame{};
    if (!window || !GetWindowRect(window, &frame)) return Fail("no window titled \"" + a[0] + "\"");
    std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                frame.bottom - frame.top);
    return true;
}

bool Answer(const Run &run, const std::vector<std::string> &a) {
    const int button = ButtonId(a[1]);
    if (button < 0) return Fail("not a button: " + a[1]);
    const std::optional<e2e::MessageBoxSeen> box = e2e::WaitForMessageBox(a[0], 0, run.boundMs);
    if (!box) return Fail("no message box \"" + a[0] + "\" appeared");
    std::printf("%s\n", box->text.c_str());
    return e2e::AnswerMessageBox(box->window, button, run.boundMs) ||
           Fail("could not answer \"" + a[0] + "\"");
}

bool SetText(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    return Control(run, a[0], a[1], &dialog, &id) &&
           (e2e::WriteText(e2e::ControlOf(dialog, id), a[2]) || Fail("could not set the text of " + a[1]));
}

bool Type(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    return Control(run, a[0], a[1], &dialog, &id) &&
           (e2e::TypeText(e2e::ControlOf(dialog, id), a[2]) || Fail("could not type into " + a[1]));
}

bool Press(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    return Control(run, a[0], a[1], &dialog, &id) &&
           (e2e::PressButton(dialog, id) || Fail("could not press " + a[1]));
}

bool Command(const Run &run, const std::vector<std::string> &a) {
    long id = 0;
    if (!ParseNumber(a[1], &id)) return Fail("not a command id: " + a[1]);
    const HWND window = Window(run, a[0]);
    if (!window) return Fail("no window titled \"" + a[0] + "\"");
    // Posted, as choosing the menu item does: the command may open a modal window.
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) || Fail("could not send command " + a[1]);
}

bool Click(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    return Control(run, a[0], a[1], &dialog, &id) &&
           (e2e::ClickButton(e2e::ControlOf(dialog, id)) || Fail("could not click " + a[1]));
}

bool Choose(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    long index = 0;
    if (!ParseNumber(a[2], &index)) return Fail("not an entry number: " + a[2]);
    return Control(run, a[0], a[1], &dialog, &id) &&
           (e2e::ChooseComboEntry(dialog, id, static_cast<int>(index)) ||
            Fail("no entry " + a[2] + " in " + a[1]));
}

bool Text(const Run &run, const std::vector<std::string> &a) {
    HWND dialog = nullptr;
    int id = 0;
    if (!Control(run, a[0], a[1], &dialog, &id)) return false;
    const std::optional<std::string> text = e2e::ReadText(e2e::ControlOf(dialog, id));
    if (!text) return Fail("control " + a[1] + " did not answer");
    std::printf("%s\n", text->c_str());
    return true;
}

bool Close(const Run &run, const std::vector<std::string> &a) {
    HWND window = Window(run, a[0]);
    return (window && e2e::AskToClose(window)) || Fail("no window titled \"" + a[0] + "\"");
}

bool End(const Run &run, const std::vector<std::string> &a) {
    e2e::WindowQuery query;
    query.title = a[0];
    query.visibleOnly = false;
    const std::vector<HWND> windows = e2e::FindTopLevelWindows(query);
    if (windows.empty()) return true;
    DWORD id = 0;
    GetWindowThreadProcessId(windows.front(), &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return Fail("cannot end the program of \"" + a[0] + "\"");
    TerminateProcess(process, 1);
    const bool ended = WaitForSingleObject(process, run.boundMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended || Fail("the program of \"" + a[0] + "\" did not end");
}

bool Pause(const Run &, const std::vector<std::string> &a) {
    long ms = 0;
    if (!ParseNumber(a[0], &ms) || ms < 0) return Fail("not a time: " + a[0]);
    Sleep(static_cast<DWORD>(ms));
    return true;
}

const Step kSteps[] = {
    {"start", 2, Start},        {"wait-window", 1, WaitWindow},
    {"wait-gone", 1, WaitGone}, {"rect", 1, Rect},
    {"answer", 2, Answer},      {"set-text", 3, SetText},
    {"type", 3, Type},          {"press", 2, Press},
    {"command", 2, Command},    {"click", 2, Click},
    {"choose", 3, Choose},      {"text", 2, Text},
    {"close", 1, Close},        {"end", 1, End},
    {"sleep", 1, Pause},
};

int Usage() {
    std::fprintf(stderr, "usage: e2e [--desktop NAME] [--bound MS] STEP...\n"
                         "steps: start, wait-window, wait-gone, rect, answer, set-text, type,\n"
                         "       press, command, click, choose, text, close, end, sleep\n");
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    Run run;
    size_t at = 0;
    for (; at < args.size() && args[at].rfind("--", 0) == 0; at += 2) {
        if (at + 1 >= args.size()) return Usage();
        long bound = 0;
        if (args[at] == "--desktop") {
            // The desktop may still be on its way when a script starts us.
            const std::string &name = args[at + 1];
            if (!e2e::WaitUntil([&] { return e2e::UseDesktop(name); }, run.boundMs)) {
                Fail("no desktop " + args[at + 1]);
                return 1;
            }
        } else if (args[at] == "--bound" && ParseNumber(args[at + 1], &bound) && bound >= 0) {
            run.boundMs = static_cast<DWORD>(bound);
        } else {
            return Usage();
        }
    }
    if (at == args.size()) return Usage();
    while (at < args.size()) {
        const Step *step = nullptr;
        for (const Step &candidate : kSteps) {
            if (args[at] == candidate.name) step = &candidate;
        }
        if (!step || at + step->arguments >= args.size()) {
            if (!step) std::fprintf(stderr, "e2e: unknown step %s\n", args[at].c_str());
            return Usage();
        }
        const std::vector<std::string> stepArgs(args.begin() + at + 1,
                                                args.begin() + at + 1 + step->arguments);
        if (!step->run(run, stepArgs)) return 1;
        std::fflush(stdout);
        at += 1 + step->arguments;
    }
    return 0;
}
