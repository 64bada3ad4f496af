// Slider scaling both ways, and the slider tips.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "sliders.h"

using namespace model;

TEST(SliderScaling, EveryPositionComesBackFromItsValue) {
    for (int p = kScalarMin; p <= kScalarMax; ++p) {
        EXPECT_EQ(ScalarPosition(SliderValue(p)), p);
        EXPECT_EQ(SnapshotPosition(SliderValue(p)), p);
    }
    for (int p = kDeadZoneMin; p <= kDeadZoneMax; ++p) EXPECT_EQ(DeadZonePosition(SliderValue(p)), p);
}

TEST(SliderScaling, ValuesWrittenWithTwoDecimalsFindTheirPositionAgain) {
    // What a save and a reopen do to a value: "%.2f" out, "%f" in.
    for (int p = kScalarMin; p <= kScalarMax; ++p) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", SliderValue(p));
        const float read = std::strtof(text, nullptr);
        EXPECT_EQ(ScalarPosition(read), p) << text;
        EXPECT_EQ(SnapshotPosition(read), p) << text;
        if (p <= kDeadZoneMax) {
            EXPECT_EQ(DeadZonePosition(read), p) << text;
        }
    }
}

TEST(SliderScaling, FudgeFactorsKeepTwoDecimalValuesFromRoundingDown) {
    EXPECT_EQ(SliderPosition(SliderValue(5), 100.0f), 4); // why the factors exist
    EXPECT_EQ(static_cast<int>(0.29f * 100.0), 28);        // and in double precision
    EXPECT_EQ(DeadZonePosition(SliderValue(5)), 5);
    EXPECT_EQ(DeadZonePosition(0.29f), 29);
    EXPECT_EQ(ScalarPosition(0.29f), 29);
    EXPECT_FLOAT_EQ(SliderValue(29), 0.29f);
}

TEST(SliderScaling, TruncatesTowardZero) {
    EXPECT_EQ(DeadZonePosition(0.299f), 29);
    EXPECT_EQ(DeadZonePosition(-0.29f), -29);
    EXPECT_EQ(ScalarPosition(1.509f), 150);
}

TEST(SliderScaling, ValuesBeyondAnyPositionDoNotOverflow) {
    EXPECT_EQ(DeadZonePosition(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(ScalarPosition(1e30f), INT_MAX);
    EXPECT_EQ(ScalarPosition(-1e30f), INT_MIN);
    EXPECT_EQ(ScalarPosition(std::numeric_limits<float>::infinity()), INT_MAX);
}

TEST(SliderTips, FollowThePosition) {
    EXPECT_EQ(ScalarTipText(75), "Current scalar: 1.50");
    EXPECT_EQ(ScalarTipText(50), "Current scalar: 1.00");
    EXPECT_EQ(ScalarTipText(0), "Current scalar: 0.00");
    EXPECT_EQ(ScalarTipText(150), "Current scalar: 3.00");
    EXPECT_EQ(ScalarTipText(1), "Current scalar: 0.02");
    EXPECT_EQ(DeadZoneTipText(100), "Current dead zone: 100%");
    EXPECT_EQ(DeadZoneTipText(10), "Current dead zone: 10%");
    EXPECT_EQ(DeadZoneTipText(0), "Current dead zone: 0%");
}
