// A user at the wizard, for the editor's window tests: text typed key by
// key, lists opened and chosen from with the mouse and the keyboard, buttons
// pressed, and what the last message box said.
#ifndef KCG_TESTS_WIN_EDITOR_USER_H
#define KCG_TESTS_WIN_EDITOR_USER_H

#include <string>
#include <vector>

#include "editor_fixture.h"
#include "resource.h"

namespace editor_test {

// The label rows' combo boxes, row 0 (game axis X) to row 5 (V).
constexpr int kPositiveLabel[] = {IDC_LABEL_X_POS, IDC_LABEL_Y_POS, IDC_LABEL_Z_POS,
                                  IDC_LABEL_R_POS, IDC_LABEL_U_POS, IDC_LABEL_V_POS};
constexpr int kNegativeLabel[] = {IDC_LABEL_X_NEG, IDC_LABEL_Y_NEG, IDC_LABEL_Z_NEG,
                                  IDC_LABEL_R_NEG, IDC_LABEL_U_NEG, IDC_LABEL_V_NEG};

// Axis rows from the top of the Axis Mapping screen, by the ball motion
// the picture names beside them.
enum AxisRow { kTY = 0, kRZ = 1, kTX = 2, kRY = 3, kRX = 4, kTZ = 5 };

class EditorUser : public EditorDialog {
  public:
    // Opens the dialog as the active window, so that focus, keys and opened
    // lists work as on the user's screen. It stays hidden: showing and hiding
    // a window costs seconds under a display without a window manager, and
    // nothing here depends on pixels.
    void OpenActive(bool internal = false) {
        Open(internal);
        ASSERT_NE(dialog, nullptr);
        SetActiveWindow(dialog->hwnd());
        PumpMessages();
    }

    // The window that takes the keys of a control: an editable combo box's edit.
    HWND KeyTarget(int id) const {
        HWND control = Item(id);
        HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
        return edit ? edit : control;
    }
    void Key(HWND target, WPARAM key) {
        SendMessageA(target, WM_KEYDOWN, key, 1);
        SendMessageA(target, WM_KEYUP, key, 1 | (3u << 30));
        PumpMessages();
    }
    // Replaces the text of an edit or an editable combo box by typing it.
    void Type(int id, const std::string &text) {
        HWND target = KeyTarget(id);
        SetFocus(target);
        SendMessageA(target, EM_SETSEL, 0, -1);
        if (text.empty()) SendMessageA(target, WM_CHAR, VK_BACK, 1);
        for (size_t i = 0; i < text.size(); ++i) {
            // A line break is one press of Enter, which types the carriage return.
            if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') continue;
            SendMessageA(target, WM_CHAR, static_cast<unsigned char>(text[i]), 1);
        }
        PumpMessages();
    }
    void Press(int id) {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }

    // The entries an axis row's list offers while it is open.
    std::vector<std::string> OpenListItems(int axisRow) {
        HWND combo = Item(IDC_AXIS_0 + axisRow);
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        PumpMessages();
        std::vector<std::string> items;
        const ui::ComboBox box(combo);
        for (int i = 0; i < box.Count(); ++i)
            items.push_back(box.ItemText(i));
        Key(combo, VK_ESCAPE);
        return items;
    }
    // Opens an axis row's list with the down arrow, goes to the entry with
    // Home and the arrows, and takes it with Enter (or leaves with Esc).
    void ChooseWithKeys(int axisRow, int entry, WPARAM closingKey = VK_RETURN) {
        HWND combo = Item(IDC_AXIS_0 + axisRow);
        SetFocus(combo);
        Key(combo, VK_DOWN);
        Key(combo, VK_HOME);
        for (int i = 0; i < entry; ++i)
            Key(combo, VK_DOWN);
        Key(combo, closingKey);
    }
    // Opens an axis row's list with a click on the box and clicks an entry;
    // entry -1 clicks beside the list, which closes it without a choice.
    void ChooseWithMouse(int axisRow, int entry) {
        HWND combo = Item(IDC_AXIS_0 + axisRow);
        RECT box;
        GetClientRect(combo, &box);
        const LPARAM onButton = MAKELPARAM(box.right - 5, box.bottom / 2);
        SetFocus(combo);
        SendMessageA(combo, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
        SendMessageA(combo, WM_LBUTTONUP, 0, onButton);
        PumpMessages();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        POINT at{-50, -50};
        if (entry >= 0) {
            RECT item{};
            SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(entry),
                         reinterpret_cast<LPARAM>(&item));
            at = {item.left + 5, item.top + 2};
        }
        const LPARAM point = MAKELPARAM(at.x, at.y);
        SendMessageA(info.hwndList, WM_MOUSEMOVE, 0, point);
        SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(info.hwndList, WM_LBUTTONUP, 0, point);
        PumpMessages();
    }
    // The way a program (or a test harness) picks an entry: the selection is
    // set and the dialog told of the change, the list never opened.
    void ChooseBySelection(int axisRow, int entry) {
        HWND combo = Item(IDC_AXIS_0 + axisRow);
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_AXIS_0 + axisRow, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        PumpMessages();
    }
    // What a closed axis row shows: the box's text and the edit beside the picture.
    std::pair<std::string, std::string> AxisShows(int axisRow) const {
        return {Text(IDC_AXIS_0 + axisRow), Text(IDC_AXIS_OPPOSITE_0 + axisRow)};
    }

    // The dialog's control that has the focus (an editable combo box for its edit), or 0.
    int FocusedId() const {
        for (HWND w = GetFocus(); w; w = GetParent(w)) {
            if (GetParent(w) == dialog->hwnd()) return GetDlgCtrlID(w);
        }
        return 0;
    }

    // The least that lets Next leave General Information: a title, an
    // executable and, for each given row, its two labels.
    void FillGeneral(const std::string &title, const std::vector<std::pair<std::string, std::string>> &rows) {
        Type(IDC_GAME_TITLE, title);
        Type(IDC_EXE_NAME, "game.exe");
        Press(IDC_ADD_EXE);
        for (size_t row = 0; row < rows.size(); ++row) {
            Type(kPositiveLabel[row], rows[row].first);
            Type(kNegativeLabel[row], rows[row].second);
        }
    }

    // The last message box shown, or an empty request if none was.
    ui::MessageBoxRequest LastBox() const {
        return boxes.MessageBoxes().empty() ? ui::MessageBoxRequest{} : boxes.MessageBoxes().back();
    }
    size_t BoxCount() const { return boxes.MessageBoxes().size(); }
};

} // namespace editor_test

#endif
