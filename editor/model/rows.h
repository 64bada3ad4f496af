/* The six label rows of the editor and the ball axis codes mapped to them.
 *
 * Row i (0..5) is the game axis whose motion labels are MOTION_LABEL_<i+1>_POS
 * and _NEG. A row is driven by one ball axis: code 0 TX, 1 TY, 2 TZ, 3 RX,
 * 4 RY, 5 RZ, or kNoAxis when it is not mapped. */
#ifndef KCG_MODEL_ROWS_H
#define KCG_MODEL_ROWS_H

#include <array>

#include "tl_cfg.h"

namespace model {

constexpr int kRows = TL_AXES;
constexpr int kNoAxis = -1;
constexpr int kKavelin = TL_KAVELIN; // the only device section the editor edits

using RowInts = std::array<int, kRows>;

// The axis mapping of the six rows (the dialog's m_AxisOfRow and m_InvertOfRow).
struct AxisRows {
    RowInts axis;   // ball axis code 0..5, or kNoAxis
    RowInts invert; // 1: the ball axis drives the row inverted
};

inline bool operator==(const AxisRows &a, const AxisRows &b) {
    return a.axis == b.axis && a.invert == b.invert;
}
inline bool operator!=(const AxisRows &a, const AxisRows &b) {
    return !(a == b);
}

// What the Axis Mapping screen shows, indexed by axis row: the chosen motion
// list entry and 1 when the row is inverted. Committed into AxisRows.
struct AxisChoices {
    RowInts motion{};
    RowInts invert{};
};

// Every row unmapped and not inverted: a new document.
inline AxisRows UnmappedRows() {
    AxisRows rows;
    rows.axis.fill(kNoAxis);
    rows.invert.fill(0);
    return rows;
}

} // namespace model

#endif
