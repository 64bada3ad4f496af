#include "message_boxes.h"

#include "controls.h"
#include "top_windows.h"

namespace e2e {

namespace {

constexpr char kDialogClass[] = "#32770";

struct Children {
    std::string text;
    std::vector<int> buttons;
};

bool IsIconStatic(HWND control) {
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const LONG_PTR type = style & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP;
}

// The message text is the box's one static control that is no icon; its id
// differs between systems, so it is found by class and style.
BOOL CALLBACK ReadChild(HWND child, LPARAM context) {
    auto *children = reinterpret_cast<Children *>(context);
    if (!IsWindowVisible(child)) return TRUE;
    const std::string kind = ClassOf(child);
    if (kind == "Static" && !IsIconStatic(child)) {
        const std::optional<std::string> text = ReadText(child);
        if (text && !text->empty()) {
            if (!children->text.empty()) children->text += "\n";
            children->text += *text;
        }
    } else if (kind == "Button") {
        children->buttons.push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

} // namespace

std::optional<MessageBoxSeen> WaitForMessageBox(const std::string &caption, DWORD processId, DWORD boundMs) {
    WindowQuery query;
    query.title = caption;
    query.className = kDialogClass;
    query.processId = processId;
    HWND box = WaitForTopLevelWindow(query, boundMs);
    if (!box) return std::nullopt;
    return ReadMessageBox(box);
}

MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    seen.window = box;
    seen.caption = WindowTitle(box);
    Children children;
    EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&children));
    seen.text = children.text;
    seen.buttons = children.buttons;
    return seen;
}

bool AnswerMessageBox(HWND box, int buttonId, DWORD boundMs) {
    HWND button = ControlOf(box, buttonId);
    if (!button || !IsWindowVisible(button)) return false;
    if (!PressButton(box, buttonId)) return false;
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, boundMs);
}

std::vector<HWND> DialogBoxesOf(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND window : WindowsOfProcess(processId)) {
        if (ClassOf(window) == kDialogClass) boxes.push_back(window);
    }
    return boxes;
}

} // namespace e2e
