// The writer: a TlConfig as a KCG text in the canonical layout, CR LF line
// ends on every platform. The whole text is built in one block of memory,
// sized up front from the record (tl_estimate), and written with one call;
// a file is replaced only after a complete write (tl_replace).
//
// Values the layout cannot express are written as the word UNDEFINED, so
// that nothing is read outside the record and the file stays readable:
//  - owner, platform, level, orientation or showInstructions outside its
//    word table (the reader then rejects the owner and platform, and keeps
//    its defaults for the other three);
//  - a button or motion map whose source is not one of the three button
//    tables, or whose index lies outside the table it names, or whose
//    function has no form for that kind of map;
//  - a motion map source outside the known sources (only AXIS writes AXIS).
// A list whose count is negative or whose array is null is written empty; a
// null string in a list is written as "". Fixed-size texts are read no
// further than their capacity, terminated or not.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

#include "tl_alloc.h"
#include "tl_api.h"
#include "tl_defs.h"
#include "tl_estimate.h"
#include "tl_replace.h"
#include "tl_text.h"

namespace {

using tl::kSixDecimals;
using tl::kTwoDecimals;
using tl::TextBuilder;

constexpr std::string_view kUndefined = "UNDEFINED";
constexpr std::string_view kEnd = "\r\n";

// ---- Small pieces -------------------------------------------------------

// A word table of tl_defs as views, each length counted once rather than at
// every use.
template <std::size_t N> class Words {
  public:
    explicit Words(const char *const (&table)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            words_[i] = table[i];
    }
    std::string_view operator[](int i) const { return words_[i]; }

  private:
    std::string_view words_[N];
};

// Made on first use, so that no order of static initialisation matters.
struct WordViews {
    Words<TL_SETS> sets{TlSetNames};
    Words<TL_CURVES> curves{TlCurveNames};
    Words<TL_DEVICES> devices{TlDeviceNames};
    Words<4> functions{TlFunctionWords};
    Words<TL_KAVELIN_BUTTONS> kavelinButtons{TlKavelinButtonNames};
    Words<TL_BUTTON_SLOTS> buttonSlots{TlButtonSlotNames};
};

const WordViews &Views() {
    static const WordViews views;
    return views;
}

constexpr std::string_view OnOff(int32_t flag) {
    return flag != 0 ? "ON" : "OFF";
}

std::string_view WordOf(const char *const *table, int count, int32_t value) {
    return value >= 0 && value < count ? std::string_view(table[value]) : kUndefined;
}

std::string_view TextOrEmpty(const char *text) {
    return text != nullptr ? std::string_view(text) : std::string_view();
}

// Entries usable from a counted heap list: none for a null array or a
// negative count.
int32_t Usable(int32_t count, const void *array) {
    return array != nullptr && count > 0 ? count : 0;
}

// The name of button `index` in the table `source` selects; false when the
// source names no table or the index lies outside it.
bool ButtonName(const TlConfig &cfg, int32_t source, int32_t index, std::string_view *name) {
    if (index < 0) return false;
    switch (source) {
    case TL_SOURCE_MASK:
        if (index >= Usable(cfg.buttonMaskCount, cfg.buttonMasks)) return false;
        *name = tl::FieldText(cfg.buttonMasks[index].name);
        return true;
    case TL_SOURCE_NUMBER:
        if (index >= Usable(cfg.buttonNumberCount, cfg.buttonNumbers)) return false;
        *name = tl::FieldText(cfg.buttonNumbers[index].name);
        return true;
    case TL_SOURCE_CHARACTER:
        if (index >= Usable(cfg.buttonCharacterCount, cfg.buttonCharacters)) return false;
        *name = tl::FieldText(cfg.buttonCharacters[index].name);
        return true;
    default:
        return false;
    }
}

void AddKeyword(TextBuilder &out, std::string_view keyword) {
    out.Add(keyword, " = ");
}

// "KEYWORD = word\r\n"
void AddWordLine(TextBuilder &out, std::string_view keyword, std::string_view word) {
    out.Add(keyword, " = ", word, kEnd);
}

void AddQuotedLine(TextBuilder &out, std::string_view keyword, std::string_view text) {
    AddKeyword(out, keyword);
    out.AddQuoted(text);
    out.Add(kEnd);
}

// Keywords numbered per game axis: "prefix n suffix = ", n = 1..6.
void AddAxisKeyword(TextBuilder &out, std::string_view prefix, int axis, std::string_view suffix) {
    out.Add(prefix, static_cast<char>('1' + axis), suffix, " = ");
}

// ---- Value texts ----------------------------------------------------------

void AddMotionMapValue(TextBuilder &out, const TlMotionMap &map, const TlConfig &cfg) {
    if (map.source == TL_SOURCE_AXIS) {
        out.Add("AXIS");
        return;
    }
    std::string_view name;
    if (!ButtonName(cfg, map.source, map.index, &name) || map.function < TL_FUNCTION_HOLD ||
        map.function > TL_FUNCTION_REPEAT_CONSTANT) {
        out.Add(kUndefined);
        return;
    }
    out.Add("{ ", name, ", ", Views().functions[map.function]);
    if (map.function != TL_FUNCTION_REPEAT_FEATHERED) {
        out.Add(", ");
        out.AddFixed(map.percent1, kTwoDecimals);
        out.Add(", ");
        out.AddFixed(map.percent2, kTwoDecimals);
    }
    if (map.function == TL_FUNCTION_REPEAT_FEATHERED || map.function == TL_FUNCTION_REPEAT_CONSTANT) {
        out.Add(", ");
        out.AddFixed(map.rate, kTwoDecimals);
    }
    out.Add(" }");
}

void AddMotionMapLine(TextBuilder &out, std::string_view keyword, const TlMotionMap &map,
                      const TlConfig &cfg) {
    AddKeyword(out, keyword);
    AddMotionMapValue(out, map, cfg);
    out.Add(kEnd);
}

// Button slots know HOLD, SINGLE and REPEAT_CONSTANT; REPEAT_FEATHERED has
// no slot form and is written UNDEFINED. The keyword is written already.
void AddButtonMapValue(TextBuilder &out, const TlButtonMap &map, const TlConfig &cfg) {
    std::string_view name;
    const bool plain = map.function == TL_FUNCTION_HOLD || map.function == TL_FUNCTION_SINGLE;
    const bool repeat = map.function == TL_FUNCTION_REPEAT_CONSTANT;
    if (!ButtonName(cfg, map.source, map.index, &name) || !(plain || repeat)) {
        out.Add(kUndefined);
    } else {
        out.Add("{ ", name, ", ", Views().functions[map.function]);
        if (repeat) {
            out.Add(", ");
            out.AddFixed(map.rate, kTwoDecimals);
        }
        out.Add(" }");
    }
}

// ---- The general sections ---------------------------------------------------

void AddHeader(TextBuilder &out, std::string_view timeText) {
    out.Add(";\r\n; Kavelin game configuration file\r\n;\r\n; This file created by TlWriteConfigFile on: ");
    out.Add(timeText, "\r\n;\r\n\r\n");
}

void AddVersionPair(TextBuilder &out, std::string_view keyword, int32_t major, int32_t minor) {
    AddKeyword(out, keyword);
    out.AddInt(major);
    out.Add('.');
    out.AddInt(minor);
    out.Add(kEnd);
}

void AddVersionSection(TextBuilder &out, const TlConfig &cfg) {
    out.Add("[" TL_SECTION_VERSION "]\r\n");
    AddVersionPair(out, "VERSION", cfg.versionMajor, cfg.versionMinor);
    AddVersionPair(out, "APPLICATION_NUMBER", cfg.applicationNumberMajor, cfg.applicationNumberMinor);
    AddVersionPair(out, "FILE_REVISION_NUMBER", cfg.fileRevisionMajor, cfg.fileRevisionMinor);
    out.Add(kEnd);
}

void AddIdentificationSection(TextBuilder &out, const TlConfig &cfg) {
    out.Add("[" TL_SECTION_IDENTIFICATION "]\r\n");
    AddQuotedLine(out, "APPLICATION_NAME", tl::FieldText(cfg.applicationName));
    AddWordLine(out, "OWNER", WordOf(TlOwnerWords, 3, cfg.owner));
    AddWordLine(out, "PLATFORM", WordOf(TlPlatformWords, 4, cfg.platform));
    AddWordLine(out, "LEVEL", WordOf(TlLevelWords, 3, cfg.level));
    AddWordLine(out, "ORIENTATION", WordOf(TlOrientationWords, 2, cfg.orientation));
    AddQuotedLine(out, "DRIVER_TYPE", tl::FieldText(cfg.driverType));
    out.Add(kEnd);
}

// "KEYWORD = { "a", "b" }" on one line.
void AddInlineList(TextBuilder &out, std::string_view keyword, int32_t count, char *const *items) {
    AddKeyword(out, keyword);
    out.Add("{");
    const int32_t n = Usable(count, items);
    for (int32_t i = 0; i < n; ++i) {
        out.Add(i > 0 ? ", " : " ");
        out.AddQuoted(TextOrEmpty(items[i]));
    }
    out.Add(" }\r\n");
}

// Two strings per line.
void AddCopyFiles(TextBuilder &out, const TlConfig &cfg) {
    out.Add("COPY_FILES =\r\n   {");
    const int32_t n = Usable(cfg.copyFileCount, cfg.copyFiles);
    for (int32_t i = 0; i < n; ++i) {
        out.Add(i == 0 ? "\r\n   " : (i % 2 == 1 ? ", " : ",\r\n   "));
        out.AddQuoted(TextOrEmpty(cfg.copyFiles[i]));
    }
    out.Add("\r\n   }\r\n\r\n");
}

void AddCustom(TextBuilder &out, const TlConfig &cfg) {
    out.Add("CUSTOM =\r\n   {\r\n");
    const int32_t groups = Usable(cfg.customCount, cfg.custom);
    for (int32_t g = 0; g < groups; ++g) {
        const TlStringList &group = cfg.custom[g];
        out.Add("   {");
        const int32_t n = Usable(group.count, group.items);
        for (int32_t i = 0; i < n; ++i) {
            out.Add(i > 0 ? ", " : " ");
            out.AddQuoted(TextOrEmpty(group.items[i]));
        }
        out.Add(g + 1 < groups ? " },\r\n" : " }\r\n");
    }
    out.Add("   }\r\n\r\n");
}

// One string per line.
void AddInstructions(TextBuilder &out, const TlConfig &cfg) {
    out.Add("INSTRUCTIONS =\r\n   {");
    const int32_t n = Usable(cfg.instructionCount, cfg.instructions);
    for (int32_t i = 0; i < n; ++i) {
        out.Add(i > 0 ? ",\r\n   " : "\r\n   ");
        out.AddQuoted(TextOrEmpty(cfg.instructions[i]));
    }
    out.Add("\r\n   }\r\n\r\n");
}

void AddConfigurationSection(TextBuilder &out, const TlConfig &cfg) {
    out.Add("[" TL_SECTION_CONFIGURATION "]\r\n");
    AddWordLine(out, "HIDE_FILE", cfg.hideFile != 0 ? "TRUE" : "FALSE");
    AddInlineList(out, "EXECUTABLES", cfg.executableCount, cfg.executables);
    AddCopyFiles(out, cfg);
    AddQuotedLine(out, "COMMAND_LINE", TextOrEmpty(cfg.commandLine));
    AddCustom(out, cfg);
    AddWordLine(out, "SHOW_INSTRUCTIONS", WordOf(TlShowWords, 3, cfg.showInstructions));
    AddInstructions(out, cfg);
}

void AddFilterLine(TextBuilder &out, int set, int32_t flags) {
    out.Add("HPFM_", Views().sets[set], " = { ", OnOff(flags & 1));
    for (int bit = 1; bit < 5; ++bit)
        out.Add(", ", OnOff(flags & (1 << bit)));
    out.Add(" }\r\n");
    if (set == TL_SET_EXP_DFLT || set == TL_SET_EXP_USER) out.Add(kEnd);
}

// "\r\n   { NAME, "label", " before each entry's last value.
void AddButtonEntryStart(TextBuilder &out, int32_t i, std::string_view name, std::string_view label) {
    out.Add(i > 0 ? ",\r\n   { " : "\r\n   { ", name, ", ");
    out.AddQuoted(label);
    out.Add(", ");
}

void AddButtonTables(TextBuilder &out, const TlConfig &cfg) {
    out.Add("; Button Functions\r\nBUTTON_MASKS =\r\n   {");
    for (int32_t i = 0, n = Usable(cfg.buttonMaskCount, cfg.buttonMasks); i < n; ++i) {
        const TlButtonMask &b = cfg.buttonMasks[i];
        AddButtonEntryStart(out, i, tl::FieldText(b.name), tl::FieldText(b.label));
        out.Add("0x");
        out.AddHex(static_cast<uint32_t>(b.mask));
        out.Add(" }");
    }
    out.Add("\r\n   }\r\n\r\nBUTTON_NUMBERS =\r\n   {");
    for (int32_t i = 0, n = Usable(cfg.buttonNumberCount, cfg.buttonNumbers); i < n; ++i) {
        const TlButtonNumber &b = cfg.buttonNumbers[i];
        AddButtonEntryStart(out, i, tl::FieldText(b.name), tl::FieldText(b.label));
        out.AddInt(b.number);
        out.Add(" }");
    }
    out.Add("\r\n   }\r\n\r\nBUTTON_CHARACTERS =\r\n   {");
    for (int32_t i = 0, n = Usable(cfg.buttonCharacterCount, cfg.buttonCharacters); i < n; ++i) {
        const TlButtonCharacter &b = cfg.buttonCharacters[i];
        AddButtonEntryStart(out, i, tl::FieldText(b.name), tl::FieldText(b.label));
        out.AddQuoted(tl::FieldText(b.text));
        out.Add(" }");
    }
    out.Add("\r\n   }\r\n\r\n");
}

void AddTuningSection(TextBuilder &out, const TlConfig &cfg) {
    out.Add("[" TL_SECTION_TUNING "]\r\n; Motion Labels\r\n");
    for (int axis = 0; axis < TL_AXES; ++axis) {
        AddAxisKeyword(out, "MOTION_LABEL_", axis, "_POS");
        out.AddQuoted(tl::FieldText(cfg.motionLabelPos[axis]));
        out.Add(kEnd);
        AddAxisKeyword(out, "MOTION_LABEL_", axis, "_NEG");
        out.AddQuoted(tl::FieldText(cfg.motionLabelNeg[axis]));
        out.Add(kEnd);
    }
    out.Add("\r\n; Application Minimum and Maximum values\r\n");
    for (int axis = 0; axis < TL_AXES; ++axis) {
        AddAxisKeyword(out, "APP_MIN_", axis, "");
        out.AddFixed(cfg.appMin[axis], kTwoDecimals);
        out.Add(kEnd);
        AddAxisKeyword(out, "APP_MAX_", axis, "");
        out.AddFixed(cfg.appMax[axis], kTwoDecimals);
        out.Add(kEnd);
    }
    out.Add("\r\n; High Pass Filters\r\n"
            "; { high axis, high translation, high rotation, translation on, rotation on }\r\n");
    for (int set = 0; set < TL_SETS; ++set)
        AddFilterLine(out, set, cfg.highPassFilter[set]);
    AddButtonTables(out, cfg);
}

// ---- Device sections --------------------------------------------------------

void AddAxisMaps(TextBuilder &out, const TlConfig &cfg, int d) {
    // letters holds six letters; a seventh character is never written.
    auto letters = [](const TlAxisMap &map) {
        const std::string_view text = tl::FieldText(map.letters);
        return text.substr(0, TL_AXES);
    };
    out.Add("; Axis Mappings (XYZRUV is the default)\r\n");
    AddQuotedLine(out, "AXIS_MAP_HRZ_DFLT", letters(cfg.axisMapHrzDflt[d]));
    AddQuotedLine(out, "AXIS_MAP_VRT_DFLT", letters(cfg.axisMapVrtDflt[d]));
    out.Add(kEnd);
    AddQuotedLine(out, "AXIS_MAP_HRZ_USER", letters(cfg.axisMapHrzUser[d]));
    AddQuotedLine(out, "AXIS_MAP_VRT_USER", letters(cfg.axisMapVrtUser[d]));
    out.Add(kEnd);
}

// One copy of the motion maps: positive and negative for each axis.
void AddMotionMapCopy(TextBuilder &out, const TlConfig &cfg, const TlMotionMap *pos,
                      std::string_view posSuffix, const TlMotionMap *neg, std::string_view negSuffix) {
    for (int axis = 0; axis < TL_AXES; ++axis) {
        AddAxisKeyword(out, "MOTION_MAP_", axis, posSuffix);
        AddMotionMapValue(out, pos[axis], cfg);
        out.Add(kEnd);
        AddAxisKeyword(out, "MOTION_MAP_", axis, negSuffix);
        AddMotionMapValue(out, neg[axis], cfg);
        out.Add(kEnd);
    }
    out.Add(kEnd);
}

void AddMotionMaps(TextBuilder &out, const TlConfig &cfg, int d) {
    out.Add("; Motion Mapping\r\n");
    AddMotionMapCopy(out, cfg, cfg.motionMapPosDflt[d], "_POS_DFLT", cfg.motionMapNegDflt[d], "_NEG_DFLT");
    AddMotionMapCopy(out, cfg, cfg.motionMapPosUser[d], "_POS_USER", cfg.motionMapNegUser[d], "_NEG_USER");
}

void AddButtonMaps(TextBuilder &out, const TlConfig &cfg, int d) {
    const int slots = TlButtonSlotCount(d);

    out.Add("; The Button Mappings.\r\n");
    for (int copy = 0; copy < 2; ++copy) {
        const TlButtonMap *maps = copy == 0 ? cfg.buttonDflt[d] : cfg.buttonUser[d];
        for (int slot = 0; slot < slots; ++slot) {
            const std::string_view name =
                d == TL_KAVELIN ? Views().kavelinButtons[slot] : Views().buttonSlots[slot];
            out.Add("BUTTON_", name, copy == 0 ? "_DFLT = " : "_USER = ");
            AddButtonMapValue(out, maps[slot], cfg);
            out.Add(kEnd);
        }
        out.Add(kEnd);
    }
}

void AddNullRegions(TextBuilder &out, const TlConfig &cfg, int d) {
    out.Add("; Null Regions. { NegMax, NegMin, PosMin, PosMax }\r\n");
    for (int copy = 0; copy < 2; ++copy) {
        const TlNullRegion *regions = copy == 0 ? cfg.nullRegionDflt[d] : cfg.nullRegionUser[d];
        const std::string_view suffix = copy == 0 ? "_DFLT" : "_USER";
        for (int r = 0; r < TL_NULL_REGIONS; ++r) {
            if (r < TL_AXES) {
                AddAxisKeyword(out, "NULL_REGION_", r, suffix);
            } else {
                out.Add("NULL_REGION_BUTTON_CURVE", suffix, " = ");
            }
            const float values[4] = {regions[r].negMax, regions[r].negMin, regions[r].posMin,
                                     regions[r].posMax};
            out.AddFixedGroup(values, 4, kTwoDecimals);
            out.Add(kEnd);
        }
        out.Add(kEnd);
    }
}

void AddScalarsAndSensitivity(TextBuilder &out, const TlConfig &cfg, int d) {
    out.Add("; Tuning Scalars\r\nTUNING_SCALARS = ");
    out.AddFixedGroup(cfg.tuningScalars[d], TL_AXES, kTwoDecimals);
    out.Add("\r\n\r\n; Sensitivity Values\r\n");
    for (int set = 0; set < TL_SETS; ++set) {
        out.Add("SENS_", Views().sets[set], " = ");
        out.AddFixedGroup(cfg.sensitivity[set][d], TL_SENS_VALUES, kTwoDecimals);
        out.Add(kEnd);
        if (set == TL_SET_EXP_DFLT || set == TL_SET_EXP_USER) out.Add(kEnd);
    }
    out.Add("; Sampling Frequency\r\nSAMPLING_FREQUENCY = ");
    out.AddInt(cfg.samplingFrequency[d]);
    out.Add("\r\n\r\n");
}

void AddCurves(TextBuilder &out, const TlConfig &cfg, int d) {
    for (int c = 0; c < TL_CURVES; ++c) {
        if (cfg.curveControlValid[d][c] != 1) continue;
        out.Add(Views().curves[c], "_CP =\r\n   {");
        const TlCurveControl &control = cfg.curveControl[d][c];
        for (int row = 0; row < TL_CP_ROWS; ++row) {
            const float values[TL_CP_COLUMNS] = {control.column[0][row], control.column[1][row],
                                                 control.column[2][row], control.column[3][row],
                                                 control.column[4][row]};
            out.Add(row > 0 ? ",\r\n   " : "\r\n   ");
            out.AddFixedGroup(values, TL_CP_COLUMNS, kSixDecimals);
        }
        out.Add("\r\n   }\r\n\r\n");
    }
    for (int c = 0; c < TL_CURVES; ++c) {
        if (cfg.curveGiven[d][c] != 1) continue;
        const TlCurve &curve = cfg.curve[d][c];
        out.Add(Views().curves[c], " =\r\n   {");
        for (int32_t p = 0, n = Usable(curve.pointCount, curve.points); p < n; ++p) {
            const float values[2] = {curve.points[p].x, curve.points[p].y};
            out.Add(p > 0 ? ",\r\n   " : "\r\n   ");
            out.AddFixedGroup(values, 2, kSixDecimals);
        }
        out.Add("\r\n   }\r\n\r\n");
    }
}

void AddDeviceSection(TextBuilder &out, const TlConfig &cfg, int d) {
    out.Add("[", Views().devices[d], "]\r\n");
    AddAxisMaps(out, cfg, d);
    AddMotionMaps(out, cfg, d);
    AddButtonMaps(out, cfg, d);
    AddNullRegions(out, cfg, d);
    AddScalarsAndSensitivity(out, cfg, d);
    AddCurves(out, cfg, d);
}

// ---- The whole text -------------------------------------------------------

// The header's time: now, as the local time.
tl::TimeText LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    const bool known = localtime_s(&local, &now) == 0;
#else
    const bool known = localtime_r(&now, &local) != nullptr;
#endif
    return known ? tl::FormatTime(local) : tl::TimeText{"Thu Jan  1 00:00:00 1970", 24};
}

} // namespace

