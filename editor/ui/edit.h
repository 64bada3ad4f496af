// An edit control.
#ifndef KCG_UI_EDIT_H
#define KCG_UI_EDIT_H

#include "control.h"

namespace ui {

class Edit : public Control {
  public:
    using Control::Control;

    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
    // Most characters the user may type; 0 lifts the limit to the maximum.
    void SetLimit(int characters) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }
    void ScrollCaretIntoView() const { Send(EM_SCROLLCARET); }
};

} // namespace ui

#endif // KCG_UI_EDIT_H
