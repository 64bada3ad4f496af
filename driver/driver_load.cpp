#include "driver_load.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "tl_api.h"

namespace {

const char kDefaultAxisMap[] = "XYZRUV";
const char kCfgModeDriver[] = "DRV";

// The registry letter of each record curve, in TlCurveId order, and whether
// the curve goes over u = 16 / x.
struct CurveSlot {
    int curveId;
    char letter;
    bool reciprocal;
};
// Written in letter order x, y, z, r, u, v, f, t, b.
const CurveSlot kCurveSlots[] = {
    {TL_CURVE_MOTION_DATA_1 + 0, 'x', false},
    {TL_CURVE_MOTION_DATA_1 + 1, 'y', false},
    {TL_CURVE_MOTION_DATA_1 + 2, 'z', false},
    {TL_CURVE_MOTION_DATA_1 + 3, 'r', false},
    {TL_CURVE_MOTION_DATA_1 + 4, 'u', false},
    {TL_CURVE_MOTION_DATA_1 + 5, 'v', false},
    {TL_CURVE_TV, 'f', true},
    {TL_CURVE_RV, 't', true},
    {TL_CURVE_BUTTON, 'b', false},
};
const char kNullRegionLetters[] = "xyzruv";

// The smallest x0 the reciprocal form accepts: 16 / x0 must stay finite.
const double kReciprocalMinX = 1.52559022e-05;
const float kReciprocalMinXSingle = 1.52559022e-05f;
const float kReciprocalLimit = 32767.0f;

// The number of segments a curve value takes from a list of count.
int TakenSegments(const TlSegment *segments, int count) {
    if (segments == nullptr || count <= 0) return 0;
    return count < kCurveSegmentsMax ? count : kCurveSegmentsMax;
}

// Limits a slope or intercept of the reciprocal form; a NaN takes the lower limit.
float LimitReciprocal(float value) {
    if (value > kReciprocalLimit) value = kReciprocalLimit;
    if (value < -kReciprocalLimit || std::isnan(value)) value = -kReciprocalLimit;
    return value;
}

const float *CurrentSensitivity(const TlConfig &record) {
    if (record.currentSensitivity[TL_KAVELIN] != nullptr) return record.currentSensitivity[TL_KAVELIN];
    const int level = (record.level >= 0 && record.level < TL_LEVELS) ? record.level : TL_LEVEL_BEGINNER;
    return record.sensitivity[TL_SET_BEG_USER + level][TL_KAVELIN];
}

void WriteCurves(RegCall &sys, const TlConfig &record, int joystickIndex, RegKey oemKey) {
    for (const CurveSlot &slot : kCurveSlots) {
        const TlCurve &curve = record.curve[TL_KAVELIN][slot.curveId];
        const CurveValue value = slot.reciprocal ? RegCfgReciprocalCurve(curve.segments, curve.segmentCount)
                                                 : RegCfgLinearCurve(curve.segments, curve.segmentCount);
        JoyRegSetAxisCurve(sys, joystickIndex, value, slot.letter, oemKey);
    }
}

void WriteNullRegions(RegCall &sys, const TlConfig &record, int joystickIndex, RegKey oemKey) {
    for (int axis = 0; axis < TL_AXES; ++axis) {
        JoyRegSetNullRegion(sys, joystickIndex, RegCfgNullRegion(record.nullRegionUser[TL_KAVELIN][axis]),
                            kNullRegionLetters[axis], oemKey);
    }
}

void WriteLimitsAndScales(RegCall &sys, const TlConfig &record, int joystickIndex, RegKey oemKey) {
    AxisFixes appMin{}, appMax{}, scalars{};
    for (int axis = 0; axis < TL_AXES; ++axis) {
        appMin[axis] = JoyRegFix(record.appMin[axis]);
        appMax[axis] = JoyRegFix(record.appMax[axis]);
        scalars[axis] = JoyRegFix(record.tuningScalars[TL_KAVELIN][axis]);
    }
    // A set holds seven values; the eighth field has no counterpart and is 0.
    SensitivityFixes sensitivity{};
    const float *current = CurrentSensitivity(record);
    for (int k = 0; k < TL_SENS_VALUES; ++k)
        sensitivity[k] = JoyRegFix(current[k]);

    JoyRegSetAppMin(sys, joystickIndex, appMin, oemKey);
    JoyRegSetAppMax(sys, joystickIndex, appMax, oemKey);
    JoyRegSetScalar(sys, joystickIndex, scalars, oemKey);
    JoyRegSetSensitivity(sys, joystickIndex, sensitivity, oemKey);
}

// The active axis map, replaced by the default when any of its six places is not valid.
const char *CheckedAxisMap(TlConfig &record) {
    TlAxisMap *map = record.currentAxisMap[TL_KAVELIN];
    if (map == nullptr) return kDefaultAxisMap;
    if (AxisMapValidCount(map->letters) != TL_AXES)
        std::memcpy(map->letters, kDefaultAxisMap, sizeof kDefaultAxisMap);
    return map->letters;
}

} // namespace

