// The word tables of the KCG format, shared by the reader and the writer.
#include "tl_defs.h"

#include <cstring>

const char *const TlOwnerWords[3] = {"QUORVANE", "USER", "OEM"};
const char *const TlPlatformWords[4] = {"DOS", "WINDOWS", "XWINDOWS", "WINDOWS_NT"};
const char *const TlLevelWords[3] = {"BEGINNER", "INTERMEDIATE", "EXPERT"};
const char *const TlOrientationWords[2] = {"HORIZONTAL", "VERTICAL"};
const char *const TlShowWords[3] = {"FALSE", "TRUE", "NEVER"};
const char *const TlDeviceNames[TL_DEVICES] = {"KAVELIN", "MARROWEL", "TELVAR_CONTROLLER"};
const char *const TlCurveNames[TL_CURVES] = {"TV",
                                             "RV",
                                             "MOTION_DATA_1",
                                             "MOTION_DATA_2",
                                             "MOTION_DATA_3",
                                             "MOTION_DATA_4",
                                             "MOTION_DATA_5",
                                             "MOTION_DATA_6",
                                             "BUTTON_CURVE"};
const char *const TlFunctionWords[4] = {"HOLD", "SINGLE", "REPEAT_FEATHERED", "REPEAT_CONSTANT"};
const char *const TlSetNames[TL_SETS] = {"BEG_DFLT", "INT_DFLT", "EXP_DFLT",
                                         "BEG_USER", "INT_USER", "EXP_USER"};
const char *const TlKavelinButtonNames[TL_KAVELIN_BUTTONS] = {"A", "B", "C", "D", "E", "F"};
const char *const TlButtonSlotNames[TL_BUTTON_SLOTS] = {"1", "2", "3", "4",  "5", "6",
                                                        "7", "8", "9", "10", "11"};
const char TlAxisLetters[TL_AXES + 1] = "XYZRUV";

int TlWordIndex(const char *const *table, int count, const char *word) {
    if (table == nullptr || word == nullptr) return -1;
    for (int i = 0; i < count; ++i) {
        if (table[i] != nullptr && std::strcmp(table[i], word) == 0) return i;
    }
    return -1;
}

int TlButtonSlotCount(int device) {
    return device == TL_KAVELIN ? TL_KAVELIN_BUTTONS : TL_BUTTON_SLOTS;
}
