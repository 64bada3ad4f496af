// Safe replacement of a file: write a temporary file beside the target, then
// rename it over the target. A reader of the target sees the old content or
// the new content, never a part of the new one.
#include "tl_replace.h"

#include <chrono>
#include <cstdint>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tl {
namespace {

constexpr int kNameAttempts = 32;

// A well-mixed 64-bit value from the clock, a stack address and the attempt,
// so that two writers (or two attempts) pick different names.
uint64_t NameSeed(int attempt) {
    int local = 0;
    uint64_t x = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    x ^= static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&local)) << 16;
    x += 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(attempt + 1);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// target + ".~" + six hex digits: beside the target, so the rename never
// crosses file systems.
std::string TemporaryName(const std::string &target, int attempt) {
    static const char kHex[] = "0123456789abcdef";
    uint64_t seed = NameSeed(attempt);
    std::string name;
    name.reserve(target.size() + 8);
    name += target;
    name += ".~";
    for (int i = 0; i < 6; ++i) {
        name += kHex[seed & 0xF];
        seed >>= 4;
    }
    return name;
}

#ifdef _WIN32

bool WriteAll(HANDLE file, const char *bytes, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 0x10000000u ? 0x10000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

bool ReplaceFileBytesImpl(const std::string &target, const char *bytes, std::size_t size) {
    // A read-only file is not to be replaced; not every file system layer
    // makes MoveFileExA refuse it, so ask first.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;

    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(target, attempt);
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    if (file == INVALID_HANDLE_VALUE) return false;

    const bool written = WriteAll(file, bytes, size);
    const bool closed = CloseHandle(file) != 0;
    if (written && closed && MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

#else

bool WriteAll(int fd, const char *bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplaceFileBytesImpl(const char *requested, const char *bytes, std::size_t size) {
    // What stands at the path, seen without following a link: one call for
    // the common case of a plain file or none. Through a symbolic link the
    // linked file is the target, so that saving updates it rather than
    // turning the link into a plain file.
    struct stat existing;
    bool exists = lstat(requested, &existing) == 0;
    std::string target = requested;
    if (exists && S_ISLNK(existing.st_mode)) {
        if (char *resolved = realpath(requested, nullptr)) {
            target = resolved;
            std::free(resolved);
        }
        exists = stat(target.c_str(), &existing) == 0;
    }

    // A rename would replace a read-only file too; refuse, as the editor
    // must not override the protection (and as Windows refuses). The owner's
    // write bit answers for the owner (an ACL keeps it as the owner's entry)
    // and saves a path lookup; anyone else asks access().
    if (exists && !(existing.st_uid == getuid() && (existing.st_mode & S_IWUSR) != 0) &&
        access(target.c_str(), W_OK) != 0)
        return false;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = TemporaryName(target, attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = WriteAll(fd, bytes, size);
    if (ok && exists && S_ISREG(existing.st_mode))
        (void)fchmod(fd, existing.st_mode & 07777); // best effort: content matters more
    if (close(fd) != 0) ok = false;
    if (ok && rename(temporary.c_str(), target.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}

#endif

} // namespace

bool ReplaceFileBytes(const char *path, const char *bytes, std::size_t size) {
    if (path == nullptr || path[0] == '\0' || (bytes == nullptr && size > 0)) return false;
    try {
        return ReplaceFileBytesImpl(path, bytes, size);
    } catch (...) { // no memory for the names
        return false;
    }
}

} // namespace tl
