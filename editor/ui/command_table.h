// A class's command handlers as one table: which control (or menu item) and
// notification runs which member function. A row names one id, a range of
// ids, or a list of ids; a row handler gets the position of the id in its
// range or list, so one row serves a family of controls (the six rows of a
// screen):
//
//   static const ui::Command<CAxisScreen> kCommands[] = {
//       {IDC_NEXT, BN_CLICKED, &CAxisScreen::OnNext},
//       {ui::Ids(IDC_INVERT_0, IDC_INVERT_5), BN_CLICKED, &CAxisScreen::OnInvert},
//       {ui::Ids(kSuggestIds), BN_CLICKED, &CTuningScreen::OnSuggest},
//   };
//   return ui::DispatchCommand(*this, kCommands, id, code);
#ifndef KCG_UI_COMMAND_TABLE_H
#define KCG_UI_COMMAND_TABLE_H

#include <cstddef>

namespace ui {

// Matches any notification code of the control (menu items send 0,
// accelerators 1).
constexpr int kAnyCode = -1;

// The ids a row answers: first..last, or the count ids of a list.
struct Ids {
    constexpr Ids(int id) : first(id), last(id) {} // NOLINT: one id reads as itself
    constexpr Ids(int firstId, int lastId) : first(firstId), last(lastId) {}
    template <std::size_t N>
    constexpr Ids(const int (&ids)[N]) : list(ids), count(static_cast<int>(N)) {} // NOLINT

    // The position of id among these ids, or -1.
    constexpr int Position(int id) const {
        if (!list) return id >= first && id <= last ? id - first : -1;
        for (int i = 0; i < count; ++i)
            if (list[i] == id) return i;
        return -1;
    }

    int first = 0, last = -1;
    const int *list = nullptr;
    int count = 0;
};

template <class T> struct Command {
    using Handler = void (T::*)();
    using RowHandler = void (T::*)(int);

    constexpr Command(Ids controlIds, int notification, Handler h)
        : ids(controlIds), code(notification), handler(h) {}
    constexpr Command(Ids controlIds, int notification, RowHandler h)
        : ids(controlIds), code(notification), rowHandler(h) {}

    Ids ids;
    int code;
    Handler handler = nullptr;
    RowHandler rowHandler = nullptr;
};

// Runs the first row that matches id and code; false if none does.
template <class T, std::size_t N>
bool DispatchCommand(T &self, const Command<T> (&table)[N], int id, int code) {
    for (const Command<T> &entry : table) {
        const int position = entry.ids.Position(id);
        if (position < 0 || (entry.code != kAnyCode && entry.code != code)) continue;
        if (entry.handler) {
            (self.*entry.handler)();
        } else {
            (self.*entry.rowHandler)(position);
        }
        return true;
    }
    return false;
}

} // namespace ui

#endif // KCG_UI_COMMAND_TABLE_H
