#include "show_message.h"

#include "app.h"
#include "message_box.h"

namespace {

UINT IconFlag(model::MessageIcon icon) {
    switch (icon) {
    case model::MessageIcon::kError:
        return MB_ICONERROR;
    case model::MessageIcon::kWarning:
        return MB_ICONWARNING;
    case model::MessageIcon::kInformation:
        return MB_ICONINFORMATION;
    default:
        return 0;
    }
}

UINT ButtonsFlag(model::MessageButtons buttons) {
    switch (buttons) {
    case model::MessageButtons::kOkCancel:
        return MB_OKCANCEL;
    case model::MessageButtons::kYesNoCancel:
        return MB_YESNOCANCEL;
    case model::MessageButtons::kYesNo:
        return MB_YESNO;
    default:
        return MB_OK;
    }
}

model::Answer AnswerOf(int button) {
    switch (button) {
    case IDOK:
        return model::Answer::kOk;
    case IDCANCEL:
        return model::Answer::kCancel;
    case IDYES:
        return model::Answer::kYes;
    case IDNO:
        return model::Answer::kNo;
    default:
        return model::Answer::kNone;
    }
}

} // namespace

UINT MessageFlags(const model::Message &message) {
    return ButtonsFlag(message.buttons) | IconFlag(message.icon);
}

model::Answer ShowMessage(HWND owner, const model::Message &message) {
    return AnswerOf(ui::MessageBox(owner, message.text, message.caption, MessageFlags(message)));
}

std::string ProgramCaption() {
    std::string path = ui::App().ProgramPath();
    const std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) path.erase(0, slash + 1);
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot > 0) path.erase(dot);
    return path;
}
