// Record lifecycle: the defaults of a fresh record, the default curve tables,
// and releasing and growing the record's heap parts. Leaks and double frees
// show up in the sanitizer build.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tl_api.h"
#include "tl_curve.h"
#include "tl_defs.h"

namespace {

// What the writer shows of a fresh record is compared with defaults.kcg by the
// golden tests; these are the members a written file does not show.
TEST(Defaults, FreshRecord) {
    TlConfig c;
    TlInitConfig(&c);
    EXPECT_EQ(c.highPassFilterCurrent, 0x18);
    const uint8_t vrtAxes[TL_AXES] = {0, 2, 1, 3, 5, 4};
    for (int d = 0; d < TL_DEVICES; ++d) {
        SCOPED_TRACE(TlDeviceNames[d]);
        EXPECT_EQ(c.devicePresent[d], 0);
        for (int a = 0; a < TL_AXES; ++a) {
            EXPECT_EQ(c.axisMapHrzDflt[d].axis[a], a);
            EXPECT_EQ(c.axisMapVrtUser[d].axis[a], vrtAxes[a]);
            EXPECT_EQ(c.axisMapVrtUser[d].invert[a], (a == 1 || a == 4) ? 1 : 0);
        }
        EXPECT_EQ(c.currentAxisMap[d], &c.axisMapHrzUser[d]);
        EXPECT_EQ(c.currentSensitivity[d], c.sensitivity[TL_SET_BEG_USER][d]);
        EXPECT_EQ(c.motionMapNegUser[d][5].function, TL_FUNCTION_NONE);
        EXPECT_EQ(c.buttonUser[d][10].function, TL_FUNCTION_HOLD);
        for (int curve = 0; curve < TL_CURVES; ++curve) {
            const auto &table = curve <= TL_CURVE_RV ? TlTvRvControl : TlOtherControl;
            for (int col = 0; col < TL_CP_COLUMNS; ++col) {
                for (int row = 0; row < TL_CP_ROWS; ++row)
                    EXPECT_EQ(c.curveControl[d][curve].column[col][row], table[col][row]);
                EXPECT_EQ(c.curveControl[d][curve].column[col][8], 0.0f);
            }
            EXPECT_EQ(c.curveControlValid[d][curve] + c.curveGiven[d][curve] + c.curve[d][curve].pointCount,
                      0);
        }
    }
}

// The listed tables follow their formulas to within the last decimal, so a
// mistyped digit shows up here.
TEST(Defaults, CurveTablesFollowTheirFormulas) {
    const struct {
        const TlPoint *points;
        int count, steps; // x = k / steps
        bool cubic;       // y = (x^3 + x^2) / 2, else x^2
    } tables[] = {
        {TlDosTvRvCurve, TL_DOS_CURVE_POINTS, 19, true},
        {TlDosButtonCurve, TL_DOS_CURVE_POINTS, 20, true},
        {TlWinTvRvCurve, TL_WIN_CURVE_POINTS, 13, false},
        {TlWinButtonCurve, TL_WIN_CURVE_POINTS, 14, false},
    };
    for (const auto &t : tables) {
        for (int k = 0; k <= t.steps; ++k) {
            const double x = static_cast<double>(k) / t.steps;
            EXPECT_NEAR(t.points[k].x, x, 1.5e-6) << t.steps << ": " << k;
            EXPECT_NEAR(t.points[k].y, t.cubic ? (x * x * x + x * x) / 2 : x * x, 1.5e-6)
                << t.steps << ": " << k;
        }
        if (t.count > t.steps + 1) { // TV and RV end at (1.73205, 1.73205)
            EXPECT_EQ(t.points[t.count - 1].y, 1.73205f);
        }
    }
    EXPECT_EQ(TlDosButtonCurve[19].y, 0.879937f); // the table, not the formula
}

TEST(Lifecycle, InitOverwritesWhateverWasThere) {
    TlConfig garbage, clean;
    std::memset(&garbage, 0xA5, sizeof garbage);
    std::memset(&clean, 0, sizeof clean);
    TlInitConfig(&garbage);
    TlInitConfig(&clean);
    for (int d = 0; d < TL_DEVICES; ++d) { // these point into each record itself
        garbage.currentAxisMap[d] = clean.currentAxisMap[d] = nullptr;
        garbage.currentSensitivity[d] = clean.currentSensitivity[d] = nullptr;
    }
    EXPECT_EQ(std::memcmp(&garbage, &clean, sizeof clean), 0);
    TlInitConfig(nullptr);
}

TEST(Lifecycle, FreeReleasesWhatTheRecordOwnsAndResets) {
    TlConfig cfg;
    TlInitConfig(&cfg);
    TlAppendString(&cfg.executables, &cfg.executableCount, "A.EXE");
    TlAppendString(&cfg.copyFiles, &cfg.copyFileCount, "a.cfg");
    TlAppendString(&cfg.instructions, &cfg.instructionCount, "Go.");
    cfg.commandLine = static_cast<char *>(std::calloc(1, 4));
    cfg.customCount = 2;
    cfg.custom = static_cast<TlStringList *>(std::calloc(2, sizeof(TlStringList)));
    TlAppendString(&cfg.custom[1].items, &cfg.custom[1].count, "c");
    cfg.buttonMaskCount = cfg.buttonNumberCount = cfg.buttonCharacterCount = 1;
    cfg.buttonMasks = static_cast<TlButtonMask *>(std::calloc(1, sizeof(TlButtonMask)));
    cfg.buttonNumbers = static_cast<TlButtonNumber *>(std::calloc(1, sizeof(TlButtonNumber)));
    cfg.buttonCharacters = static_cast<TlButtonCharacter *>(std::calloc(1, sizeof(TlButtonCharacter)));
    // A default curve as the reader installs it: owned, not given.
    TlCurve &owned = cfg.curve[TL_KAVELIN][TL_CURVE_BUTTON];
    owned = TlCurve{2, static_cast<TlPoint *>(std::calloc(2, sizeof(TlPoint))), 1,
                    static_cast<TlSegment *>(std::calloc(1, sizeof(TlSegment)))};
    cfg.curveOwned[TL_KAVELIN][TL_CURVE_BUTTON] = 1;
    // A curve the record does not own must not be freed.
    TlPoint borrowed[1] = {{0.5f, 0.5f}};
    cfg.curve[TL_MARROWEL][TL_CURVE_TV] = TlCurve{1, borrowed, 0, nullptr};
    cfg.owner = TL_OWNER_OEM;

    TlFreeConfig(&cfg);
    EXPECT_EQ(cfg.executables, nullptr);
    EXPECT_EQ(cfg.custom, nullptr);
    EXPECT_EQ(cfg.curve[TL_KAVELIN][TL_CURVE_BUTTON].points, nullptr);
    EXPECT_EQ(cfg.curve[TL_MARROWEL][TL_CURVE_TV].points, nullptr);
    EXPECT_EQ(cfg.owner, TL_OWNER_NONE);
    EXPECT_EQ(cfg.currentAxisMap[1], &cfg.axisMapHrzUser[1]);
    TlFreeConfig(&cfg); // nothing left to release
    TlFreeConfig(nullptr);
}

TEST(Lifecycle, FreeStringArrayAndFreeCurve) {
    char **list = static_cast<char **>(std::malloc(3 * sizeof(char *)));
    list[0] = static_cast<char *>(std::malloc(2));
    list[1] = nullptr; // skipped
    list[2] = static_cast<char *>(std::malloc(2));
    char *beyondCount = list[2];
    TlFreeStringArray(2, list); // only the first count entries are released
    std::free(beyondCount);
    TlFreeStringArray(5, nullptr);

    TlCurve curve{3, static_cast<TlPoint *>(std::malloc(3 * sizeof(TlPoint))), 2,
                  static_cast<TlSegment *>(std::malloc(2 * sizeof(TlSegment)))};
    TlFreeCurve(&curve);
    EXPECT_EQ(curve.pointCount + curve.segmentCount, 0);
    EXPECT_EQ(curve.points, nullptr);
    EXPECT_EQ(curve.segments, nullptr);
    TlFreeCurve(&curve);
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
    EXPECT_EQ(count, 1);
    text[0] = 'F'; // the list holds its own copy
    ASSERT_EQ(TlAppendString(&list, &count, ""), 0);
    char **const before = list;
    int32_t full = INT32_MAX; // one more would overflow the count
    EXPECT_EQ(TlAppendString(&list, &full, "b"), -4);
    EXPECT_EQ(full, INT32_MAX);
    EXPECT_EQ(list, before);
    ASSERT_EQ(TlAppendString(&list, &count, "third"), 0);
    ASSERT_EQ(count, 3);
    EXPECT_STREQ(list[0], "first");
    EXPECT_STREQ(list[1], "");
    EXPECT_STREQ(list[2], "third");
    TlFreeStringArray(count, list);
}

TEST(WordTables, ExactLookup) {
    EXPECT_EQ(TlWordIndex(TlPlatformWords, 4, "WINDOWS_NT"), TL_PLATFORM_WINDOWS_NT);
    EXPECT_EQ(TlWordIndex(TlOwnerWords, 3, "user"), -1);
    EXPECT_EQ(TlWordIndex(TlOwnerWords, 3, "USERS"), -1);
    EXPECT_EQ(TlWordIndex(TlOwnerWords, 3, nullptr), -1);
    EXPECT_EQ(TlWordIndex(TlCurveNames, TL_CURVES, "BUTTON_CURVE"), TL_CURVE_BUTTON);
}

} // namespace
