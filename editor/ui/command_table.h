// A dialog's command handlers as one table: which control and notification
// runs which member function. A dialog class lists its table in its
// DispatchCommand override:
//
//   bool CMyDlg::DispatchCommand(int id, int code) {
//     static const ui::Command<CMyDlg> kCommands[] = {
//         {IDC_NEXT, BN_CLICKED, &CMyDlg::OnNext},
//         {IDC_INVERT_0, BN_CLICKED, &CMyDlg::OnInvert, 0},  // one of a row family
//     };
//     return ui::DispatchCommand(*this, kCommands, id, code);
//   }
#ifndef KCG_UI_COMMAND_TABLE_H
#define KCG_UI_COMMAND_TABLE_H

#include <cstddef>

namespace ui {

// Matches any notification code of the control (menu items send 0,
// accelerators 1).
constexpr int kAnyCode = -1;

template <class T> struct Command {
    using Handler = void (T::*)();
    using RowHandler = void (T::*)(int);

    constexpr Command(int controlId, int notification, Handler h)
        : id(controlId), code(notification), handler(h), rowHandler(nullptr), row(0) {}
    // For a family of identical controls: the handler gets the row number.
    constexpr Command(int controlId, int notification, RowHandler h, int rowIndex)
        : id(controlId), code(notification), handler(nullptr), rowHandler(h), row(rowIndex) {}

    int id;
    int code;
    Handler handler;
    RowHandler rowHandler;
    int row;
};

// Runs the first entry that matches id and code; false if none does.
template <class T, std::size_t N>
bool DispatchCommand(T &self, const Command<T> (&table)[N], int id, int code) {
    for (const Command<T> &entry : table) {
        if (entry.id != id || (entry.code != kAnyCode && entry.code != code)) continue;
        if (entry.handler) {
            (self.*entry.handler)();
        } else {
            (self.*entry.rowHandler)(entry.row);
        }
        return true;
    }
    return false;
}

} // namespace ui

#endif // KCG_UI_COMMAND_TABLE_H
