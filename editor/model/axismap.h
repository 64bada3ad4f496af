/* Axis-map texts of the KAVELIN section and the rows they map.
 *
 * An axis map is six characters, one per label row: the ball axis code 0..5
 * written as X, Y, Z, R, U, V (lower case when inverted) or "-" for none. */
#ifndef KCG_MODEL_AXISMAP_H
#define KCG_MODEL_AXISMAP_H

#include <string>

#include "rows.h"
#include "tl_cfg.h"

namespace model {

// The map letter of a ball axis code; '-' for any code outside 0..5.
char AxisLetter(int axis, bool inverted);

// The vertical map's letter for a horizontal map's letter. The ball lies on its
// side when mounted vertically, so TY and TZ swap (one of them reversed) and so
// do RY and RZ; TX and RX keep their sense. Anything else gives '-'.
char VerticalLetter(char horizontal);

// The six-letter horizontal map text of the rows.
std::string HorizontalMapText(const AxisRows &rows);

// The vertical map text derived letter by letter from a horizontal one; a
// shorter text is taken as padded with '-'.
std::string VerticalMapText(const std::string &horizontal);

// Stores text (six letters) into map and decodes axis and invert as the reader
// would, so the record never holds letters and codes that disagree.
void SetAxisMap(TlAxisMap &map, const std::string &text);

// The rows a record's map describes: its decoded codes read as signed values
// (the code of '-' gives kNoAxis) and its invert flags.
AxisRows RowsFromMap(const TlAxisMap &map);

} // namespace model

#endif
