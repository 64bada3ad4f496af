#include "registry_store.h"

#include <cmath>
#include <cstdio>
#include <cstring>

const char kJoyRootPath[] = "System\\CurrentControlSet\\Control\\MediaResources\\Joystick";
const char kJoyCurrentSettingsKey[] = "CurrentJoystickSettings";
const char kJoyOemSettingsPath[] = "JoystickSettings\\Marrowel";

const char kJoyConfigurationName[] = "Joystick%dConfiguration";
const char kJoyOemNameName[] = "Joystick%dOEMName";
const char kJoyOemCalloutName[] = "Joystick%dOEMCallout";
const char kJoyOemConfigurationName[] = "Joystick%dOEMConfiguration";
const char kJoyConfigurationFileName[] = "Joy%dConfigurationFile";
const char kJoyCfgModeName[] = "Joystick%dOEMcfgMode";
const char kJoyFilterName[] = "Joystick%dFilter";
const char kJoyAxisCurveName[] = "Joystick%dOEM%cAxis";
const char kJoyNullRegionName[] = "Joystick%dOEM%cNullRegion";
const char kJoyAppMinName[] = "Joystick%dAppMin";
const char kJoyAppMaxName[] = "Joystick%dAppMax";
const char kJoyScalarName[] = "Joystick%dScalar";
const char kJoySensitivityName[] = "Joystick%dSensitivity";

const char kJoyOemName[] = "Marrowel";
const char kJoyOemCallout[] = "velix.vxd";

