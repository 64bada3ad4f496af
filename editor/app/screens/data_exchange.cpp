#include "data_exchange.h"

#include "ui.h"

namespace {

using model::Field;

// The document's text of a text field.
std::string &TextOf(model::ScreenValues &v, const model::Binding &b) {
    switch (b.field) {
    case Field::kGameTitle:
        return v.gameTitle;
    case Field::kExecutableEdit:
        return v.executableEdit;
    case Field::kInstructions:
        return v.instructions;
    case Field::kLabelPos:
        return v.labelPos[b.row];
    case Field::kLabelNeg:
        return v.labelNeg[b.row];
    case Field::kOwner:
        return v.owner;
    default:
        return v.tuningLabels[b.row];
    }
}

void ShowList(const ui::ListBox &list, const std::vector<std::string> &items) {
    // One redraw for the whole list, however long.
    SendMessageA(list.hwnd(), WM_SETREDRAW, FALSE, 0);
    list.Clear();
    for (const std::string &item : items)
        list.Add(item);
    SendMessageA(list.hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list.hwnd(), nullptr, TRUE);
}

std::vector<std::string> ListItems(const ui::ListBox &list) {
    std::vector<std::string> items;
    for (int i = 0, count = list.Count(); i < count; ++i)
        items.push_back(list.ItemText(i));
    return items;
}

void ToControl(HWND control, const model::Binding &b, model::Document &doc) {
    model::ScreenValues &v = doc.Values();
    switch (b.field) {
    case Field::kFileName:
        ui::Edit(control).SetText(doc.Name().fileName);
        break;
    case Field::kExecutables:
        ShowList(ui::ListBox(control), v.executables);
        break;
    case Field::kIncludeInstructions:
        ui::Button(control).SetChecked(v.includeInstructions);
        break;
    case Field::kInstructions:
        ui::Edit(control).SetReadOnly(!v.includeInstructions);
        ui::Edit(control).SetText(v.instructions);
        break;
    case Field::kRevision:
        ui::Edit(control).SetText(model::RevisionText(v.revMajor, v.revMinor));
        break;
    case Field::kOwner:
        ui::ComboBox(control).SelectPrefix(v.owner);
        break;
    case Field::kOrientation:
        ui::Button(control).SetChecked((v.orientation == 1 ? 1 : 0) == b.row);
        break;
    case Field::kScalar:
        ui::Slider(control).SetPosition(v.scalarPos[b.row], true);
        break;
    case Field::kDeadZone:
        ui::Slider(control).SetPosition(v.deadZonePos[b.row], true);
        break;
    default:
        ui::Control(control).SetText(TextOf(v, b));
        break;
    }
}

void ToDocument(HWND control, const model::Binding &b, model::Document &doc) {
    model::ScreenValues &v = doc.Values();
    switch (b.field) {
    case Field::kFileName:
    case Field::kRevision:
        break;
    case Field::kExecutables:
        v.executables = ListItems(ui::ListBox(control));
        break;
    case Field::kIncludeInstructions:
        v.includeInstructions = ui::Button(control).IsChecked();
        break;
    case Field::kOrientation:
        if (ui::Button(control).IsChecked()) v.orientation = b.row;
        break;
    case Field::kScalar:
        v.scalarPos[b.row] = ui::Slider(control).Position();
        v.scalarEnabled[b.row] = ui::Slider(control).IsEnabled();
        break;
    case Field::kDeadZone:
        v.deadZonePos[b.row] = ui::Slider(control).Position();
        v.deadZoneEnabled[b.row] = ui::Slider(control).IsEnabled();
        break;
    default:
        TextOf(v, b) = ui::Control(control).Text();
        break;
    }
}

} // namespace

void ExchangeBinding(HWND dialog, const model::Binding &binding, model::Document &doc, Exchange direction) {
    const HWND control = GetDlgItem(dialog, binding.controlId);
    if (!control) return;
    if (direction == Exchange::kToControls) {
        ToControl(control, binding, doc);
    } else {
        ToDocument(control, binding, doc);
    }
}

void ExchangeTable(HWND dialog, const model::BindingTable &table, model::Document &doc, Exchange direction) {
    for (const model::Binding &binding : table)
        ExchangeBinding(dialog, binding, doc, direction);
}
