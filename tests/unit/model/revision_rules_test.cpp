// The File Revision Number dialog's rules, and the help file's place.
#include <gtest/gtest.h>

#include <string>

#include "help_rules.h"
#include "revision_rules.h"

using namespace model;

namespace {

const char *const kProgram = "kcgedit";

} // namespace

TEST(RevisionEntry, IntegerFieldsAsTheDialogFrameworkTakesThem) {
    const struct {
        const char *text;
        IntegerEntry entry;
        int value;
    } cases[] = {
        {" \t42 ", IntegerEntry::kValid, 42},  {"+3", IntegerEntry::kValid, 3},
        {"99", IntegerEntry::kValid, 99},      {"100", IntegerEntry::kOutOfRange, 0},
        {"-1", IntegerEntry::kOutOfRange, 0},  {"99999999999999999999999", IntegerEntry::kOutOfRange, 0},
        {"", IntegerEntry::kNotInteger, 0},    {"-", IntegerEntry::kNotInteger, 0},
        {"1.5", IntegerEntry::kNotInteger, 0}, {"1 2", IntegerEntry::kNotInteger, 0},
        {"\n1", IntegerEntry::kNotInteger, 0},
    };
    for (const auto &c : cases) {
        int value = -100;
        EXPECT_EQ(ReadIntegerField(c.text, kRevisionMajorRange, &value), c.entry) << '"' << c.text << '"';
        EXPECT_EQ(value, c.entry == IntegerEntry::kValid ? c.value : -100) << '"' << c.text << '"';
    }
    EXPECT_EQ(ReadIntegerField("10", kRevisionMinorRange, nullptr), IntegerEntry::kOutOfRange);
    EXPECT_EQ(ReadIntegerField("9", kRevisionMinorRange, nullptr), IntegerEntry::kValid);
}

TEST(RevisionEntry, RefusalsInTheOrderTheDialogChecks) {
    const auto warning = [](const char *text, const char *caption) {
        return Message{text, caption, MessageIcon::kWarning, MessageButtons::kOk};
    };
    const Message notInteger = warning("Please enter an integer.", kProgram);
    const Message majorRange = warning("Please enter an integer between 0 and 99.", kProgram);
    const Message minorRange = warning("Please enter an integer between 0 and 9.", kProgram);
    const Message tooSmall =
        warning("The file revision number must be at least 1.0", "File Revision Number Too Small");
    const Message zero = warning("You must enter a number greater than 0.0", "Error");
    const struct {
        const char *major, *minor;
        bool internal;
        const Message *refusal; // null: accepted
        RevisionField field;
    } cases[] = {
        {"1", "0", false, nullptr, RevisionField::kNone},
        {"0", "9", false, &tooSmall, RevisionField::kMajor},
        {"0", "1", true, nullptr, RevisionField::kNone},
        {"0", "0", true, &zero, RevisionField::kMajor},
        // The major part is taken first, and only one message is shown.
        {"", "x", false, &notInteger, RevisionField::kMajor},
        {"100", "10", true, &majorRange, RevisionField::kMajor},
        {"1", "10", false, &minorRange, RevisionField::kMinor},
        {"1", "", false, &notInteger, RevisionField::kMinor},
        // Both parts must be valid before the editor's own rule is applied.
        {"0", "10", false, &minorRange, RevisionField::kMinor},
    };
    for (const auto &c : cases) {
        const RevisionEntry entry = CheckRevisionEntry(c.major, c.minor, c.internal, kProgram);
        const std::string which = std::string(c.major) + "." + c.minor + (c.internal ? " internal" : "");
        EXPECT_EQ(entry.accepted, c.refusal == nullptr) << which;
        EXPECT_EQ(entry.field, c.field) << which;
        ASSERT_EQ(entry.refusal.has_value(), c.refusal != nullptr) << which;
        if (c.refusal) {
            EXPECT_EQ(*entry.refusal, *c.refusal) << which;
        } else {
            EXPECT_EQ(entry.major, std::stoi(c.major)) << which;
            EXPECT_EQ(entry.minor, std::stoi(c.minor)) << which;
        }
    }
}

TEST(Help, TheHelpFileBesideTheProgram) {
    EXPECT_EQ(HelpFilePath("C:\\Kavelin SDK"), "C:\\Kavelin SDK\\kavsdk.hlp");
    EXPECT_EQ(HelpFilePath("C:"), "C:\\kavsdk.hlp");
}
