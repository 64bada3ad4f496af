// Repeats one operation of the library so that a run under callgrind can count
// its instructions: the difference between a run of N and a run of 0
// repetitions, divided by N, is the cost of one. scripts/bench --instructions
// runs it.
//
//   kcg_instruction_count read|write|memchr FILE N
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "tl_api.h"

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kcg_instruction_count read|write|memchr FILE N\n");
        return 2;
    }
    const std::string what = argv[1];
    const char *path = argv[2];
    const long count = std::atol(argv[3]);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TlConfig cfg;
    if (TlReadConfigFile(&cfg, path) != TL_READ_OK) return 1;
    const std::string out = std::string(path) + ".out";
    size_t lines = 0;
    for (long i = 0; i < count; ++i) {
        if (what == "read") {
            TlConfig again;
            TlReadConfigFile(&again, path);
            TlFreeConfig(&again);
        } else if (what == "write") {
            TlWriteConfigFile(&cfg, out.c_str());
        } else {
            const char *p = bytes.data(), *end = p + bytes.size();
            while (const void *newline = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
                ++lines;
                p = static_cast<const char *>(newline) + 1;
            }
        }
    }
    std::remove(out.c_str());
    TlFreeConfig(&cfg);
    std::printf("%zu\n", lines);
    return 0;
}
