// The Tuning screen's plot of one row's response: drawn with GDI into an
// owner-drawn static control, through a bitmap so that it does not flicker
// while a slider moves.
#ifndef KCG_APP_RESPONSE_PLOT_H
#define KCG_APP_RESPONSE_PLOT_H

#include <windows.h>

#include <string>

#include "response_curve.h"

// What the plot shows: a row's response along the ball motion's axis, with
// the row's labels at the two ends; or, without a row, only a note.
struct ResponsePicture {
    bool shown = false;
    model::Response response;
    std::string axisName, negativeLabel, positiveLabel;
};

// The note of a plot without a row, also its window text then.
extern const char kNoResponseNote[];

// Draws the picture into the control of a WM_DRAWITEM, in the control's font.
void DrawResponsePlot(const DRAWITEMSTRUCT &item, const ResponsePicture &picture);

#endif // KCG_APP_RESPONSE_PLOT_H
