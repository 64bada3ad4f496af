// The load's conversions of curves and axis maps, against numbers worked out
// by hand; the loads' expected registry values hold the ordinary cases.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "driver_load.h"

namespace {

TEST(LinearCurve, TakesTheFirst32Segments) {
    std::vector<TlSegment> many(40);
    for (int i = 0; i < 40; ++i)
        many[i] = {float(i), float(i + 1), 1.0f, 0.0f};
    const CurveValue curve = RegCfgLinearCurve(many.data(), 40);
    EXPECT_EQ(32, curve.count);
    EXPECT_EQ(31 * 65536, curve.start[31]);
}

TEST(ReciprocalCurve, LimitsSlopeAndInterceptOverSixteenByX) {
    const float nan = std::nanf("");
    const std::int32_t top = 32767 * 65536;
    const struct {
        TlSegment segment;
        std::vector<std::int32_t> expected; // start, end, slope, intercept
    } cases[] = {// Zero width: 0 / 0 takes the lower limit; k = 1 + 16 * 32767 the upper.
                 {{1.0f, 1.0f, 1.0f, 0.0f}, {1048576, 1048576, -top, top}},
                 // Steep: m = 62500 and k = -1524272 are limited to 32767 and -32767.
                 {{1.0f, 1.0001f, -1e6f, 0.0f}, {1048576, JoyRegFix(16.0 / double(1.0001f)), top, -top}},
                 // x1 = 0: u1 is infinite (stored 0), m = 0 and k = ya.
                 {{1.0f, 0.0f, 1.0f, 0.0f}, {1048576, 0, 0, 65536}},
                 // A NaN x0 takes the smallest x0; its NaN ends take the lower limit.
                 {{nan, 2.0f, 1.0f, 0.0f}, {13000704, 524288, -top, -top}}};
    for (const auto &c : cases) {
        const CurveValue curve = RegCfgReciprocalCurve(&c.segment, 1);
        EXPECT_EQ(1, curve.count);
        EXPECT_EQ(c.expected, (std::vector<std::int32_t>{curve.start[0], curve.end[0], curve.slope[0],
                                                         curve.intercept[0]}))
            << c.segment.x0 << " .. " << c.segment.x1;
    }
}

TEST(AxisMap, CountsValidPlacesUpToAnEarlyEnd) {
    const std::pair<const char *, int> cases[] = {{"XYZRUV", 6}, {"xY-RUV", 6}, {"XYZRUVX", 6},
                                                  {"XY", 2},     {"XYZRU1", 5}, {"X\0ZRUV", 1},
                                                  {"", 0},       {nullptr, 0},  {"ABCDEF", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(c.second, AxisMapValidCount(c.first)) << (c.first ? c.first : "null");
}

} // namespace
