// A combo box: a drop-down list, or an edit with a list. Indexes are 0-based;
// -1 means none.
#ifndef KCG_UI_COMBO_BOX_H
#define KCG_UI_COMBO_BOX_H

#include "control.h"

namespace ui {

class ComboBox : public Control {
  public:
    using Control::Control;

    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // Adds an item (in sorted place for a sorted list); returns its index.
    int Add(const std::string &text) const;
    // Inserts an item at index (-1: at the end), never sorting; returns its index.
    int Insert(int index, const std::string &text) const;
    void Delete(int index) const { Send(CB_DELETESTRING, static_cast<WPARAM>(index)); }
    // Removes every item and empties the edit part.
    void Clear() const { Send(CB_RESETCONTENT); }
    // The item's text; "" for an index out of range.
    std::string ItemText(int index) const;
    int Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // Selects the first item that begins with prefix (any case); its index or -1.
    int SelectPrefix(const std::string &prefix) const;

    // Most characters the edit part takes.
    void SetLimit(int characters) const { Send(CB_LIMITTEXT, static_cast<WPARAM>(characters)); }
    // Width of the opened list in pixels.
    void SetDroppedWidth(int pixels) const { Send(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(pixels)); }
    // The extended keyboard interface: the down arrow opens the list, F4 does not.
    void SetExtendedUI(bool on) const { Send(CB_SETEXTENDEDUI, on ? TRUE : FALSE); }
    bool IsDroppedDown() const { return Send(CB_GETDROPPEDSTATE) != FALSE; }
};

} // namespace ui

#endif // KCG_UI_COMBO_BOX_H
