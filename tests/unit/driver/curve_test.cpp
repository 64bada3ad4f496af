// The load's conversions of curves, null regions and axis maps, against
// numbers worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "regcfg.h"

namespace {

struct Segment16 {
    std::int32_t start, end, slope, intercept;
};

void ExpectSegments(const std::vector<Segment16> &expected, const CurveValue &curve) {
    ASSERT_EQ(static_cast<std::int32_t>(expected.size()), curve.count);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].start, curve.start[i]) << "segment " << i;
        EXPECT_EQ(expected[i].end, curve.end[i]) << "segment " << i;
        EXPECT_EQ(expected[i].slope, curve.slope[i]) << "segment " << i;
        EXPECT_EQ(expected[i].intercept, curve.intercept[i]) << "segment " << i;
    }
}

TEST(LinearCurve, TakesEachOfTheFirst32SegmentsAsItIs) {
    const TlSegment segments[] = {{0.0f, 0.5f, 2.0f, 0.0f}, {0.5f, 1.0f, 0.0f, 1.0f}};
    ExpectSegments({{0, 32768, 131072, 0}, {32768, 65536, 0, 65536}}, RegCfgLinearCurve(segments, 2));
    ExpectSegments({}, RegCfgLinearCurve(segments, 0));
    ExpectSegments({}, RegCfgLinearCurve(segments, -3));
    ExpectSegments({}, RegCfgLinearCurve(nullptr, 2));
    // Only the first 32 segments of a longer list are kept.
    std::vector<TlSegment> many(40);
    for (int i = 0; i < 40; ++i)
        many[i] = {float(i), float(i + 1), 1.0f, 0.0f};
    const CurveValue curve = RegCfgLinearCurve(many.data(), 40);
    EXPECT_EQ(32, curve.count);
    EXPECT_EQ(31 * 65536, curve.start[31]);
    EXPECT_EQ(kCurveValueSize, CurveValueBytes(curve).size());
}

TEST(ReciprocalCurve, ReExpressesEachSegmentOverSixteenByX) {
    const float nan = std::nanf("");
    const struct {
        TlSegment segment;
        Segment16 expected;
    } cases[] = {
        // x0 = 0 takes the smallest x0: u0 = 1048774.375, whose 16.16 form wraps.
        {{0.0f, 2.0f, 1.0f, 0.0f}, {13000704, 524288, 0, 131073}},
        // ya = 1, yb = 3 over u0 = 16, u1 = 8: m = -0.25, k = 5.
        {{1.0f, 2.0f, 2.0f, -1.0f}, {1048576, 524288, -16384, 327680}},
        // A zero-width segment: 0 / 0 takes the lower limit; k = 1 + 16 * 32767 the upper.
        {{1.0f, 1.0f, 1.0f, 0.0f}, {1048576, 1048576, -32767 * 65536, 32767 * 65536}},
        // Steep: m = 62500 and k = -1524272 are limited to 32767 and -32767.
        {{1.0f, 1.0001f, -1e6f, 0.0f},
         {1048576, JoyRegFix(16.0 / double(1.0001f)), 32767 * 65536, -32767 * 65536}},
        // x1 = 0: u1 is infinite (stored 0), m = 0 and k = ya.
        {{1.0f, 0.0f, 1.0f, 0.0f}, {1048576, 0, 0, 65536}},
        // A NaN x0 takes the smallest x0; its NaN ends take the lower limit.
        {{nan, 2.0f, 1.0f, 0.0f}, {13000704, 524288, -32767 * 65536, -32767 * 65536}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.segment.x0 << " .. " << c.segment.x1);
        ExpectSegments({c.expected}, RegCfgReciprocalCurve(&c.segment, 1));
    }
}

TEST(AxisMap, CountsValidPlacesUpToAnEarlyEnd) {
    const struct {
        const char *map;
        int expected;
    } cases[] = {
        {"XYZRUV", 6},  {"xY-RUV", 6}, {"XYZRUVW", 6}, {"XY", 2},     {"XYZRU1", 5},
        {"X\0ZRUV", 1}, {"", 0},       {nullptr, 0},   {"ABCDEF", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, AxisMapValidCount(c.map)) << (c.map ? c.map : "null");
}

} // namespace
