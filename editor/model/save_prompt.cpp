#include "save_prompt.h"

#include "screens.h"

namespace model {
namespace {

const char *const kCaption = "Kavelin SDK KCG Editor";
const char *const kGeneralText =
    "Warning! There were changes made to one of the screens. You\ncannot save changes from this screen. "
    "You must be on the last\nscreen of the KCG Editor. You can get to that screen by pressing\nthe Next "
    "button twice.\n\nWould you like to continue and DISCARD CHANGES?";
const char *const kAxisText =
    "Warning! There were changes made to one of the screens. You\ncannot save changes from this screen. "
    "You must be on the last\nscreen of the KCG Editor. You can get to that screen by pressing\nthe Next "
    "button.\n\nWould you like to continue and DISCARD CHANGES?";
const char *const kTuningText = "Do you want to save the changes you made?";

} // namespace

Message SavePromptMessage(int screen) {
    switch (screen) {
    case kGeneralScreen:
        return {kGeneralText, kCaption, MessageIcon::kWarning, MessageButtons::kOkCancel};
    case kAxisScreen:
        return {kAxisText, kCaption, MessageIcon::kWarning, MessageButtons::kOkCancel};
    default:
        return {kTuningText, kCaption, MessageIcon::kWarning, MessageButtons::kYesNoCancel};
    }
}

PromptChoice SavePromptChoice(Answer answer) {
    switch (answer) {
    case Answer::kYes:
        return PromptChoice::kSaveFirst;
    case Answer::kNo:
    case Answer::kOk:
        return PromptChoice::kDiscard;
    default:
        return PromptChoice::kAbandon;
    }
}

} // namespace model
