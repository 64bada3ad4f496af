// The joystick registry store: every key and value that driver loading writes
// for the Kavelin's Windows driver, their byte layouts, and the operations
// that open the keys and write the values.
//
// All keys lie under HKEY_LOCAL_MACHINE; every multi-byte field is
// little-endian. A value name carries the joystick number n = i + 1 of the
// Windows joystick index i (0 to 15). The store keeps no state: every
// operation closes what it opened, except the OEM settings key that the
// caller opens with JoyRegOpenOemKey and hands to the value writers. Nothing
// here flushes the registry.
#ifndef KCG_REGISTRY_STORE_H
#define KCG_REGISTRY_STORE_H

#include <array>
#include <cstdint>
#include <string>

#include "system_seam.h"

// ---- Keys -------------------------------------------------------------------

// Opened, never created.
extern const char kJoyRootPath[];           // "System\CurrentControlSet\Control\MediaResources\Joystick"
extern const char kJoyCurrentSettingsKey[]; // "CurrentJoystickSettings", below the driver key
// Created when missing, below the driver key, in one call.
extern const char kJoyOemSettingsPath[]; // "JoystickSettings\Marrowel"

// ---- Value names (printf formats: %d the joystick number, %c a letter) ---------

extern const char kJoyConfigurationName[];     // "Joystick%dConfiguration"
extern const char kJoyOemNameName[];           // "Joystick%dOEMName"
extern const char kJoyOemCalloutName[];        // "Joystick%dOEMCallout"
extern const char kJoyOemConfigurationName[];  // "Joystick%dOEMConfiguration"
extern const char kJoyConfigurationFileName[]; // "Joy%dConfigurationFile"
extern const char kJoyCfgModeName[];           // "Joystick%dOEMcfgMode"
extern const char kJoyFilterName[];            // "Joystick%dFilter"
extern const char kJoyAxisCurveName[];         // "Joystick%dOEM%cAxis"
extern const char kJoyNullRegionName[];        // "Joystick%dOEM%cNullRegion"
extern const char kJoyAppMinName[];            // "Joystick%dAppMin"
extern const char kJoyAppMaxName[];            // "Joystick%dAppMax"
extern const char kJoyScalarName[];            // "Joystick%dScalar"
extern const char kJoySensitivityName[];       // "Joystick%dSensitivity"

extern const char kJoyOemName[];    // "Marrowel"
extern const char kJoyOemCallout[]; // "velix.vxd": marks the controller's joystick

constexpr int kJoyCount = 16;

// A value name of joystick index i (the name carries i + 1).
std::string JoyRegValueName(const char *format, int joystickIndex);
// A value name with an axis or curve letter as well.
std::string JoyRegValueName(const char *format, int joystickIndex, char letter);

// ---- 16.16 fixed-point numbers ---------------------------------------------

// The value times 65536, truncated toward zero to 64 bits, low 32 bits kept:
// outside the 32-bit range it wraps modulo 2^32; a product of magnitude 2^63
// or more, an infinity or a NaN gives 0.
std::int32_t JoyRegFix(double value);
// The same for a value that is already scaled by 65536.
std::int32_t JoyRegFixScaled(double scaled);

// ---- Byte layouts -------------------------------------------------------------

constexpr std::size_t kHwConfigSize = 112;
using HwConfigBytes = std::array<std::uint8_t, kHwConfigSize>;

// The Windows joystick hardware configuration record the driver always gets:
// Z, R, U and V present, no device node, six buttons, present and OEM, ranges
// 0 to 65535 centred on 32768, calibrated, type 1000.
void JoyRegDefaultHwConfig(HwConfigBytes &buffer);

