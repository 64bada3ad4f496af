// A list box of text items. Indexes are 0-based; -1 means none.
#ifndef KCG_UI_LIST_BOX_H
#define KCG_UI_LIST_BOX_H

#include "control.h"

namespace ui {

class ListBox : public Control {
  public:
    using Control::Control;

    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    // Adds an item (in sorted place for a sorted list); returns its index.
    int Add(const std::string &text) const;
    void Delete(int index) const { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }
    void Clear() const { Send(LB_RESETCONTENT); }
    // The item's text; "" for an index out of range.
    std::string ItemText(int index) const;
    int Selection() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void Select(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
};

} // namespace ui

#endif // KCG_UI_LIST_BOX_H
