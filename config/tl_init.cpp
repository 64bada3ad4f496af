// Record lifecycle: the defaults every read and every new document start
// from, and the release of everything a record owns. Heap parts of a record
// are malloc blocks, so that C callers can build and release them too.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tl_alloc.h"
#include "tl_api.h"
#include "tl_curve.h"

namespace {

// The axis map of one orientation, with axis and invert decoded.
void SetAxisMap(TlAxisMap *map, const char (&letters)[TL_AXES + 1], const uint8_t (&axis)[TL_AXES],
                const int32_t (&invert)[TL_AXES]) {
    std::memcpy(map->letters, letters, sizeof map->letters);
    std::memcpy(map->axis, axis, sizeof map->axis);
    std::memcpy(map->invert, invert, sizeof map->invert);
}

void SetDefaultControl(TlCurveControl *control, const float (&table)[TL_CP_COLUMNS][TL_CP_ROWS]) {
    for (int column = 0; column < TL_CP_COLUMNS; ++column) {
        for (int row = 0; row < TL_CP_ROWS; ++row)
            control->column[column][row] = table[column][row];
    }
}

void SetDeviceDefaults(TlConfig *cfg, int d) {
    static const uint8_t kHrzAxes[TL_AXES] = {0, 1, 2, 3, 4, 5};
    static const int32_t kHrzInvert[TL_AXES] = {0, 0, 0, 0, 0, 0};
    static const uint8_t kVrtAxes[TL_AXES] = {0, 2, 1, 3, 5, 4};
    static const int32_t kVrtInvert[TL_AXES] = {0, 1, 0, 0, 1, 0};

    SetAxisMap(&cfg->axisMapHrzDflt[d], "XYZRUV", kHrzAxes, kHrzInvert);
    SetAxisMap(&cfg->axisMapHrzUser[d], "XYZRUV", kHrzAxes, kHrzInvert);
    SetAxisMap(&cfg->axisMapVrtDflt[d], "XzYRvU", kVrtAxes, kVrtInvert);
    SetAxisMap(&cfg->axisMapVrtUser[d], "XzYRvU", kVrtAxes, kVrtInvert);
    cfg->currentAxisMap[d] = &cfg->axisMapHrzUser[d];

    const TlMotionMap motion = {TL_SOURCE_AXIS, 0, TL_FUNCTION_NONE, 0.0f, 0.0f, 0.0f};
    for (int axis = 0; axis < TL_AXES; ++axis) {
        cfg->motionMapPosDflt[d][axis] = motion;
        cfg->motionMapNegDflt[d][axis] = motion;
        cfg->motionMapPosUser[d][axis] = motion;
        cfg->motionMapNegUser[d][axis] = motion;
    }

    const TlButtonMap button = {TL_SOURCE_UNDEFINED, 0, TL_FUNCTION_HOLD, 0.0f};
    for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot) {
        cfg->buttonDflt[d][slot] = button;
        cfg->buttonUser[d][slot] = button;
    }

    const TlNullRegion region = {0.0f, -1.0f, 0.0f, 1.0f}; // negMin, negMax, posMin, posMax
    for (int r = 0; r < TL_NULL_REGIONS; ++r) {
        cfg->nullRegionDflt[d][r] = region;
        cfg->nullRegionUser[d][r] = region;
    }

    for (int axis = 0; axis < TL_AXES; ++axis)
        cfg->tuningScalars[d][axis] = 1.0f;
    for (int set = 0; set < TL_SETS; ++set) {
        for (int v = 0; v < TL_SENS_VALUES; ++v)
            cfg->sensitivity[set][d][v] = 1.0f;
    }
    cfg->currentSensitivity[d] = cfg->sensitivity[TL_SET_BEG_USER][d];
    cfg->samplingFrequency[d] = 14;

    for (int c = 0; c < TL_CURVES; ++c) {
        const bool tvOrRv = c == TL_CURVE_TV || c == TL_CURVE_RV;
        SetDefaultControl(&cfg->curveControl[d][c], tvOrRv ? TlTvRvControl : TlOtherControl);
    }
}

