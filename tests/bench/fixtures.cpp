#include "fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "tl_api.h"

namespace {

void Copy(char *dst, size_t size, const char *src) {
    std::snprintf(dst, size, "%s", src);
}

void FillGeneral(TlConfig *cfg) {
    cfg->versionMajor = 5;
    cfg->applicationNumberMajor = 4;
    cfg->applicationNumberMinor = 81;
    cfg->fileRevisionMajor = 1;
    cfg->fileRevisionMinor = 3;
    Copy(cfg->applicationName, sizeof cfg->applicationName, "Harbour Run: Night Shift");
    cfg->owner = TL_OWNER_OEM;
    cfg->platform = TL_PLATFORM_WINDOWS;
    Copy(cfg->driverType, sizeof cfg->driverType, "KAVELIN");
    for (const char *exe : {"harbour.exe", "harbour95.exe", "hrsetup.exe"})
        TlAppendString(&cfg->executables, &cfg->executableCount, exe);
    for (const char *line :
         {"Move the ball forward to accelerate, back to brake.", "Twist it left or right to steer the boat.",
          "Press A to fire the horn, B to drop anchor."})
        TlAppendString(&cfg->instructions, &cfg->instructionCount, line);
    cfg->showInstructions = TL_SHOW_TRUE;
    const char *pos[TL_AXES] = {"Right", "Up", "Forward", "Roll Right", "Pitch Up", "Turn Right"};
    const char *neg[TL_AXES] = {"Left", "Down", "Back", "Roll Left", "Pitch Down", "Turn Left"};
    for (int i = 0; i < TL_AXES; ++i) {
        Copy(cfg->motionLabelPos[i], TL_LABEL_SIZE, pos[i]);
        Copy(cfg->motionLabelNeg[i], TL_LABEL_SIZE, neg[i]);
    }
}

void AddButtons(TlConfig *cfg) {
    cfg->buttonMaskCount = 4;
    cfg->buttonMasks = static_cast<TlButtonMask *>(std::calloc(4, sizeof(TlButtonMask)));
    for (int i = 0; i < 4; ++i) {
        std::snprintf(cfg->buttonMasks[i].name, TL_BUTTON_NAME_SIZE, "MASK%d", i + 1);
        std::snprintf(cfg->buttonMasks[i].label, TL_BUTTON_NAME_SIZE, "Mask button %d", i + 1);
        cfg->buttonMasks[i].mask = 1 << i;
    }
    cfg->buttonCharacterCount = 3;
    cfg->buttonCharacters = static_cast<TlButtonCharacter *>(std::calloc(3, sizeof(TlButtonCharacter)));
    for (int i = 0; i < 3; ++i) {
        std::snprintf(cfg->buttonCharacters[i].name, TL_BUTTON_NAME_SIZE, "KEY%d", i + 1);
        std::snprintf(cfg->buttonCharacters[i].label, TL_BUTTON_NAME_SIZE, "Key %c", 'A' + i);
        std::snprintf(cfg->buttonCharacters[i].text, TL_NAME_SIZE, "%c", 'a' + i);
    }
}

void FillDevice(TlConfig *cfg, int d, int curvePoints, bool controls) {
    cfg->devicePresent[d] = 1;
    cfg->buttonUser[d][0] = {TL_SOURCE_MASK, 0, TL_FUNCTION_HOLD, 0.0f};
    cfg->buttonUser[d][1] = {TL_SOURCE_CHARACTER, 1, TL_FUNCTION_REPEAT_CONSTANT, 2.5f};
    cfg->motionMapPosUser[d][2] = {TL_SOURCE_MASK, 2, TL_FUNCTION_SINGLE, 40.0f, 60.0f, 0.0f};
    for (int a = 0; a < TL_AXES; ++a)
        cfg->tuningScalars[d][a] = 0.5f + 0.25f * a;
    for (int c = 0; c < TL_CURVES; ++c) {
        if (controls) cfg->curveControlValid[d][c] = 1;
        if (curvePoints == 0) continue;
        TlCurve &curve = cfg->curve[d][c];
        curve.pointCount = curvePoints;
        curve.points = static_cast<TlPoint *>(std::calloc(curvePoints, sizeof(TlPoint)));
        for (int k = 0; k < curvePoints; ++k) {
            float x = static_cast<float>(k) / (curvePoints - 1);
            curve.points[k] = {x, x * x};
        }
        cfg->curveGiven[d][c] = 1;
        cfg->curveOwned[d][c] = 1;
    }
}

} // namespace

void FillTypical(TlConfig *cfg) {
    FillGeneral(cfg);
    AddButtons(cfg);
    FillDevice(cfg, TL_KAVELIN, 0, true);
}

void FillLarge(TlConfig *cfg) {
    FillGeneral(cfg);
    AddButtons(cfg);
    cfg->buttonNumberCount = 11;
    cfg->buttonNumbers = static_cast<TlButtonNumber *>(std::calloc(11, sizeof(TlButtonNumber)));
    for (int i = 0; i < 11; ++i) {
        std::snprintf(cfg->buttonNumbers[i].name, TL_BUTTON_NAME_SIZE, "BUTTON%d", i + 1);
        std::snprintf(cfg->buttonNumbers[i].label, TL_BUTTON_NAME_SIZE, "Button %d", i + 1);
        cfg->buttonNumbers[i].number = i + 1;
    }
    for (int d = 0; d < TL_DEVICES; ++d)
        FillDevice(cfg, d, 30, true);
}
