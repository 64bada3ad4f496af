/* The three screens' title strings and the tool-tip texts of the controls. */
#ifndef KCG_MODEL_SCREENS_H
#define KCG_MODEL_SCREENS_H

#include <array>
#include <string>

#include "resource.h"

namespace model {

enum Screen { kNoScreen = 0, kGeneralScreen = 1, kAxisScreen = 2, kTuningScreen = 3 };

// The string id of a screen's title (IDS_TITLE_*, the internal-use ones in
// internal-use mode); 0 for a screen that is not 1..3.
int ScreenTitleId(int screen, bool internal);

// The titles by which a running editor is found, in the order they are tried:
// the internal-use titles first.
constexpr std::array<int, 6> kInstanceTitleOrder = {
    IDS_TITLE_GENERAL_INTERNAL, IDS_TITLE_AXIS_INTERNAL, IDS_TITLE_TUNING_INTERNAL,
    IDS_TITLE_GENERAL,          IDS_TITLE_AXIS,          IDS_TITLE_TUNING};

// At most this many characters of a tip are shown.
constexpr size_t kMaxTipLength = 79;

// The tip of the control with this id; sliderPosition is the control's current
// position and matters only for the sliders. "" means the control has no tip.
std::string ToolTipText(int controlId, int sliderPosition);

} // namespace model

#endif
