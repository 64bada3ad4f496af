/* The configuration record: the whole content of one KCG file held in memory.
 *
 * A plain C record. Fixed-size members hold everything whose size the format
 * fixes; heap lists hold the variable-length lists of the file. The record owns
 * every heap block it points to, and only TlFreeConfig() releases them.
 * Create a record with TlInitConfig() before first use (tl_api.h). */
#ifndef TL_CFG_H
#define TL_CFG_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TL_AXES 6            /* game axes X, Y, Z, R, U, V */
#define TL_DEVICES 3         /* device sections of a file */
#define TL_CURVES 9          /* curves per device */
#define TL_LEVELS 3          /* skill levels */
#define TL_SETS 6            /* three levels, _DFLT then _USER */
#define TL_SENS_VALUES 7     /* values per sensitivity set */
#define TL_NULL_REGIONS 7    /* six axes and the button curve */
#define TL_BUTTON_SLOTS 11   /* button slots per copy */
#define TL_KAVELIN_BUTTONS 6 /* slots the KAVELIN device uses (A..F) */
#define TL_CP_ROWS 7         /* rows of a curve control table */
#define TL_CP_COLUMNS 5

#define TL_NAME_SIZE 256 /* applicationName, driverType, button text */
#define TL_LABEL_SIZE 65 /* motion labels: 64 characters + NUL */
#define TL_BUTTON_NAME_SIZE 32

typedef enum { TL_OWNER_NONE = -1, TL_OWNER_QUORVANE = 0, TL_OWNER_USER = 1, TL_OWNER_OEM = 2 } TlOwner;
typedef enum {
    TL_PLATFORM_NONE = -1,
    TL_PLATFORM_DOS = 0,
    TL_PLATFORM_WINDOWS = 1,
    TL_PLATFORM_XWINDOWS = 2,
    TL_PLATFORM_WINDOWS_NT = 3
} TlPlatform;
typedef enum { TL_LEVEL_BEGINNER = 0, TL_LEVEL_INTERMEDIATE = 1, TL_LEVEL_EXPERT = 2 } TlLevel;
typedef enum { TL_HORIZONTAL = 0, TL_VERTICAL = 1 } TlOrientation;
typedef enum { TL_SHOW_FALSE = 0, TL_SHOW_TRUE = 1, TL_SHOW_NEVER = 2 } TlShowInstructions;
typedef enum { TL_KAVELIN = 0, TL_MARROWEL = 1, TL_TELVAR_CONTROLLER = 2 } TlDevice;
typedef enum {
    TL_CURVE_TV = 0,
    TL_CURVE_RV = 1,
    TL_CURVE_MOTION_DATA_1 = 2, /* ..MOTION_DATA_6 = 7 */
    TL_CURVE_BUTTON = 8
} TlCurveId;
typedef enum {
    TL_SOURCE_UNDEFINED = -1,
    TL_SOURCE_MASK = 0,
    TL_SOURCE_NUMBER = 1,
    TL_SOURCE_CHARACTER = 2,
    TL_SOURCE_AXIS = 3
} TlSource;
typedef enum {
    TL_FUNCTION_NONE = -1,
    TL_FUNCTION_HOLD = 0,
    TL_FUNCTION_SINGLE = 1,
    TL_FUNCTION_REPEAT_FEATHERED = 2,
    TL_FUNCTION_REPEAT_CONSTANT = 3
} TlButtonFunction;

/* Index of a high-pass-filter or sensitivity set: three _DFLT sets, then three _USER sets. */
enum { TL_SET_BEG_DFLT, TL_SET_INT_DFLT, TL_SET_EXP_DFLT, TL_SET_BEG_USER, TL_SET_INT_USER, TL_SET_EXP_USER };

/* High-pass-filter flag bits. */
enum {
    TL_HPF_HIGH_AXIS = 0x01,
    TL_HPF_HIGH_TRANSLATION = 0x02,
    TL_HPF_HIGH_ROTATION = 0x04,
    TL_HPF_TRANSLATION_ON = 0x08,
    TL_HPF_ROTATION_ON = 0x10
};

#define TL_AXIS_NONE 255

typedef struct {
    int32_t count;
    char **items; /* count heap strings */
} TlStringList;

typedef struct {
    char name[TL_BUTTON_NAME_SIZE];
    char label[TL_BUTTON_NAME_SIZE];
    int32_t mask;
} TlButtonMask;

typedef struct {
    char name[TL_BUTTON_NAME_SIZE];
    char label[TL_BUTTON_NAME_SIZE];
    int32_t number;
} TlButtonNumber;

typedef struct {
    char name[TL_BUTTON_NAME_SIZE];
    char label[TL_BUTTON_NAME_SIZE];
    char text[TL_NAME_SIZE];
} TlButtonCharacter;

