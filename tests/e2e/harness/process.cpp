#include "process.h"

#include <utility>
#include <vector>

namespace e2e {

namespace {

// Bound for a terminated process to be gone: Wine ends it asynchronously.
constexpr DWORD kTerminateBoundMs = 10000;

std::string LastErrorText(const char *what) {
    return std::string(what) + " failed with error " + std::to_string(GetLastError());
}

} // namespace

ChildProcess::~ChildProcess() {
    Terminate();
}

ChildProcess::ChildProcess(ChildProcess &&other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

ChildProcess &ChildProcess::operator=(ChildProcess &&other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

bool ChildProcess::Start(const std::string &commandLine, const std::string &folder, std::string *error) {
    Terminate();
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        if (error) *error = LastErrorText("CreateProcess") + " for: " + commandLine;
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

bool ChildProcess::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD boundMs) const {
    return !process_ || WaitForSingleObject(process_, boundMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
    DWORD code = 0;
    if (Running() || !process_ || !GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void ChildProcess::Terminate() {
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kTerminateBoundMs);
    }
    Release();
}

void ChildProcess::Detach() {
    Release();
}

void ChildProcess::Release() {
    if (process_) CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

std::string QuoteArgument(const std::string &argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only in front of a quote.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\'); // the closing quote follows them
    quoted += '"';
    return quoted;
}

} // namespace e2e
