// Reading a KCG text into a TlConfig.
//
// The text is loaded whole and mapped in one walk; then every keyword the
// format knows is looked up in the map in a fixed order and its value, split
// where it stands, converted into record members. Keywords and sections
// the reader does not know are ignored. Only a handful of entries are
// required; everything else keeps its default when absent or not convertible.
//
// Every heap block is attached to the record as soon as it is allocated, so
// that TlFreeConfig can release a record left half-filled by a failure.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "tl_alloc.h"
#include "tl_api.h"
#include "tl_curve.h"
#include "tl_defs.h"
#include "tl_diag.h"
#include "tl_keywords.h"
#include "tl_lint.h"
#include "tl_load.h"
#include "tl_number.h"
#include "tl_parse.h"
#include "tl_text_map.h"

namespace {

using tl::Keywords;

// ---- Looking keywords up --------------------------------------------------

// Looks keywords up in the map of one text and holds the value of the most
// recent lookup, split where it stands, until the next one. With diagnostics
// it tells them every lookup, which items the reader used and what it could
// not use as written.
class Lookup {
  public:
    // length, when known (0 otherwise), sizes the working buffers up front.
    Lookup(const char *text, size_t length, tl::Diagnostics *diagnostics) : diagnostics_(diagnostics) {
        noMemory_ = !map_.Build(text, length) || !value_.Reserve(64, 16);
        lastStart_ = map_.SectionStart("");
    }
    Lookup(const Lookup &) = delete;
    Lookup &operator=(const Lookup &) = delete;

    // True when keyword is in section (null: before the first header) with at
    // least one item. After running out of memory every lookup fails.
    // keyword.data() is NUL-terminated.
    bool find(std::string_view keyword, const char *section) {
        if (noMemory_) return false;
        const char *position = entry(keyword, section);
        const bool found = settle(position != nullptr ? value_.Split(position) : tl::Value::kEmpty);
        if (diagnostics_ != nullptr)
            diagnostics_->Looked(keyword.data(), section, position, found ? &value_ : nullptr);
        return found;
    }

    // As find, for a value read as numbers only: a list of plain decimals is
    // then walked once into its numbers, without the items' places.
    bool findNumbers(std::string_view keyword, const char *section) {
        if (diagnostics_ != nullptr || noMemory_) return find(keyword, section);
        const char *position = entry(keyword, section);
        if (position == nullptr) return false;
        tl::Value::Result result = value_.SplitNumbers(position);
        if (result == tl::Value::kNotNumbers) result = value_.Split(position);
        return settle(result);
    }

    bool hasSection(const char *section) { return sectionStart(section) != nullptr; }

    bool outOfMemory() const { return noMemory_; }
    void failMemory() { noMemory_ = true; }

    int groups() const { return value_.groups(); }
    int items(int group) const { return value_.count(group); }
    const char *item(int group, int position) {
        touch(group, position);
        const char *text = value_.Text(group, position);
        if (text != nullptr) return text;
        noMemory_ = true;
        return "";
    }
    // The first group is the whole value of a single item or a flat list.
    int firstCount() const { return items(0); }
    const char *first(int position = 0) { return item(0, position); }

    // Converts item (group, position) into *member, which keeps its value when
    // the item is no number (the diagnostics hear of it). Most items are plain
    // decimals, converted as the value was split.
    bool number(int group, int position, float *member) {
        if (value_.numbersOnly()) {
            *member = value_.number(group, position);
            return true;
        }
        const tl::ItemSpan &span = value_.span(group, position);
        touch(group, position);
        if (!span.isNumber) return otherNumber(span, group, position, member);
        *member = span.number;
        return true;
    }
    void readInt(int group, int position, int32_t *member);

    // ---- What the diagnostics hear; nothing without them.
    // Item (group, position) is not what the reader wants (expected says what is).
    void bad(int group, int position, const char *expected) const {
        if (diagnostics_ != nullptr) diagnostics_->BadItem(group, position, expected);
    }
    // The value (or one group of it) holds count values where needed are
    // wanted, and is not used.
    void wrongCount(int count, int needed, int group = -1, const char *what = "values") const {
        if (diagnostics_ != nullptr) diagnostics_->WrongCount(count, needed, group, what);
    }
    void clamped(int group, int position, double from, double to) const {
        if (diagnostics_ != nullptr && from != to) diagnostics_->Clamped(group, position, from, to);
    }
    // The reader looked at every item, though it used none on its own.
    void usedAll() const {
        if (diagnostics_ != nullptr) diagnostics_->TouchAll();
    }
    void truncated(int group, int position, int length, int kept) const {
        if (diagnostics_ != nullptr) diagnostics_->Truncated(group, position, length, kept);
    }
    // Copies item (group, position) into a text member of capacity bytes.
    void copyText(int group, int position, char *target, size_t capacity);

    // True when item (group, position) reads as word, an upper-case word of
    // the format; a plain item is compared where it stands.
    bool is(int group, int position, std::string_view word) {
        const tl::ItemSpan &span = value_.span(group, position);
        if (!span.plain) return item(group, position) == word;
        touch(group, position);
        if (static_cast<size_t>(span.end - span.begin) != word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            const char c = span.begin[i];
            if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != word[i]) return false;
        }
        return true;
    }
    // The index of the first word of table the first item reads as, or -1.
    int wordIndex(const char *const *table, int count) {
        for (int i = 0; i < count; ++i)
            if (is(0, 0, table[i])) return i;
        touch(0, 0);
        return -1;
    }

