#include "dialog_hook.h"

#include "system_dialogs.h"

namespace ui {
namespace {

// The single replaceable slot. It lives here, behind CurrentDialogHook and
// ScopedDialogHook, so that nothing else can change it.
DialogHook *&Slot() {
    static SystemDialogs system;
    static DialogHook *current = &system;
    return current;
}

} // namespace

DialogHook &CurrentDialogHook() {
    return *Slot();
}

ScopedDialogHook::ScopedDialogHook(DialogHook &hook) : previous_(Slot()) {
    Slot() = &hook;
}

ScopedDialogHook::~ScopedDialogHook() {
    Slot() = previous_;
}

} // namespace ui
