// e2e [--desktop NAME] [--bound MS] STEP...: drives a running Windows program
// from outside, step by step, for scripts (screenshots, the demo run). Each
// step waits a bounded time for what it needs; the first that fails ends the
// run with exit code 1. Steps: wait-window TITLE, wait-gone TITLE, rect TITLE
// (prints left top width height), control-rect TITLE ID (the same of a
// control), answer CAPTION BUTTON (ok, cancel, yes, no or a number), set-text
// TITLE ID TEXT, type TITLE ID TEXT, press TITLE ID, click TITLE ID, choose
// TITLE ID INDEX, slide TITLE ID POSITION (a slider, with the focus), command
// TITLE ID (a menu command), close TITLE, end TITLE (ends the program that
// owns the window, if any).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "harness.h"

namespace {

DWORD bound = e2e::kBoundMs;

bool Fail(const std::string &message) {
    std::fprintf(stderr, "e2e: %s\n", message.c_str());
    return false;
}

int Number(const std::string &text) {
    const char *const kButtons[] = {"", "ok", "cancel", "", "", "", "yes", "no"}; // by id
    for (int id = 1; id < 8; ++id)
        if (text == kButtons[id]) return id;
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end ? -1 : static_cast<int>(value);
}

// Makes this thread see a Wine virtual desktop ("explorer /desktop=NAME").
bool UseDesktop(const std::string &name) {
    HDESK desktop = OpenDesktopA(name.c_str(), 0, FALSE, GENERIC_ALL);
    return desktop && SetThreadDesktop(desktop);
}

// The visible top-level window titled exactly title, or null.
HWND Find(const std::string &title) {
    for (HWND window : e2e::TopWindows(0, title))
        if (e2e::TitleOf(window) == title) return window;
    return nullptr;
}

bool EndOwner(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    const bool ended =
        process && TerminateProcess(process, 1) && WaitForSingleObject(process, bound) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

bool Run(const std::string &step, const std::vector<std::string> &a) {
    if (step == "wait-gone")
        return e2e::WaitUntil([&] { return !Find(a[0]); }, bound) || Fail(a[0] + " stayed");
    if (step == "end") {
        const std::vector<HWND> windows = e2e::TopWindows(0, a[0], false);
        return windows.empty() || EndOwner(windows.front()) || Fail("could not end " + a[0]);
    }
    HWND window = nullptr;
    if (!e2e::WaitUntil([&] { return (window = Find(a[0])) != nullptr; }, bound))
        return Fail("no window titled \"" + a[0] + "\"");
    RECT r{};
    if (step == "wait-window") return true;
    if (step == "rect")
        return GetWindowRect(window, &r) &&
               std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top) > 0;
    if (step == "close") return PostMessageA(window, WM_CLOSE, 0, 0);
    if (step == "answer") return e2e::Answer(window, Number(a[1]), bound) || Fail("could not answer " + a[0]);
    const int id = Number(a[1]);
    if (step == "command") return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    HWND control = GetDlgItem(window, id);
    if (!control) return Fail("\"" + a[0] + "\" has no control " + a[1]);
    if (step == "set-text") return e2e::SetText(control, a[2]) || Fail("could not set " + a[1]);
    if (step == "type") return e2e::Type(control, a[2]) || Fail("could not type into " + a[1]);
    if (step == "press") return e2e::Press(window, id);
    if (step == "click") return PostMessageA(control, BM_CLICK, 0, 0);
    if (step == "control-rect")
        return GetWindowRect(control, &r) &&
               std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top) > 0;
    if (step == "slide") return e2e::Slide(window, id, Number(a[2])) || Fail("could not move " + a[1]);
    return e2e::Choose(window, id, Number(a[2])) || Fail("no entry " + a[2] + " in " + a[1]);
}

int Usage() {
    std::fprintf(stderr, "usage: e2e [--desktop NAME] [--bound MS] STEP...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::vector<std::pair<std::string, size_t>> kSteps = {
        {"wait-window", 1}, {"wait-gone", 1}, {"rect", 1},         {"close", 1}, {"end", 1},
        {"answer", 2},      {"command", 2},   {"press", 2},        {"click", 2}, {"set-text", 3},
        {"type", 3},        {"choose", 3},    {"control-rect", 2}, {"slide", 3}};
    size_t at = 0;
    for (; at + 1 < args.size() && args[at].rfind("--", 0) == 0; at += 2) {
        if (args[at] == "--bound" && Number(args[at + 1]) >= 0) {
            bound = Number(args[at + 1]);
        } else if (args[at] != "--desktop") {
            return Usage();
        } else if (!e2e::WaitUntil([&] { return UseDesktop(args[at + 1]); }, bound)) {
            Fail("no desktop " + args[at + 1]); // it may still be on its way when a script starts us
            return 1;
        }
    }
    if (at == args.size()) return Usage();
    for (size_t arguments = 0; at < args.size(); at += 1 + arguments) {
        arguments = args.size();
        for (const auto &step : kSteps)
            if (step.first == args[at]) arguments = step.second;
        if (at + arguments >= args.size()) return Usage();
        if (!Run(args[at], {args.begin() + at + 1, args.begin() + at + 1 + arguments})) return 1;
        std::fflush(stdout);
    }
    return 0;
}