  private:
    // Just after the "=" of keyword's entry in section, or null.
    const char *entry(std::string_view keyword, const char *section) {
        const char *start = sectionStart(section);
        return start != nullptr ? map_.Find(start, keyword) : nullptr;
    }
    // Whether a split found the value; running out of memory ends the read.
    bool settle(tl::Value::Result result) {
        if (result == tl::Value::kNoMemory) noMemory_ = true;
        return result == tl::Value::kFound;
    }
    bool otherNumber(const tl::ItemSpan &span, int group, int position, float *member);
    void touch(int group, int position) const {
        if (diagnostics_ != nullptr) diagnostics_->Touch(group, position);
    }
    // Lookups come section by section, by the same few names.
    const char *sectionStart(const char *section) {
        if (section != lastSection_) {
            lastSection_ = section;
            lastStart_ = map_.SectionStart(section != nullptr ? section : "");
        }
        return lastStart_;
    }

    tl::TextMap map_;
    tl::Value value_;
    tl::Diagnostics *diagnostics_;
    const char *lastSection_ = nullptr;
    const char *lastStart_ = nullptr;
    bool noMemory_ = false;
};

// ---- Conversions ----------------------------------------------------------
// A conversion that fails leaves the member as it was.

void Lookup::copyText(int group, int position, char *target, size_t capacity) {
    touch(group, position);
    const tl::ItemSpan &span = value_.span(group, position);
    if (static_cast<size_t>(span.end - span.begin) < capacity) {
        tl::NormalizeSpan(span.begin, span.end, target); // never longer than the item
        return;
    }
    size_t length = 0;
    const char *source = value_.Text(group, position, &length);
    if (source == nullptr) {
        noMemory_ = true;
        return;
    }
    const size_t kept = length < capacity ? length : capacity - 1;
    std::memcpy(target, source, kept);
    target[kept] = '\0';
    if (length >= capacity)
        truncated(group, position, static_cast<int>(length), static_cast<int>(capacity - 1));
}

char *copyString(const char *source) {
    size_t size = std::strlen(source) + 1;
    char *copy = static_cast<char *>(tl::Malloc(size));
    if (copy != nullptr) std::memcpy(copy, source, size);
    return copy;
}

bool scanInt(const char *item, int32_t *member) {
    int number;
    if (std::sscanf(item, "%d", &number) != 1) return false;
    *member = number;
    return true;
}

// Not-a-number is refused: no member of the record can use it, and it would
// slip through every clamp.
bool scanFloat(const char *item, float *member) {
    float number;
    if (!TlScanFloat(item, &number) || std::isnan(number)) return false;
    *member = number;
    return true;
}

const char *const kNumber = "a number";

// A number the split did not convert: a plain decimal converted where it
// stands, any other form through the item's text as the reader sees it.
bool Lookup::otherNumber(const tl::ItemSpan &span, int group, int position, float *member) {
    if (span.plain && tl::ScanPlainFloat(span.begin, span.end, member)) return true;
    if (scanFloat(item(group, position), member)) return true;
    bad(group, position, kNumber);
    return false;
}

void Lookup::readInt(int group, int position, int32_t *member) {
    const tl::ItemSpan span = value_.span(group, position);
    touch(group, position);
    if (span.plain && tl::ScanPlainInt(span.begin, span.end, member)) return;
    if (!scanInt(item(group, position), member)) bad(group, position, "a whole number");
}

// Returns how many of the two numbers converted; 0 means the value is not a version.
// Up to nine decimal digits at *p, moving past them; -1 when there are none
// or more.
int32_t takeDigits(const char **p) {
    int32_t value = 0;
    int count = 0;
    for (; **p >= '0' && **p <= '9'; ++*p, ++count)
        value = count < 9 ? value * 10 + (**p - '0') : value;
    return count == 0 || count > 9 ? -1 : value;
}

int scanVersionOtherwise(const char *item, int32_t *major, int32_t *minor) {
    int high, low;
    int converted = std::sscanf(item, "%d.%d", &high, &low);
    if (converted >= 1) *major = high;
    if (converted == 2) *minor = low;
    return converted < 0 ? 0 : converted;
}

int scanVersion(const char *item, int32_t *major, int32_t *minor) {
    // "5.0", the form every file has, without sscanf.
    const char *p = item;
    const int32_t high = takeDigits(&p);
    if (high >= 0 && *p == '.') {
        ++p;
        const int32_t low = takeDigits(&p);
        if (low >= 0) {
            *major = high;
            *minor = low;
            return 2;
        }
    }
    return scanVersionOtherwise(item, major, minor);
}

// Items are upper-cased as they are read, so a mask written 0x1f arrives as 0X1F.
bool scanMask(const char *item, int32_t *member) {
    // "0X1F": up to eight hexadecimal digits, without sscanf.
    if (item[0] == '0' && item[1] == 'X') {
        uint32_t bits = 0;
        int count = 0;
        const char *p = item + 2;
        for (;; ++p, ++count) {
            const char c = *p;
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0) break;
            bits = bits << 4 | static_cast<uint32_t>(digit);
        }
        if (count >= 1 && count <= 8 && *p != 'X' && !(*p >= 'a' && *p <= 'f')) {
            *member = static_cast<int32_t>(bits);
            return true;
        }
    }
    unsigned int bits;
    if (std::sscanf(item, "0X%X", &bits) != 1) return false;
    *member = static_cast<int32_t>(bits);
    return true;
}

void readFloat(Lookup &look, int group, int position, float *member) {
    look.number(group, position, member);
}

void scanFloats(Lookup &look, float *members, int most) {
    int count = look.firstCount() < most ? look.firstCount() : most;
    for (int k = 0; k < count; ++k)
        readFloat(look, 0, k, &members[k]);
}