tl::TimeText tl::FormatTime(const std::tm &local) {
    static const char kDays[] = "SunMonTueWedThuFriSat";
    static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (local.tm_wday < 0 || local.tm_wday > 6 || local.tm_mon < 0 || local.tm_mon > 11)
        return TimeText{"Thu Jan  1 00:00:00 1970", 24};
    TimeText time{};
    const int year = local.tm_year < 8100 ? local.tm_year + 1900 : -1;
    if (local.tm_mday < 1 || local.tm_mday > 31 || local.tm_hour < 0 || local.tm_hour > 23 ||
        local.tm_min < 0 || local.tm_min > 59 || local.tm_sec < 0 || local.tm_sec > 60 || year < 1000) {
        const int n = std::snprintf(time.text, sizeof time.text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d",
                                    kDays + 3 * local.tm_wday, kMonths + 3 * local.tm_mon, local.tm_mday,
                                    local.tm_hour, local.tm_min, local.tm_sec, local.tm_year + 1900);
        time.size = n > 0 ? std::min(static_cast<std::size_t>(n), sizeof time.text - 1) : 0;
        return time;
    }
    // The same text as that format, without its cost.
    char *p = time.text;
    auto pair = [&p](int value) {
        std::memcpy(p, kDigitPairs.text + 2 * value, 2);
        p += 2;
    };
    std::memcpy(p, kDays + 3 * local.tm_wday, 3);
    p[3] = ' ';
    std::memcpy(p + 4, kMonths + 3 * local.tm_mon, 3);
    p[7] = ' ';
    p += 8;
    pair(local.tm_mday);
    if (local.tm_mday < 10) p[-2] = ' ';
    *p++ = ' ';
    pair(local.tm_hour);
    *p++ = ':';
    pair(local.tm_min);
    *p++ = ':';
    pair(local.tm_sec);
    *p++ = ' ';
    p = tl::PutDecimal(p, static_cast<uint32_t>(year));
    time.size = static_cast<std::size_t>(p - time.text);
    return time;
}

