#include "document.h"

#include "axismap.h"
#include "sliders.h"

namespace model {
namespace {

bool SameCut(const std::string &a, const std::string &b, size_t length) {
    return a.compare(0, length, b, 0, length) == 0;
}

bool SameInstructions(const ScreenValues &a, const ScreenValues &b) {
    if (a.includeInstructions != b.includeInstructions) return false;
    return !a.includeInstructions || SplitInstructions(a.instructions) == SplitInstructions(b.instructions);
}

// The position a slider stores, given whether its row is in use.
int StoredScalar(const ScreenValues &v, bool enabled, int row) {
    return enabled ? v.scalarPos[row] : kScalarNeutral;
}

int StoredDeadZone(const ScreenValues &v, bool enabled, int row) {
    return enabled ? v.deadZonePos[row] : 0;
}

} // namespace

Message ReadFailedMessage() {
    return Message{"Error Reading File", "Error!", MessageIcon::kWarning, MessageButtons::kOk};
}

Message NotWindowsMessage() {
    return Message{
        "Note:  The KCG file just opened is a DOS\nconfig file. This KCG Editor only edits KCG\nfiles "
        "for Windows applications.\n\nThe file was not opened.",
        "Cannot Open DOS KCG file", MessageIcon::kInformation, MessageButtons::kOk};
}

Message WriteFailedMessage() {
    return Message{"Error Writing File", "Error!", MessageIcon::kWarning, MessageButtons::kOk};
}

bool WriteTheSame(const ScreenValues &a, const ScreenValues &b) {
    if (!SameCut(a.gameTitle, b.gameTitle, kMaxTitleLength) || a.executables != b.executables ||
        !SameInstructions(a, b) || a.revMajor != b.revMajor || a.revMinor != b.revMinor ||
        OwnerFromText(a.owner) != OwnerFromText(b.owner) || (a.orientation == 1) != (b.orientation == 1) ||
        HorizontalMapText(a.rows) != HorizontalMapText(b.rows))
        return false;
    for (int row = 0; row < kRows; ++row) {
        if (!SameCut(a.labelPos[row], b.labelPos[row], kMaxLabelLength) ||
            !SameCut(a.labelNeg[row], b.labelNeg[row], kMaxLabelLength) ||
            StoredScalar(a, a.scalarEnabled[row], row) != StoredScalar(b, a.scalarEnabled[row], row) ||
            StoredDeadZone(a, a.deadZoneEnabled[row], row) != StoredDeadZone(b, a.deadZoneEnabled[row], row))
            return false;
    }
    return true;
}

Document::Document(bool internal) : internal_(internal) {
    TlInitConfig(&record_);
    name_ = UntitledName();
}

Document::~Document() {
    TlFreeConfig(&record_);
}

void Document::New(const DefaultText &defaultInstructions) {
    // Which Tuning rows are in use is decided on entering that screen, not by
    // the document.
    const ScreenValues before = values_;
    ResetDocumentRecord(record_);
    values_ = NewDocumentScreens(internal_, defaultInstructions());
    values_.scalarEnabled = before.scalarEnabled;
    values_.deadZoneEnabled = before.deadZoneEnabled;
    saved_ = values_;
    name_ = UntitledName();
}

LoadResult Document::Load(const std::string &path, const DefaultText &defaultInstructions) {
    const LoadResult result = LoadDocumentRecord(path.c_str(), internal_, record_);
    if (result != LoadResult::kLoaded) return result;
    const ScreenValues before = values_;
    values_ = ScreenValuesFromConfig(record_, record_.instructionCount > 0 ? "" : defaultInstructions());
    values_.scalarEnabled = before.scalarEnabled;
    values_.deadZoneEnabled = before.deadZoneEnabled;
    saved_ = values_;
    return result;
}

bool Document::ApplyToRecord() {
    return ApplyScreenValues(values_, record_);
}

bool Document::Write(const std::string &path, bool takeSnapshot) {
    // A record that could not take all of the lists is not what the user
    // sees, so it is not written as if it were.
    if (!ApplyToRecord() || TlWriteConfigFile(&record_, path.c_str()) != TL_WRITE_OK) return false;
    if (takeSnapshot) saved_ = values_;
    return true;
}

bool Document::Changed() const {
    return !WriteTheSame(values_, saved_);
}

} // namespace model
