// Slider scaling both ways.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "sliders.h"

using namespace model;

TEST(Sliders, EveryPositionComesBackFromItsValueAndFromAFile) {
    for (int p = kScalarMin; p <= kScalarMax; ++p) {
        char written[32]; // a save writes "%.2f", a reopen reads it back
        std::snprintf(written, sizeof written, "%.2f", SliderValue(p));
        for (float value : {SliderValue(p), std::strtof(written, nullptr)}) {
            EXPECT_EQ(ScalarPosition(value), p) << written;
            EXPECT_EQ(SnapshotPosition(value), p) << written;
            EXPECT_EQ(DeadZonePosition(value), p) << written;
        }
    }
    EXPECT_EQ(SliderPosition(SliderValue(5), 100.0f), 4); // why the factors exist
    EXPECT_EQ(DeadZonePosition(0.29f), 29);
}

TEST(Sliders, TruncateTowardZeroAndNeverOverflow) {
    EXPECT_EQ(DeadZonePosition(0.299f), 29);
    EXPECT_EQ(DeadZonePosition(-0.29f), -29);
    EXPECT_EQ(DeadZonePosition(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(ScalarPosition(1e30f), INT_MAX);
    EXPECT_EQ(ScalarPosition(-std::numeric_limits<float>::infinity()), INT_MIN);
}

TEST(Sliders, ValuesBesideTheRowsReadOnTheMarksScale) {
    const struct {
        int position;
        const char *scalar, *deadZone;
    } cases[] = {{0, "x0.00", "0%"}, {29, "x0.58", "29%"}, {50, "x1.00", "50%"}, {150, "x3.00", "150%"}};
    for (const auto &c : cases) {
        EXPECT_EQ(ScalarValueText(c.position), c.scalar);
        EXPECT_EQ(DeadZoneValueText(c.position), c.deadZone);
    }
}