// Sets *member to the index of the first item in table; unchanged when absent.
void scanWord(Lookup &look, const char *const *table, int count, int32_t *member, const char *words) {
    int index = look.wordIndex(table, count);
    if (index >= 0)
        *member = index;
    else
        look.bad(0, 0, words);
}

// ---- [VERSION] and [IDENTIFICATION] ---------------------------------------

struct Outcome {
    int result;
    TlEntry missing;
    bool keepRecord; // a failure that leaves the record as it is
};

const Outcome kReadOn = {TL_READ_OK, TL_ENTRY_NONE, true};

Outcome missingEntry(Lookup &look, TlEntry entry) {
    if (look.outOfMemory()) return {TL_READ_NO_MEMORY, TL_ENTRY_NONE, false};
    return {TL_READ_MISSING_ENTRY, entry, false};
}

Outcome readVersion(TlConfig &cfg, Lookup &look) {
    if (look.find("VERSION", TL_SECTION_VERSION)) {
        // A version that is not a number is invalid, not an older format.
        if (scanVersion(look.first(), &cfg.versionMajor, &cfg.versionMinor) == 0)
            return missingEntry(look, TL_ENTRY_VERSION);
        if (cfg.versionMajor < 5) return {TL_READ_OLDER_FORMAT, TL_ENTRY_NONE, false};
        if (cfg.versionMajor > 5 || cfg.versionMinor > 0) return {TL_READ_NEWER_FORMAT, TL_ENTRY_NONE, false};
        return kReadOn;
    }
    // Files of the previous format carry their version above the first header.
    if (look.find("VERSION", nullptr)) {
        int32_t major = -1, minor = -1;
        scanVersion(look.first(), &major, &minor);
        if (major == 4 && minor == 0) {
            cfg.versionMajor = major;
            cfg.versionMinor = minor;
            return {TL_READ_OLDER_FORMAT, TL_ENTRY_NONE, true};
        }
    }
    return missingEntry(look, TL_ENTRY_VERSION);
}

Outcome readRequired(TlConfig &cfg, Lookup &look) {
    if (!look.find("APPLICATION_NUMBER", TL_SECTION_VERSION))
        return missingEntry(look, TL_ENTRY_APPLICATION_NUMBER);
    if (scanVersion(look.first(), &cfg.applicationNumberMajor, &cfg.applicationNumberMinor) == 0)
        return missingEntry(look, TL_ENTRY_APPLICATION_NUMBER);

    if (!look.find("FILE_REVISION_NUMBER", TL_SECTION_VERSION))
        return missingEntry(look, TL_ENTRY_FILE_REVISION_NUMBER);
    if (scanVersion(look.first(), &cfg.fileRevisionMajor, &cfg.fileRevisionMinor) == 0)
        return missingEntry(look, TL_ENTRY_FILE_REVISION_NUMBER);

    if (!look.find("APPLICATION_NAME", TL_SECTION_IDENTIFICATION) || look.first()[0] == '\0')
        return missingEntry(look, TL_ENTRY_APPLICATION_NAME);
    look.copyText(0, 0, cfg.applicationName, sizeof cfg.applicationName);

    if (!look.find("OWNER", TL_SECTION_IDENTIFICATION)) return missingEntry(look, TL_ENTRY_OWNER);
    cfg.owner = look.wordIndex(TlOwnerWords, 3);
    if (cfg.owner < 0) return missingEntry(look, TL_ENTRY_OWNER);

    if (!look.find("PLATFORM", TL_SECTION_IDENTIFICATION)) return missingEntry(look, TL_ENTRY_PLATFORM);
    cfg.platform = look.wordIndex(TlPlatformWords, 4);
    if (cfg.platform < 0) return missingEntry(look, TL_ENTRY_PLATFORM);
    return kReadOn;
}

void readIdentification(TlConfig &cfg, Lookup &look) {
    const char *section = TL_SECTION_IDENTIFICATION;
    if (look.find("LEVEL", section))
        scanWord(look, TlLevelWords, 3, &cfg.level, "BEGINNER, INTERMEDIATE or EXPERT");
    if (look.find("ORIENTATION", section))
        scanWord(look, TlOrientationWords, 2, &cfg.orientation, "HORIZONTAL or VERTICAL");
    if (look.find("DRIVER_TYPE", section)) look.copyText(0, 0, cfg.driverType, sizeof cfg.driverType);
}

// ---- [CONFIGURATION] --------------------------------------------------------

// The items of one group into an empty list: the array is sized once, and
// each item is attached as soon as it is copied.
void appendItems(Lookup &look, int group, char ***list, int32_t *count) {
    const int items = look.items(group);
    if (items == 0) return;
    auto *array = static_cast<char **>(tl::Malloc(static_cast<size_t>(items) * sizeof(char *)));
    if (array == nullptr) {
        look.failMemory();
        return;
    }
    *list = array;
    for (int k = 0; k < items; ++k) {
        char *copy = copyString(look.item(group, k));
        if (copy == nullptr) {
            look.failMemory();
            return;
        }
        array[(*count)++] = copy;
    }
}

void readCustom(TlConfig &cfg, Lookup &look) {
    if (!look.find("CUSTOM", TL_SECTION_CONFIGURATION)) return;
    auto *groups = static_cast<TlStringList *>(tl::Calloc(look.groups(), sizeof(TlStringList)));
    if (groups == nullptr) {
        look.failMemory();
        return;
    }
    cfg.custom = groups;
    cfg.customCount = look.groups();
    for (int g = 0; g < look.groups() && !look.outOfMemory(); ++g)
        appendItems(look, g, &groups[g].items, &groups[g].count);
}