namespace {

void AddConfigText(TextBuilder &out, const TlConfig &cfg, std::string_view time) {
    AddHeader(out, time);
    AddVersionSection(out, cfg);
    AddIdentificationSection(out, cfg);
    AddConfigurationSection(out, cfg);
    AddTuningSection(out, cfg);
    for (int d = 0; d < TL_DEVICES; ++d) {
        if (cfg.devicePresent[d] != 0) AddDeviceSection(out, cfg, d);
    }
}

// A whole text in one block of memory. The block takes the size estimated
// for the text; should the text not fit (or no estimate be given), the pass
// that fell short has counted the exact length, and a second pass writes
// into a block of that size. Not built when memory ran out, or when the
// text did not fit even its own length (the record changed meanwhile).
class BuiltText {
  public:
    template <class AddText> BuiltText(std::size_t estimate, AddText addText) {
        std::size_t capacity = estimate;
        for (int pass = 0; pass < 2; ++pass) {
            block_ = capacity > 0 ? static_cast<char *>(tl::Malloc(capacity)) : nullptr;
            if (capacity > 0 && block_ == nullptr) return;
            TextBuilder out(block_, capacity);
            addText(out);
            size_ = out.Size();
            if (out.Complete() && block_ != nullptr) return;
            std::free(block_);
            block_ = nullptr;
            capacity = size_;
        }
    }
    ~BuiltText() { std::free(block_); }
    BuiltText(const BuiltText &) = delete;
    BuiltText &operator=(const BuiltText &) = delete;

