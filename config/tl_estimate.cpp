// The size of the writer's text, line by line at each line's widest: a
// keyword, its widest value and the line end. Names are written as they are
// (at most 31 characters), quoted strings can double (a backslash before
// each special character), floats below 1e9 take at most 18 characters
// ("-999999999.999999") and integers 11. The writer checks every piece
// against its block, so an estimate that falls short costs a second pass,
// never a byte past the block; writer_test holds the estimate to the widest
// record.
#include "tl_estimate.h"

#include <cstring>

namespace tl {
namespace {

constexpr std::size_t kFloat = 18;
constexpr std::size_t kInt = 11;
constexpr std::size_t kName = TL_BUTTON_NAME_SIZE - 1;

constexpr std::size_t Quoted(std::size_t length) {
    return 2 + 2 * length;
}

// "{ v, v, ... }" of count floats.
constexpr std::size_t Group(std::size_t count) {
    return 3 + count * (2 + kFloat);
}

// Each string of a list: its separator (at most ",\r\n   ") and the string quoted.
std::size_t Strings(int32_t count, char *const *items) {
    std::size_t size = 0;
    for (int32_t i = 0; items != nullptr && i < count; ++i)
        size += 6 + Quoted(items[i] != nullptr ? std::strlen(items[i]) : 0);
    return size;
}

std::size_t General(const TlConfig &cfg) {
    std::size_t size = 160               // header with its time
                       + 11 + 3 * 48 + 2 // [VERSION]: three "major.minor" lines
                       + 18 + 2 * (19 + Quoted(TL_NAME_SIZE - 1) + 2) + 4 * 28 + 2 // [IDENTIFICATION]
                       + 192 // [CONFIGURATION] without its strings
                       + Quoted(cfg.commandLine != nullptr ? std::strlen(cfg.commandLine) : 0) +
                       Strings(cfg.executableCount, cfg.executables) +
                       Strings(cfg.copyFileCount, cfg.copyFiles) +
                       Strings(cfg.instructionCount, cfg.instructions);
    for (int32_t g = 0; cfg.custom != nullptr && g < cfg.customCount; ++g)
        size += 9 + Strings(cfg.custom[g].count, cfg.custom[g].items);
    size += 27 + 2 * TL_AXES * (21 + Quoted(TL_LABEL_SIZE - 1) + 2) // motion labels
            + 44 + 2 * TL_AXES * (12 + kFloat + 2)                  // APP_MIN_n, APP_MAX_n
            + 102 + TL_SETS * 45 + 4;                               // high pass filters
    // Button tables: ",\r\n   { NAME, "label", " then the entry's value and " }".
    const std::size_t entry = 8 + kName + 2 + Quoted(kName) + 2;
    size += 128;
    if (cfg.buttonMasks != nullptr && cfg.buttonMaskCount > 0)
        size += static_cast<std::size_t>(cfg.buttonMaskCount) * (entry + 2 + 8 + 2);
    if (cfg.buttonNumbers != nullptr && cfg.buttonNumberCount > 0)
        size += static_cast<std::size_t>(cfg.buttonNumberCount) * (entry + kInt + 2);
    if (cfg.buttonCharacters != nullptr && cfg.buttonCharacterCount > 0)
        size += static_cast<std::size_t>(cfg.buttonCharacterCount) * (entry + Quoted(TL_NAME_SIZE - 1) + 2);
    return size;
}

// A motion map's value: AXIS, UNDEFINED or "{ NAME, FUNCTION, f, f, f }".
std::size_t MotionMapValue(const TlMotionMap &map) {
    if (map.source == TL_SOURCE_AXIS) return 4;
    const bool named = map.source >= TL_SOURCE_MASK && map.source <= TL_SOURCE_CHARACTER &&
                       map.function >= TL_FUNCTION_HOLD && map.function <= TL_FUNCTION_REPEAT_CONSTANT;
    return named ? 2 + kName + 2 + 16 + 3 * (2 + kFloat) + 2 : 9;
}

// A button map's value: UNDEFINED or "{ NAME, FUNCTION, f }".
std::size_t ButtonMapValue(const TlButtonMap &map) {
    const bool named = map.source >= TL_SOURCE_MASK && map.source <= TL_SOURCE_CHARACTER &&
                       map.function >= TL_FUNCTION_HOLD && map.function <= TL_FUNCTION_REPEAT_CONSTANT;
    return named ? 2 + kName + 2 + 16 + 2 + kFloat + 2 : 9;
}

std::size_t Device(const TlConfig &cfg, int d) {
    std::size_t size = 21                                                   // [TELVAR_CONTROLLER]
                       + 41 + 4 * (20 + Quoted(TL_AXES) + 2) + 4            // axis maps
                       + 18 + 4 + 24 * (24 + 2)                             // motion map lines without values
                       + 24 + 4 + 2 * TL_BUTTON_SLOTS * (17 + 2)            // button map lines without values
                       + 52 + 4 + 2 * TL_NULL_REGIONS * (32 + Group(4) + 2) // null regions
                       + 35 + Group(TL_AXES) + 26 + TL_SETS * (16 + Group(TL_SENS_VALUES) + 2) + 4 // scalars
                       + 43 + kInt + 4;                                                            // sampling
    for (int a = 0; a < TL_AXES; ++a)
        size += MotionMapValue(cfg.motionMapPosDflt[d][a]) + MotionMapValue(cfg.motionMapNegDflt[d][a]) +
                MotionMapValue(cfg.motionMapPosUser[d][a]) + MotionMapValue(cfg.motionMapNegUser[d][a]);
    for (int s = 0; s < TL_BUTTON_SLOTS; ++s)
        size += ButtonMapValue(cfg.buttonDflt[d][s]) + ButtonMapValue(cfg.buttonUser[d][s]);
    for (int c = 0; c < TL_CURVES; ++c) {
        // "MOTION_DATA_1_CP =\r\n   {", rows of ",\r\n   { ... }", "\r\n   }\r\n\r\n".
        if (cfg.curveControlValid[d][c] == 1) size += 24 + TL_CP_ROWS * (6 + Group(TL_CP_COLUMNS)) + 10;
        const TlCurve &curve = cfg.curve[d][c];
        if (cfg.curveGiven[d][c] == 1) {
            size += 21 + 10;
            if (curve.points != nullptr && curve.pointCount > 0)
                size += static_cast<std::size_t>(curve.pointCount) * (6 + Group(2));
        }
    }
    return size;
}

} // namespace

std::size_t EstimateConfigTextSize(const TlConfig &cfg) {
    std::size_t size = General(cfg);
    for (int d = 0; d < TL_DEVICES; ++d) {
        if (cfg.devicePresent[d] != 0) size += Device(cfg, d);
    }
    return size;
}

} // namespace tl