void readConfiguration(TlConfig &cfg, Lookup &look) {
    const char *section = TL_SECTION_CONFIGURATION;
    if (look.find("HIDE_FILE", section)) {
        cfg.hideFile = look.is(0, 0, "TRUE") ? 1 : 0;
        if (!cfg.hideFile && !look.is(0, 0, "FALSE")) look.bad(0, 0, "TRUE or FALSE");
    }

    struct {
        const char *keyword;
        char **TlConfig::*list;
        int32_t TlConfig::*count;
    } const lists[] = {
        {"EXECUTABLES", &TlConfig::executables, &TlConfig::executableCount},
        {"COPY_FILES", &TlConfig::copyFiles, &TlConfig::copyFileCount},
        {"INSTRUCTIONS", &TlConfig::instructions, &TlConfig::instructionCount},
    };
    for (const auto &list : lists)
        if (look.find(list.keyword, section)) appendItems(look, 0, &(cfg.*list.list), &(cfg.*list.count));

    if (look.find("COMMAND_LINE", section)) {
        cfg.commandLine = copyString(look.first());
        if (cfg.commandLine == nullptr) look.failMemory();
    }
    readCustom(cfg, look);
    if (look.find("SHOW_INSTRUCTIONS", section))
        scanWord(look, TlShowWords, 3, &cfg.showInstructions, "FALSE, TRUE or NEVER");
}

// ---- [TUNING] -------------------------------------------------------------

void readLabelsAndLimits(TlConfig &cfg, Lookup &look) {
    const char *section = TL_SECTION_TUNING;
    const Keywords &names = Keywords::Get();
    for (int n = 0; n < TL_AXES; ++n) {
        if (look.find(names.motionLabel[n][Keywords::kPos], section))
            look.copyText(0, 0, cfg.motionLabelPos[n], TL_LABEL_SIZE);
        if (look.find(names.motionLabel[n][Keywords::kNeg], section))
            look.copyText(0, 0, cfg.motionLabelNeg[n], TL_LABEL_SIZE);
    }
    for (int n = 0; n < TL_AXES; ++n) {
        if (look.find(names.appMin[n], section)) readFloat(look, 0, 0, &cfg.appMin[n]);
        if (look.find(names.appMax[n], section)) readFloat(look, 0, 0, &cfg.appMax[n]);
    }
}

// Five ON/OFF words, bit 0x01 first; fewer than five words leave all bits off.
void readHighPassFilters(TlConfig &cfg, Lookup &look) {
    for (int set = 0; set < TL_SETS; ++set) {
        if (!look.find(Keywords::Get().highPassFilter[set], TL_SECTION_TUNING)) continue;
        cfg.highPassFilter[set] = 0;
        if (look.firstCount() < 5) {
            look.wrongCount(look.firstCount(), 5, -1, "flags");
            continue;
        }
        for (int k = 0; k < 5; ++k) {
            if (look.is(0, k, "ON"))
                cfg.highPassFilter[set] |= 1 << k;
            else if (!look.is(0, k, "OFF"))
                look.bad(0, k, "ON or OFF");
        }
    }
    cfg.highPassFilterCurrent = cfg.highPassFilter[TL_SET_BEG_USER + cfg.level];
}

// Fills one button table from the groups of exactly three items, in order.
// store converts the third item (of group g) into the entry.
template <typename Entry, typename Store>
void readButtonTable(Lookup &look, const char *keyword, Entry **table, int32_t *count, Store store) {
    if (!look.find(keyword, TL_SECTION_TUNING)) return;
    int usable = 0;
    for (int g = 0; g < look.groups(); ++g) {
        if (look.items(g) == 3) ++usable;
        if (look.items(g) != 3) look.wrongCount(look.items(g), 3, g);
    }
    if (usable == 0) return;
    // Zero-filled, so a third item that does not convert stores 0.
    auto *entries = static_cast<Entry *>(tl::Calloc(usable, sizeof(Entry)));
    if (entries == nullptr) {
        look.failMemory();
        return;
    }
    *table = entries;
    *count = usable;
    for (int g = 0; g < look.groups(); ++g) {
        if (look.items(g) != 3) continue;
        look.copyText(g, 0, entries->name, sizeof entries->name);
        look.copyText(g, 1, entries->label, sizeof entries->label);
        store(*entries, look, g);
        ++entries;
    }
}

void readButtonTables(TlConfig &cfg, Lookup &look) {
    readButtonTable(look, "BUTTON_MASKS", &cfg.buttonMasks, &cfg.buttonMaskCount,
                    [](TlButtonMask &entry, Lookup &look, int g) {
                        if (!scanMask(look.item(g, 2), &entry.mask)) look.bad(g, 2, "a mask such as 0x4");
                    });
    readButtonTable(look, "BUTTON_NUMBERS", &cfg.buttonNumbers, &cfg.buttonNumberCount,
                    [](TlButtonNumber &entry, Lookup &look, int g) { look.readInt(g, 2, &entry.number); });
    readButtonTable(look, "BUTTON_CHARACTERS", &cfg.buttonCharacters, &cfg.buttonCharacterCount,
                    [](TlButtonCharacter &entry, Lookup &look, int g) {
                        look.copyText(g, 2, entry.text, sizeof entry.text);
                    });
}

// ---- Device sections ------------------------------------------------------

