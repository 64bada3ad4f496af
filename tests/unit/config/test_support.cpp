#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tl_curve.h"
#include "tl_defs.h"

namespace fs = std::filesystem;

namespace kcgtest {

TempFolder::TempFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; path_.empty(); ++attempt) {
        fs::path candidate =
            fs::temp_directory_path() / ("kcg-test-" + std::to_string(stamp) + "-" + std::to_string(attempt));
        if (fs::create_directory(candidate)) path_ = candidate;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), std::streamsize(bytes.size()));
}

std::string DataFile(const std::string &relative) {
    return std::string(KCG_TEST_DATA_DIR) + "/" + relative;
}

namespace {

// The record's bytes with every pointer replaced by what it stands for, then
// the content of every heap part.
std::string Fingerprint(const TlConfig &cfg) {
    TlConfig flat;
    std::memcpy(&flat, &cfg, sizeof flat);
    std::string heap;
    auto bytes = [&heap](const void *data, int32_t count, size_t size) {
        heap += "|" + std::to_string(count) + ":";
        if (data != nullptr && count > 0) heap.append(static_cast<const char *>(data), count * size);
    };
    auto strings = [&heap, &bytes](int32_t count, char *const *items) {
        bytes(nullptr, count, 0);
        for (int k = 0; items != nullptr && k < count; ++k)
            heap += items[k] != nullptr ? std::string(items[k]) + '\n' : "(null)";
    };
    strings(cfg.executableCount, cfg.executables);
    strings(cfg.copyFileCount, cfg.copyFiles);
    strings(cfg.instructionCount, cfg.instructions);
    strings(cfg.commandLine != nullptr, &cfg.commandLine);
    for (int g = 0; cfg.custom != nullptr && g < cfg.customCount; ++g)
        strings(cfg.custom[g].count, cfg.custom[g].items);
    bytes(cfg.buttonMasks, cfg.buttonMaskCount, sizeof(TlButtonMask));
    bytes(cfg.buttonNumbers, cfg.buttonNumberCount, sizeof(TlButtonNumber));
    bytes(cfg.buttonCharacters, cfg.buttonCharacterCount, sizeof(TlButtonCharacter));
    flat.executables = flat.copyFiles = flat.instructions = nullptr;
    flat.commandLine = nullptr;
    flat.custom = nullptr;
    flat.buttonMasks = nullptr;
    flat.buttonNumbers = nullptr;
    flat.buttonCharacters = nullptr;
    const auto offset = [&cfg](const void *p) {
        return reinterpret_cast<uintptr_t>(p) - reinterpret_cast<uintptr_t>(&cfg);
    };
    for (int d = 0; d < TL_DEVICES; ++d) {
        flat.currentAxisMap[d] = reinterpret_cast<TlAxisMap *>(offset(cfg.currentAxisMap[d]));
        flat.currentSensitivity[d] = reinterpret_cast<float *>(offset(cfg.currentSensitivity[d]));
        for (int c = 0; c < TL_CURVES; ++c) {
            const TlCurve &curve = cfg.curve[d][c];
            bytes(curve.points, curve.pointCount, sizeof(TlPoint));
            bytes(curve.segments, curve.segmentCount, sizeof(TlSegment));
            flat.curve[d][c].points = nullptr;
            flat.curve[d][c].segments = nullptr;
        }
    }
    return std::string(reinterpret_cast<const char *>(&flat), sizeof flat) + heap;
}

template <typename... Values> std::string Format(const char *format, Values... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

::testing::AssertionResult SameRecord(const TlConfig &a, const TlConfig &b) {
    const std::string fa = Fingerprint(a), fb = Fingerprint(b);
    if (fa == fb) return ::testing::AssertionSuccess();
    const size_t at = std::mismatch(fa.begin(), fa.end(), fb.begin(), fb.end()).first - fa.begin();
    auto failure = ::testing::AssertionFailure();
    failure << "records differ at byte " << at
            << (at < sizeof(TlConfig) ? " of TlConfig" : " of the heap parts");
    const std::vector<std::string> da = Describe(a), db = Describe(b);
    for (size_t k = 0; k < da.size() && k < db.size(); ++k)
        if (da[k] != db[k]) failure << "\n  " << da[k] << "\n  " << db[k];
    return failure;
}

std::vector<std::string> Describe(const TlConfig &cfg) {
    static const char *const kMapNames[4] = {"HRZ_DFLT", "VRT_DFLT", "HRZ_USER", "VRT_USER"};
    static const char *const kMotionNames[4] = {"POS_DFLT", "NEG_DFLT", "POS_USER", "NEG_USER"};
    const struct {
        const char *name;
        const TlPoint *points;
        int count;
    } tables[] = {{"DOS_TV_RV", TlDosTvRvCurve, TL_DOS_CURVE_POINTS},
                  {"DOS_BUTTON", TlDosButtonCurve, TL_DOS_CURVE_POINTS},
                  {"WIN_TV_RV", TlWinTvRvCurve, TL_WIN_CURVE_POINTS},
                  {"WIN_BUTTON", TlWinButtonCurve, TL_WIN_CURVE_POINTS}};
    std::vector<std::string> lines = {
        Format("version %d.%d", cfg.versionMajor, cfg.versionMinor),
        Format("current filter 0x%02x", unsigned(cfg.highPassFilterCurrent)),
        cfg.commandLine ? "command line \"" + std::string(cfg.commandLine) + "\"" : "no command line"};
    for (int d = 0; d < TL_DEVICES; ++d) {
        const std::string device = std::string(TlDeviceNames[d]) + " ";
        const TlAxisMap *maps[4] = {&cfg.axisMapHrzDflt[d], &cfg.axisMapVrtDflt[d], &cfg.axisMapHrzUser[d],
                                    &cfg.axisMapVrtUser[d]};
        std::string current = "elsewhere";
        for (int m = 0; m < 4; ++m) { // axis 255: none
            const TlAxisMap &x = *maps[m];
            lines.push_back(device +
                            Format("axis map %s %s axes %d %d %d %d %d %d inverted %d %d %d %d %d %d",
                                   kMapNames[m], x.letters, x.axis[0], x.axis[1], x.axis[2], x.axis[3],
                                   x.axis[4], x.axis[5], x.invert[0], x.invert[1], x.invert[2], x.invert[3],
                                   x.invert[4], x.invert[5]));
            if (cfg.currentAxisMap[d] == maps[m]) current = kMapNames[m];
        }
        lines.push_back(device + "current axis map " + current);
        current = "elsewhere";
        for (int set = 0; set < TL_SETS; ++set)
            if (cfg.currentSensitivity[d] == cfg.sensitivity[set][d]) current = TlSetNames[set];
        lines.push_back(device + "current sensitivity " + current);
        static const char *const kSources[] = {"UNDEFINED", "MASK", "NUMBER", "CHARACTER", "AXIS"};
        static const char *const kFunctions[] = {"NONE", "HOLD", "SINGLE", "REPEAT_FEATHERED",
                                                 "REPEAT_CONSTANT"};
        auto word = [](const char *const *words, int count, int value) {
            return value >= -1 && value + 1 < count ? words[value + 1] : "?";
        };
        auto map = [&](const char *kind, int n, const char *copy, int source, int index, int function) {
            return device + kind + " " + std::to_string(n + 1) + " " + copy + " " +
                   word(kSources, 5, source) + " " + std::to_string(index) + " " +
                   word(kFunctions, 5, function);
        };
        for (int n = 0; n < TL_AXES; ++n) {
            const TlMotionMap *motions[4] = {&cfg.motionMapPosDflt[d][n], &cfg.motionMapNegDflt[d][n],
                                             &cfg.motionMapPosUser[d][n], &cfg.motionMapNegUser[d][n]};
            for (int m = 0; m < 4; ++m) {
                const TlMotionMap &mm = *motions[m];
                lines.push_back(
                    map("motion", n, kMotionNames[m], mm.source, mm.index, mm.function) +
                    Format(" %g %g %g", double(mm.percent1), double(mm.percent2), double(mm.rate)));
            }
        }
        for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot) {
            for (const TlButtonMap *b : {&cfg.buttonDflt[d][slot], &cfg.buttonUser[d][slot]})
                lines.push_back(map("button", slot, b == &cfg.buttonDflt[d][slot] ? "DFLT" : "USER",
                                    b->source, b->index, b->function) +
                                Format(" %g", double(b->rate)));
        }
        for (int c = 0; c < TL_CURVES; ++c) {
            const TlCurve &curve = cfg.curve[d][c];
            std::string table = "own";
            for (const auto &t : tables)
                if (curve.pointCount == t.count &&
                    std::memcmp(curve.points, t.points, t.count * sizeof(TlPoint)) == 0)
                    table = t.name;
            const std::string name = device + TlCurveNames[c];
            lines.push_back(name +
                            Format(" points %d segments %d given %d owned %d", curve.pointCount,
                                   curve.segmentCount, cfg.curveGiven[d][c], cfg.curveOwned[d][c]) +
                            " table " + table);
            for (int s = 0; s < curve.segmentCount; ++s) {
                const TlSegment &g = curve.segments[s];
                lines.push_back(name + " segment " + std::to_string(s + 1) +
                                Format(": x %g to %g slope %g intercept %g", double(g.x0), double(g.x1),
                                       double(g.slope), double(g.intercept)));
            }
        }
    }
    return lines;
}

std::string WrittenText(const TlConfig &cfg) {
    TempFolder folder;
    if (TlWriteConfigFile(&cfg, folder.File("out.kcg").c_str()) != TL_WRITE_OK) return "";
    std::string text = ReadBytes(folder.File("out.kcg"));
    const std::string prefix = ";\r\n; Kavelin game configuration file\r\n;\r\n"
                               "; This file created by TlWriteConfigFile on: ";
    // The local time as the C library writes it: "Www Mmm dd hh:mm:ss yyyy".
    const std::string time = text.substr(prefix.size(), 26);
    EXPECT_EQ(text.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(time.size() == 26 && time[3] == ' ' && time[7] == ' ' && time[10] == ' ' && time[13] == ':' &&
                time[16] == ':' && time[19] == ' ' && time.substr(24) == "\r\n")
        << time;
    return text.replace(prefix.size(), 24, "Mon Jan  1 00:00:00 2001");
}

} // namespace kcgtest