/* Position i is game axis i. letters[i] names the ball axis that drives it
 * (upper case normal, lower case inverted, '-' none); axis and invert are
 * decoded from letters by the reader. */
typedef struct {
    char letters[TL_AXES + 1];
    uint8_t axis[TL_AXES];
    int32_t invert[TL_AXES];
} TlAxisMap;

typedef struct {
    int32_t source;   /* TlSource */
    int32_t index;    /* entry of the button table that source names */
    int32_t function; /* TlButtonFunction */
    float percent1;
    float percent2;
    float rate;
} TlMotionMap;

typedef struct {
    int32_t source; /* TlSource, never AXIS */
    int32_t index;
    int32_t function; /* HOLD, SINGLE or REPEAT_CONSTANT */
    float rate;
} TlButtonMap;

/* Member order differs from the file's order (NegMax, NegMin, PosMin, PosMax). */
typedef struct {
    float negMin;
    float negMax;
    float posMin;
    float posMax;
} TlNullRegion;

/* Seven rows of five values, stored column by column; rows 7 and 8 stay 0. */
typedef struct {
    float column[TL_CP_COLUMNS][9];
} TlCurveControl;

typedef struct {
    float x;
    float y;
} TlPoint;

typedef struct {
    float x0;
    float x1;
    float slope;
    float intercept;
} TlSegment;

typedef struct {
    int32_t pointCount;
    TlPoint *points;
    int32_t segmentCount;
    TlSegment *segments;
} TlCurve;

typedef struct TlConfig {
    int32_t versionMajor, versionMinor;
    int32_t applicationNumberMajor, applicationNumberMinor;
    int32_t fileRevisionMajor, fileRevisionMinor;

    char applicationName[TL_NAME_SIZE];
    int32_t owner;       /* TlOwner */
    int32_t platform;    /* TlPlatform */
    int32_t level;       /* TlLevel */
    int32_t orientation; /* TlOrientation */
    char driverType[TL_NAME_SIZE];

    int32_t hideFile;
    int32_t executableCount;
    char **executables;
    int32_t copyFileCount;
    char **copyFiles;
    char *commandLine; /* null: none */
    int32_t customCount;
    TlStringList *custom;
    int32_t showInstructions; /* TlShowInstructions */
    int32_t instructionCount;
    char **instructions;

    char motionLabelPos[TL_AXES][TL_LABEL_SIZE];
    char motionLabelNeg[TL_AXES][TL_LABEL_SIZE];
    float appMin[TL_AXES];
    float appMax[TL_AXES];
    int32_t highPassFilter[TL_SETS];
    int32_t highPassFilterCurrent;
    int32_t buttonMaskCount;
    TlButtonMask *buttonMasks;
    int32_t buttonNumberCount;
    TlButtonNumber *buttonNumbers;
    int32_t buttonCharacterCount;
    TlButtonCharacter *buttonCharacters;

    int32_t devicePresent[TL_DEVICES];
    TlAxisMap axisMapHrzDflt[TL_DEVICES];
    TlAxisMap axisMapVrtDflt[TL_DEVICES];
    TlAxisMap axisMapHrzUser[TL_DEVICES];
    TlAxisMap axisMapVrtUser[TL_DEVICES];
    TlAxisMap *currentAxisMap[TL_DEVICES]; /* points into this record's _USER maps */
    TlMotionMap motionMapPosDflt[TL_DEVICES][TL_AXES];
    TlMotionMap motionMapNegDflt[TL_DEVICES][TL_AXES];
    TlMotionMap motionMapPosUser[TL_DEVICES][TL_AXES];
    TlMotionMap motionMapNegUser[TL_DEVICES][TL_AXES];
    TlButtonMap buttonDflt[TL_DEVICES][TL_BUTTON_SLOTS];
    TlButtonMap buttonUser[TL_DEVICES][TL_BUTTON_SLOTS];
    TlNullRegion nullRegionDflt[TL_DEVICES][TL_NULL_REGIONS];
    TlNullRegion nullRegionUser[TL_DEVICES][TL_NULL_REGIONS];
    float tuningScalars[TL_DEVICES][TL_AXES];
    float sensitivity[TL_SETS][TL_DEVICES][TL_SENS_VALUES];
    float *currentSensitivity[TL_DEVICES]; /* points into this record's _USER sets */
    int32_t samplingFrequency[TL_DEVICES];
    int32_t curveControlValid[TL_DEVICES][TL_CURVES];
    TlCurveControl curveControl[TL_DEVICES][TL_CURVES];
    int32_t curveGiven[TL_DEVICES][TL_CURVES];
    int32_t curveOwned[TL_DEVICES][TL_CURVES];
    TlCurve curve[TL_DEVICES][TL_CURVES];
} TlConfig;

#ifdef __cplusplus
}
#endif

#endif
