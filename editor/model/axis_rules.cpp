#include "axis_rules.h"

namespace model {

const char *const kNoneLabel = "None";

namespace {

bool IsEntry(const MotionList &motions, int motion) {
    return motion >= 0 && motion < static_cast<int>(motions.size());
}

// The label row an axis row's choice maps, or -1 for "None/None" and for a
// choice outside the list.
int ChosenRow(const MotionList &motions, int motion) {
    return IsEntry(motions, motion) ? motions[motion].row : -1;
}

Motion MakeMotion(int row, const std::string &pos, const std::string &neg) {
    Motion m;
    m.row = row;
    m.pos = pos.empty() ? kNoneLabel : pos;
    m.neg = neg.empty() ? kNoneLabel : neg;
    m.pair = m.pos + "/" + m.neg;
    return m;
}

// The entry that came from a label row; the "None/None" entry when none did.
int EntryOfRow(const MotionList &motions, int row) {
    for (size_t e = 0; e < motions.size(); ++e)
        if (motions[e].row == row) return static_cast<int>(e);
    return static_cast<int>(motions.size()) - 1;
}

} // namespace

int AxisRowOfBallAxis(int ballAxis) {
    for (int k = 0; k < kRows; ++k)
        if (kBallAxisOfAxisRow[k] == ballAxis) return k;
    return -1;
}

MotionList BuildMotionList(const RowTexts &labelPos, const RowTexts &labelNeg) {
    MotionList motions;
    for (int row = 0; row < kRows; ++row)
        if (!labelPos[row].empty() || !labelNeg[row].empty())
            motions.push_back(MakeMotion(row, labelPos[row], labelNeg[row]));
    motions.push_back(MakeMotion(-1, "", ""));
    return motions;
}

std::vector<std::string> PairTexts(const MotionList &motions) {
    std::vector<std::string> pairs;
    for (const Motion &m : motions)
        pairs.push_back(m.pair);
    return pairs;
}

AxisScreenLoad LoadAxisScreen(const RowTexts &labelPos, const RowTexts &labelNeg, const AxisRows &committed) {
    AxisScreenLoad load;
    load.motions = BuildMotionList(labelPos, labelNeg);
    load.rows = committed;
    const int none = static_cast<int>(load.motions.size()) - 1;
    load.choices.motion.fill(none);
    load.choices.invert.fill(0);
    for (int row = 0; row < kRows; ++row) {
        const int entry = EntryOfRow(load.motions, row);
        if (entry == none) {
            // The row's labels are gone: it loses its whole mapping, the
            // inversion included, as an unmapped row has none.
            load.rows.axis[row] = kNoAxis;
            load.rows.invert[row] = 0;
        }
        const int axisRow = AxisRowOfBallAxis(load.rows.axis[row]);
        if (axisRow < 0) continue;
        load.choices.motion[axisRow] = entry;
        load.choices.invert[axisRow] = load.rows.invert[row] != 0 ? 1 : 0;
    }
    return load;
}

ShownLabels LabelsShown(const MotionList &motions, int motion, int invert) {
    if (!IsEntry(motions, motion)) return ShownLabels{};
    const Motion &m = motions[motion];
    return invert ? ShownLabels{m.neg, m.pos} : ShownLabels{m.pos, m.neg};
}

std::optional<CheckFailure> FindAxisConflict(const MotionList &motions, const AxisChoices &choices) {
    for (int k = 0; k < kRows - 1; ++k) {
        if (ChosenRow(motions, choices.motion[k]) < 0) continue;
        for (int later = k + 1; later < kRows; ++later)
            if (choices.motion[later] == choices.motion[k])
                return ErrorFailure(
                    "You have mapped the same motion to more than one axis.\nThis is not allowed. "
                    "Please remove duplicate axis mapping.",
                    "Axis Mapping Conflict", kFocusStays);
    }
    return std::nullopt;
}

AxisRows CommittedRows(const MotionList &motions, const AxisChoices &choices) {
    AxisRows rows = UnmappedRows();
    for (int k = 0; k < kRows; ++k) {
        const int row = ChosenRow(motions, choices.motion[k]);
        if (row < 0 || row >= kRows) continue;
        rows.axis[row] = kBallAxisOfAxisRow[k];
        rows.invert[row] = choices.invert[k] != 0 ? 1 : 0;
    }
    return rows;
}

std::optional<CheckFailure> CheckAxisMapPresent(const AxisRows &rows, bool internal) {
    if (internal) return std::nullopt;
    for (int axis : rows.axis)
        if (axis >= 0 && axis < kRows) return std::nullopt;
    return ErrorFailure("You must map at least one motion to an axis to continue.", "Axis Map Missing",
                        IDC_AXIS_0);
}

} // namespace model
