/* The Axis Mapping screen without its window: the motion list built from the
 * labels, what the six axis rows show, and committing their choices.
 *
 * Axis row k (0..5) is the combo box, invert button and read-only edit of one
 * ball motion: TY, RZ, TX, RY, RX, TZ from the top. Its combo box offers the
 * motion list's pairs; closed, it shows the label of the direction named on
 * the picture beside the box (the chosen entry's positive label, or its
 * negative one when the row is inverted) and the edit shows the other. */
#ifndef KCG_MODEL_AXIS_RULES_H
#define KCG_MODEL_AXIS_RULES_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "check_failure.h"
#include "rows.h"
#include "screen_values.h"

namespace model {

// The ball axis code of each axis row.
constexpr std::array<int, kRows> kBallAxisOfAxisRow = {1, 5, 0, 4, 3, 2};

// The axis row of a ball axis code, or -1 for a code outside 0..5.
int AxisRowOfBallAxis(int ballAxis);

// The word shown for a direction that has no label.
extern const char *const kNoneLabel;

// One entry of the motion list: a labelled row's two labels, or the closing
// "None/None" entry, which comes from no row.
struct Motion {
    int row = -1; // label row 0..5; -1 for "None/None"
    std::string pos, neg;
    std::string pair; // "pos/neg": what the open combo box lists
};

// The labelled rows in row order, then "None/None": 1 to 7 entries. A row
// with both labels empty is left out; a missing label of the other rows reads
// "None". The labels are taken as they are (the screen has trimmed them).
using MotionList = std::vector<Motion>;
MotionList BuildMotionList(const RowTexts &labelPos, const RowTexts &labelNeg);

// The pair texts, in list order: the items of an open axis combo box.
std::vector<std::string> PairTexts(const MotionList &motions);

// What entering the Axis Mapping screen shows for the committed rows.
struct AxisScreenLoad {
    MotionList motions;
    AxisChoices choices; // every axis row on a real entry or on "None/None"
    AxisRows rows;       // the committed rows less those whose labels are gone
};

// Builds the motion list from the labels and puts each label row's committed
// ball axis back on the axis row of that ball axis, inverted as committed.
// A label row without labels loses its mapping. When two label rows carry the
// same ball axis, the later one is shown.
AxisScreenLoad LoadAxisScreen(const RowTexts &labelPos, const RowTexts &labelNeg, const AxisRows &committed);

// The two labels an axis row shows for its choice: box is the closed combo
// box's display item, edit the read-only edit. Inverting swaps them. Both are
// "" for an entry that is not in the list.
struct ShownLabels {
    std::string box, edit;
};
ShownLabels LabelsShown(const MotionList &motions, int motion, int invert);

// "Axis Mapping Conflict" when two axis rows chose the same real motion;
// any number may choose "None/None". Nothing otherwise.
std::optional<CheckFailure> FindAxisConflict(const MotionList &motions, const AxisChoices &choices);

// The label rows' mapping the choices make (check FindAxisConflict first):
// each label row chosen by an axis row gets that row's ball axis and
// inversion; every other label row is unmapped and not inverted.
AxisRows CommittedRows(const MotionList &motions, const AxisChoices &choices);

// "Axis Map Missing" when no label row is mapped, unless internal.
std::optional<CheckFailure> CheckAxisMapPresent(const AxisRows &rows, bool internal);

} // namespace model

#endif
