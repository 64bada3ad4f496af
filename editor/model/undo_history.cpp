#include "undo_history.h"

namespace model {

bool SamePart(ScreenPart part, const ScreenValues &a, const ScreenValues &b) {
    switch (part) {
    case ScreenPart::kGeneral:
        return a.gameTitle == b.gameTitle && a.executables == b.executables &&
               a.executableEdit == b.executableEdit && a.instructions == b.instructions &&
               a.includeInstructions == b.includeInstructions && a.labelPos == b.labelPos &&
               a.labelNeg == b.labelNeg && a.owner == b.owner;
    case ScreenPart::kAxis:
        return a.choices.motion == b.choices.motion && a.choices.invert == b.choices.invert &&
               a.orientation == b.orientation;
    case ScreenPart::kTuning:
        return a.scalarPos == b.scalarPos && a.deadZonePos == b.deadZonePos;
    }
    return true;
}

void CopyPart(ScreenPart part, const ScreenValues &from, ScreenValues &to) {
    switch (part) {
    case ScreenPart::kGeneral:
        to.gameTitle = from.gameTitle;
        to.executables = from.executables;
        to.executableEdit = from.executableEdit;
        to.instructions = from.instructions;
        to.includeInstructions = from.includeInstructions;
        to.labelPos = from.labelPos;
        to.labelNeg = from.labelNeg;
        to.owner = from.owner;
        break;
    case ScreenPart::kAxis:
        to.choices = from.choices;
        to.orientation = from.orientation;
        break;
    case ScreenPart::kTuning:
        to.scalarPos = from.scalarPos;
        to.deadZonePos = from.deadZonePos;
        break;
    }
}

void UndoHistory::Reset(const ScreenValues &now) {
    current_ = now;
    undo_.clear();
    redo_.clear();
}

bool UndoHistory::Record(const ScreenValues &now) {
    if (SamePart(part_, now, current_)) return false;
    undo_.push_back(current_);
    if (undo_.size() > kMaxSteps) undo_.pop_front();
    redo_.clear();
    current_ = now;
    return true;
}

// Moves one step from `from` to `to`: what is shown now goes onto `to`, the
// step taken off `from` becomes what is shown.
bool UndoHistory::Move(std::deque<ScreenValues> &from, std::deque<ScreenValues> &to, ScreenValues &values) {
    if (from.empty()) return false;
    to.push_back(current_);
    CopyPart(part_, from.back(), current_);
    from.pop_back();
    CopyPart(part_, current_, values);
    return true;
}

bool UndoHistory::Undo(ScreenValues &values) {
    return Move(undo_, redo_, values);
}

bool UndoHistory::Redo(ScreenValues &values) {
    return Move(redo_, undo_, values);
}

} // namespace model
