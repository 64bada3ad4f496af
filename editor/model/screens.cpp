#include "screens.h"

#include "sliders.h"

namespace model {
namespace {

// Control ids of the controls with tips.
enum {
    kExecutableEdit = 1002,
    kInstructionsEdit = 1004,
    kInstructionsCheck = 1151,
    kRevisionEdit = 1767,
    kFirstScalarSlider = 1732,
    kLastScalarSlider = 1737,
    kFirstDeadZoneSlider = 1738,
    kLastDeadZoneSlider = 1743
};

bool IsSuggestButton(int id) {
    return id == 1669 || id == 1670 || id == 1671 || id == 1672 || id == 1730 || id == 1731;
}

std::string FixedTip(int id) {
    switch (id) {
    case kExecutableEdit:
        return "Press the Add To List button to add exe name.";
    case kInstructionsEdit:
        return "These instructions will appear in the Customizer.";
    case kInstructionsCheck:
        return "Check this box to include the instructions.";
    case kRevisionEdit:
        return "This can be modified through the Advanced menu.";
    default:
        return IsSuggestButton(id) ? "Based on current Axis Map" : "";
    }
}

} // namespace

int ScreenTitleId(int screen, bool internal) {
    switch (screen) {
    case kGeneralScreen:
        return internal ? kTitleGeneralInternal : kTitleGeneral;
    case kAxisScreen:
        return internal ? kTitleAxisInternal : kTitleAxis;
    case kTuningScreen:
        return internal ? kTitleTuningInternal : kTitleTuning;
    default:
        return 0;
    }
}

const char *TitleText(int titleId) {
    switch (titleId) {
    case kTitleGeneral:
        return "Kavelin SDK KCG Editor - General Information";
    case kTitleAxis:
        return "Kavelin SDK KCG Editor - Axis Mapping";
    case kTitleTuning:
        return "Kavelin SDK KCG Editor - Tuning";
    case kTitleGeneralInternal:
        return "Kavelin SDK KCG Editor - General Information - INTERNAL USE ONLY!!!";
    case kTitleAxisInternal:
        return "Kavelin SDK KCG Editor - Axis Mapping - INTERNAL USE ONLY!!!";
    case kTitleTuningInternal:
        return "Kavelin SDK KCG Editor - Tuning - INTERNAL USE ONLY!!!";
    default:
        return "";
    }
}

std::string ToolTipText(int controlId, int sliderPosition) {
    std::string tip;
    if (controlId >= kFirstScalarSlider && controlId <= kLastScalarSlider)
        tip = ScalarTipText(sliderPosition);
    else if (controlId >= kFirstDeadZoneSlider && controlId <= kLastDeadZoneSlider)
        tip = DeadZoneTipText(sliderPosition);
    else
        tip = FixedTip(controlId);
    if (tip.size() > kMaxTipLength) tip.resize(kMaxTipLength);
    return tip;
}

} // namespace model
