/* Window titles of the three screens and the tool-tip texts of the controls.
 *
 * The titles live in the string table; these are their ids and texts, so that
 * the dialog, the single-instance search and tests agree on them. */
#ifndef KCG_MODEL_SCREENS_H
#define KCG_MODEL_SCREENS_H

#include <array>
#include <string>

namespace model {

enum Screen { kNoScreen = 0, kGeneralScreen = 1, kAxisScreen = 2, kTuningScreen = 3 };

// String ids of the screen titles: 103..105 normally, 107..109 in internal-use mode.
enum TitleId {
    kTitleGeneral = 103,
    kTitleAxis = 104,
    kTitleTuning = 105,
    kTitleGeneralInternal = 107,
    kTitleAxisInternal = 108,
    kTitleTuningInternal = 109
};

// The string id of a screen's title; 0 for a screen that is not 1..3.
int ScreenTitleId(int screen, bool internal);

// The text of a title string id; "" for any other id.
const char *TitleText(int titleId);

// The titles by which a running editor is found, in the order they are tried:
// the internal-use titles first.
constexpr std::array<int, 6> kInstanceTitleOrder = {
    kTitleGeneralInternal, kTitleAxisInternal, kTitleTuningInternal, kTitleGeneral, kTitleAxis, kTitleTuning};

// At most this many characters of a tip are shown.
constexpr size_t kMaxTipLength = 79;

// The tip of the control with this id; sliderPosition is the control's current
// position and matters only for the sliders. "" means the control has no tip.
std::string ToolTipText(int controlId, int sliderPosition);

} // namespace model

#endif