// Six characters, padded with '-'; any character other than a ball axis
// letter becomes '-'. Lower case means inverted.
void decodeAxisMap(TlAxisMap &map, Lookup &look) {
    const char *item = look.first();
    size_t length = 0;
    while (length < TL_AXES && item[length] != '\0')
        ++length;
    std::memcpy(map.letters, item, length);
    std::memset(map.letters + length, '-', TL_AXES - length);
    map.letters[TL_AXES] = '\0';
    bool strange = false;
    for (int i = 0; i < TL_AXES; ++i) {
        map.axis[i] = TL_AXIS_NONE;
        map.invert[i] = 0;
        for (int axis = 0; axis < TL_AXES; ++axis) {
            char upper = TlAxisLetters[axis];
            char lower = static_cast<char>(upper - 'A' + 'a');
            if (map.letters[i] == upper || map.letters[i] == lower) {
                map.axis[i] = static_cast<uint8_t>(axis);
                map.invert[i] = map.letters[i] == lower ? 1 : 0;
            }
        }
        if (map.axis[i] == TL_AXIS_NONE) {
            if (map.letters[i] != '-') strange = true;
            map.letters[i] = '-';
        }
    }
    if (strange) look.bad(0, 0, "six of the letters XYZRUV (lower case inverted) or -");
    if (item[length] != '\0') look.truncated(0, 0, static_cast<int>(std::strlen(item)), TL_AXES);
}

void readAxisMaps(TlConfig &cfg, Lookup &look, int d) {
    struct {
        const char *keyword;
        TlAxisMap (TlConfig::*maps)[TL_DEVICES];
    } const axisMaps[] = {
        {"AXIS_MAP_HRZ_DFLT", &TlConfig::axisMapHrzDflt},
        {"AXIS_MAP_VRT_DFLT", &TlConfig::axisMapVrtDflt},
        {"AXIS_MAP_HRZ_USER", &TlConfig::axisMapHrzUser},
        {"AXIS_MAP_VRT_USER", &TlConfig::axisMapVrtUser},
    };
    for (const auto &entry : axisMaps)
        if (look.find(entry.keyword, TlDeviceNames[d])) decodeAxisMap((cfg.*entry.maps)[d], look);
    cfg.currentAxisMap[d] = cfg.orientation == TL_VERTICAL ? &cfg.axisMapVrtUser[d] : &cfg.axisMapHrzUser[d];
}

// Finds name in the three button tables. A later table's match wins, so a
// name in both the mask and the character table maps to the character. A name
// in no table leaves source and index as they were.
void matchButtonName(const TlConfig &cfg, Lookup &look, int32_t *source, int32_t *index) {
    const char *name = look.first(0);
    const int32_t before = *source;
    *source = TL_SOURCE_UNDEFINED - 1; // no table's value: tells whether any matched
    for (int k = 0; k < cfg.buttonMaskCount; ++k) {
        if (std::strcmp(cfg.buttonMasks[k].name, name) == 0) {
            *source = TL_SOURCE_MASK;
            *index = k;
            break;
        }
    }
    for (int k = 0; k < cfg.buttonNumberCount; ++k) {
        if (std::strcmp(cfg.buttonNumbers[k].name, name) == 0) {
            *source = TL_SOURCE_NUMBER;
            *index = k;
            break;
        }
    }
    for (int k = 0; k < cfg.buttonCharacterCount; ++k) {
        if (std::strcmp(cfg.buttonCharacters[k].name, name) == 0) {
            *source = TL_SOURCE_CHARACTER;
            *index = k;
            break;
        }
    }
    if (*source == TL_SOURCE_UNDEFINED - 1) {
        *source = before;
        look.bad(0, 0, "a button of BUTTON_MASKS, BUTTON_NUMBERS or BUTTON_CHARACTERS");
    }
}

// A percentage or rate: its absolute value, percentages cut to 100.
void readMagnitude(Lookup &look, int position, float *member, float most) {
    if (!look.number(0, position, member)) return;
    const float given = *member;
    *member = std::fabs(given) > most ? most : std::fabs(given);
    look.clamped(0, position, given, *member);
}

float clampPercent(float value) {
    value = std::fabs(value);
    return value > 100.0f ? 100.0f : value;
}

// { name, function, numbers... }; a function word short of its numbers makes
// the mapping undefined.
void decodeMotionMap(const TlConfig &cfg, Lookup &look, TlMotionMap &map) {
    if (look.firstCount() == 1) {
        map.source = look.is(0, 0, "AXIS") ? TL_SOURCE_AXIS : TL_SOURCE_UNDEFINED;
        if (map.source == TL_SOURCE_UNDEFINED && !look.is(0, 0, "UNDEFINED"))
            look.bad(0, 0, "AXIS or UNDEFINED");
        return;
    }
    int count = look.firstCount();
    matchButtonName(cfg, look, &map.source, &map.index);
    const char *word = look.first(1);
    const float most = 100.0f, any = HUGE_VALF;
    if (std::strcmp(word, "SINGLE") == 0 || std::strcmp(word, "HOLD") == 0) {
        map.function = word[0] == 'S' ? TL_FUNCTION_SINGLE : TL_FUNCTION_HOLD;
        if (count < 4) {
            map.source = TL_SOURCE_UNDEFINED;
            look.wrongCount(count, 4);
        } else {
            readMagnitude(look, 2, &map.percent1, most);
            readMagnitude(look, 3, &map.percent2, most);
        }
    } else if (std::strcmp(word, "REPEAT_FEATHERED") == 0) {
        map.function = TL_FUNCTION_REPEAT_FEATHERED;
        if (count < 3) {
            map.source = TL_SOURCE_UNDEFINED;
            look.wrongCount(count, 3);
        } else {
            readMagnitude(look, 2, &map.rate, any);
        }
    } else if (std::strcmp(word, "REPEAT_CONSTANT") == 0) {
        map.function = TL_FUNCTION_REPEAT_CONSTANT;
        if (count < 5) {
            map.source = TL_SOURCE_UNDEFINED;
            look.wrongCount(count, 5);
        } else {
            readMagnitude(look, 2, &map.percent1, most);
            readMagnitude(look, 3, &map.percent2, most);
            readMagnitude(look, 4, &map.rate, any);
        }
    } else {
        look.bad(0, 1, "HOLD, SINGLE, REPEAT_FEATHERED or REPEAT_CONSTANT");
        look.usedAll();
    }
    map.percent1 = clampPercent(map.percent1);
    map.percent2 = clampPercent(map.percent2);
    map.rate = std::fabs(map.rate);
}

