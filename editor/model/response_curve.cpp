#include "response_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "driver_load.h"
#include "record_edit.h"
#include "sliders.h"

namespace model {
namespace {

constexpr double kFixOne = 65536.0; // 1 in 16.16

// The neutral scalar, shown x1, as the driver is given it.
double NeutralScalar() {
    return JoyRegFix(RowScalarValue(true, kScalarNeutral));
}

// Two decimals, with no "-0.00" for a value that rounds to zero.
std::string Decimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(value * 100.0) / 100.0 + 0.0);
    return text;
}

constexpr const char *kBallAxisNames[kRows] = {"TX", "TY", "TZ", "RX", "RY", "RZ"};

} // namespace

Response DriverResponse(const NullRegionValue &region, std::int32_t scalar) {
    Response response;
    response.negMin = region.negMin / kFixOne;
    response.posMin = region.posMin / kFixOne;
    response.negScale = region.negScale / kFixOne;
    response.posScale = region.posScale / kFixOne;
    response.scalar = scalar / NeutralScalar();
    return response;
}

Response TuningResponse(const TlNullRegion &recordRegion, int deadZonePos, int scalarPos) {
    TlNullRegion region = recordRegion;
    SetDeadZoneEnds(region, RowDeadZoneValue(true, deadZonePos));
    return DriverResponse(RegCfgNullRegion(region), JoyRegFix(RowScalarValue(true, scalarPos)));
}

double ResponseOutput(const Response &response, double x) {
    x = std::clamp(x, -1.0, 1.0); // a NaN stays one and takes neither side: 0
    double share = 0.0;
    if (x > response.posMin) {
        share = std::clamp((x - response.posMin) * response.posScale, 0.0, 1.0);
    } else if (x < response.negMin) {
        share = std::clamp((x - response.negMin) * response.negScale, -1.0, 0.0);
    }
    return share * response.scalar;
}

double ResponseOutputMax() {
    return JoyRegFix(RowScalarValue(true, kScalarMax)) / NeutralScalar();
}

PlotPoint PlotPosition(const PlotRect &rect, double x, double output) {
    const double top = ResponseOutputMax();
    x = std::clamp(x, -1.0, 1.0);
    output = std::clamp(output, -top, top);
    const double width = std::max(rect.right - 1 - rect.left, 0);
    const double height = std::max(rect.bottom - 1 - rect.top, 0);
    return PlotPoint{rect.left + static_cast<int>(std::lround((x + 1.0) / 2.0 * width)),
                     rect.top + static_cast<int>(std::lround((top - output) / (2.0 * top) * height))};
}

std::vector<PlotPoint> ResponsePolyline(const Response &response, const PlotRect &rect) {
    // The output is straight between the stops, the dead zone's ends and the
    // places where each side reaches its full output.
    std::vector<double> corners = {-1.0, response.negMin, response.posMin, 1.0};
    if (response.negScale > 0.0) corners.push_back(response.negMin - 1.0 / response.negScale);
    if (response.posScale > 0.0) corners.push_back(response.posMin + 1.0 / response.posScale);
    for (double &x : corners)
        x = std::clamp(x, -1.0, 1.0);
    std::sort(corners.begin(), corners.end());
    std::vector<PlotPoint> line;
    for (const double x : corners) {
        const PlotPoint point = PlotPosition(rect, x, ResponseOutput(response, x));
        // Corners that fall on one pixel are drawn once.
        if (line.empty() || line.back().x != point.x || line.back().y != point.y) line.push_back(point);
    }
    return line;
}

std::string ResponseSummary(const std::string &pair, const Response &response) {
    return pair + ": 0 from " + Decimals(response.negMin) + " to " + Decimals(response.posMin) + ", " +
           Decimals(ResponseOutput(response, -1.0)) + " at -1, " + Decimals(ResponseOutput(response, 1.0)) +
           " at 1";
}

std::string ResponseAxisName(const AxisRows &rows, int row) {
    if (row < 0 || row >= kRows) return "No ball motion";
    const int axis = rows.axis[row];
    if (axis < 0 || axis >= kRows) return "No ball motion";
    return std::string("Ball ") + kBallAxisNames[axis] + (rows.invert[row] ? ", inverted" : "");
}

} // namespace model