    bool Built() const { return block_ != nullptr; }
    const char *Data() const { return block_; }
    std::size_t Size() const { return size_; }

    int WriteTo(FILE *file) const {
        return Built() && std::fwrite(block_, 1, size_, file) == size_ ? TL_WRITE_OK : TL_WRITE_FAILED;
    }

  private:
    char *block_ = nullptr;
    std::size_t size_ = 0;
};

// What AddConfigText writes for cfg, with the time taken once for every pass.
auto ConfigText(const TlConfig &cfg) {
    return [&cfg, time = LocalTimeText()](TextBuilder &out) {
        AddConfigText(out, cfg, std::string_view(time.text, time.size));
    };
}

} // namespace

int TlWriteConfigFile(const TlConfig *cfg, const char *path) {
    if (cfg == nullptr) return TL_WRITE_NULL_RECORD;
    if (cfg->versionMajor < 5) return TL_WRITE_OLD_VERSION;
    if (path == nullptr) return TL_WRITE_FAILED;
    const BuiltText text(tl::EstimateConfigTextSize(*cfg), ConfigText(*cfg));
    if (!text.Built()) return TL_WRITE_FAILED;
    return tl::ReplaceFileBytes(path, text.Data(), text.Size()) ? TL_WRITE_OK : TL_WRITE_FAILED;
}

