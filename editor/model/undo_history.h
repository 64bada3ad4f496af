/* Undo and redo of the changes made on one screen.
 *
 * The screen's values are recorded after every action that may have changed
 * them (a field left, a button pressed, a choice made, a slider let go); an
 * action that changed nothing of the screen's own values is no step. Undo
 * gives back the screen's values before the last step, redo the ones after
 * it; a new step after an undo drops what could be redone. Only the values
 * the screen shows are restored, so the other screens' changes stay. */
#ifndef KCG_MODEL_UNDO_HISTORY_H
#define KCG_MODEL_UNDO_HISTORY_H

#include <cstddef>
#include <deque>

#include "screen_values.h"

namespace model {

// Which screen's values a history keeps.
enum class ScreenPart { kGeneral, kAxis, kTuning };

// True when a and b show the same on that screen.
bool SamePart(ScreenPart part, const ScreenValues &a, const ScreenValues &b);
// Copies that screen's values from `from` into `to`, leaving the rest.
void CopyPart(ScreenPart part, const ScreenValues &from, ScreenValues &to);

class UndoHistory {
  public:
    static constexpr std::size_t kMaxSteps = 100;

    explicit UndoHistory(ScreenPart part) : part_(part) {}

    // Starts anew from the values shown now (New, Open): nothing to undo.
    void Reset(const ScreenValues &now);
    // Takes the screen's values shown now as the last recorded ones without a
    // step: what entering the screen shows is no change of the user's.
    void Rebase(const ScreenValues &now) { CopyPart(part_, now, current_); }
    // After an action: a step when the screen's values differ from the last
    // recorded ones. True when a step was recorded.
    bool Record(const ScreenValues &now);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Puts the screen's values before the last step (after the last undone
    // step) into values; false when there is none.
    bool Undo(ScreenValues &values);
    bool Redo(ScreenValues &values);

  private:
    bool Move(std::deque<ScreenValues> &from, std::deque<ScreenValues> &to, ScreenValues &values);

    ScreenPart part_;
    ScreenValues current_;
    std::deque<ScreenValues> undo_, redo_;
};

} // namespace model

#endif
