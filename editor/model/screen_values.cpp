#include "screen_values.h"

#include <cstdio>
#include <cstring>

#include "axismap.h"
#include "record_edit.h"
#include "sliders.h"
#include "text_rules.h"

namespace model {

const char *const kUnusedRowLabel = "\nUnused";
const char *const kUntitledFileName = "Untitled.kcg";

namespace {

void SetInstructions(ScreenValues &screens, const TlConfig &cfg, const std::string &defaultInstructions) {
    screens.includeInstructions = cfg.instructionCount > 0;
    screens.instructions = screens.includeInstructions
                               ? JoinInstructions(cfg.instructions, cfg.instructionCount)
                               : defaultInstructions;
}

// Motion-map sources of row i: a labelled direction drives the game axis, an
// unlabelled one and every direction of an unmapped row does nothing.
void SetMotionSources(TlConfig &cfg, int i, bool mapped, const ScreenValues &screens) {
    const int pos = mapped && !screens.labelPos[i].empty() ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
    const int neg = mapped && !screens.labelNeg[i].empty() ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
    cfg.motionMapPosDflt[kKavelin][i].source = pos;
    cfg.motionMapPosUser[kKavelin][i].source = pos;
    cfg.motionMapNegDflt[kKavelin][i].source = neg;
    cfg.motionMapNegUser[kKavelin][i].source = neg;
}

void SetDeadZone(TlConfig &cfg, int i, const ScreenValues &screens) {
    TlNullRegion &dflt = cfg.nullRegionDflt[kKavelin][i];
    SetDeadZoneEnds(dflt, RowDeadZoneValue(screens.deadZoneEnabled[i], screens.deadZonePos[i]));
    cfg.nullRegionUser[kKavelin][i] = dflt;
}

} // namespace

const char *OwnerText(int owner) {
    switch (owner) {
    case TL_OWNER_QUORVANE:
        return "QUORVANE";
    case TL_OWNER_USER:
        return "USER";
    default:
        return "OEM";
    }
}

int OwnerFromText(const std::string &text) {
    if (text == "QUORVANE") return TL_OWNER_QUORVANE;
    if (text == "USER") return TL_OWNER_USER;
    return TL_OWNER_OEM;
}

std::string RevisionText(int major, int minor) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d", major, minor);
    return text;
}

std::vector<std::string> SplitInstructions(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
        // Edits end their lines with CR LF; a lone CR loses nothing after it.
        if (start < text.size() && text[start] == '\n') ++start;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string JoinInstructions(const char *const *lines, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (lines && lines[i]) text += lines[i];
        text += "\r\n";
    }
    return TrimWhiteSpace(text);
}

ScreenValues NewDocumentScreens(bool internal, const std::string &defaultInstructions) {
    ScreenValues screens;
    screens.instructions = defaultInstructions;
    screens.includeInstructions = false;
    screens.revMajor = 1;
    screens.revMinor = 0;
    screens.owner = internal ? "QUORVANE" : "OEM";
    screens.orientation = 1;
    screens.rows = UnmappedRows();
    screens.tuningLabels.fill(kUnusedRowLabel);
    screens.scalarPos.fill(kScalarNeutral);
    screens.deadZonePos.fill(0);
    return screens;
}

ScreenValues ScreenValuesFromConfig(const TlConfig &cfg, const std::string &defaultInstructions) {
    ScreenValues screens;
    screens.gameTitle = cfg.applicationName;
    for (int i = 0; i < cfg.executableCount; ++i)
        if (cfg.executables && cfg.executables[i]) screens.executables.push_back(cfg.executables[i]);
    SetInstructions(screens, cfg, defaultInstructions);
    for (int i = 0; i < kRows; ++i) {
        screens.labelPos[i] = cfg.motionLabelPos[i];
        screens.labelNeg[i] = cfg.motionLabelNeg[i];
    }
    screens.revMajor = cfg.fileRevisionMajor;
    screens.revMinor = cfg.fileRevisionMinor;
    screens.owner = OwnerText(cfg.owner);
    screens.rows = RowsFromMap(cfg.axisMapHrzDflt[kKavelin]);
    screens.orientation = cfg.orientation == TL_VERTICAL ? 1 : 0;
    screens.tuningLabels.fill(kUnusedRowLabel);
    for (int i = 0; i < kRows; ++i) {
        screens.deadZonePos[i] = DeadZonePosition(cfg.nullRegionUser[kKavelin][i].posMin);
        screens.scalarPos[i] = ScalarPosition(cfg.tuningScalars[kKavelin][i]);
    }
    return screens;
}

bool ApplyScreenValues(const ScreenValues &screens, TlConfig &cfg) {
    bool complete = true;
    cfg.fileRevisionMajor = screens.revMajor;
    cfg.fileRevisionMinor = screens.revMinor;
    CopyText(cfg.applicationName, sizeof cfg.applicationName, screens.gameTitle, kMaxTitleLength);
    cfg.owner = OwnerFromText(screens.owner);
    cfg.orientation = screens.orientation == 1 ? TL_VERTICAL : TL_HORIZONTAL;

    EmptyStringList(cfg.executables, cfg.executableCount);
    for (const std::string &exe : screens.executables)
        complete = AppendString(cfg.executables, cfg.executableCount, exe) && complete;

    EmptyStringList(cfg.instructions, cfg.instructionCount);
    if (screens.includeInstructions)
        for (const std::string &line : SplitInstructions(screens.instructions))
            complete = AppendString(cfg.instructions, cfg.instructionCount, line) && complete;
    cfg.showInstructions = TL_SHOW_NEVER;

    for (int i = 0; i < kRows; ++i) {
        CopyText(cfg.motionLabelPos[i], sizeof cfg.motionLabelPos[i], screens.labelPos[i], kMaxLabelLength);
        CopyText(cfg.motionLabelNeg[i], sizeof cfg.motionLabelNeg[i], screens.labelNeg[i], kMaxLabelLength);
    }

    const std::string horizontal = HorizontalMapText(screens.rows);
    const std::string vertical = VerticalMapText(horizontal);
    SetAxisMap(cfg.axisMapHrzDflt[kKavelin], horizontal);
    SetAxisMap(cfg.axisMapHrzUser[kKavelin], horizontal);
    SetAxisMap(cfg.axisMapVrtDflt[kKavelin], vertical);
    SetAxisMap(cfg.axisMapVrtUser[kKavelin], vertical);

    for (int i = 0; i < kRows; ++i) {
        SetMotionSources(cfg, i, horizontal[i] != '-', screens);
        SetDeadZone(cfg, i, screens);
        cfg.tuningScalars[kKavelin][i] = RowScalarValue(screens.scalarEnabled[i], screens.scalarPos[i]);
    }
    return complete;
}

} // namespace model
