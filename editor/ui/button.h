// A push button, check box or radio button.
#ifndef KCG_UI_BUTTON_H
#define KCG_UI_BUTTON_H

#include "control.h"

namespace ui {

class Button : public Control {
  public:
    using Control::Control;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    // Presses the button as a click would: the dialog gets BN_CLICKED.
    void Click() const { Send(BM_CLICK); }
};

} // namespace ui

#endif // KCG_UI_BUTTON_H
