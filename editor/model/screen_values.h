/* What the three screens show, and its conversion to and from the record.
 *
 * ScreenValues holds exactly the values behind the screens' controls, plus the
 * dialog's own values shown on them (file revision, orientation, axis rows).
 * The dialog copies its controls into one of these and applies it to the
 * record, or takes one from the record and copies it into its controls. */
#ifndef KCG_MODEL_SCREEN_VALUES_H
#define KCG_MODEL_SCREEN_VALUES_H

#include <string>
#include <vector>

#include "rows.h"
#include "tl_api.h"

namespace model {

using RowTexts = std::array<std::string, kRows>;

// A Tuning row's label until the Tuning screen is entered.
extern const char *const kUnusedRowLabel;
// The file name edit of a new document.
extern const char *const kUntitledFileName;

// Longest texts the record takes from the screens.
constexpr size_t kMaxTitleLength = 255;
constexpr size_t kMaxLabelLength = 63;

struct ScreenValues {
    // General Information
    std::string gameTitle;                // edit 1000
    std::vector<std::string> executables; // list 1001, in list order
    std::string executableEdit;           // edit 1002
    std::string instructions;             // edit 1004
    bool includeInstructions = false;     // check box 1151; the edit is read-only unless checked
    RowTexts labelPos, labelNeg;          // combo boxes 1007/1008, 1011..1020
    int revMajor = 1, revMinor = 0;       // shown in edit 1767
    std::string owner;                    // owner combo box 1159 (internal-use mode only)
    // Axis Mapping
    int orientation = 1; // 1 Vertical (radio 1452), 0 Horizontal (radio 1453)
    AxisRows rows;       // the committed axis map of the rows
    AxisChoices choices; // what the axis rows show until committed (not written)
    // Tuning
    RowTexts tuningLabels; // row labels 1724..1729
    RowInts scalarPos;     // sliders 1732..1737
    RowInts deadZonePos;   // sliders 1738..1743
    // Whether each slider is enabled: read when applying to the record, never
    // set from it (entering the Tuning screen decides which rows are in use).
    std::array<bool, kRows> scalarEnabled{}, deadZoneEnabled{};
};

// The owner word the owner combo box selects for an OWNER value: "QUORVANE",
// "USER", or "OEM" for anything else.
const char *OwnerText(int owner);
// The OWNER value of the combo box's text, compared exactly: "QUORVANE" and
// "USER" give those owners, any other text (none at all too) gives OEM.
int OwnerFromText(const std::string &text);

// "%d.%d", as edit 1767 shows the file revision.
std::string RevisionText(int major, int minor);

// The instruction lines of an edit's text: split at each carriage return
// (an empty line is kept), the line feed after it skipped; what follows the
// last line break is a last line only if it is not empty.
std::vector<std::string> SplitInstructions(const std::string &text);
// The edit's text for instruction lines: each line followed by CR LF, then
// leading and trailing white space removed.
std::string JoinInstructions(const char *const *lines, int count);

// The screens of a new document (owner QUORVANE in internal-use mode, else OEM).
ScreenValues NewDocumentScreens(bool internal, const std::string &defaultInstructions);

// The screens for the document in cfg. defaultInstructions is shown when the
// record has no instruction lines. The rows come from AXIS_MAP_HRZ_DFLT.
ScreenValues ScreenValuesFromConfig(const TlConfig &cfg, const std::string &defaultInstructions);

// Writes the screens' values into cfg; everything else in cfg stays. Titles and
// labels are cut to their longest lengths. False when memory ran out while
// copying the executables or instructions: cfg is then complete but holds
// fewer of them, and must not be written as if it were the screens.
bool ApplyScreenValues(const ScreenValues &screens, TlConfig &cfg);

} // namespace model

#endif
