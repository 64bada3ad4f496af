#include "combo_box.h"

#include <vector>

namespace ui {

int ComboBox::Add(const std::string &text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::Insert(int index, const std::string &text) const {
    return static_cast<int>(
        Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

std::string ComboBox::ItemText(int index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (copied == CB_ERR) return std::string();
    return std::string(buffer.data());
}

int ComboBox::SelectPrefix(const std::string &prefix) const {
    const LRESULT index =
        Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix.c_str()));
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

} // namespace ui
