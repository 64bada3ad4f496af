#include "general_rules.h"

#include "text_rules.h"

namespace model {
namespace {

std::optional<CheckFailure> CheckTitle(const std::string &title, const TlStringList &reservedTitles,
                                       bool internal) {
    if (!internal && title.empty())
        return ErrorFailure("You must enter a Game Title to continue.", "Game Title Missing", IDC_GAME_TITLE);
    if (!internal && FindIgnoringCase(reservedTitles, title) >= 0)
        return ErrorFailure(
            "The Game Title you entered is reserved. Another\ngame that supports the Kavelin has "
            "the\nsame Game Title. Please enter a new name.",
            "Invalid Game Title", IDC_GAME_TITLE);
    if (title.size() > kMaxTitleLength)
        return ErrorFailure("The Game Title cannot exceed " + std::to_string(kMaxTitleLength) +
                                " characters.",
                            "Game Title Too Long", IDC_GAME_TITLE);
    return std::nullopt;
}

bool AnyLabel(const ScreenValues &screens) {
    for (int row = 0; row < kRows; ++row)
        if (RowHasLabel(screens, row)) return true;
    return false;
}

} // namespace

bool RowHasLabel(const ScreenValues &screens, int row) {
    if (row < 0 || row >= kRows) return false;
    return !screens.labelPos[row].empty() || !screens.labelNeg[row].empty();
}

std::optional<CheckFailure> CheckGeneralScreen(ScreenValues &screens, const TlStringList &reservedTitles,
                                               bool internal) {
    screens.instructions = TrimWhiteSpace(screens.instructions);
    screens.gameTitle = TrimWhiteSpace(screens.gameTitle);
    if (auto failure = CheckTitle(screens.gameTitle, reservedTitles, internal)) return failure;
    if (!internal && screens.executables.empty())
        return ErrorFailure("You must enter at least one Executable to continue.", "Executable Name Missing",
                            IDC_EXE_NAME);
    // Row by row, positive label first: the order of the combo boxes' ids.
    for (int row = 0; row < kRows; ++row) {
        screens.labelPos[row] = TrimWhiteSpace(screens.labelPos[row]);
        screens.labelNeg[row] = TrimWhiteSpace(screens.labelNeg[row]);
    }
    if (!internal && !AnyLabel(screens))
        return ErrorFailure("You must enter at least one Motion Label to continue.", "Motion Labels Missing",
                            IDC_LABEL_X_POS);
    return std::nullopt;
}

} // namespace model