namespace {

// The callout is read into a buffer of the size the driver software uses.
constexpr std::uint32_t kCalloutBufferSize = 260;

void PutLe32(std::uint8_t *at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutLe32(std::uint8_t *at, std::int32_t value) {
    PutLe32(at, static_cast<std::uint32_t>(value));
}

template <std::size_t N>
void SetBinary(RegCall &sys, RegKey key, const std::string &name, const std::array<std::uint8_t, N> &bytes) {
    sys.SetValue(key, name.c_str(), kRegBinary, bytes.data(), static_cast<std::uint32_t>(N));
}

// A REG_SZ value: the text and its terminating zero.
long SetText(RegCall &sys, RegKey key, const std::string &name, const std::string &text) {
    return sys.SetValue(key, name.c_str(), kRegSz, reinterpret_cast<const std::uint8_t *>(text.c_str()),
                        static_cast<std::uint32_t>(text.size() + 1));
}

template <std::size_t N>
std::array<std::uint8_t, 4 * N> FixesBytes(const std::array<std::int32_t, N> &values) {
    std::array<std::uint8_t, 4 * N> bytes{};
    for (std::size_t i = 0; i < N; ++i)
        PutLe32(&bytes[4 * i], values[i]);
    return bytes;
}

long SetHwConfig(RegCall &sys, RegKey key, int joystickIndex) {
    HwConfigBytes config;
    JoyRegDefaultHwConfig(config);
    const std::string name = JoyRegValueName(kJoyConfigurationName, joystickIndex);
    return sys.SetValue(key, name.c_str(), kRegBinary, config.data(),
                        static_cast<std::uint32_t>(config.size()));
}

// Opens "CurrentJoystickSettings" below the driver key; never creates it.
bool OpenCurrentSettingsKey(RegCall &sys, RegKey *currentKey) {
    RegKey driverKey = 0;
    if (!JoyRegOpenDriverKey(sys, &driverKey)) return false;
    const bool opened = sys.OpenKey(driverKey, kJoyCurrentSettingsKey, currentKey) == kRegSuccess;
    sys.CloseKey(driverKey);
    return opened;
}

} // namespace

std::string JoyRegValueName(const char *format, int joystickIndex) {
    char name[64];
    std::snprintf(name, sizeof name, format, joystickIndex + 1);
    return name;
}

std::string JoyRegValueName(const char *format, int joystickIndex, char letter) {
    char name[64];
    std::snprintf(name, sizeof name, format, joystickIndex + 1, letter);
    return name;
}

std::int32_t JoyRegFixScaled(double scaled) {
    // Also false for a NaN.
    if (!(std::fabs(scaled) < 9223372036854775808.0)) return 0;
    const auto whole = static_cast<std::int64_t>(scaled); // truncates toward zero
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

std::int32_t JoyRegFix(double value) {
    return JoyRegFixScaled(value * 65536.0);
}

void JoyRegDefaultHwConfig(HwConfigBytes &buffer) {
    buffer.fill(0);
    std::uint8_t *at = buffer.data();
    PutLe32(at + 0, 0x21880001u); // has Z, R, U, V; no device node
    PutLe32(at + 4, 6u);          // buttons
    PutLe32(at + 8, 6u);          // present, OEM
    for (int axis = 0; axis < 6; ++axis) {
        PutLe32(at + 12 + 4 * axis, 0u);     // range minimum
        PutLe32(at + 36 + 4 * axis, 65535u); // range maximum
        PutLe32(at + 60 + 4 * axis, 32768u); // range centre
    }
    PutLe32(at + 100, 31u);   // X/Y, Z, R, U and V calibrated
    PutLe32(at + 104, 1000u); // joystick type
}

std::array<std::uint8_t, kCurveValueSize> CurveValueBytes(const CurveValue &curve) {
    std::array<std::uint8_t, kCurveValueSize> bytes{};
    PutLe32(&bytes[0], curve.count);
    for (int i = 0; i < kCurveSegmentsMax; ++i) {
        PutLe32(&bytes[4 + 4 * i], curve.start[i]);
        PutLe32(&bytes[132 + 4 * i], curve.end[i]);
        PutLe32(&bytes[260 + 4 * i], curve.slope[i]);
        PutLe32(&bytes[388 + 4 * i], curve.intercept[i]);
    }
    return bytes;
}

std::array<std::uint8_t, kNullRegionValueSize> NullRegionValueBytes(const NullRegionValue &region) {
    std::array<std::uint8_t, kNullRegionValueSize> bytes{};
    PutLe32(&bytes[0], region.posMax);
    PutLe32(&bytes[4], region.posMin);
    PutLe32(&bytes[8], region.posScale);
    PutLe32(&bytes[12], region.negMax);
    PutLe32(&bytes[16], region.negMin);
    PutLe32(&bytes[20], region.negScale);
    return bytes;
}

char JoyRegFilterChar(int mask) {
    return static_cast<char>(static_cast<std::uint8_t>(48 + (mask & 0xFF)));
}

bool JoyRegOpenDriverKey(RegCall &sys, RegKey *driverKey) {
    std::string driverKeyName;
    if (sys.JoyGetDriverKeyName(&driverKeyName) != kJoySuccess) return false;
    RegKey root = 0;
    if (sys.OpenKey(kRegLocalMachine, kJoyRootPath, &root) != kRegSuccess) return false;
    const bool opened = sys.OpenKey(root, driverKeyName.c_str(), driverKey) == kRegSuccess;
    sys.CloseKey(root);
    return opened;
}

bool JoyRegOpenOemKey(RegCall &sys, RegKey *oemKey) {
    RegKey driverKey = 0;
    if (!JoyRegOpenDriverKey(sys, &driverKey)) return false;
    const bool opened = sys.CreateKey(driverKey, kJoyOemSettingsPath, oemKey) == kRegSuccess;
    sys.CloseKey(driverKey);
    return opened;
}

void JoyRegSetString(RegCall &sys, RegKey oemKey, const char *valueName, const std::string &text) {
    SetText(sys, oemKey, valueName, text);
}

void JoyRegSetCfgMode(RegCall &sys, int joystickIndex, const char *text, RegKey oemKey) {
    SetText(sys, oemKey, JoyRegValueName(kJoyCfgModeName, joystickIndex), text);
}

void JoyRegSetFilter(RegCall &sys, int joystickIndex, int mask, RegKey oemKey) {
    SetText(sys, oemKey, JoyRegValueName(kJoyFilterName, joystickIndex),
            std::string(1, JoyRegFilterChar(mask)));
}

void JoyRegSetAxisCurve(RegCall &sys, int joystickIndex, const CurveValue &curve, char letter,
                        RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoyAxisCurveName, joystickIndex, letter), CurveValueBytes(curve));
}

