// The record's lifecycle and the reader's entry points: defaults, releasing
// and growing heap parts, the default curve tables, results that no file
// gives (null record, unopenable path, a text's length) and running out of
// memory, also as `kcg check` reports it. Leaks and double frees show up in
// the sanitizer build.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>

#ifndef _WIN32
#include <chrono>
#include <thread>
#include <unistd.h>
#endif

#include "commands.h"
#include "test_support.h"
#include "tl_alloc.h"
#include "tl_api.h"
#include "tl_curve.h"
#include "tl_defs.h"
#include "tl_parse.h"

namespace {

using kcgtest::Record;
using kcgtest::SameRecord;

// A fresh record as written, every control table of one device marked valid
// so that the default tables show too.
TEST(Defaults, WrittenRecordMatchesTheGoldenFile) {
    Record r;
    r.cfg.versionMajor = 5;
    std::strcpy(r.cfg.applicationName, "Default");
    r.cfg.owner = TL_OWNER_USER;
    r.cfg.platform = TL_PLATFORM_WINDOWS;
    for (int d = 0; d < TL_DEVICES; ++d)
        r.cfg.devicePresent[d] = 1;
    for (int c = 0; c < TL_CURVES; ++c)
        r.cfg.curveControlValid[TL_TELVAR_CONTROLLER][c] = 1;
    EXPECT_TRUE(kcgtest::WrittenText(r.cfg) == kcgtest::ReadBytes(kcgtest::DataFile("golden/defaults.kcg")));
}

// The listed tables follow their formulas to within the last decimal, so a
// mistyped digit shows up here: x = k / steps, y = (x^3 + x^2) / 2 on DOS and
// x^2 elsewhere; TV and RV end at (1.73205, 1.73205).
TEST(Defaults, CurveTablesFollowTheirFormulas) {
    const struct {
        const TlPoint *points;
        int steps;
        bool cubic;
    } tables[] = {{TlDosTvRvCurve, 19, true},
                  {TlDosButtonCurve, 20, true},
                  {TlWinTvRvCurve, 13, false},
                  {TlWinButtonCurve, 14, false}};
    for (const auto &t : tables) {
        for (int k = 0; k <= t.steps; ++k) {
            const double x = double(k) / t.steps, y = t.cubic ? (x * x * x + x * x) / 2 : x * x;
            EXPECT_TRUE(std::fabs(t.points[k].x - x) < 1.5e-6 && std::fabs(t.points[k].y - y) < 1.5e-6) << k;
        }
    }
    EXPECT_TRUE(TlDosTvRvCurve[20].x == 1.73205f && TlWinTvRvCurve[14].y == 1.73205f);
}

TEST(Lifecycle, InitOverwritesWhateverWasThere) {
    TlConfig garbage;
    std::memset(&garbage, 0xA5, sizeof garbage);
    TlInitConfig(&garbage);
    Record clean;
    EXPECT_TRUE(SameRecord(garbage, clean.cfg));
    TlInitConfig(nullptr);
}

TEST(Lifecycle, FreeReleasesWhatTheRecordOwnsAndResets) {
    Record r, fresh;
    ASSERT_EQ(TlReadConfigFile(&r.cfg, kcgtest::DataFile("golden/full.kcg").c_str()), TL_READ_OK);
    TlPoint borrowed[1] = {{0.5f, 0.5f}}; // a curve the record does not own must not be freed
    r.cfg.curve[TL_TELVAR_CONTROLLER][TL_CURVE_TV] = TlCurve{1, borrowed, 0, nullptr};
    TlFreeConfig(&r.cfg);
    EXPECT_TRUE(SameRecord(r.cfg, fresh.cfg));
    TlFreeConfig(&r.cfg); // nothing left to release
    TlFreeConfig(nullptr);

    char **list = static_cast<char **>(std::malloc(3 * sizeof(char *)));
    char *beyondCount = static_cast<char *>(std::malloc(2));
    list[0] = static_cast<char *>(std::malloc(2));
    list[1] = nullptr; // skipped
    list[2] = beyondCount;
    TlFreeStringArray(2, list); // only the first count entries are released
    std::free(beyondCount);
    TlFreeStringArray(5, nullptr);
    TlCurve curve{3, static_cast<TlPoint *>(std::malloc(3 * sizeof(TlPoint))), 2,
                  static_cast<TlSegment *>(std::malloc(2 * sizeof(TlSegment)))};
    TlFreeCurve(&curve);
    EXPECT_TRUE(curve.pointCount == 0 && curve.segmentCount == 0 && !curve.points && !curve.segments);
    TlFreeCurve(nullptr);
}

TEST(AppendString, CodesFailuresAndCopiesInOrder) {
    char **list = nullptr;
    int32_t count = -1; // taken as an empty list
    EXPECT_EQ(TlAppendString(nullptr, &count, "x"), -1);
    EXPECT_EQ(TlAppendString(&list, nullptr, "x"), -2);
    EXPECT_EQ(TlAppendString(&list, &count, nullptr), -3);
    EXPECT_EQ(count, -1);
    char text[] = "first";
    ASSERT_EQ(TlAppendString(&list, &count, text), 0);
    text[0] = 'F'; // the list holds its own copy
    ASSERT_EQ(TlAppendString(&list, &count, ""), 0);
    char **const before = list;
    int32_t full = INT32_MAX; // one more would overflow the count
    EXPECT_EQ(TlAppendString(&list, &full, "b"), -4);
    // Out of memory for the copy, then for the larger array: nothing changes.
    for (long refused : {0, 1}) {
        tl::gAllocationsUntilFailure = refused;
        EXPECT_EQ(TlAppendString(&list, &count, "b"), -4);
        tl::gAllocationsUntilFailure = -1;
    }
    EXPECT_EQ(list, before);
    ASSERT_EQ(TlAppendString(&list, &count, "third"), 0);
    ASSERT_EQ(count, 3);
    EXPECT_STREQ(list[0], "first");
    EXPECT_STREQ(list[1], "");
    EXPECT_STREQ(list[2], "third");
    TlFreeStringArray(count, list);
}

// ---- Reading: what no file shows -----------------------------------------

TEST(Reader, NullRecordIsRefusedAndNullTextIsEmpty) {
    const char text[] = "VERSION = 5.0\n";
    TlReadReport report{};
    EXPECT_EQ(TlReadConfigFile(nullptr, "x.kcg"), TL_READ_NULL_RECORD);
    EXPECT_EQ(TlReadConfigFileEx(nullptr, "x.kcg", &report), TL_READ_NULL_RECORD);
    EXPECT_EQ(report.result, TL_READ_NULL_RECORD);
    EXPECT_EQ(TlReadConfigText(nullptr, text, sizeof text, nullptr), TL_READ_NULL_RECORD);
    EXPECT_EQ(TlWordIndex(TlOwnerWords, 3, nullptr), -1);
    Record r; // no text reads as an empty one
    EXPECT_EQ(TlReadConfigText(&r.cfg, nullptr, 5, nullptr), TL_READ_MISSING_ENTRY);
}

TEST(Reader, UnopenablePathLeavesAFreshRecord) {
    kcgtest::TempFolder folder;
    Record r, fresh;
    TlReadReport report{};
    EXPECT_EQ(TlReadConfigFileEx(&r.cfg, folder.File("absent.kcg").c_str(), &report), TL_READ_CANNOT_OPEN);
    EXPECT_EQ(report.result, TL_READ_CANNOT_OPEN);
    EXPECT_TRUE(SameRecord(r.cfg, fresh.cfg));
    EXPECT_EQ(TlReadConfigFile(&r.cfg, folder.Path().string().c_str()), TL_READ_CANNOT_OPEN) << "a folder";
    EXPECT_EQ(TlReadConfigFile(&r.cfg, nullptr), TL_READ_CANNOT_OPEN);
}

TEST(Reader, TextIsReadOnlyUpToItsLength) {
    // The text goes on past the given length, which cuts "WINDOWS" to "WIN".
    const std::string text = kcgtest::ReadBytes(kcgtest::DataFile("kcg/valid_minimal.kcg"));
    Record r;
    TlReadReport report{};
    EXPECT_EQ(TlReadConfigText(&r.cfg, text.data(), text.rfind("DOWS"), &report), TL_READ_MISSING_ENTRY);
    EXPECT_EQ(report.missing, TL_ENTRY_PLATFORM);
    EXPECT_EQ(TlReadConfigText(&r.cfg, text.data(), text.size(), &report), TL_READ_OK);
    EXPECT_EQ(r.cfg.platform, TL_PLATFORM_WINDOWS);
}

// A file larger than the block a load starts with is read whole: its last
// entry counts, and the read is the read of its text.
TEST(Reader, FileLargerThanTheFirstBlockIsReadWhole) {
    kcgtest::TempFolder folder;
    const std::string text = kcgtest::ReadBytes(kcgtest::DataFile("kcg/valid_minimal.kcg"));
    const size_t cut = text.rfind("WINDOWS");
    const std::string padded = text.substr(0, cut) + std::string(200 * 1024, ' ') + text.substr(cut);
    const std::string path = folder.File("padded.kcg");
    kcgtest::WriteBytes(path, padded);
    Record fromFile, fromText;
    EXPECT_EQ(TlReadConfigFile(&fromFile.cfg, path.c_str()), TL_READ_OK);
    EXPECT_EQ(fromFile.cfg.platform, TL_PLATFORM_WINDOWS);
    EXPECT_EQ(TlReadConfigText(&fromText.cfg, padded.data(), padded.size(), nullptr), TL_READ_OK);
    EXPECT_TRUE(SameRecord(fromFile.cfg, fromText.cfg));
}

#ifdef __linux__
// Every read closes what it opened, also when the read itself fails.
TEST(Reader, ReadsLeaveNoDescriptorOpen) {
    auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    kcgtest::TempFolder folder;
    const auto before = openDescriptors();
    Record full, none;
    EXPECT_EQ(TlReadConfigFile(&full.cfg, kcgtest::DataFile("golden/full.kcg").c_str()), TL_READ_OK);
    EXPECT_EQ(TlReadConfigFile(&none.cfg, folder.Path().string().c_str()), TL_READ_CANNOT_OPEN);
    EXPECT_EQ(openDescriptors(), before);
}
#endif

#ifndef _WIN32
// A pipe hands its bytes over as they come: a read that returns fewer bytes
// than asked for is no end of the file there.
TEST(Reader, PipeIsReadToItsEnd) {
    const std::string text = kcgtest::ReadBytes(kcgtest::DataFile("golden/full.kcg"));
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::thread writer([&] {
        const size_t half = text.size() / 2;
        EXPECT_EQ(write(ends[1], text.data(), half), static_cast<ssize_t>(half));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(write(ends[1], text.data() + half, text.size() - half),
                  static_cast<ssize_t>(text.size() - half));
        close(ends[1]);
    });
    Record fromPipe, fromText;
    const std::string path = "/dev/fd/" + std::to_string(ends[0]);
    EXPECT_EQ(TlReadConfigFile(&fromPipe.cfg, path.c_str()), TL_READ_OK);
    writer.join();
    close(ends[0]);
    EXPECT_EQ(TlReadConfigText(&fromText.cfg, text.data(), text.size(), nullptr), TL_READ_OK);
    EXPECT_TRUE(SameRecord(fromPipe.cfg, fromText.cfg));
}
#endif

// Each allocation of a read in turn is refused: the read says so and leaves
// a fresh record, until the read needs fewer allocations than were granted.
TEST(Reader, RunningOutOfMemoryAnywhereFailsTheRead) {
    const std::string path = kcgtest::DataFile("golden/full.kcg");
    const std::string text = kcgtest::ReadBytes(path);
    Record fresh;
    for (int method = 0; method < 2; ++method) {
        long refused = 0;
        for (;; ++refused) {
            Record r;
            TlReadReport report{};
            tl::gAllocationsUntilFailure = refused;
            const int result = method == 0 ? TlReadConfigFileEx(&r.cfg, path.c_str(), &report)
                                           : TlReadConfigText(&r.cfg, text.data(), text.size(), &report);
            const bool granted = tl::gAllocationsUntilFailure >= 0;
            tl::gAllocationsUntilFailure = -1;
            if (granted) {
                ASSERT_EQ(result, TL_READ_OK);
                break;
            }
            ASSERT_EQ(result, TL_READ_NO_MEMORY) << "allocation " << refused;
            ASSERT_EQ(report.result, TL_READ_NO_MEMORY);
            ASSERT_TRUE(SameRecord(r.cfg, fresh.cfg)) << "allocation " << refused;
        }
        EXPECT_GT(refused, 40) << "the text, its map, the value buffers and the record's lists all allocate";
    }
}

TEST(Reader, KcgCheckReportsRunningOutOfMemory) {
    std::string path = kcgtest::DataFile("kcg/valid_minimal.kcg");
    char *argv[] = {const_cast<char *>("check"), path.data(), nullptr};
    for (long refused : {0, 5}) { // loading the file, a lookup
        testing::internal::CaptureStdout();
        tl::gAllocationsUntilFailure = refused;
        EXPECT_EQ(RunCheck(2, argv), kcg::kExitFailed);
        tl::gAllocationsUntilFailure = -1;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), path + ": out of memory\n");
    }
}

} // namespace
