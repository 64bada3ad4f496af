/* Slider positions of the Tuning screen and the record values behind them.
 *
 * A position p stands for the value p x 0.01. Going back, a value is
 * multiplied by a factor a little above 100 and truncated, so that a value
 * with two decimals finds its own position again although it is not exact in
 * single precision (0.29f x 100 is 28.99...). */
#ifndef KCG_MODEL_SLIDERS_H
#define KCG_MODEL_SLIDERS_H

#include <string>

namespace model {

constexpr int kScalarMin = 0, kScalarMax = 150, kScalarNeutral = 50;
constexpr int kDeadZoneMin = 0, kDeadZoneMax = 100;

// Used for dead zones and for every change-detection snapshot.
constexpr float kDeadZoneFactor = 100.0001f;
// Used only to place the scalar sliders.
constexpr float kScalarFactor = 100.005196f;

// The record value of slider position p: p x 0.01 in single precision.
float SliderValue(int position);

// What a Tuning row's slider stores: its value while the row is in use; a
// row out of use stores no dead zone and the neutral scalar.
inline float RowDeadZoneValue(bool inUse, int position) {
    return inUse ? SliderValue(position) : 0.0f;
}
inline float RowScalarValue(bool inUse, int position) {
    return SliderValue(inUse ? position : kScalarNeutral);
}

// value x factor in single precision, truncated toward zero. A product beyond
// the range of int (or not a number) gives the nearest end of the range (0).
int SliderPosition(float value, float factor);

// The scalar slider's position for a TUNING_SCALARS value.
inline int ScalarPosition(float value) {
    return SliderPosition(value, kScalarFactor);
}
// The dead-zone slider's position for a null region's PosMin.
inline int DeadZonePosition(float value) {
    return SliderPosition(value, kDeadZoneFactor);
}
// The position a snapshot records for a value (scalars and dead zones alike).
inline int SnapshotPosition(float value) {
    return SliderPosition(value, kDeadZoneFactor);
}

// Tool-tip texts that follow a slider: "Current scalar: 1.50" for position 75
// (position x 0.02), "Current dead zone: 10%" for position 10.
std::string ScalarTipText(int position);
std::string DeadZoneTipText(int position);

// The values shown beside a Tuning row, on the scale of the screen's marks:
// "x1.50" for scalar position 75, "29%" for dead-zone position 29.
std::string ScalarValueText(int position);
std::string DeadZoneValueText(int position);

} // namespace model

#endif
