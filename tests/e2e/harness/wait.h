// Bounded waiting: every wait of the harness gives up after its bound, so a
// test that meets an unexpected state fails instead of hanging.
#ifndef KCG_E2E_WAIT_H
#define KCG_E2E_WAIT_H

#include <windows.h>

namespace e2e {

// Default bound for a program under Wine to show a window or to end: a cold
// start of a process in a busy prefix takes several seconds.
constexpr DWORD kDefaultBoundMs = 30000;
constexpr DWORD kPollMs = 50;

// Calls done() until it returns true or boundMs have passed; returns the last
// answer of done(). done() is always asked at least once.
template <class Predicate> bool WaitUntil(Predicate done, DWORD boundMs, DWORD pollMs = kPollMs) {
    const ULONGLONG end = GetTickCount64() + boundMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(pollMs);
    }
}

} // namespace e2e

#endif // KCG_E2E_WAIT_H