int TlWriteConfigStream(const TlConfig *cfg, FILE *file) {
    if (cfg == nullptr) return TL_WRITE_NULL_RECORD;
    if (cfg->versionMajor < 5) return TL_WRITE_OLD_VERSION;
    if (file == nullptr) return TL_WRITE_FAILED;
    const BuiltText text(tl::EstimateConfigTextSize(*cfg), ConfigText(*cfg));
    // Flush so that a failure to store the bytes is reported here, not lost.
    if (text.WriteTo(file) != TL_WRITE_OK || std::fflush(file) != 0) return TL_WRITE_FAILED;
    return TL_WRITE_OK;
}

int TlWriteQuoted(const char *text, FILE *file) {
    if (file == nullptr) return TL_WRITE_FAILED;
    const std::string_view value = TextOrEmpty(text);
    return BuiltText(2 + 2 * value.size(), [value](TextBuilder &out) { out.AddQuoted(value); }).WriteTo(file);
}

int TlFormatMotionMap(FILE *file, const char *keyword, const TlMotionMap *map, const TlConfig *cfg) {
    if (file == nullptr || keyword == nullptr || map == nullptr || cfg == nullptr) return TL_WRITE_FAILED;
    return BuiltText(0, [=](TextBuilder &out) { AddMotionMapLine(out, keyword, *map, *cfg); }).WriteTo(file);
}

const char *TlOnOff(int flag) {
    return flag != 0 ? "ON" : "OFF";
}
