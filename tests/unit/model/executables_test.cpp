// Executable names: what "Add To List -->" accepts and the sorted list it leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "executables.h"
#include "resource.h"

using namespace model;
using Names = std::vector<std::string>;

namespace {

// The functions only read the list.
const char *kExeTexts[] = {"castle.exe", "setup.exe"};
const TlStringList kReservedExes = {2, const_cast<char **>(kExeTexts)};

} // namespace

TEST(ExecutableNames, PathsGiveTheBareName) {
    const struct {
        const char *typed, *name;
    } cases[] = {
        {"C:\\Games\\Hover\\HOVER.EXE", "HOVER.EXE"},
        {"a/b\\c:x.exe", "x.exe"},
        {"C:\\Games\\", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StripExecutablePath(c.typed), c.name) << c.typed;
    EXPECT_EQ(BrowsedExecutableName("C:\\Games\\Hover\\ hover.exe "), "hover.exe");
    for (const char *bad : {"*", "?", "\"", "<", ">", "|"})
        EXPECT_TRUE(HasForbiddenCharacter(std::string("a") + bad + ".exe")) << bad;
    EXPECT_FALSE(HasForbiddenCharacter("C:\\My Games\\a-b_c (1).exe"));
}

TEST(AddExecutable, RefusalsKeepTheListAndSayWhy) {
    const Names list = {"a.exe", "b.exe"};
    const struct {
        const char *typed, *edit;
        std::string caption, text;
        int focus;
    } cases[] = {
        {"hover?.exe", "hover?.exe", "Rename Executable",
         "A filename cannot contain any of the following characters:\n* ? \" < > |", kFocusStays},
        {"C:\\Games\\Hover\\", "C:\\Games\\Hover\\", "Executable Not Given",
         "You must enter the name of an executable after\nthe last backslash, forward slash, or colon.",
         kFocusStays},
        {" C:\\Install\\SETUP.exe ", "C:\\Install\\SETUP.exe", "Invalid Executable Name",
         "The Executable name you chose is reserved.\nAnother game that supports the Kavelin\nuses the same "
         "Executable name. Please\nrename your executable.",
         IDC_EXE_NAME},
    };
    for (const auto &c : cases) {
        const ExecutableAddition added = AddExecutable(c.typed, list, 1, kReservedExes);
        EXPECT_EQ(added.outcome, AddOutcome::kRefused) << c.typed;
        ASSERT_TRUE(added.failure) << c.typed;
        EXPECT_EQ(added.failure->message,
                  (Message{c.text, c.caption, MessageIcon::kError, MessageButtons::kOk}));
        EXPECT_EQ(added.failure->focusControlId, c.focus);
        EXPECT_EQ(added.editText, c.edit) << "the edit keeps what was typed, trimmed";
        EXPECT_EQ(added.list, list);
        EXPECT_EQ(added.selection, 1);
    }
    EXPECT_EQ(AddExecutable(" \t ", list, 0, kReservedExes).outcome, AddOutcome::kNothing);
}

TEST(AddExecutable, SortedListWithoutDuplicatesAndSelectionKept) {
    const struct {
        const char *typed;
        Names list;
        int selection;
        Names after;
        int replaced, added, selectionAfter;
    } cases[] = {
        {"hover.exe", {}, -1, {"hover.exe"}, -1, 0, -1},
        {"b.exe", {"a.exe", "c.exe"}, 1, {"a.exe", "b.exe", "c.exe"}, -1, 1, 2},
        {"Zed.exe", {"a.exe", "c.exe"}, 0, {"a.exe", "c.exe", "Zed.exe"}, -1, 2, 0},
        {"C:\\Games\\HOVER.EXE", {"hover.exe", "zap.exe"}, 1, {"HOVER.EXE", "zap.exe"}, 0, 0, 1},
        {"zap.exe", {"a.exe", "Zap.exe"}, 1, {"a.exe", "zap.exe"}, 1, 1, -1}, // the selected one replaced
        {"d.exe", {"A.exe", "b.exe", "D.exe", "e.exe"}, 3, {"A.exe", "b.exe", "d.exe", "e.exe"}, 2, 2, 3},
        {"c.exe", {"a.exe", "B.exe", "d.exe"}, 7, {"a.exe", "B.exe", "c.exe", "d.exe"}, -1, 2, -1},
    };
    for (const auto &c : cases) {
        const ExecutableAddition added = AddExecutable(c.typed, c.list, c.selection, kReservedExes);
        EXPECT_EQ(added.outcome, AddOutcome::kAdded) << c.typed;
        EXPECT_EQ(added.editText, "") << c.typed;
        EXPECT_EQ(added.list, c.after) << c.typed;
        EXPECT_EQ(added.replacedIndex, c.replaced) << c.typed;
        EXPECT_EQ(added.addedIndex, c.added) << c.typed;
        EXPECT_EQ(added.selection, c.selectionAfter) << c.typed;
    }
}