// Up to 32 straight-line segments: segment i is slope[i] * u + intercept[i]
// for u from start[i] to end[i]; all 16.16. Entries at and beyond count are 0.
constexpr int kCurveSegmentsMax = 32;
constexpr std::size_t kCurveValueSize = 516;
struct CurveValue {
    std::int32_t count = 0;
    std::int32_t start[kCurveSegmentsMax] = {};
    std::int32_t end[kCurveSegmentsMax] = {};
    std::int32_t slope[kCurveSegmentsMax] = {};
    std::int32_t intercept[kCurveSegmentsMax] = {};
};
std::array<std::uint8_t, kCurveValueSize> CurveValueBytes(const CurveValue &curve);

// The dead band of one axis, 16.16: the positive side's outer end, inner end
// and scale 1 / (PosMax - PosMin), then the negative side's.
constexpr std::size_t kNullRegionValueSize = 24;
struct NullRegionValue {
    std::int32_t posMax = 0;
    std::int32_t posMin = 0;
    std::int32_t posScale = 0;
    std::int32_t negMax = 0;
    std::int32_t negMin = 0;
    std::int32_t negScale = 0;
};
std::array<std::uint8_t, kNullRegionValueSize> NullRegionValueBytes(const NullRegionValue &region);

// The driver software's own record: the system rewrites only its axis map,
// six characters and a zero at bytes 21 to 27.
constexpr std::size_t kOemConfigurationMax = 28;
constexpr std::size_t kOemAxisMapOffset = 21;

using AxisFixes = std::array<std::int32_t, 6>;        // one 16.16 number per axis
using SensitivityFixes = std::array<std::int32_t, 8>; // eight 16.16 numbers

// The filter character: '0' plus the low byte of the mask (mask 24 is 'H').
char JoyRegFilterChar(int mask);

// ---- Operations -----------------------------------------------------------------

// Opens the joystick driver's key, named by the joystick API. False when
// there is no joystick driver or the root or the driver key is missing.
bool JoyRegOpenDriverKey(RegCall &sys, RegKey *driverKey);
// Opens the OEM settings key below the driver key, creating it when missing.
// The caller closes it.
bool JoyRegOpenOemKey(RegCall &sys, RegKey *oemKey);

// The value writers: each writes one value under the open OEM settings key and
// reports nothing; a failed write leaves the value as it was.
void JoyRegSetString(RegCall &sys, RegKey oemKey, const char *valueName, const std::string &text);
void JoyRegSetCfgMode(RegCall &sys, int joystickIndex, const char *text, RegKey oemKey);
void JoyRegSetFilter(RegCall &sys, int joystickIndex, int mask, RegKey oemKey);
void JoyRegSetAxisCurve(RegCall &sys, int joystickIndex, const CurveValue &curve, char letter, RegKey oemKey);
void JoyRegSetNullRegion(RegCall &sys, int joystickIndex, const NullRegionValue &region, char letter,
                         RegKey oemKey);
void JoyRegSetAppMin(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey);
void JoyRegSetAppMax(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey);
void JoyRegSetScalar(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey);
void JoyRegSetSensitivity(RegCall &sys, int joystickIndex, const SensitivityFixes &values, RegKey oemKey);
// Puts the six characters of axisMap and a zero at bytes 21 to 27 of an
// existing "Joystick%dOEMConfiguration" of at most 28 bytes, keeping its other
// bytes and its length. A missing or longer value is left alone, never created.
void JoyRegSetOemAxisMap(RegCall &sys, int joystickIndex, const char *axisMap, RegKey oemKey);

// "Joystick%dConfiguration" = the default hardware configuration under the
// OEM settings key, which it opens and closes itself (a failed close sounds
// the default beep). True when the value was written.
bool JoyRegResetOemHwConfig(RegCall &sys, int joystickIndex);
// Under "CurrentJoystickSettings" (never created): the default hardware
// configuration, then the OEM name, then the callout. Stops at the first
// failed write; true when all three were written.
bool JoyRegSetOemIdentity(RegCall &sys, int joystickIndex);
// The lowest joystick index whose "Joystick%dOEMCallout" under
// "CurrentJoystickSettings" is exactly "velix.vxd", or kJoyNoController.
constexpr int kJoyNoController = -1;
int JoyRegFindController(RegCall &sys);

#endif