void readMotionMaps(TlConfig &cfg, Lookup &look, int d) {
    struct {
        Keywords::Side side;
        Keywords::Copy copy;
        TlMotionMap (TlConfig::*maps)[TL_DEVICES][TL_AXES];
    } const motionMaps[] = {
        {Keywords::kPos, Keywords::kDflt, &TlConfig::motionMapPosDflt},
        {Keywords::kNeg, Keywords::kDflt, &TlConfig::motionMapNegDflt},
        {Keywords::kPos, Keywords::kUser, &TlConfig::motionMapPosUser},
        {Keywords::kNeg, Keywords::kUser, &TlConfig::motionMapNegUser},
    };
    const Keywords &names = Keywords::Get();
    for (int n = 0; n < TL_AXES; ++n)
        for (const auto &entry : motionMaps)
            if (look.find(names.motionMap[n][entry.side][entry.copy], TlDeviceNames[d]))
                decodeMotionMap(cfg, look, (cfg.*entry.maps)[d][n]);
}

// { name, HOLD | SINGLE } or { name, REPEAT_CONSTANT, rate }; a single word
// leaves the button undefined.
void decodeButtonMap(const TlConfig &cfg, Lookup &look, TlButtonMap &button) {
    if (look.firstCount() == 1) {
        button.source = TL_SOURCE_UNDEFINED;
        if (!look.is(0, 0, "UNDEFINED")) look.bad(0, 0, "UNDEFINED or { name, function }");
        return;
    }
    matchButtonName(cfg, look, &button.source, &button.index);
    const char *word = look.first(1);
    if (std::strcmp(word, "HOLD") == 0) {
        button.function = TL_FUNCTION_HOLD;
    } else if (std::strcmp(word, "SINGLE") == 0) {
        button.function = TL_FUNCTION_SINGLE;
    } else if (std::strcmp(word, "REPEAT_CONSTANT") == 0) {
        button.function = TL_FUNCTION_REPEAT_CONSTANT;
        if (look.firstCount() < 3) {
            button.source = TL_SOURCE_UNDEFINED;
            look.wrongCount(look.firstCount(), 3);
        } else {
            readMagnitude(look, 2, &button.rate, HUGE_VALF);
            button.rate = std::fabs(button.rate);
        }
    } else {
        look.bad(0, 1, "HOLD, SINGLE or REPEAT_CONSTANT");
        look.usedAll();
    }
}

void readButtonMaps(TlConfig &cfg, Lookup &look, int d) {
    const Keywords &keywords = Keywords::Get();
    for (int slot = 0; slot < TlButtonSlotCount(d); ++slot) {
        const std::string *names = d == TL_KAVELIN ? keywords.kavelinButton[slot] : keywords.slotButton[slot];
        if (look.find(names[Keywords::kDflt], TlDeviceNames[d]))
            decodeButtonMap(cfg, look, cfg.buttonDflt[d][slot]);
        if (look.find(names[Keywords::kUser], TlDeviceNames[d]))
            decodeButtonMap(cfg, look, cfg.buttonUser[d][slot]);
    }
}

float clampTo(float value, float low, float high) {
    if (value < low) return low;
    if (value > high) return high;
    return value;
}

// The file order is NegMax, NegMin, PosMin, PosMax. Afterwards
// -1 <= negMax <= negMin <= 0 <= posMin <= posMax <= 1.
void decodeNullRegion(Lookup &look, TlNullRegion &region) {
    if (look.firstCount() != 4) {
        look.wrongCount(look.firstCount(), 4);
        return;
    }
    float *const members[4] = {&region.negMax, &region.negMin, &region.posMin, &region.posMax};
    float given[4];
    for (int k = 0; k < 4; ++k) {
        readFloat(look, 0, k, members[k]);
        given[k] = *members[k];
    }
    region.negMax = clampTo(region.negMax, -1.0f, 0.0f);
    region.negMin = clampTo(region.negMin, -1.0f, 0.0f);
    region.posMin = clampTo(region.posMin, 0.0f, 1.0f);
    region.posMax = clampTo(region.posMax, 0.0f, 1.0f);
    if (region.negMin < region.negMax) region.negMin = region.negMax;
    if (region.posMin > region.posMax) region.posMin = region.posMax;
    for (int k = 0; k < 4; ++k)
        look.clamped(0, k, given[k], *members[k]);
}

void readNullRegions(TlConfig &cfg, Lookup &look, int d) {
    struct {
        Keywords::Copy copy;
        TlNullRegion (TlConfig::*regions)[TL_DEVICES][TL_NULL_REGIONS];
    } const copies[] = {
        {Keywords::kDflt, &TlConfig::nullRegionDflt},
        {Keywords::kUser, &TlConfig::nullRegionUser},
    };
    for (const auto &copy : copies)
        for (int r = 0; r < TL_NULL_REGIONS; ++r)
            if (look.findNumbers(Keywords::Get().nullRegion[r][copy.copy], TlDeviceNames[d]))
                decodeNullRegion(look, (cfg.*copy.regions)[d][r]);
}