int AxisMapValidCount(const char *map) {
    if (map == nullptr) return 0;
    int valid = 0;
    for (int i = 0; i < TL_AXES && map[i] != '\0'; ++i) {
        if (std::strchr("XYZRUVxyzruv-", map[i]) != nullptr) ++valid;
    }
    return valid;
}

CurveValue RegCfgLinearCurve(const TlSegment *segments, int count) {
    CurveValue curve;
    curve.count = TakenSegments(segments, count);
    for (int i = 0; i < curve.count; ++i) {
        curve.start[i] = JoyRegFix(segments[i].x0);
        curve.end[i] = JoyRegFix(segments[i].x1);
        curve.slope[i] = JoyRegFix(segments[i].slope);
        curve.intercept[i] = JoyRegFix(segments[i].intercept);
    }
    return curve;
}

CurveValue RegCfgReciprocalCurve(const TlSegment *segments, int count) {
    CurveValue curve;
    curve.count = TakenSegments(segments, count);
    for (int i = 0; i < curve.count; ++i) {
        const TlSegment &segment = segments[i];
        double x0 = segment.x0;
        const double x1 = segment.x1;
        // The end values of the segment's line, from the x0 as given.
        const double ya = static_cast<double>(segment.slope) * x0 + segment.intercept;
        const double yb = static_cast<double>(segment.slope) * x1 + segment.intercept;
        // Also true for a NaN.
        if (!(x0 >= kReciprocalMinX)) x0 = kReciprocalMinXSingle;
        const float u0 = static_cast<float>(16.0 / std::fabs(x0));
        const double u1 = 16.0 / std::fabs(x1);
        curve.start[i] = JoyRegFix(u0);
        curve.end[i] = JoyRegFix(u1);
        const float m = LimitReciprocal(static_cast<float>((ya - yb) / (u0 - u1)));
        curve.slope[i] = JoyRegFix(m);
        const float k = LimitReciprocal(static_cast<float>(ya - static_cast<double>(u0) * m));
        curve.intercept[i] = JoyRegFix(k);
    }
    return curve;
}

NullRegionValue RegCfgNullRegion(const TlNullRegion &region) {
    NullRegionValue value;
    value.posMax = JoyRegFix(region.posMax);
    value.posMin = JoyRegFix(region.posMin);
    // A side of zero width divides by zero; the infinity is stored as 0.
    value.posScale = JoyRegFixScaled(65536.0 / (static_cast<double>(region.posMax) - region.posMin));
    value.negMax = JoyRegFix(region.negMax);
    value.negMin = JoyRegFix(region.negMin);
    value.negScale = JoyRegFixScaled(65536.0 / (static_cast<double>(region.negMin) - region.negMax));
    return value;
}

int RegCfgWriteValues(RegCall &sys, TlConfig *record, const char *path, int joystickIndex, RegKey oemKey) {
    if (record == nullptr) return TL_READ_NULL_RECORD;
    if (path == nullptr) return TL_READ_CANNOT_OPEN;
    const int read = TlReadConfigFile(record, path);
    if (read != TL_READ_OK) return read;

    // The whole absolute path, however long; the path as given when the
    // platform cannot make it absolute.
    std::string fullPath;
    if (!sys.FullPathName(path, &fullPath)) fullPath = path;
    JoyRegSetString(sys, oemKey, JoyRegValueName(kJoyConfigurationFileName, joystickIndex).c_str(), fullPath);

    const char *axisMap = CheckedAxisMap(*record);
    for (int index = 0; index < kJoyCount; ++index)
        JoyRegSetOemAxisMap(sys, index, axisMap, oemKey);

    JoyRegSetFilter(sys, joystickIndex, record->highPassFilterCurrent, oemKey);
    JoyRegSetCfgMode(sys, joystickIndex, kCfgModeDriver, oemKey);
    WriteCurves(sys, *record, joystickIndex, oemKey);
    WriteNullRegions(sys, *record, joystickIndex, oemKey);
    WriteLimitsAndScales(sys, *record, joystickIndex, oemKey);
    return TL_READ_OK;
}

int RegCfgLoad(DriverContext &context, const char *path) {
    RegCall &sys = context.sys;
    // The device's answer does not matter: without it the registry work goes on.
    DriverBeginLoad(context);

    RegKey oemKey = 0;
    if (!JoyRegOpenOemKey(sys, &oemKey)) {
        DriverEndLoad(context);
        return kRegCfgFailed;
    }
    // The record is large; it lives on the heap for the one call.
    auto record = std::make_unique<TlConfig>();
    TlInitConfig(record.get());
    const int written = RegCfgWriteValues(sys, record.get(), path, 0, oemKey);
    TlFreeConfig(record.get());
    sys.CloseKey(oemKey);
    if (written != TL_READ_OK) {
        DriverEndLoad(context);
        return kRegCfgFailed;
    }

    const int controller = JoyRegFindController(sys);
    if (controller == kJoyNoController) {
        DriverEndLoad(context);
        return kRegCfgNotSelected;
    }
    JoyRegResetOemHwConfig(sys, controller);
    JoyRegSetOemIdentity(sys, controller);
    sys.JoyConfigChanged(0);
    sys.FlushKey(kRegLocalMachine);
    DriverEndLoad(context);
    return kRegCfgLoaded;
}
