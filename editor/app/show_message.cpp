#include "show_message.h"

#include "app.h"
#include "message_box.h"

model::Answer ShowMessage(HWND owner, const model::Message &message) {
    return static_cast<model::Answer>(ui::MessageBox(owner, message.text, message.caption, message.Flags()));
}

std::string ProgramCaption() {
    std::string path = ui::App().ProgramPath();
    const std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) path.erase(0, slash + 1);
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot > 0) path.erase(dot);
    return path;
}
