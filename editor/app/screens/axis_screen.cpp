// The system reports opening, choosing, cancelling and closing a list in an
// order that differs between versions, so the handlers do not rely on it:
// whenever the list is closed (or about to close), the row settles on the
// pair the box has selected, if any, and shows its display item again.
#include "axis_screen.h"

#include <vector>

#include "resource.h"
#include "screen_groups.h"

namespace {

// Width of an axis combo box's opened list, in pixels: wide enough for two
// labels joined by a slash.
constexpr int kAxisListWidth = 180;

} // namespace

AxisScreen::AxisScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context)
    : Screen(frame, doc, context, model::AxisBindings()) {}

void AxisScreen::SetUp() {
    for (int row = 0; row < model::kRows; ++row) {
        Combo(row).SetDroppedWidth(kAxisListWidth);
        Combo(row).SetExtendedUI(true);
    }
}

bool AxisScreen::Dispatch(int id, int code) {
    static const ui::Command<AxisScreen> kCommands[] = {
        {ui::Ids(IDC_AXIS_0, IDC_AXIS_5), CBN_SELCHANGE, &AxisScreen::OnSelChange},
        {ui::Ids(IDC_AXIS_0, IDC_AXIS_5), CBN_DROPDOWN, &AxisScreen::OnDropDown},
        {ui::Ids(IDC_AXIS_0, IDC_AXIS_5), CBN_CLOSEUP, &AxisScreen::OnCloseUp},
        {ui::Ids(IDC_AXIS_0, IDC_AXIS_5), CBN_SELENDCANCEL, &AxisScreen::OnSelEndCancel},
        {ui::Ids(IDC_INVERT_0, IDC_INVERT_5), BN_CLICKED, &AxisScreen::OnInvert},
        {ui::Ids(IDC_VERTICAL, IDC_HORIZONTAL), BN_CLICKED, &AxisScreen::OnOrientation},
    };
    return ui::DispatchCommand(*this, kCommands, id, code);
}

void AxisScreen::FromDocument() {
    Screen::FromDocument();
    // The combo boxes are filled from the labels when the screen is entered.
    for (int row = 0; row < model::kRows; ++row) {
        Combo(row).Clear();
        Combo(row).SetText("");
    }
    ShowOrientationPicture();
}

void AxisScreen::ShowRestored() {
    Screen::FromDocument();
    if (!motions_.empty())
        for (int row = 0; row < model::kRows; ++row)
            ShowChoice(row);
    ShowOrientationPicture();
}

void AxisScreen::Show(bool visible) {
    shown_ = visible;
    ShowControls(screens::kAxisGroup, visible);
    if (!visible) ShowControls(screens::kBallPictures, false);
}

void AxisScreen::ShowOrientationPicture() const {
    const bool vertical = doc_.Values().orientation == 1;
    ShowWindow(Item(IDC_BALL_VERTICAL), shown_ && vertical ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_BALL_HORIZONTAL), shown_ && !vertical ? SW_SHOW : SW_HIDE);
}

void AxisScreen::Enter() {
    model::ScreenValues &values = doc_.Values();
    const model::AxisScreenLoad load = model::LoadAxisScreen(values.labelPos, values.labelNeg, values.rows);
    motions_ = load.motions;
    doc_.Values().choices = load.choices;
    // A row whose labels were removed has lost its mapping.
    values.rows = load.rows;

    const std::vector<std::string> pairs = model::PairTexts(motions_);
    for (int row = 0; row < model::kRows; ++row) {
        Combo(row).Clear();
        Opposite(row).SetText("");
        for (const std::string &pair : pairs)
            Combo(row).Insert(-1, pair);
        ShowChoice(row);
    }
}

bool AxisScreen::TakeSelectedPair(int row) {
    const int selected = Combo(row).Selection();
    if (selected < 0 || selected >= DisplayItemIndex()) return false;
    Choices().motion[row] = selected;
    return true;
}

void AxisScreen::RemoveDisplayItem(int row) const {
    if (Combo(row).Count() > DisplayItemIndex()) Combo(row).Delete(DisplayItemIndex());
}

void AxisScreen::ShowChoice(int row) const {
    const model::ShownLabels shown =
        model::LabelsShown(motions_, Choices().motion[row], Choices().invert[row]);
    RemoveDisplayItem(row);
    Combo(row).Insert(DisplayItemIndex(), shown.box);
    Combo(row).Select(DisplayItemIndex());
    Opposite(row).SetText(shown.edit);
}

void AxisScreen::FocusOpposite(int row) const {
    const ui::Edit edit = Opposite(row);
    edit.Focus();
    edit.SelectAll();
    edit.ScrollCaretIntoView();
}

void AxisScreen::OnSelChange(int row) {
    // Moving through an open list is not choosing yet.
    if (Combo(row).IsDroppedDown()) return;
    TakeSelectedPair(row);
    ShowChoice(row);
}

void AxisScreen::OnDropDown(int row) {
    // The open list offers the pairs only, the current one highlighted.
    RemoveDisplayItem(row);
    Opposite(row).SetText("");
    Combo(row).Select(Choices().motion[row]);
}

void AxisScreen::OnCloseUp(int row) {
    // A pair still selected here was chosen from the list: the row takes it
    // and the focus goes to the row's other label. A list cancelled before
    // closing has settled already (OnSelEndCancel).
    const bool chosen = TakeSelectedPair(row);
    ShowChoice(row);
    if (chosen) FocusOpposite(row);
    // A list closed by a click outside it gets its selection back from the
    // system after this notification, silently: the row looks again once the
    // box is done, and shows its display item over what came back.
    const ui::ComboBox combo = Combo(row);
    PostMessageA(FrameWindow(), WM_COMMAND, MAKEWPARAM(combo.Id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.hwnd()));
}

void AxisScreen::OnSelEndCancel(int row) {
    // The highlighted pair, if any, is kept (the list opened on the current one).
    TakeSelectedPair(row);
    ShowChoice(row);
}

void AxisScreen::OnInvert(int row) {
    Choices().invert[row] = Choices().invert[row] ? 0 : 1;
    ShowChoice(row);
    FocusOpposite(row);
}

void AxisScreen::OnOrientation() {
    ToDocument();
    ShowOrientationPicture();
}

bool AxisScreen::Commit(bool silent) {
    // Before the screen was first entered there is nothing chosen on it, and
    // the committed mapping stands as it is.
    if (motions_.empty()) return true;
    const model::AxisChoices &choices = Choices();
    if (const std::optional<model::CheckFailure> conflict = model::FindAxisConflict(motions_, choices)) {
        if (!silent) ReportCheckFailure(*conflict);
        return false;
    }
    doc_.Values().rows = model::CommittedRows(motions_, choices);
    return true;
}

bool AxisScreen::CheckForNext() {
    if (!Commit(false)) return false;
    const std::optional<model::CheckFailure> missing =
        model::CheckAxisMapPresent(doc_.Values().rows, context_.internal);
    if (missing) ReportCheckFailure(*missing);
    return !missing;
}
