// Everything of the Win32 layer in one include.
#ifndef KCG_UI_UI_H
#define KCG_UI_UI_H

#include "app.h"
#include "button.h"
#include "combo_box.h"
#include "command_table.h"
#include "control.h"
#include "dialog.h"
#include "dialog_hook.h"
#include "edit.h"
#include "file_dialog.h"
#include "focus_watch.h"
#include "list_box.h"
#include "message_box.h"
#include "slider.h"
#include "static_text.h"
#include "tool_tip.h"

#endif // KCG_UI_UI_H
