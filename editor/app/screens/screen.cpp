#include "screen.h"

#include "data_exchange.h"
#include "show_message.h"

Screen::Screen(ui::Dialog &frame, model::Document &doc, const EditorContext &context,
               model::BindingTable bindings)
    : frame_(frame), doc_(doc), context_(context), bindings_(bindings) {}

void Screen::ToDocument() {
    ExchangeTable(FrameWindow(), bindings_, doc_, Exchange::kToDocument);
}

void Screen::FromDocument() {
    ExchangeTable(FrameWindow(), bindings_, doc_, Exchange::kToControls);
}

void Screen::Refresh(model::Field field) {
    for (const model::Binding &binding : bindings_)
        if (binding.field == field) ExchangeBinding(FrameWindow(), binding, doc_, Exchange::kToControls);
}

void Screen::ShowControls(const int *ids, std::size_t count, bool visible) const {
    for (std::size_t i = 0; i < count; ++i)
        if (HWND control = Item(ids[i])) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void Screen::ReportCheckFailure(const model::CheckFailure &failure) const {
    ShowMessage(FrameWindow(), failure.message);
    if (failure.focusControlId != model::kFocusStays) FocusControl(failure.focusControlId);
}

void Screen::FocusControl(int controlId) const {
    // Through the dialog, so that it also keeps its default button and the
    // text of an edit comes up selected, ready to be typed over.
    if (HWND control = Item(controlId))
        SendMessageA(FrameWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}
