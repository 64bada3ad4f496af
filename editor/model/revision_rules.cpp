#include "revision_rules.h"

namespace model {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Past this the digits still form an integer, just one no range holds.
constexpr long long kLargest = 1000000000000LL;

} // namespace

IntegerEntry ReadIntegerField(const std::string &text, IntRange range, int *value) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) negative = text[begin++] == '-';
    if (begin == end) return IntegerEntry::kNotInteger;
    long long magnitude = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return IntegerEntry::kNotInteger;
        if (magnitude <= kLargest) magnitude = magnitude * 10 + (text[i] - '0');
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number < range.min || number > range.max) return IntegerEntry::kOutOfRange;
    if (value) *value = static_cast<int>(number);
    return IntegerEntry::kValid;
}

Message NotIntegerMessage(const std::string &programCaption) {
    return {"Please enter an integer.", programCaption, MessageIcon::kWarning, MessageButtons::kOk};
}

Message OutOfRangeMessage(IntRange range, const std::string &programCaption) {
    std::string text = "Please enter an integer between %1 and %2.";
    text = FillIn(text, "%1", std::to_string(range.min));
    text = FillIn(text, "%2", std::to_string(range.max));
    return {text, programCaption, MessageIcon::kWarning, MessageButtons::kOk};
}

std::optional<Message> RevisionRefusal(int major, int minor, bool internal) {
    if (internal) {
        if (major == 0 && minor == 0)
            return Message{"You must enter a number greater than 0.0", "Error", MessageIcon::kWarning,
                           MessageButtons::kOk};
        return std::nullopt;
    }
    if (major < 1)
        return Message{"The file revision number must be at least 1.0", "File Revision Number Too Small",
                       MessageIcon::kWarning, MessageButtons::kOk};
    return std::nullopt;
}

RevisionEntry CheckRevisionEntry(const std::string &majorText, const std::string &minorText, bool internal,
                                 const std::string &programCaption) {
    RevisionEntry entry;
    const struct {
        const std::string &text;
        IntRange range;
        int *value;
        RevisionField field;
    } fields[] = {{majorText, kRevisionMajorRange, &entry.major, RevisionField::kMajor},
                  {minorText, kRevisionMinorRange, &entry.minor, RevisionField::kMinor}};
    for (const auto &f : fields) {
        switch (ReadIntegerField(f.text, f.range, f.value)) {
        case IntegerEntry::kValid:
            continue;
        case IntegerEntry::kNotInteger:
            entry.refusal = NotIntegerMessage(programCaption);
            break;
        case IntegerEntry::kOutOfRange:
            entry.refusal = OutOfRangeMessage(f.range, programCaption);
            break;
        }
        entry.field = f.field;
        return entry;
    }
    entry.refusal = RevisionRefusal(entry.major, entry.minor, internal);
    entry.accepted = !entry.refusal;
    if (!entry.accepted) entry.field = RevisionField::kMajor;
    return entry;
}

} // namespace model
