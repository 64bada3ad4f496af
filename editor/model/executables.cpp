#include "executables.h"

#include "text_rules.h"

namespace model {
namespace {

std::string AfterLast(const std::string &text, char separator) {
    const size_t at = text.rfind(separator);
    return at == std::string::npos ? text : text.substr(at + 1);
}

ExecutableAddition Refusal(ExecutableAddition result, const char *text, const char *caption, int focus) {
    result.outcome = AddOutcome::kRefused;
    result.failure = ErrorFailure(text, caption, focus);
    return result;
}

// The selection of a single-selection list box follows its entry through a
// removal and an insertion; removing the selected entry leaves none.
int SelectionAfter(int selection, int removed, int inserted) {
    if (selection < 0 || selection == removed) return -1;
    if (removed >= 0 && removed < selection) --selection;
    if (inserted <= selection) ++selection;
    return selection;
}

} // namespace

bool HasForbiddenCharacter(const std::string &text) {
    return text.find_first_of("*?\"<>|") != std::string::npos;
}

std::string StripExecutablePath(const std::string &text) {
    return AfterLast(AfterLast(AfterLast(text, '\\'), '/'), ':');
}

std::string BrowsedExecutableName(const std::string &chosenPath) {
    return TrimWhiteSpace(AfterLast(AfterLast(chosenPath, '\\'), '/'));
}

size_t SortedPosition(const std::vector<std::string> &list, const std::string &name) {
    size_t at = 0;
    while (at < list.size() && CompareIgnoringCase(list[at], name) <= 0)
        ++at;
    return at;
}

ExecutableAddition AddExecutable(const std::string &editText, const std::vector<std::string> &list,
                                 int selection, const TlStringList &reservedExes) {
    ExecutableAddition result;
    result.editText = TrimWhiteSpace(editText);
    result.list = list;
    result.selection = selection >= 0 && selection < static_cast<int>(list.size()) ? selection : -1;
    if (result.editText.empty()) return result;
    if (HasForbiddenCharacter(result.editText))
        return Refusal(result, "A filename cannot contain any of the following characters:\n* ? \" < > |",
                       "Rename Executable", kFocusStays);
    const std::string name = StripExecutablePath(result.editText);
    if (name.empty())
        return Refusal(result,
                       "You must enter the name of an executable after\nthe last backslash, forward slash, "
                       "or colon.",
                       "Executable Not Given", kFocusStays);
    if (FindIgnoringCase(reservedExes, name) >= 0)
        return Refusal(result,
                       "The Executable name you chose is reserved.\nAnother game that supports the "
                       "Kavelin\nuses the same Executable name. Please\nrename your executable.",
                       "Invalid Executable Name", IDC_EXE_NAME);

    result.outcome = AddOutcome::kAdded;
    result.editText.clear();
    result.replacedIndex = FindIgnoringCase(list, name);
    if (result.replacedIndex >= 0) result.list.erase(result.list.begin() + result.replacedIndex);
    const size_t at = SortedPosition(result.list, name);
    result.list.insert(result.list.begin() + static_cast<std::ptrdiff_t>(at), name);
    result.addedName = name;
    result.addedIndex = static_cast<int>(at);
    result.selection = SelectionAfter(result.selection, result.replacedIndex, result.addedIndex);
    return result;
}

} // namespace model
