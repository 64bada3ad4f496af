#include "tuning_rules.h"

#include "sliders.h"

namespace model {

std::array<TuningRow, kRows> PrepareTuningRows(const MotionList &motions) {
    std::array<TuningRow, kRows> rows;
    for (TuningRow &row : rows)
        row.label = kUnusedRowLabel;
    for (const Motion &m : motions) {
        if (m.row < 0 || m.row >= kRows) continue;
        rows[m.row].enabled = true;
        rows[m.row].label = "\n" + m.pair;
    }
    return rows;
}

int SuggestedScalar(int ballAxis) {
    switch (ballAxis) {
    case 0: // TX
        return 90;
    case 2: // TZ
        return 120;
    case 3: // RX
    case 4: // RY
        return 70;
    default: // TY, RZ, none
        return kScalarNeutral;
    }
}

Suggestion SuggestForRow(const AxisRows &rows, int row) {
    const int axis = row >= 0 && row < kRows ? rows.axis[row] : kNoAxis;
    return Suggestion{SuggestedScalar(axis), 0};
}

int SuggestButtonRow(int controlId) {
    for (int row = 0; row < kRows; ++row)
        if (kSuggestButtonIds[row] == controlId) return row;
    return -1;
}

int TuningRowOfControl(int controlId) {
    if (controlId >= IDC_SCALAR_0 && controlId <= IDC_SCALAR_5) return controlId - IDC_SCALAR_0;
    if (controlId >= IDC_DEAD_ZONE_0 && controlId <= IDC_DEAD_ZONE_5) return controlId - IDC_DEAD_ZONE_0;
    return SuggestButtonRow(controlId);
}

} // namespace model
