/* The default curves the reader installs for the KAVELIN device, and the
 * default control tables. Values are the ones the driver has always used. */
#ifndef TL_CURVE_H
#define TL_CURVE_H

#include "tl_cfg.h"

#ifdef __cplusplus
extern "C" {
#endif

#define TL_DOS_CURVE_POINTS 21
#define TL_WIN_CURVE_POINTS 15

extern const TlPoint TlDosTvRvCurve[TL_DOS_CURVE_POINTS];
extern const TlPoint TlDosButtonCurve[TL_DOS_CURVE_POINTS];
extern const TlPoint TlWinTvRvCurve[TL_WIN_CURVE_POINTS];
extern const TlPoint TlWinButtonCurve[TL_WIN_CURVE_POINTS];

/* Rows 0..6 of each column for TV and RV, and for the other seven curves. */
extern const float TlTvRvControl[TL_CP_COLUMNS][TL_CP_ROWS];
extern const float TlOtherControl[TL_CP_COLUMNS][TL_CP_ROWS];

#ifdef __cplusplus
}
#endif

#endif
