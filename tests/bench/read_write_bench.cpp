// Read and write costs of the KCG library against the physical floors:
// one memchr newline pass over the bytes in memory (read), and one plain
// fopen/fwrite/fclose of the same bytes in the same folder (write).
// scripts/bench runs this pinned, with repetitions, and prints the ratios.
// The files: tests/data/bench/typical.kcg (one KAVELIN section as the editor
// writes it) and large.kcg (all three devices, every curve with 30 points,
// every control table).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tl_api.h"

namespace {

std::string Folder() {
    std::FILE *probe = std::fopen("/dev/shm/.kcg-probe", "wb");
    if (probe) {
        std::fclose(probe);
        std::remove("/dev/shm/.kcg-probe");
        return "/dev/shm";
    }
    return "/tmp";
}

struct Fixture {
    std::string path;
    std::vector<char> bytes;
    TlConfig cfg;
};

// Reads the data file into the record and writes it where the reads go.
Fixture Make(const char *name) {
    Fixture f;
    f.path = Folder() + "/kcg-bench-" + name + ".kcg";
    const std::string data = std::string(KCG_TEST_DATA_DIR) + "/bench/" + name + ".kcg";
    if (TlReadConfigFile(&f.cfg, data.c_str()) != 0 || TlWriteConfigFile(&f.cfg, f.path.c_str()) != 0)
        std::fprintf(stderr, "cannot read %s or write %s\n", data.c_str(), f.path.c_str());
    std::ifstream in(f.path, std::ios::binary);
    f.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return f;
}

Fixture &Get(int which) {
    static Fixture typical = Make("typical");
    static Fixture large = Make("large");
    return which == 0 ? typical : large;
}

void SetLabel(benchmark::State &state, const Fixture &f) {
    state.SetLabel((state.range(0) == 0 ? "typical " : "large ") + std::to_string(f.bytes.size()) + " bytes");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

void BM_MemchrPass(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const char *p = f.bytes.data();
        const char *end = p + f.bytes.size();
        size_t lines = 0;
        while (const void *nl = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
            ++lines;
            p = static_cast<const char *>(nl) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    SetLabel(state, f);
}

void BM_Read(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    TlConfig cfg;
    TlInitConfig(&cfg);
    for (auto _ : state) {
        if (TlReadConfigFile(&cfg, f.path.c_str()) != 0) state.SkipWithError("read failed");
        TlFreeConfig(&cfg);
    }
    SetLabel(state, f);
}

// The same read from the bytes in memory: the reader's own work without the
// file's system calls.
void BM_ReadText(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    TlConfig cfg;
    TlInitConfig(&cfg);
    for (auto _ : state) {
        if (TlReadConfigText(&cfg, f.bytes.data(), f.bytes.size(), nullptr) != 0)
            state.SkipWithError("read failed");
        TlFreeConfig(&cfg);
    }
    SetLabel(state, f);
}

// The system calls any whole-file read makes: open, the read of the bytes,
// the read that meets the end, close.
void BM_OpenReadClose(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    std::vector<char> block(64 * 1024);
    for (auto _ : state) {
        const int fd = open(f.path.c_str(), O_RDONLY);
        ssize_t got = read(fd, block.data(), block.size());
        got += read(fd, block.data(), block.size());
        close(fd);
        benchmark::DoNotOptimize(got);
    }
    SetLabel(state, f);
}

void BM_PlainWrite(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    std::string path = f.path + ".plain";
    for (auto _ : state) {
        std::FILE *file = std::fopen(path.c_str(), "wb");
        std::fwrite(f.bytes.data(), 1, f.bytes.size(), file);
        std::fclose(file);
    }
    std::remove(path.c_str());
    SetLabel(state, f);
}

void BM_Write(benchmark::State &state) {
    const Fixture &f = Get(static_cast<int>(state.range(0)));
    std::string path = f.path + ".out";
    for (auto _ : state) {
        if (TlWriteConfigFile(&f.cfg, path.c_str()) != 0) state.SkipWithError("write failed");
    }
    std::remove(path.c_str());
    SetLabel(state, f);
}

} // namespace

BENCHMARK(BM_MemchrPass)->Arg(0)->Arg(1);
BENCHMARK(BM_Read)->Arg(0)->Arg(1);
BENCHMARK(BM_ReadText)->Arg(0)->Arg(1);
BENCHMARK(BM_OpenReadClose)->Arg(0)->Arg(1);
BENCHMARK(BM_PlainWrite)->Arg(0)->Arg(1);
BENCHMARK(BM_Write)->Arg(0)->Arg(1);

BENCHMARK_MAIN();