void JoyRegSetNullRegion(RegCall &sys, int joystickIndex, const NullRegionValue &region, char letter,
                         RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoyNullRegionName, joystickIndex, letter),
              NullRegionValueBytes(region));
}

void JoyRegSetAppMin(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoyAppMinName, joystickIndex), FixesBytes(values));
}

void JoyRegSetAppMax(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoyAppMaxName, joystickIndex), FixesBytes(values));
}

void JoyRegSetScalar(RegCall &sys, int joystickIndex, const AxisFixes &values, RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoyScalarName, joystickIndex), FixesBytes(values));
}

void JoyRegSetSensitivity(RegCall &sys, int joystickIndex, const SensitivityFixes &values, RegKey oemKey) {
    SetBinary(sys, oemKey, JoyRegValueName(kJoySensitivityName, joystickIndex), FixesBytes(values));
}

void JoyRegSetOemAxisMap(RegCall &sys, int joystickIndex, const char *axisMap, RegKey oemKey) {
    const std::string name = JoyRegValueName(kJoyOemConfigurationName, joystickIndex);
    std::uint8_t record[kOemConfigurationMax] = {};
    std::uint32_t length = sizeof record;
    std::uint32_t type = kRegNone;
    if (sys.QueryValue(oemKey, name.c_str(), &type, record, &length) != kRegSuccess) return;
    // Six characters and a zero; a map that ends early is padded with zeros.
    std::size_t i = 0;
    for (; i < 6 && axisMap != nullptr && axisMap[i] != '\0'; ++i) {
        record[kOemAxisMapOffset + i] = static_cast<std::uint8_t>(axisMap[i]);
    }
    for (; i < 7; ++i)
        record[kOemAxisMapOffset + i] = 0;
    sys.SetValue(oemKey, name.c_str(), kRegBinary, record, length);
}

bool JoyRegResetOemHwConfig(RegCall &sys, int joystickIndex) {
    RegKey oemKey = 0;
    if (!JoyRegOpenOemKey(sys, &oemKey)) return false;
    const bool written = SetHwConfig(sys, oemKey, joystickIndex) == kRegSuccess;
    if (sys.CloseKey(oemKey) != kRegSuccess) sys.DefaultBeep();
    return written;
}

bool JoyRegSetOemIdentity(RegCall &sys, int joystickIndex) {
    RegKey currentKey = 0;
    if (!OpenCurrentSettingsKey(sys, &currentKey)) return false;
    const bool written = SetHwConfig(sys, currentKey, joystickIndex) == kRegSuccess &&
                         SetText(sys, currentKey, JoyRegValueName(kJoyOemNameName, joystickIndex),
                                 kJoyOemName) == kRegSuccess &&
                         SetText(sys, currentKey, JoyRegValueName(kJoyOemCalloutName, joystickIndex),
                                 kJoyOemCallout) == kRegSuccess;
    sys.CloseKey(currentKey);
    return written;
}

int JoyRegFindController(RegCall &sys) {
    RegKey currentKey = 0;
    if (!OpenCurrentSettingsKey(sys, &currentKey)) return kJoyNoController;
    int found = kJoyNoController;
    for (int index = 0; index < kJoyCount && found == kJoyNoController; ++index) {
        const std::string name = JoyRegValueName(kJoyOemCalloutName, index);
        char callout[kCalloutBufferSize];
        std::uint32_t length = sizeof callout;
        if (sys.QueryValue(currentKey, name.c_str(), nullptr, reinterpret_cast<std::uint8_t *>(callout),
                           &length) != kRegSuccess) {
            continue;
        }
        // The text ends at its first zero or at the stored length, whichever comes first.
        const std::size_t stored = length < sizeof callout ? length : sizeof callout;
        const void *zero = std::memchr(callout, 0, stored);
        const std::size_t textLength = zero != nullptr ? static_cast<const char *>(zero) - callout : stored;
        if (textLength == std::strlen(kJoyOemCallout) &&
            std::memcmp(callout, kJoyOemCallout, textLength) == 0) {
            found = index;
        }
    }
    sys.CloseKey(currentKey);
    return found;
}
