// Loading a whole file. The first block holds any file the editor writes, so
// that the common load is one allocation, the open, one read of the file, the
// read that meets its end and the close: asking for the size first would cost
// a call more, and a pipe has none to give. On POSIX systems the descriptor
// calls go straight to the kernel, without a stdio stream to set up and tear
// down; elsewhere an unbuffered stream does the same.
#include "tl_load.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tl_alloc.h"
#include "tl_api.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tl {
namespace {

constexpr std::size_t kFirstBlock = 64 * 1024;

// An open file, read piece by piece into one growing block.
class Source {
  public:
#ifdef _WIN32
    explicit Source(const char *path) : file_(std::fopen(path, "rb")) {
        if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0); // bytes go straight into the block
    }
    ~Source() {
        if (file_ != nullptr) std::fclose(file_);
    }
    bool opened() const {
        return file_ != nullptr;
    }
    // Bytes read into [at, at + room), 0 at the end of the file, -1 on error.
    long Read(char *at, std::size_t room) {
        const std::size_t got = std::fread(at, 1, room, file_);
        if (got == 0 && std::ferror(file_)) return -1;
        return static_cast<long>(got);
    }
#else
    explicit Source(const char *path) : fd_(open(path, O_RDONLY | O_CLOEXEC)) {}
    ~Source() {
        if (fd_ >= 0) close(fd_);
    }
    bool opened() const {
        return fd_ >= 0;
    }
    long Read(char *at, std::size_t room) {
        for (;;) {
            const ssize_t got = read(fd_, at, room);
            if (got >= 0) return static_cast<long>(got);
            if (errno != EINTR) return -1;
        }
    }
#endif
    Source(const Source &) = delete;
    Source &operator=(const Source &) = delete;

  private:
#ifdef _WIN32
    std::FILE *file_;
#else
    int fd_;
#endif
};

} // namespace

char *LoadFile(const char *path, std::size_t *length, int *result) {
    Source source(path);
    if (!source.opened()) {
        *result = TL_READ_CANNOT_OPEN;
        return nullptr;
    }
    std::size_t capacity = kFirstBlock, used = 0;
    char *text = static_cast<char *>(Malloc(capacity));
    while (text != nullptr) {
        if (used == capacity - 2) {
            char *larger =
                capacity <= SIZE_MAX / 2 ? static_cast<char *>(Realloc(text, capacity * 2)) : nullptr;
            if (larger == nullptr) std::free(text);
            text = larger;
            capacity *= 2;
            continue;
        }
        const long got = source.Read(text + used, capacity - 2 - used);
        if (got < 0) {
            std::free(text);
            *result = TL_READ_CANNOT_OPEN;
            return nullptr;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    if (text == nullptr) {
        *result = TL_READ_NO_MEMORY;
        return nullptr;
    }
    text[used] = '\0';
    text[used + 1] = '\0';
    *length = used;
    return text;
}

} // namespace tl
