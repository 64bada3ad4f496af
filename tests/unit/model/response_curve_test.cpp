// The response the Tuning screen's plot draws: the driver's output along the
// axis, the plot's points and its texts.
#include <gtest/gtest.h>

#include "driver_load.h"
#include "response_curve.h"
#include "screen_values.h"
#include "sliders.h"

using namespace model;

namespace {

constexpr double kFix = 2e-4; // what 16.16 numbers keep of a value, with room

TlNullRegion FullTravel() {
    TlNullRegion region{};
    region.negMax = -1.0f;
    region.posMax = 1.0f;
    return region;
}

} // namespace

TEST(ResponseCurve, ZeroInTheDeadZoneThenRisingToTheScalarAtTheStop) {
    const struct {
        int deadZone, scalar;
        double edge, atHalf, atStop; // dead zone's edge, output at x = 0.5 and at x = 1
    } cases[] = {
        {0, 50, 0.0, 0.5, 1.0},           {0, 150, 0.0, 1.5, 3.0},           {0, 0, 0.0, 0.0, 0.0},
        {29, 50, 0.29, 0.21 / 0.71, 1.0}, {29, 150, 0.29, 0.63 / 0.71, 3.0}, {29, 0, 0.29, 0.0, 0.0},
        {100, 50, 1.0, 0.0, 0.0},         {100, 150, 1.0, 0.0, 0.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "dead zone " << c.deadZone << ", scalar " << c.scalar);
        const Response r = TuningResponse(FullTravel(), c.deadZone, c.scalar);
        EXPECT_NEAR(r.posMin, c.edge, kFix);
        EXPECT_NEAR(r.negMin, -c.edge, kFix);
        EXPECT_EQ(ResponseOutput(r, 0.0), 0.0);
        EXPECT_EQ(ResponseOutput(r, c.edge * 0.99), 0.0);
        EXPECT_NEAR(ResponseOutput(r, 0.5), c.atHalf, kFix * 3);
        EXPECT_NEAR(ResponseOutput(r, -0.5), -c.atHalf, kFix * 3);
        EXPECT_NEAR(ResponseOutput(r, 1.0), c.atStop, kFix * 3);
        EXPECT_NEAR(ResponseOutput(r, -1.0), -c.atStop, kFix * 3);
        EXPECT_EQ(ResponseOutput(r, 7.0), ResponseOutput(r, 1.0)) << "beyond the stop";
    }
    EXPECT_EQ(ResponseOutputMax(), 3.0);
}

TEST(ResponseCurve, ReadsWhatTheDocumentGivesTheDriver) {
    ScreenValues screens = NewDocumentScreens(false, "");
    screens.deadZonePos = {0, 29, 100, 7, 55, 29};
    screens.scalarPos = {0, 50, 150, 133, 1, 77};
    screens.deadZoneEnabled.fill(true);
    screens.scalarEnabled.fill(true);
    TlConfig cfg;
    TlInitConfig(&cfg);
    // An outer end of a file opened in internal-use mode stays as it was.
    cfg.nullRegionDflt[kKavelin][3].posMax = 0.6f;
    const TlConfig before = cfg;
    ASSERT_TRUE(ApplyScreenValues(screens, cfg));
    for (int row = 0; row < kRows; ++row) {
        const Response plotted = TuningResponse(before.nullRegionDflt[kKavelin][row],
                                                screens.deadZonePos[row], screens.scalarPos[row]);
        const Response driven = DriverResponse(RegCfgNullRegion(cfg.nullRegionUser[kKavelin][row]),
                                               JoyRegFix(cfg.tuningScalars[kKavelin][row]));
        EXPECT_EQ(plotted.negMin, driven.negMin) << row;
        EXPECT_EQ(plotted.posMin, driven.posMin) << row;
        EXPECT_EQ(plotted.negScale, driven.negScale) << row;
        EXPECT_EQ(plotted.posScale, driven.posScale) << row;
        EXPECT_EQ(plotted.scalar, driven.scalar) << row;
    }
    TlFreeConfig(&cfg);
}

TEST(ResponseCurve, FullOutputFromTheOuterEndOn) {
    TlNullRegion region = FullTravel();
    region.negMax = -0.5f;
    region.posMax = 0.5f;
    const Response r = TuningResponse(region, 0, 100);
    EXPECT_NEAR(ResponseOutput(r, 0.25), 1.0, kFix);
    EXPECT_EQ(ResponseOutput(r, 0.75), 2.0);
    EXPECT_EQ(ResponseOutput(r, -0.75), -2.0);
    // A region the wrong way round gives nothing rather than a runaway line.
    region.posMax = -0.5f;
    EXPECT_EQ(ResponseOutput(TuningResponse(region, 10, 100), 0.9), 0.0);
}

TEST(ResponsePlot, PointsThroughEveryCornerWithinTheRectangle) {
    // 10 pixels for each unit of output, 100 for each unit of travel.
    const PlotRect rect{0, 0, 201, 61};
    const struct {
        int deadZone, scalar;
        std::vector<PlotPoint> line;
    } cases[] = {
        {0, 150, {{0, 60}, {100, 30}, {200, 0}}},
        {29, 50, {{0, 40}, {71, 30}, {129, 30}, {200, 20}}},
        {100, 150, {{0, 30}, {200, 30}}},
    };
    for (const auto &c : cases) {
        const std::vector<PlotPoint> line =
            ResponsePolyline(TuningResponse(FullTravel(), c.deadZone, c.scalar), rect);
        ASSERT_EQ(line.size(), c.line.size()) << c.deadZone;
        for (std::size_t i = 0; i < line.size(); ++i) {
            EXPECT_EQ(line[i].x, c.line[i].x) << c.deadZone << " point " << i;
            EXPECT_EQ(line[i].y, c.line[i].y) << c.deadZone << " point " << i;
        }
    }
    const PlotPoint corner = PlotPosition(PlotRect{10, 20, 31, 41}, -5.0, 99.0);
    EXPECT_EQ(corner.x, 10);
    EXPECT_EQ(corner.y, 20);
    const PlotPoint empty = PlotPosition(PlotRect{10, 20, 0, 0}, 1.0, -3.0);
    EXPECT_EQ(empty.x, 10);
    EXPECT_EQ(empty.y, 20);
}

TEST(ResponsePlot, Texts) {
    EXPECT_EQ(ResponseSummary("Left/Right", TuningResponse(FullTravel(), 29, 29)),
              "Left/Right: 0 from -0.29 to 0.29, -0.58 at -1, 0.58 at 1");
    EXPECT_EQ(ResponseSummary("Up/None", TuningResponse(FullTravel(), 0, 0)),
              "Up/None: 0 from 0.00 to 0.00, 0.00 at -1, 0.00 at 1");

    AxisRows rows = UnmappedRows();
    rows.axis[1] = 0;
    rows.axis[2] = 5;
    rows.invert[2] = 1;
    EXPECT_EQ(ResponseAxisName(rows, 0), "No ball motion");
    EXPECT_EQ(ResponseAxisName(rows, 1), "Ball TX");
    EXPECT_EQ(ResponseAxisName(rows, 2), "Ball RZ, inverted");
    EXPECT_EQ(ResponseAxisName(rows, kRows), "No ball motion");
}
