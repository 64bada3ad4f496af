// e2e: drives a running Windows program from outside, step by step, for
// scripts (screenshots, the demo run). Each step waits a bounded time for what
// it needs; the first step that fails ends the run with exit code 1.
//
//   e2e [--desktop NAME] [--bound MS] STEP...
//
//   start CMDLINE FOLDER     start a program (FOLDER "" keeps ours); prints its id
//   wait-window TITLE        wait for a visible top-level window titled TITLE
//   wait-gone TITLE          wait until no window is titled TITLE
//   rect TITLE               print the window's frame: left top width height
//   answer CAPTION BUTTON    wait for a message box and press BUTTON (ok,
//                            cancel, yes, no or a number)
//   set-text TITLE ID TEXT   replace the text of control ID
//   type TITLE ID TEXT       type TEXT into control ID
//   press TITLE ID           press push button ID
//   command TITLE ID         choose menu command ID of the window
//   click TITLE ID           click check box or radio button ID
//   choose TITLE ID INDEX    choose entry INDEX of combo box ID
//   text TITLE ID            print the text of control ID
//   close TITLE              ask the window to close
//   end TITLE                end the program that owns the window, if any
//   sleep MS                 wait MS milliseconds
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "harness.h"

namespace {

DWORD bound = e2e::kBoundMs;

bool Fail(const std::string &message) {
    std::fprintf(stderr, "e2e: %s\n", message.c_str());
    return false;
}

int Number(const std::string &text) {
    if (text == "ok" || text == "cancel" || text == "yes" || text == "no")
        return text == "ok" ? IDOK : text == "cancel" ? IDCANCEL : text == "yes" ? IDYES : IDNO;
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end ? -1 : static_cast<int>(value);
}

HWND Window(const std::string &title) {
    HWND window = e2e::WaitForWindow(title, 0, bound);
    if (!window) Fail("no window titled \"" + title + "\"");
    return window;
}

// Steps on one control: the window, then the control's id.
using OnControl = std::function<bool(HWND dialog, int id, const std::string &more)>;
bool ControlStep(const std::vector<std::string> &a, const OnControl &act) {
    HWND dialog = Window(a[0]);
    const int id = Number(a[1]);
    if (!dialog || !GetDlgItem(dialog, id)) return dialog && Fail("\"" + a[0] + "\" has no control " + a[1]);
    return act(dialog, id, a.size() > 2 ? a[2] : "") || Fail("could not act on control " + a[1]);
}

struct Step {
    const char *name;
    size_t arguments;
    std::function<bool(const std::vector<std::string> &)> run;
};

const Step kSteps[] = {
    {"start", 2,
     [](const auto &a) {
         e2e::Process process;
         if (!process.Start(a[0], a[1])) return Fail("could not start " + a[0]);
         std::printf("%lu\n", process.Id());
         process.Detach(); // the caller's to end
         return true;
     }},
    {"wait-window", 1, [](const auto &a) { return Window(a[0]) != nullptr; }},
    {"wait-gone", 1, [](const auto &a) { return e2e::WaitGone(a[0], bound) || Fail(a[0] + " stayed"); }},
    {"rect", 1,
     [](const auto &a) {
         RECT r{};
         HWND window = Window(a[0]);
         if (!window || !GetWindowRect(window, &r)) return false;
         std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
         return true;
     }},
    {"answer", 2,
     [](const auto &a) {
         HWND box = Window(a[0]);
         return box && (e2e::Answer(box, Number(a[1]), bound) || Fail("could not answer " + a[0]));
     }},
    {"set-text", 3,
     [](const auto &a) {
         return ControlStep(
             a, [](HWND d, int id, const std::string &t) { return e2e::SetText(GetDlgItem(d, id), t); });
     }},
    {"type", 3,
     [](const auto &a) {
         return ControlStep(
             a, [](HWND d, int id, const std::string &t) { return e2e::Type(GetDlgItem(d, id), t); });
     }},
    {"press", 2,
     [](const auto &a) { return ControlStep(a, [](HWND d, int id, auto &) { return e2e::Press(d, id); }); }},
    {"command", 2,
     [](const auto &a) {
         HWND window = Window(a[0]);
         return window && PostMessageA(window, WM_COMMAND, MAKEWPARAM(Number(a[1]), 0), 0);
     }},
    {"click", 2,
     [](const auto &a) {
         return ControlStep(a, [](HWND d, int id, auto &) { return e2e::Click(GetDlgItem(d, id)); });
     }},
    {"choose", 3,
     [](const auto &a) {
         return ControlStep(
             a, [](HWND d, int id, const std::string &i) { return e2e::Choose(d, id, Number(i)); });
     }},
    {"text", 2,
     [](const auto &a) {
         return ControlStep(a, [](HWND d, int id, auto &) {
             const std::optional<std::string> text = e2e::TextOf(GetDlgItem(d, id));
             return text && std::printf("%s\n", text->c_str()) >= 0;
         });
     }},
    {"close", 1,
     [](const auto &a) {
         HWND window = Window(a[0]);
         return window && PostMessageA(window, WM_CLOSE, 0, 0);
     }},
    {"end", 1,
     [](const auto &a) {
         for (HWND window : e2e::TopWindows(0, a[0], false)) {
             DWORD id = 0;
             GetWindowThreadProcessId(window, &id);
             HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
             const bool ended = process && TerminateProcess(process, 1) &&
                                WaitForSingleObject(process, bound) == WAIT_OBJECT_0;
             if (process) CloseHandle(process);
             return ended || Fail("the program of \"" + a[0] + "\" did not end");
         }
         return true;
     }},
    {"sleep", 1, [](const auto &a) { return Number(a[0]) >= 0 && (Sleep(Number(a[0])), true); }},
};

int Usage() {
    std::fprintf(stderr, "usage: e2e [--desktop NAME] [--bound MS] STEP...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    size_t at = 0;
    for (; at + 1 < args.size() && args[at].rfind("--", 0) == 0; at += 2) {
        if (args[at] == "--bound" && Number(args[at + 1]) >= 0) {
            bound = Number(args[at + 1]);
        } else if (args[at] != "--desktop") {
            return Usage();
        } else if (!e2e::WaitUntil([&] { return e2e::UseDesktop(args[at + 1]); }, bound)) {
            Fail("no desktop " + args[at + 1]); // it may still be on its way when a script starts us
            return 1;
        }
    }
    if (at == args.size()) return Usage();
    while (at < args.size()) {
        const Step *step = nullptr;
        for (const Step &candidate : kSteps)
            if (args[at] == candidate.name) step = &candidate;
        if (!step || at + step->arguments >= args.size()) return Usage();
        if (!step->run({args.begin() + at + 1, args.begin() + at + 1 + step->arguments})) return 1;
        std::fflush(stdout);
        at += 1 + step->arguments;
    }
    return 0;
}
