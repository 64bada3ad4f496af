/* Internal to the library: the names of the numbered entries the reader looks
 * up ("MOTION_MAP_3_NEG_USER", "SENS_EXP_DFLT", ...), put together once rather
 * than on every lookup of every read. */
#ifndef TL_KEYWORDS_H
#define TL_KEYWORDS_H

#include <string>

#include "tl_cfg.h"

namespace tl {

struct Keywords {
    enum Copy { kDflt, kUser };
    enum Side { kPos, kNeg };

    std::string motionLabel[TL_AXES][2]; /* [axis][Side] */
    std::string appMin[TL_AXES], appMax[TL_AXES];
    std::string highPassFilter[TL_SETS];
    std::string motionMap[TL_AXES][2][2]; /* [axis][Side][Copy] */
    std::string kavelinButton[TL_KAVELIN_BUTTONS][2];
    std::string slotButton[TL_BUTTON_SLOTS][2]; /* [slot][Copy] */
    std::string nullRegion[TL_NULL_REGIONS][2]; /* [region][Copy] */
    std::string sensitivity[TL_SETS];
    std::string controlTable[TL_CURVES];

    static const Keywords &Get();

  private:
    Keywords();
};

} // namespace tl

#endif
