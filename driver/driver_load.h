// Loading a configuration file into the Kavelin's Windows driver: the file's
// KAVELIN tuning data becomes the driver's registry values, the controller's
// joystick entry is marked, and the driver is told to reload.
#ifndef KCG_DRIVER_LOAD_H
#define KCG_DRIVER_LOAD_H

#include "device_notify.h"
#include "registry_store.h"
#include "system_seam.h"
#include "tl_cfg.h"

// The results of RegCfgLoad. The editor's Test command and kcg load turn them
// into their messages.
constexpr int kRegCfgLoaded = 0;
constexpr int kRegCfgFailed = -1;      // the file cannot be read, or the OEM settings key cannot be opened
constexpr int kRegCfgNotSelected = -2; // no joystick entry has the callout "velix.vxd"

// Loads the configuration file at path: begins the driver update, writes
// every value with RegCfgWriteValues (joystick number 1), marks the
// controller's joystick entry, tells the joystick driver and flushes the
// registry, and ends the driver update. Every path that began the update ends
// it. Returns kRegCfgLoaded, kRegCfgFailed or kRegCfgNotSelected; on
// kRegCfgNotSelected the values stay written.
int RegCfgLoad(DriverContext &context, const char *path);

// Reads the file at path into record (which must hold no heap data) and
// writes every value of its KAVELIN device under the open OEM settings key.
// Returns TL_READ_OK after writing, or the reader's failure with nothing
// written. The caller releases record with TlFreeConfig in both cases.
int RegCfgWriteValues(RegCall &sys, TlConfig *record, const char *path, int joystickIndex, RegKey oemKey);

// A curve value from a segment list, each segment as it is. At most the first
// 32 segments are taken.
CurveValue RegCfgLinearCurve(const TlSegment *segments, int count);

// A curve value from a segment list re-expressed over u = 16 / x (the TV and
// RV curves): slope and intercept are limited to -32767..32767. At most the
// first 32 segments are taken.
CurveValue RegCfgReciprocalCurve(const TlSegment *segments, int count);

// The null-region value of a dead band.
NullRegionValue RegCfgNullRegion(const TlNullRegion &region);

// How many of the first six characters of map are one of "XYZRUV", "xyzruv"
// or "-"; positions at and after an early terminating zero do not count.
int AxisMapValidCount(const char *map);

#endif
