// A trackbar (slider) of the common controls.
#ifndef KCG_UI_SLIDER_H
#define KCG_UI_SLIDER_H

#include <commctrl.h>

#include "control.h"

namespace ui {

class Slider : public Control {
  public:
    using Control::Control;

    void SetRange(int minimum, int maximum, bool redraw) const {
        Send(TBM_SETRANGEMIN, FALSE, minimum);
        Send(TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
    }
    // Tick marks every `frequency` positions (with automatic ticks).
    void SetTickFrequency(int frequency) const { Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
    // Movement by Page Up and Page Down, and by the arrow keys.
    void SetPageSize(int size) const { Send(TBM_SETPAGESIZE, 0, size); }
    void SetLineSize(int size) const { Send(TBM_SETLINESIZE, 0, size); }
    int Position() const { return static_cast<int>(Send(TBM_GETPOS)); }
    void SetPosition(int position, bool redraw) const { Send(TBM_SETPOS, redraw ? TRUE : FALSE, position); }
};

} // namespace ui

#endif // KCG_UI_SLIDER_H