void readScalarsAndSensitivity(TlConfig &cfg, Lookup &look, int d) {
    const char *section = TlDeviceNames[d];
    if (look.findNumbers("TUNING_SCALARS", section)) scanFloats(look, cfg.tuningScalars[d], TL_AXES);
    for (int set = 0; set < TL_SETS; ++set)
        if (look.findNumbers(Keywords::Get().sensitivity[set], section))
            scanFloats(look, cfg.sensitivity[set][d], TL_SENS_VALUES);
    cfg.currentSensitivity[d] = cfg.sensitivity[TL_SET_BEG_USER + cfg.level][d];
    if (look.find("SAMPLING_FREQUENCY", section)) look.readInt(0, 0, &cfg.samplingFrequency[d]);
}

// Rows are taken while a group has exactly five values; only a full table
// of seven rows counts as valid (and is written back).
void readControlTables(TlConfig &cfg, Lookup &look, int d) {
    for (int c = 0; c < TL_CURVES; ++c) {
        if (!look.findNumbers(Keywords::Get().controlTable[c], TlDeviceNames[d])) continue;
        TlCurveControl &table = cfg.curveControl[d][c];
        int rows = 0;
        while (rows < TL_CP_ROWS && rows < look.groups() && look.items(rows) == TL_CP_COLUMNS) {
            for (int column = 0; column < TL_CP_COLUMNS; ++column)
                readFloat(look, rows, column, &table.column[column][rows]);
            ++rows;
        }
        cfg.curveControlValid[d][c] = rows == TL_CP_ROWS ? 1 : 0;
        if (rows < TL_CP_ROWS) look.wrongCount(rows, TL_CP_ROWS, -1, "rows of five numbers");
    }
}

// Points are taken while a group has exactly two values.
void readPointLists(TlConfig &cfg, Lookup &look, int d) {
    for (int c = 0; c < TL_CURVES; ++c) {
        if (!look.findNumbers(TlCurveNames[c], TlDeviceNames[d])) continue;
        int count = 0;
        while (count < look.groups() && look.items(count) == 2)
            ++count;
        if (count == 0) {
            look.wrongCount(look.items(0), 2);
            continue;
        }
        // Zero-filled, so a coordinate that does not convert stores 0.
        auto *points = static_cast<TlPoint *>(tl::Calloc(count, sizeof(TlPoint)));
        if (points == nullptr) {
            look.failMemory();
            return;
        }
        TlCurve &curve = cfg.curve[d][c];
        curve.points = points;
        curve.pointCount = count;
        cfg.curveGiven[d][c] = 1;
        cfg.curveOwned[d][c] = 1;
        for (int k = 0; k < count; ++k) {
            readFloat(look, k, 0, &points[k].x);
            readFloat(look, k, 1, &points[k].y);
        }
    }
}

bool installCurve(TlConfig &cfg, int d, int c, const TlPoint *table, int count) {
    auto *points = static_cast<TlPoint *>(tl::Malloc(count * sizeof(TlPoint)));
    if (points == nullptr) return false;
    std::memcpy(points, table, count * sizeof(TlPoint));
    cfg.curve[d][c].points = points;
    cfg.curve[d][c].pointCount = count;
    cfg.curveOwned[d][c] = 1;
    return true;
}

// The KAVELIN device always has TV, RV and button curves; those the file does
// not give come from the platform's default tables and are not written back.
void installDefaultCurves(TlConfig &cfg, Lookup &look) {
    bool dos = cfg.platform == TL_PLATFORM_DOS;
    const TlPoint *tvRv = dos ? TlDosTvRvCurve : TlWinTvRvCurve;
    const TlPoint *button = dos ? TlDosButtonCurve : TlWinButtonCurve;
    int count = dos ? TL_DOS_CURVE_POINTS : TL_WIN_CURVE_POINTS;
    struct {
        int curve;
        const TlPoint *table;
    } const defaults[] = {{TL_CURVE_TV, tvRv}, {TL_CURVE_RV, tvRv}, {TL_CURVE_BUTTON, button}};
    for (const auto &entry : defaults) {
        if (cfg.curveGiven[TL_KAVELIN][entry.curve]) continue;
        if (!installCurve(cfg, TL_KAVELIN, entry.curve, entry.table, count)) {
            look.failMemory();
            return;
        }
    }
}

// One straight segment between each two consecutive points. A vertical
// segment gets slope 1 and intercept 0 rather than a division by zero.
void buildSegments(TlConfig &cfg, Lookup &look, int d) {
    for (int c = 0; c < TL_CURVES; ++c) {
        TlCurve &curve = cfg.curve[d][c];
        if (curve.pointCount <= 1) continue;
        int count = curve.pointCount - 1;
        auto *segments = static_cast<TlSegment *>(tl::Malloc(count * sizeof(TlSegment)));
        if (segments == nullptr) {
            look.failMemory();
            return;
        }
        curve.segments = segments;
        curve.segmentCount = count;
        for (int j = 0; j < count; ++j) {
            const TlPoint &from = curve.points[j];
            const TlPoint &to = curve.points[j + 1];
            TlSegment &segment = segments[j];
            segment.x0 = from.x;
            segment.x1 = to.x;
            if (to.x - from.x != 0.0f) {
                segment.slope = (to.y - from.y) / (to.x - from.x);
                segment.intercept = from.y - segment.slope * from.x;
            } else {
                segment.slope = 1.0f;
                segment.intercept = 0.0f;
            }
        }
    }
}

