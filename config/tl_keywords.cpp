#include "tl_keywords.h"

#include "tl_defs.h"

namespace tl {

Keywords::Keywords() {
    static const char *const kSides[2] = {"_POS", "_NEG"};
    static const char *const kCopies[2] = {"_DFLT", "_USER"};
    static const char *const kRegions[TL_NULL_REGIONS] = {"1", "2", "3", "4", "5", "6", "BUTTON_CURVE"};
    for (int n = 0; n < TL_AXES; ++n) {
        const std::string number = TlButtonSlotNames[n]; // "1".."6"
        appMin[n] = "APP_MIN_" + number;
        appMax[n] = "APP_MAX_" + number;
        for (int side = 0; side < 2; ++side) {
            motionLabel[n][side] = "MOTION_LABEL_" + number + kSides[side];
            for (int copy = 0; copy < 2; ++copy)
                motionMap[n][side][copy] = "MOTION_MAP_" + number + kSides[side] + kCopies[copy];
        }
    }
    for (int set = 0; set < TL_SETS; ++set) {
        highPassFilter[set] = std::string("HPFM_") + TlSetNames[set];
        sensitivity[set] = std::string("SENS_") + TlSetNames[set];
    }
    for (int copy = 0; copy < 2; ++copy) {
        for (int slot = 0; slot < TL_KAVELIN_BUTTONS; ++slot)
            kavelinButton[slot][copy] = std::string("BUTTON_") + TlKavelinButtonNames[slot] + kCopies[copy];
        for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot)
            slotButton[slot][copy] = std::string("BUTTON_") + TlButtonSlotNames[slot] + kCopies[copy];
        for (int r = 0; r < TL_NULL_REGIONS; ++r)
            nullRegion[r][copy] = std::string("NULL_REGION_") + kRegions[r] + kCopies[copy];
    }
    for (int c = 0; c < TL_CURVES; ++c)
        controlTable[c] = std::string(TlCurveNames[c]) + "_CP";
}

const Keywords &Keywords::Get() {
    static const Keywords kKeywords;
    return kKeywords;
}

} // namespace tl
