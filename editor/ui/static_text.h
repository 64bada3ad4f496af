// A static control: a label, a group box's caption holder or a picture.
#ifndef KCG_UI_STATIC_TEXT_H
#define KCG_UI_STATIC_TEXT_H

#include "control.h"

namespace ui {

class Static : public Control {
  public:
    using Control::Control;

    // The bitmap a picture static shows (it stays owned by whoever loaded it).
    HBITMAP Bitmap() const { return reinterpret_cast<HBITMAP>(Send(STM_GETIMAGE, IMAGE_BITMAP)); }
};

} // namespace ui

#endif // KCG_UI_STATIC_TEXT_H
