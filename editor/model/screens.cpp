#include "screens.h"

#include "sliders.h"

namespace model {
namespace {

bool IsSuggestButton(int id) {
    return (id >= IDC_SUGGEST_0 && id <= IDC_SUGGEST_1) || (id >= IDC_SUGGEST_2 && id <= IDC_SUGGEST_5);
}

std::string FixedTip(int id) {
    switch (id) {
    case IDC_EXE_NAME:
        return "Press the Add To List button to add exe name.";
    case IDC_INSTRUCTIONS:
        return "These instructions will appear in the Customizer.";
    case IDC_INSTRUCTIONS_CHECK:
        return "Check this box to include the instructions.";
    case IDC_FILE_REVISION:
        return "This can be modified through the Advanced menu.";
    default:
        return IsSuggestButton(id) ? "Based on current Axis Map" : "";
    }
}

} // namespace

int ScreenTitleId(int screen, bool internal) {
    switch (screen) {
    case kGeneralScreen:
        return internal ? IDS_TITLE_GENERAL_INTERNAL : IDS_TITLE_GENERAL;
    case kAxisScreen:
        return internal ? IDS_TITLE_AXIS_INTERNAL : IDS_TITLE_AXIS;
    case kTuningScreen:
        return internal ? IDS_TITLE_TUNING_INTERNAL : IDS_TITLE_TUNING;
    default:
        return 0;
    }
}

std::string ToolTipText(int controlId, int sliderPosition) {
    std::string tip;
    if (controlId >= IDC_SCALAR_0 && controlId <= IDC_SCALAR_5)
        tip = ScalarTipText(sliderPosition);
    else if (controlId >= IDC_DEAD_ZONE_0 && controlId <= IDC_DEAD_ZONE_5)
        tip = DeadZoneTipText(sliderPosition);
    else
        tip = FixedTip(controlId);
    if (tip.size() > kMaxTipLength) tip.resize(kMaxTipLength);
    return tip;
}

} // namespace model
