/* Which control of the wizard shows which value of the document: one table per
 * screen. The same rows carry the values both ways, from the document into the
 * controls and back, so that what a screen shows and what it saves cannot
 * drift apart. */
#ifndef KCG_MODEL_BINDINGS_H
#define KCG_MODEL_BINDINGS_H

#include <cstddef>

#include "resource.h"

namespace model {

// The value a control shows; row: the label row for the per-row values, the
// orientation a radio button stands for (1 vertical, 0 horizontal).
enum class Field {
    kGameTitle,           // edit
    kFileName,            // edit, shown only: the document's file name
    kExecutables,         // sorted list box
    kExecutableEdit,      // edit
    kIncludeInstructions, // check box
    kInstructions,        // edit, read-only unless the instructions are included
    kLabelPos,            // combo box with an edit
    kLabelNeg,            // combo box with an edit
    kRevision,            // edit, shown only
    kOwner,               // drop-down list
    kOrientation,         // radio button, checked when the orientation is its row
    kRowLabel,            // static text naming a Tuning row
    kScalar,              // slider position; read back with whether it is enabled
    kDeadZone             // slider position; read back with whether it is enabled
};

struct Binding {
    int controlId;
    Field field;
    int row;
};

struct BindingTable {
    const Binding *rows;
    std::size_t count;
    const Binding *begin() const { return rows; }
    const Binding *end() const { return rows + count; }
};

BindingTable GeneralBindings();
BindingTable AxisBindings();
BindingTable TuningBindings();

} // namespace model

#endif
