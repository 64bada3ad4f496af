// Which controls of the wizard template belong to which screen. A screen is
// shown by showing its group and hidden by hiding it; the logo belongs to no
// group and stays visible on every screen.
#ifndef KCG_APP_SCREEN_GROUPS_H
#define KCG_APP_SCREEN_GROUPS_H

#include "resource.h"

namespace screens {

// General Information, without the variable names and the owner controls,
// which follow their own rules.
constexpr int kGeneralGroup[] = {IDC_GAME_TITLE,         IDC_BACK_GENERAL,
                                 IDC_NEXT_GENERAL,       IDC_ADD_EXE,
                                 IDC_BROWSE_EXE,         IDC_EXE_NAME,
                                 IDC_REMOVE_EXE,         IDC_EXE_LIST,
                                 IDC_FILE_NAME,          IDC_INSTRUCTIONS,
                                 IDC_INSTRUCTIONS_CHECK, IDC_LABEL_X_POS,
                                 IDC_LABEL_X_NEG,        IDC_LABEL_Y_POS,
                                 IDC_LABEL_Y_NEG,        IDC_LABEL_Z_POS,
                                 IDC_LABEL_Z_NEG,        IDC_LABEL_R_POS,
                                 IDC_LABEL_R_NEG,        IDC_LABEL_U_POS,
                                 IDC_LABEL_U_NEG,        IDC_LABEL_V_POS,
                                 IDC_LABEL_V_NEG,        IDC_PRE_DIRECTX5,
                                 IDC_DIRECTX5,           IDC_FILE_REVISION,
                                 IDC_GROUP_VERSION,      IDC_REVISION_LABEL,
                                 IDC_GROUP_GAME_TITLE,   IDC_GROUP_FILE_NAME,
                                 IDC_GROUP_EXECUTABLES,  IDC_EXE_NOTE,
                                 IDC_GROUP_INSTRUCTIONS, IDC_GROUP_MOTION_LABELS,
                                 IDC_GROUP_DIRECTINPUT,  IDC_DIRECTINPUT_NOTE,
                                 IDC_POSITIVE_HEADING,   IDC_NEGATIVE_HEADING};

// The names of the game's input variables beside the label rows.
constexpr int kVariableNamesBeforeDirectX5[] = {IDC_VAR_DWXPOS, IDC_VAR_DWYPOS, IDC_VAR_DWZPOS,
                                                IDC_VAR_DWRPOS, IDC_VAR_DWUPOS, IDC_VAR_DWVPOS};
constexpr int kVariableNamesDirectX5[] = {IDC_VAR_LX,      IDC_VAR_LY,      IDC_VAR_LZ,    IDC_VAR_LRZ,
                                          IDC_VAR_SLIDER0, IDC_VAR_SLIDER1, IDC_VAR_UNUSED};

// Internal-use mode only, on the General Information screen.
constexpr int kOwnerControls[] = {IDC_OWNER, IDC_OWNER_LABEL, IDC_GROUP_OWNER};

// Axis Mapping, without the two ball pictures (only one of them is shown).
constexpr int kAxisGroup[] = {
    IDC_AXIS_0,           IDC_AXIS_1,          IDC_AXIS_2,          IDC_AXIS_3,
    IDC_AXIS_4,           IDC_AXIS_5,          IDC_AXIS_OPPOSITE_0, IDC_AXIS_OPPOSITE_1,
    IDC_AXIS_OPPOSITE_2,  IDC_AXIS_OPPOSITE_3, IDC_AXIS_OPPOSITE_4, IDC_AXIS_OPPOSITE_5,
    IDC_BACK_AXIS,        IDC_NEXT_AXIS,       IDC_INVERT_0,        IDC_INVERT_1,
    IDC_INVERT_2,         IDC_INVERT_3,        IDC_INVERT_4,        IDC_INVERT_5,
    IDC_VERTICAL,         IDC_HORIZONTAL,      IDC_INVERT_HEADING,  IDC_AXIS_HEADING,
    IDC_GROUP_ORIENTATION};
constexpr int kBallPictures[] = {IDC_BALL_VERTICAL, IDC_BALL_HORIZONTAL};

constexpr int kTuningGroup[] = {IDC_BACK_TUNING,
                                IDC_NEXT_TUNING,
                                IDC_SAVE,
                                IDC_SAVE_AS,
                                IDC_TEST,
                                IDC_ROW_LABEL_0,
                                IDC_ROW_LABEL_1,
                                IDC_ROW_LABEL_2,
                                IDC_ROW_LABEL_3,
                                IDC_ROW_LABEL_4,
                                IDC_ROW_LABEL_5,
                                IDC_DEAD_ZONE_0,
                                IDC_DEAD_ZONE_1,
                                IDC_DEAD_ZONE_2,
                                IDC_DEAD_ZONE_3,
                                IDC_DEAD_ZONE_4,
                                IDC_DEAD_ZONE_5,
                                IDC_SUGGEST_0,
                                IDC_SUGGEST_1,
                                IDC_SUGGEST_2,
                                IDC_SUGGEST_3,
                                IDC_SUGGEST_4,
                                IDC_SUGGEST_5,
                                IDC_SCALAR_0,
                                IDC_SCALAR_1,
                                IDC_SCALAR_2,
                                IDC_SCALAR_3,
                                IDC_SCALAR_4,
                                IDC_SCALAR_5,
                                IDC_EXIT,
                                IDC_MOTIONS_HEADING,
                                IDC_SCALARS_HEADING,
                                IDC_DEAD_ZONES_HEADING,
                                IDC_SCALAR_MARK_0,
                                IDC_SCALAR_MARK_1,
                                IDC_SCALAR_MARK_2,
                                IDC_SCALAR_MARK_3,
                                IDC_DEAD_ZONE_MARK_0,
                                IDC_DEAD_ZONE_MARK_100,
                                IDC_SCALAR_VALUE_0,
                                IDC_SCALAR_VALUE_1,
                                IDC_SCALAR_VALUE_2,
                                IDC_SCALAR_VALUE_3,
                                IDC_SCALAR_VALUE_4,
                                IDC_SCALAR_VALUE_5,
                                IDC_DEAD_ZONE_VALUE_0,
                                IDC_DEAD_ZONE_VALUE_1,
                                IDC_DEAD_ZONE_VALUE_2,
                                IDC_DEAD_ZONE_VALUE_3,
                                IDC_DEAD_ZONE_VALUE_4,
                                IDC_DEAD_ZONE_VALUE_5,
                                IDC_RESPONSE_HEADING,
                                IDC_RESPONSE_PLOT};

// The label rows' combo boxes, row 0 (game axis X) to row 5 (V).
constexpr int kPositiveLabelIds[] = {IDC_LABEL_X_POS, IDC_LABEL_Y_POS, IDC_LABEL_Z_POS,
                                     IDC_LABEL_R_POS, IDC_LABEL_U_POS, IDC_LABEL_V_POS};
constexpr int kNegativeLabelIds[] = {IDC_LABEL_X_NEG, IDC_LABEL_Y_NEG, IDC_LABEL_Z_NEG,
                                     IDC_LABEL_R_NEG, IDC_LABEL_U_NEG, IDC_LABEL_V_NEG};

// What a label combo box offers; the user may also type any text.
constexpr const char *kLabelPresets[] = {"Strafe Left",  "Strafe Right",  "Jump",      "Crouch",
                                         "Move Forward", "Move Backward", "Turn Left", "Turn Right",
                                         "Pitch Up",     "Pitch Down",    "Roll Left", "Roll Right"};

// The owner combo box's list (sorted by the control).
constexpr const char *kOwnerWords[] = {"OEM", "QUORVANE", "USER"};

} // namespace screens

#endif // KCG_APP_SCREEN_GROUPS_H
