#include "bindings.h"

namespace model {
namespace {

// In the order the values go into the controls: the instructions' check box
// before the edit whose read-only state follows it.
constexpr Binding kGeneral[] = {
    {IDC_GAME_TITLE, Field::kGameTitle, 0},
    {IDC_FILE_NAME, Field::kFileName, 0},
    {IDC_EXE_LIST, Field::kExecutables, 0},
    {IDC_EXE_NAME, Field::kExecutableEdit, 0},
    {IDC_INSTRUCTIONS_CHECK, Field::kIncludeInstructions, 0},
    {IDC_INSTRUCTIONS, Field::kInstructions, 0},
    {IDC_LABEL_X_POS, Field::kLabelPos, 0},
    {IDC_LABEL_X_NEG, Field::kLabelNeg, 0},
    {IDC_LABEL_Y_POS, Field::kLabelPos, 1},
    {IDC_LABEL_Y_NEG, Field::kLabelNeg, 1},
    {IDC_LABEL_Z_POS, Field::kLabelPos, 2},
    {IDC_LABEL_Z_NEG, Field::kLabelNeg, 2},
    {IDC_LABEL_R_POS, Field::kLabelPos, 3},
    {IDC_LABEL_R_NEG, Field::kLabelNeg, 3},
    {IDC_LABEL_U_POS, Field::kLabelPos, 4},
    {IDC_LABEL_U_NEG, Field::kLabelNeg, 4},
    {IDC_LABEL_V_POS, Field::kLabelPos, 5},
    {IDC_LABEL_V_NEG, Field::kLabelNeg, 5},
    {IDC_FILE_REVISION, Field::kRevision, 0},
    {IDC_OWNER, Field::kOwner, 0},
};

constexpr Binding kAxis[] = {
    {IDC_VERTICAL, Field::kOrientation, 1},
    {IDC_HORIZONTAL, Field::kOrientation, 0},
};

// Dead zones before scalars, as a new document sets them.
constexpr Binding kTuning[] = {
    {IDC_ROW_LABEL_0, Field::kRowLabel, 0}, {IDC_ROW_LABEL_1, Field::kRowLabel, 1},
    {IDC_ROW_LABEL_2, Field::kRowLabel, 2}, {IDC_ROW_LABEL_3, Field::kRowLabel, 3},
    {IDC_ROW_LABEL_4, Field::kRowLabel, 4}, {IDC_ROW_LABEL_5, Field::kRowLabel, 5},
    {IDC_DEAD_ZONE_0, Field::kDeadZone, 0}, {IDC_SCALAR_0, Field::kScalar, 0},
    {IDC_DEAD_ZONE_1, Field::kDeadZone, 1}, {IDC_SCALAR_1, Field::kScalar, 1},
    {IDC_DEAD_ZONE_2, Field::kDeadZone, 2}, {IDC_SCALAR_2, Field::kScalar, 2},
    {IDC_DEAD_ZONE_3, Field::kDeadZone, 3}, {IDC_SCALAR_3, Field::kScalar, 3},
    {IDC_DEAD_ZONE_4, Field::kDeadZone, 4}, {IDC_SCALAR_4, Field::kScalar, 4},
    {IDC_DEAD_ZONE_5, Field::kDeadZone, 5}, {IDC_SCALAR_5, Field::kScalar, 5},
};

template <std::size_t N> BindingTable Table(const Binding (&rows)[N]) {
    return BindingTable{rows, N};
}

} // namespace

BindingTable GeneralBindings() {
    return Table(kGeneral);
}
BindingTable AxisBindings() {
    return Table(kAxis);
}
BindingTable TuningBindings() {
    return Table(kTuning);
}

} // namespace model
