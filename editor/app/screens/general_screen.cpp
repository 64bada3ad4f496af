#include "general_screen.h"

#include <commdlg.h>

#include "executables.h"
#include "general_rules.h"
#include "resource.h"
#include "screen_groups.h"

namespace {

// Writes text into a control only when it differs, so that an entry that
// needed no trimming keeps its caret and sends no change notification.
void SetTextIfDifferent(HWND control, const std::string &text) {
    const ui::Control wrapper(control);
    if (wrapper.Text() != text) wrapper.SetText(text);
}

const char kExecutableFilter[] = "Executables (*.exe)|*.exe|All Files (*.*)|*.*||";

} // namespace

GeneralScreen::GeneralScreen(ui::Dialog &frame, model::Document &doc, const EditorContext &context)
    : Screen(frame, doc, context, model::GeneralBindings()) {}

void GeneralScreen::SetUp() {
    for (int row = 0; row < model::kRows; ++row) {
        for (const int id : {screens::kPositiveLabelIds[row], screens::kNegativeLabelIds[row]}) {
            const ui::ComboBox combo(Item(id));
            for (const char *preset : screens::kLabelPresets)
                combo.Add(preset);
            // The record keeps 63 characters of a label; longer ones could not be kept.
            combo.SetLimit(static_cast<int>(model::kMaxLabelLength));
        }
    }
    const ui::ComboBox owner(Item(IDC_OWNER));
    owner.Clear();
    for (const char *word : screens::kOwnerWords)
        owner.Add(word);
}

bool GeneralScreen::Dispatch(int id, int code) {
    static const ui::Command<GeneralScreen> kCommands[] = {
        {IDC_ADD_EXE, BN_CLICKED, &GeneralScreen::OnAddExecutable},
        {IDC_REMOVE_EXE, BN_CLICKED, &GeneralScreen::OnRemoveExecutable},
        {IDC_BROWSE_EXE, BN_CLICKED, &GeneralScreen::OnBrowseExecutable},
        {IDC_INSTRUCTIONS_CHECK, BN_CLICKED, &GeneralScreen::OnInstructionsCheck},
        {IDC_DIRECTX5, BN_CLICKED, &GeneralScreen::OnDirectX5},
        {IDC_PRE_DIRECTX5, BN_CLICKED, &GeneralScreen::OnPreDirectX5},
    };
    return ui::DispatchCommand(*this, kCommands, id, code);
}

void GeneralScreen::FromDocument() {
    Screen::FromDocument();
    ui::Button(Item(IDC_DIRECTX5)).SetChecked(directX5_);
    ui::Button(Item(IDC_PRE_DIRECTX5)).SetChecked(!directX5_);
}

void GeneralScreen::Show(bool visible) {
    shown_ = visible;
    ShowControls(screens::kGeneralGroup, visible);
    ShowControls(screens::kOwnerControls, visible && context_.internal);
    ShowVariableNames();
}

void GeneralScreen::ShowVariableNames() const {
    ShowControls(screens::kVariableNamesDirectX5, shown_ && directX5_);
    ShowControls(screens::kVariableNamesBeforeDirectX5, shown_ && !directX5_);
}

bool GeneralScreen::CheckForNext() {
    ToDocument();
    model::ScreenValues &values = doc_.Values();
    const std::optional<model::CheckFailure> failure =
        model::CheckGeneralScreen(values, context_.reservedTitles, context_.internal);
    // What was trimmed stays trimmed, also when a later check failed.
    SetTextIfDifferent(Item(IDC_INSTRUCTIONS), values.instructions);
    SetTextIfDifferent(Item(IDC_GAME_TITLE), values.gameTitle);
    for (int row = 0; row < model::kRows; ++row) {
        SetTextIfDifferent(Item(screens::kPositiveLabelIds[row]), values.labelPos[row]);
        SetTextIfDifferent(Item(screens::kNegativeLabelIds[row]), values.labelNeg[row]);
    }
    if (failure) ReportCheckFailure(*failure);
    return !failure;
}

void GeneralScreen::OnAddExecutable() {
    const ui::ListBox list(Item(IDC_EXE_LIST));
    ToDocument();
    const model::ScreenValues &values = doc_.Values();
    const model::ExecutableAddition addition = model::AddExecutable(values.executableEdit, values.executables,
                                                                    list.Selection(), context_.reservedExes);
    SetTextIfDifferent(Item(IDC_EXE_NAME), addition.editText);
    switch (addition.outcome) {
    case model::AddOutcome::kNothing:
        break;
    case model::AddOutcome::kRefused:
        ReportCheckFailure(*addition.failure);
        break;
    case model::AddOutcome::kAdded:
        // The entry of the same name in another letter case gives way; the
        // list box sorts the new one into its place.
        if (addition.replacedIndex >= 0) list.Delete(addition.replacedIndex);
        list.Add(addition.addedName);
        break;
    }
}

void GeneralScreen::OnRemoveExecutable() {
    const ui::ListBox list(Item(IDC_EXE_LIST));
    const int selected = list.Selection();
    if (selected >= 0) list.Delete(selected);
}

void GeneralScreen::OnBrowseExecutable() {
    // The name only lands in the edit: Add To List still applies its rules.
    ui::FileDialog browse(ui::FileDialogKind::Open, kExecutableFilter, "", "",
                          OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE);
    browse.SetTitle("Find Game Executable");
    if (!browse.Show(FrameWindow())) return;
    ui::Edit(Item(IDC_EXE_NAME)).SetText(model::BrowsedExecutableName(browse.Path()));
}

void GeneralScreen::OnInstructionsCheck() {
    ui::Edit(Item(IDC_INSTRUCTIONS)).SetReadOnly(!ui::Button(Item(IDC_INSTRUCTIONS_CHECK)).IsChecked());
}

void GeneralScreen::OnDirectX5() {
    directX5_ = true;
    ShowVariableNames();
}

void GeneralScreen::OnPreDirectX5() {
    directX5_ = false;
    ShowVariableNames();
}