void readDevice(TlConfig &cfg, Lookup &look, int d) {
    cfg.devicePresent[d] = 1;
    readAxisMaps(cfg, look, d);
    readMotionMaps(cfg, look, d);
    readButtonMaps(cfg, look, d);
    readNullRegions(cfg, look, d);
    readScalarsAndSensitivity(cfg, look, d);
    readControlTables(cfg, look, d);
    readPointLists(cfg, look, d);
    if (d == TL_KAVELIN && !look.outOfMemory()) installDefaultCurves(cfg, look);
    if (!look.outOfMemory()) buildSegments(cfg, look, d);
}

// ---- The whole read ---------------------------------------------------------

Outcome readText(TlConfig &cfg, Lookup &look) {
    if (look.outOfMemory()) return {TL_READ_NO_MEMORY, TL_ENTRY_NONE, false};
    Outcome outcome = readVersion(cfg, look);
    if (outcome.result != TL_READ_OK) return outcome;
    outcome = readRequired(cfg, look);
    if (outcome.result != TL_READ_OK) return outcome;

    readIdentification(cfg, look);
    readConfiguration(cfg, look);
    readLabelsAndLimits(cfg, look);
    readHighPassFilters(cfg, look);
    readButtonTables(cfg, look);
    for (int d = 0; d < TL_DEVICES && !look.outOfMemory(); ++d)
        if (look.hasSection(TlDeviceNames[d])) readDevice(cfg, look, d);
    if (look.outOfMemory()) return {TL_READ_NO_MEMORY, TL_ENTRY_NONE, false};
    return kReadOn;
}

int report(TlReadReport *report, int result, TlEntry missing = TL_ENTRY_NONE) {
    if (report != nullptr) {
        report->result = result;
        report->missing = missing;
    }
    return result;
}

// Reads text (followed by two NUL bytes; length bytes long, 0 when not known)
// into a fresh *cfg.
int readBuffer(TlConfig *cfg, const char *text, size_t length, TlReadReport *readReport,
               tl::Diagnostics *diagnostics) {
    if (cfg == nullptr) return report(readReport, TL_READ_NULL_RECORD);
    TlInitConfig(cfg);
    if (text == nullptr) text = "\0";
    Outcome outcome;
    {
        Lookup look(text, length, diagnostics);
        outcome = readText(*cfg, look);
    }
    if (!outcome.keepRecord) TlFreeConfig(cfg);
    return report(readReport, outcome.result, outcome.missing);
}

// Reads a loaded text, with diagnostics when there is a sink.
int readLoaded(TlConfig *cfg, const char *text, size_t length, TlReadReport *readReport,
               const TlLintSink *sink) {
    if (sink == nullptr) return readBuffer(cfg, text, length, readReport, nullptr);
    tl::Diagnostics diagnostics(text, sink);
    const int result = readBuffer(cfg, text, length, readReport, &diagnostics);
    diagnostics.Finish();
    return result;
}

// A read that fails before it starts still leaves a fresh record.
int failBefore(TlConfig *cfg, TlReadReport *readReport, int result) {
    TlInitConfig(cfg);
    return report(readReport, result);
}

int readTextWith(TlConfig *cfg, const char *text, size_t length, TlReadReport *readReport,
                 const TlLintSink *sink) {
    if (cfg == nullptr) return report(readReport, TL_READ_NULL_RECORD);
    if (text == nullptr) length = 0;
    char *copy = length <= SIZE_MAX - 2 ? static_cast<char *>(tl::Malloc(length + 2)) : nullptr;
    if (copy == nullptr) return failBefore(cfg, readReport, TL_READ_NO_MEMORY);
    if (length > 0) std::memcpy(copy, text, length);
    copy[length] = '\0';
    copy[length + 1] = '\0';
    int result = readLoaded(cfg, copy, length, readReport, sink);
    std::free(copy);
    return result;
}

int readFileWith(TlConfig *cfg, const char *path, TlReadReport *readReport, const TlLintSink *sink) {
    if (cfg == nullptr) return report(readReport, TL_READ_NULL_RECORD);
    if (path == nullptr) return failBefore(cfg, readReport, TL_READ_CANNOT_OPEN);
    int result = TL_READ_OK;
    size_t length = 0;
    char *text = tl::LoadFile(path, &length, &result);
    if (text == nullptr) return failBefore(cfg, readReport, result);
    result = readLoaded(cfg, text, length, readReport, sink);
    std::free(text);
    return result;
}

} // namespace

int tl::ReadWithDiagnostics(TlConfig *cfg, const char *text, TlReadReport *readReport,
                            Diagnostics *diagnostics) {
    return readBuffer(cfg, text, 0, readReport, diagnostics);
}

extern "C" int TlReadConfigText(TlConfig *cfg, const char *text, size_t length, TlReadReport *readReport) {
    return readTextWith(cfg, text, length, readReport, nullptr);
}

extern "C" int TlLintConfigText(TlConfig *cfg, const char *text, size_t length, TlReadReport *readReport,
                                const TlLintSink *sink) {
    return readTextWith(cfg, text, length, readReport, sink);
}

extern "C" int TlReadConfigFileEx(TlConfig *cfg, const char *path, TlReadReport *readReport) {
    return readFileWith(cfg, path, readReport, nullptr);
}

extern "C" int TlLintConfigFile(TlConfig *cfg, const char *path, TlReadReport *readReport,
                                const TlLintSink *sink) {
    return readFileWith(cfg, path, readReport, sink);
}

extern "C" int TlReadConfigFile(TlConfig *cfg, const char *path) {
    return TlReadConfigFileEx(cfg, path, nullptr);
}
