#include "document_record.h"

#include "record_edit.h"
#include "rows.h"
#include "scoped_config.h"

namespace model {
namespace {

const float kBeginnerSens[TL_SENS_VALUES] = {1, 1, 1, 1, 1, 1, 0.7f};
const float kIntermediateSens[TL_SENS_VALUES] = {1, 1, 1, 1, 1, 1, 1};
const float kExpertSens[TL_SENS_VALUES] = {1, 1, 1, 1, 1, 1, 2};

void SetVersions(TlConfig &cfg) {
    cfg.versionMajor = 5;
    cfg.versionMinor = 0;
    cfg.applicationNumberMajor = 4;
    cfg.applicationNumberMinor = 8;
    cfg.platform = TL_PLATFORM_WINDOWS;
}

// The game-wide values a new document has and an opened file gets outside
// internal-use mode. False when memory for the command line ran out.
bool SetGameDefaults(TlConfig &cfg) {
    cfg.level = TL_LEVEL_INTERMEDIATE;
    cfg.driverType[0] = '\0';
    cfg.hideFile = 0;
    EmptyStringList(cfg.copyFiles, cfg.copyFileCount);
    const bool commandLineSet = SetCommandLine(cfg, "");
    cfg.showInstructions = TL_SHOW_FALSE;
    for (int i = 0; i < TL_AXES; ++i) {
        cfg.appMin[i] = -0.5f;
        cfg.appMax[i] = 0.5f;
    }
    for (int set = 0; set < TL_SETS; ++set)
        cfg.highPassFilter[set] = TL_HPF_TRANSLATION_ON | TL_HPF_ROTATION_ON;
    EmptyButtonTables(cfg);
    return commandLineSet;
}

void ClearKavelinButtons(TlConfig &cfg) {
    for (int slot = 0; slot < TL_BUTTON_SLOTS; ++slot) {
        for (TlButtonMap *button : {&cfg.buttonDflt[kKavelin][slot], &cfg.buttonUser[kKavelin][slot]}) {
            button->source = TL_SOURCE_UNDEFINED;
            button->index = 0;
            button->function = 0;
            button->rate = 0;
        }
    }
}

void SetFixedSensitivities(TlConfig &cfg) {
    for (int v = 0; v < TL_SENS_VALUES; ++v) {
        cfg.sensitivity[TL_SET_BEG_DFLT][kKavelin][v] = cfg.sensitivity[TL_SET_BEG_USER][kKavelin][v] =
            kBeginnerSens[v];
        cfg.sensitivity[TL_SET_INT_DFLT][kKavelin][v] = cfg.sensitivity[TL_SET_INT_USER][kKavelin][v] =
            kIntermediateSens[v];
        cfg.sensitivity[TL_SET_EXP_DFLT][kKavelin][v] = cfg.sensitivity[TL_SET_EXP_USER][kKavelin][v] =
            kExpertSens[v];
    }
}

void SetButtonCurveDeadZone(TlConfig &cfg) {
    SetNullRegion(cfg.nullRegionDflt[kKavelin][TL_NULL_REGIONS - 1], -1, 0, 0, 1);
    SetNullRegion(cfg.nullRegionUser[kKavelin][TL_NULL_REGIONS - 1], -1, 0, 0, 1);
}

// Sampling frequency 14 and no point list written: the driver's own curves apply.
void SetDriverCurves(TlConfig &cfg) {
    cfg.samplingFrequency[kKavelin] = 14;
    for (int c = 0; c < TL_CURVES; ++c)
        cfg.curveGiven[kKavelin][c] = 0;
}

} // namespace

bool ResetDocumentRecord(TlConfig &cfg) {
    TlFreeConfig(&cfg);
    SetVersions(cfg);
    const bool complete = SetGameDefaults(cfg);
    cfg.devicePresent[TL_KAVELIN] = 1;
    cfg.devicePresent[TL_MARROWEL] = 0;
    cfg.devicePresent[TL_TELVAR_CONTROLLER] = 0;
    ClearKavelinButtons(cfg);
    SetButtonCurveDeadZone(cfg);
    SetFixedSensitivities(cfg);
    SetDriverCurves(cfg);
    return complete;
}

void NormaliseOpenedRecord(TlConfig &cfg, bool internal) {
    const bool ownedByOem = cfg.owner == TL_OWNER_OEM;
    SetVersions(cfg);
    if (!internal) {
        // A file made by someone else becomes the start of a new game's file.
        if (!ownedByOem) {
            cfg.fileRevisionMajor = 1;
            cfg.fileRevisionMinor = 0;
            cfg.applicationName[0] = '\0';
            cfg.orientation = TL_VERTICAL;
            EmptyStringList(cfg.executables, cfg.executableCount);
        }
        cfg.owner = TL_OWNER_OEM;
        SetGameDefaults(cfg); // level, driver type, hide file, copy files, command line, ...
        ClearKavelinButtons(cfg);
        for (int i = 0; i < kRows; ++i) {
            const TlNullRegion user = cfg.nullRegionUser[kKavelin][i];
            SetNullRegion(cfg.nullRegionDflt[kKavelin][i], -1, user.negMin, user.posMin, 1);
            cfg.nullRegionUser[kKavelin][i].negMax = -1;
            cfg.nullRegionUser[kKavelin][i].posMax = 1;
        }
    } else {
        for (int i = 0; i < kRows; ++i)
            cfg.nullRegionDflt[kKavelin][i] = cfg.nullRegionUser[kKavelin][i];
    }
    SetButtonCurveDeadZone(cfg);
    SetFixedSensitivities(cfg);
    if (!internal) SetDriverCurves(cfg);
    cfg.devicePresent[TL_KAVELIN] = 1;
    if (!internal) {
        cfg.devicePresent[TL_MARROWEL] = 0;
        cfg.devicePresent[TL_TELVAR_CONTROLLER] = 0;
    }
}

LoadResult LoadDocumentRecord(const char *path, bool internal, TlConfig &doc) {
    ScopedConfig file;
    if (path == nullptr || TlReadConfigFile(&file.get(), path) != TL_READ_OK) return LoadResult::kReadFailed;
    if (!internal && file->platform != TL_PLATFORM_WINDOWS) return LoadResult::kNotWindows;
    // The record just read becomes the document; reading the file a second
    // time could give something else, or nothing, if it changed meanwhile.
    MoveConfig(doc, file.get());
    NormaliseOpenedRecord(doc, internal);
    return LoadResult::kLoaded;
}

} // namespace model
