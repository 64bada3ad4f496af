/* The words and keyword parts of the KCG format, shared by reader and writer.
 * Each word table is indexed by the record member's value (tl_cfg.h). */
#ifndef TL_DEFS_H
#define TL_DEFS_H

#include "tl_cfg.h"

#ifdef __cplusplus
extern "C" {
#endif

#define TL_SECTION_VERSION "VERSION"
#define TL_SECTION_IDENTIFICATION "IDENTIFICATION"
#define TL_SECTION_CONFIGURATION "CONFIGURATION"
#define TL_SECTION_TUNING "TUNING"

extern const char *const TlOwnerWords[3];       /* QUORVANE, USER, OEM */
extern const char *const TlPlatformWords[4];    /* DOS, WINDOWS, XWINDOWS, WINDOWS_NT */
extern const char *const TlLevelWords[3];       /* BEGINNER, INTERMEDIATE, EXPERT */
extern const char *const TlOrientationWords[2]; /* HORIZONTAL, VERTICAL */
extern const char *const TlShowWords[3];        /* FALSE, TRUE, NEVER */
extern const char *const TlDeviceNames[TL_DEVICES];
extern const char *const TlCurveNames[TL_CURVES]; /* TV .. BUTTON_CURVE */
extern const char *const TlFunctionWords[4];      /* HOLD, SINGLE, REPEAT_FEATHERED, REPEAT_CONSTANT */
extern const char *const TlSetNames[TL_SETS];     /* BEG_DFLT .. EXP_USER */
extern const char *const TlKavelinButtonNames[TL_KAVELIN_BUTTONS]; /* A..F */
extern const char *const TlButtonSlotNames[TL_BUTTON_SLOTS];       /* 1..11 */
extern const char TlAxisLetters[TL_AXES + 1];                      /* "XYZRUV" */

/* The index of word in table, or -1; compared exactly. */
int TlWordIndex(const char *const *table, int count, const char *word);

/* Number of button slots a device section has (6 for KAVELIN, 11 otherwise). */
int TlButtonSlotCount(int device);

#ifdef __cplusplus
}
#endif

#endif
