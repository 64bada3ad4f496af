/* The question asked before New, Open or leaving the editor throws away
 * unsaved changes.
 *
 * Only the Tuning screen can save, so on the first two screens the question
 * offers to discard the changes or stay, and says how to reach the screen
 * that saves. */
#ifndef KCG_MODEL_SAVE_PROMPT_H
#define KCG_MODEL_SAVE_PROMPT_H

#include "message.h"

namespace model {

// The question for the screen shown (1 General Information, 2 Axis Mapping;
// any other screen offers to save).
Message SavePromptMessage(int screen);

enum class PromptChoice {
    kAbandon,   // stay: the command that asked is not carried out
    kSaveFirst, // save; the command goes on only if the save succeeds
    kDiscard,   // go on and lose the changes
};

// What an answer to the question means. Yes saves, No and OK discard, Cancel
// abandons; so does any other answer (a box that could not be shown), since
// changes are never thrown away without the user saying so.
PromptChoice SavePromptChoice(Answer answer);

} // namespace model

#endif
