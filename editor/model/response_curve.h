/* The response of one game axis as the driver is told it, for the plot of
 * the Tuning screen: for each position x of the ball on the axis, from one
 * stop (-1) to the other (1), what the driver gives the game.
 *
 * The driver gets the axis's null region { NegMax, NegMin, PosMin, PosMax }
 * and its scalar as 16.16 numbers (RegCfgNullRegion, JoyRegFix). Inside
 * [NegMin, PosMin] it gives 0. Beyond PosMin it gives (x - PosMin) times the
 * stored 1 / (PosMax - PosMin), which reaches 1 at PosMax and goes no
 * further, times the scalar; the negative side mirrors it with NegMin, NegMax
 * and 1 / (NegMin - NegMax). A side of no width is stored with the factor 0
 * and gives 0 throughout.
 *
 * Outputs are on the screen's scale: the scalar as the row shows it, so that
 * the neutral stored scalar 0.5 (shown x1) gives 1 at the stop. */
#ifndef KCG_MODEL_RESPONSE_CURVE_H
#define KCG_MODEL_RESPONSE_CURVE_H

#include <string>
#include <vector>

#include "registry_store.h"
#include "rows.h"

namespace model {

struct Response {
    double negMin = 0, posMin = 0;     // the dead zone's ends
    double negScale = 0, posScale = 0; // 1 / (NegMin - NegMax), 1 / (PosMax - PosMin) as stored
    double scalar = 0;                 // on the screen's scale: 1 at x1
};

// The response the driver is given, read back from its 16.16 values.
Response DriverResponse(const NullRegionValue &region, std::int32_t scalar);

// The response of a Tuning row's sliders: the record's null region of the
// axis (whose outer ends the row keeps) with the dead zone's inner ends, and
// the scalar, as the document writes them (see ApplyScreenValues).
Response TuningResponse(const TlNullRegion &recordRegion, int deadZonePos, int scalarPos);

// The output for ball position x (taken as -1 or 1 beyond the stops).
double ResponseOutput(const Response &response, double x);

// The largest output a row can give: its largest scalar at a stop (3, x3).
// The plot's vertical range is -ResponseOutputMax() to ResponseOutputMax().
double ResponseOutputMax();

// ---- The plot: pixels of a rectangle, right and bottom excluded.
struct PlotRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
struct PlotPoint {
    int x = 0, y = 0;
};

// Where ball position x (-1 .. 1, left to right) and output (the vertical
// range, bottom to top) stand in rect; values beyond are taken at the edges.
PlotPoint PlotPosition(const PlotRect &rect, double x, double output);

// The response as a line through each of its corners, from x = -1 to x = 1.
std::vector<PlotPoint> ResponsePolyline(const Response &response, const PlotRect &rect);

// ---- The plot's texts.

// The plot in words, its window's text: the row's pair of labels and the
// numbers the plot draws, "Left/Right: 0 from -0.29 to 0.29, -0.58 at -1,
// 0.58 at 1".
std::string ResponseSummary(const std::string &pair, const Response &response);

// The axis the plot runs along: the ball motion that drives the row, "Ball
// TX", "Ball RZ, inverted", or "No ball motion".
std::string ResponseAxisName(const AxisRows &rows, int row);

} // namespace model

#endif