void SetDefaults(TlConfig *cfg) {
    std::memset(cfg, 0, sizeof *cfg);
    cfg->owner = TL_OWNER_NONE;
    cfg->platform = TL_PLATFORM_NONE;
    cfg->level = TL_LEVEL_BEGINNER;
    cfg->orientation = TL_HORIZONTAL;
    cfg->showInstructions = TL_SHOW_NEVER;
    for (int axis = 0; axis < TL_AXES; ++axis) {
        cfg->appMin[axis] = -1.0f;
        cfg->appMax[axis] = 1.0f;
    }
    const int32_t filtersOn = TL_HPF_TRANSLATION_ON | TL_HPF_ROTATION_ON;
    for (int set = 0; set < TL_SETS; ++set)
        cfg->highPassFilter[set] = filtersOn;
    cfg->highPassFilterCurrent = filtersOn;
    for (int d = 0; d < TL_DEVICES; ++d)
        SetDeviceDefaults(cfg, d);
}

} // namespace

// Every read starts from the defaults, and every release ends in them, so
// they are built once and copied; only the record's pointers into itself are
// set again.
void TlInitConfig(TlConfig *cfg) {
    if (cfg == nullptr) return;
    static const struct Defaults {
        Defaults() { SetDefaults(&cfg); }
        TlConfig cfg;
    } kDefaults;
    std::memcpy(cfg, &kDefaults.cfg, sizeof *cfg);
    for (int d = 0; d < TL_DEVICES; ++d) {
        cfg->currentAxisMap[d] = &cfg->axisMapHrzUser[d];
        cfg->currentSensitivity[d] = cfg->sensitivity[TL_SET_BEG_USER][d];
    }
}

void TlFreeStringArray(int count, char **array) {
    if (array == nullptr) return;
    for (int i = 0; i < count; ++i)
        std::free(array[i]);
    std::free(array);
}

void TlFreeCurve(TlCurve *curve) {
    if (curve == nullptr) return;
    std::free(curve->points);
    curve->points = nullptr;
    curve->pointCount = 0;
    std::free(curve->segments);
    curve->segments = nullptr;
    curve->segmentCount = 0;
}

void TlFreeConfig(TlConfig *cfg) {
    if (cfg == nullptr) return;
    TlFreeStringArray(cfg->executableCount, cfg->executables);
    TlFreeStringArray(cfg->copyFileCount, cfg->copyFiles);
    std::free(cfg->commandLine);
    if (cfg->custom != nullptr) {
        for (int g = 0; g < cfg->customCount; ++g)
            TlFreeStringArray(cfg->custom[g].count, cfg->custom[g].items);
        std::free(cfg->custom);
    }
    TlFreeStringArray(cfg->instructionCount, cfg->instructions);
    std::free(cfg->buttonMasks);
    std::free(cfg->buttonNumbers);
    std::free(cfg->buttonCharacters);
    for (int d = 0; d < TL_DEVICES; ++d) {
        for (int c = 0; c < TL_CURVES; ++c) {
            if (cfg->curveOwned[d][c] == 1) TlFreeCurve(&cfg->curve[d][c]);
        }
    }
    TlInitConfig(cfg);
}

int TlAppendString(char ***array, int32_t *count, const char *text) {
    if (array == nullptr) return -1;
    if (count == nullptr) return -2;
    if (text == nullptr) return -3;
    const int32_t used = *count < 0 ? 0 : *count;
    if (used == INT32_MAX) return -4;

    const size_t length = std::strlen(text);
    char *copy = static_cast<char *>(tl::Malloc(length + 1));
    if (copy == nullptr) return -4;
    std::memcpy(copy, text, length + 1);

    // realloc keeps the old array in place when it cannot grow it, so the
    // list stays valid on failure.
    void *grown = tl::Realloc(*array, (static_cast<size_t>(used) + 1) * sizeof(char *));
    if (grown == nullptr) {
        std::free(copy);
        return -4;
    }
    *array = static_cast<char **>(grown);
    (*array)[used] = copy;
    *count = used + 1;
    return 0;
}
