/* The Tuning screen without its window: which rows are in use and what the
 * Suggest buttons propose.
 *
 * A row is in use when its game axis has a label, whether or not a ball
 * motion drives it; only the sliders of rows in use are saved as they stand
 * (see ApplyScreenValues). */
#ifndef KCG_MODEL_TUNING_RULES_H
#define KCG_MODEL_TUNING_RULES_H

#include <array>
#include <string>

#include "axis_rules.h"
#include "resource.h"
#include "rows.h"

namespace model {

// A Tuning row as entering the screen sets it up: its label and sliders are
// enabled when in use. The label is "\n" and the motion's pair text, or
// kUnusedRowLabel, so that it stands on the label's second line.
struct TuningRow {
    bool enabled = false;
    std::string label;
};
std::array<TuningRow, kRows> PrepareTuningRows(const MotionList &motions);

// The scalar slider position suggested for a ball axis: 90 for TX, 120 for
// TZ, 70 for RX and RY, and the neutral 50 for TY, RZ, no axis and any other.
int SuggestedScalar(int ballAxis);

struct Suggestion {
    int scalarPos;
    int deadZonePos;
};
// What Suggest sets a row's sliders to, from the ball axis the committed rows
// map to it: SuggestedScalar and no dead zone. Rows out of use are no
// exception; a row outside 0..5 gets the neutral values.
Suggestion SuggestForRow(const AxisRows &rows, int row);

// The Suggest buttons of rows 0..5.
constexpr std::array<int, kRows> kSuggestButtonIds = {IDC_SUGGEST_0, IDC_SUGGEST_1, IDC_SUGGEST_2,
                                                      IDC_SUGGEST_3, IDC_SUGGEST_4, IDC_SUGGEST_5};

// The row of a Suggest button, or -1 for any other control.
int SuggestButtonRow(int controlId);

// The row of a row's scalar slider, dead-zone slider or Suggest button, or
// -1 for any other control: the row whose response the plot shows while the
// control has the focus.
int TuningRowOfControl(int controlId);

} // namespace model

#endif
