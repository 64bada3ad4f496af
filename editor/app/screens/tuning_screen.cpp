#include "tuning_screen.h"

#include "resource.h"
#include "response_curve.h"
#include "screen_groups.h"
#include "sliders.h"
#include "tuning_rules.h"

namespace {

constexpr int kSliderTickFrequency = 10;
constexpr int kSliderPageSize = 5;
constexpr int kSliderLineSize = 1;

// A row's label starts on its second line so that a short one sits in the
// middle of the row; a label too long for that starts on the first line.
std::string FittedLabel(HWND label, const std::string &text) {
    if (text.empty() || text[0] != '\n') return text;
    RECT room{};
    GetClientRect(label, &room);
    RECT needed = room;
    HDC dc = GetDC(label);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
    SelectObject(dc, font);
    ReleaseDC(label, dc);
    return needed.bottom - needed.top > room.bottom - room.top ? text.substr(1) : text;
}

void SetUpSlider(const ui::Slider &slider, int maximum) {
    slider.SetRange(0, maximum, true);
    slider.SetTickFrequency(kSliderTickFrequency);
    slider.SetPageSize(kSliderPageSize);
    slider.SetLineSize(kSliderLineSize);
}

constexpr int kSuggestIds[] = {IDC_SUGGEST_0, IDC_SUGGEST_1, IDC_SUGGEST_2,
                               IDC_SUGGEST_3, IDC_SUGGEST_4, IDC_SUGGEST_5};

} // namespace

TuningScreen::TuningScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context,
                           const ui::ToolTip &tips)
    : Screen(frame, doc, context, model::TuningBindings()), tips_(tips) {}

void TuningScreen::SetUp() {
    for (int row = 0; row < model::kRows; ++row) {
        SetUpSlider(ui::Slider(Item(IDC_DEAD_ZONE_0 + row)), model::kDeadZoneMax);
        SetUpSlider(ui::Slider(Item(IDC_SCALAR_0 + row)), model::kScalarMax);
        for (const int id : {IDC_SCALAR_0 + row, IDC_DEAD_ZONE_0 + row, kSuggestIds[row]})
            ui::WatchFocus(Item(id), kRowFocusMessage);
    }
}

bool TuningScreen::Dispatch(int id, int code) {
    static const ui::Command<TuningScreen> kCommands[] = {
        {ui::Ids(kSuggestIds), BN_CLICKED, &TuningScreen::OnSuggest},
    };
    return ui::DispatchCommand(*this, kCommands, id, code);
}

void TuningScreen::Show(bool visible) {
    shown_ = visible;
    ShowControls(screens::kTuningGroup, visible);
}

void TuningScreen::Enter(const model::MotionList &motions) {
    const std::array<model::TuningRow, model::kRows> rows = model::PrepareTuningRows(motions);
    motions_.fill(model::Motion{});
    for (const model::Motion &motion : motions)
        if (motion.row >= 0 && motion.row < model::kRows) motions_[motion.row] = motion;
    for (int row = 0; row < model::kRows; ++row) {
        const bool inUse = rows[row].enabled;
        HWND label = Item(IDC_ROW_LABEL_0 + row);
        ui::Static(label).SetText(FittedLabel(label, rows[row].label));
        for (const int id : {IDC_ROW_LABEL_0 + row, IDC_SCALAR_0 + row, IDC_DEAD_ZONE_0 + row,
                             IDC_SCALAR_VALUE_0 + row, IDC_DEAD_ZONE_VALUE_0 + row})
            ui::Control(Item(id)).Enable(inUse);
    }
    // The plot keeps its row while the row is in use, else shows the first row in use.
    if (plotRow_ >= 0 && !rows[plotRow_].enabled) plotRow_ = -1;
    for (int row = 0; row < model::kRows && plotRow_ < 0; ++row)
        if (rows[row].enabled) plotRow_ = row;
    ShowResponse();
}

void TuningScreen::OnSuggest(int row) {
    // From the mapping committed when the Axis Mapping screen was left; a
    // disabled row moves all the same.
    const model::Suggestion suggestion = model::SuggestForRow(doc_.Values().rows, row);
    const ui::Slider deadZone(Item(IDC_DEAD_ZONE_0 + row)), scalar(Item(IDC_SCALAR_0 + row));
    deadZone.SetPosition(suggestion.deadZonePos, true);
    scalar.SetPosition(suggestion.scalarPos, true);
    OnSliderMoved(deadZone.hwnd());
    OnSliderMoved(scalar.hwnd());
}

void TuningScreen::OnSliderMoved(HWND slider) const {
    // A tip showing over the slider reads the position it just moved to.
    tips_.Refresh(slider);
    const int row = model::TuningRowOfControl(GetDlgCtrlID(slider));
    if (row < 0) return;
    ShowValues(row);
    if (row == plotRow_) ShowResponse();
}

void TuningScreen::ShowValues(int row) const {
    ui::Static(Item(IDC_SCALAR_VALUE_0 + row))
        .SetText(model::ScalarValueText(ui::Slider(Item(IDC_SCALAR_0 + row)).Position()));
    ui::Static(Item(IDC_DEAD_ZONE_VALUE_0 + row))
        .SetText(model::DeadZoneValueText(ui::Slider(Item(IDC_DEAD_ZONE_0 + row)).Position()));
}

void TuningScreen::FromDocument() {
    Screen::FromDocument();
    for (int row = 0; row < model::kRows; ++row)
        ShowValues(row);
    ShowResponse();
}

void TuningScreen::ShowRestored() {
    FromDocument();
}

void TuningScreen::OnRowFocused(HWND control) {
    const int row = model::TuningRowOfControl(GetDlgCtrlID(control));
    if (row < 0 || row == plotRow_ || motions_[row].row != row) return;
    plotRow_ = row;
    ShowResponse();
}

ResponsePicture TuningScreen::PlottedPicture() const {
    ResponsePicture picture;
    if (plotRow_ < 0) return picture;
    picture.shown = true;
    picture.response = model::TuningResponse(doc_.Record().nullRegionDflt[model::kKavelin][plotRow_],
                                             ui::Slider(Item(IDC_DEAD_ZONE_0 + plotRow_)).Position(),
                                             ui::Slider(Item(IDC_SCALAR_0 + plotRow_)).Position());
    picture.axisName = model::ResponseAxisName(doc_.Values().rows, plotRow_);
    picture.negativeLabel = motions_[plotRow_].neg;
    picture.positiveLabel = motions_[plotRow_].pos;
    return picture;
}

void TuningScreen::ShowResponse() const {
    HWND plot = Item(IDC_RESPONSE_PLOT);
    // The plot in words is the control's text, for screen readers and tests.
    const ResponsePicture picture = PlottedPicture();
    ui::Static(plot).SetText(picture.shown ? model::ResponseSummary(motions_[plotRow_].pair, picture.response)
                                           : kNoResponseNote);
    InvalidateRect(plot, nullptr, FALSE);
}

bool TuningScreen::DrawItem(const DRAWITEMSTRUCT &item) const {
    if (item.CtlID != IDC_RESPONSE_PLOT) return false;
    DrawResponsePlot(item, PlottedPicture());
    return true;
}
