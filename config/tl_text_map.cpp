// The map of one KCG text: one walk over its lines finds the first header of
// each section name and, for each place where a section's entries begin, the
// first line of each keyword, kept in an open-addressing hash table whose keys
// point into the text. A lookup is then one probe.
#include "tl_text_map.h"

#include <cstring>

#include "tl_chars.h"

namespace tl {
namespace {

// Keywords are short and few; a hash of the length and of the first, middle
// and last eight bytes costs the same for any length. The middle counts:
// numbered keywords such as MOTION_MAP_1_POS_DFLT and MOTION_MAP_2_POS_DFLT
// differ only there.
uint32_t HashOf(const char *p, size_t length) {
    uint64_t head = 0, middle = 0, tail = 0;
    if (length >= 8) {
        std::memcpy(&head, p, 8);
        std::memcpy(&middle, p + (length - 8) / 2, 8);
        std::memcpy(&tail, p + length - 8, 8);
    } else {
        for (size_t i = 0; i < length; ++i)
            head = head << 8 | static_cast<unsigned char>(p[i]);
    }
    uint64_t mixed = (head * 0x9E3779B97F4A7C15ull) ^ (middle * 0xD6E8FEB86659FD93ull) ^
                     (tail * 0xC2B2AE3D27D4EB4Full) ^ length;
    return static_cast<uint32_t>(mixed >> 32) ^ static_cast<uint32_t>(mixed);
}

// The bytes that end the leading token of a keyword line: "=", whitespace and
// the end of the text.
struct TokenEnds {
    bool at[256] = {};
    constexpr TokenEnds() {
        for (int c = '\t'; c <= '\r'; ++c)
            at[c] = true;
        at[static_cast<unsigned char>(' ')] = true;
        at[static_cast<unsigned char>('=')] = true;
        at[0] = true;
    }
};
constexpr TokenEnds kTokenEnds;

const char *TokenEnd(const char *line) {
    while (!kTokenEnds.at[static_cast<unsigned char>(*line)])
        ++line;
    return line;
}

// memcmp for the few bytes of a keyword, without the call.
bool SameBytes(const char *a, const char *b, size_t length) {
    for (; length >= 8; a += 8, b += 8, length -= 8) {
        uint64_t x, y;
        std::memcpy(&x, a, 8);
        std::memcpy(&y, b, 8);
        if (x != y) return false;
    }
    for (; length > 0; ++a, ++b, --length)
        if (*a != *b) return false;
    return true;
}

// The keyword's entry from line on, walking the lines as a lookup always has:
// a keyword followed by blanks that lead to no "=" sends the walk on from
// wherever the blanks ended, which may be a later line. Rare; only lines whose
// token is the keyword get here.
const char *FindFrom(const char *p, std::string_view keyword) {
    for (;;) {
        p = SkipSpace(p);
        const char first = *p;
        if (first == '\0' || first == '[') return nullptr;
        if (first != '"' && first != ';' && first != '{' &&
            std::strncmp(p, keyword.data(), keyword.size()) == 0 &&
            (p[keyword.size()] == '=' || IsSpace(p[keyword.size()]))) {
            p = SkipSpace(p + keyword.size());
            if (*p == '=') return p + 1;
        }
        p = SkipLine(p);
    }
}

} // namespace

bool TextMap::Build(const char *text, size_t length) {
    text_ = text;
    sections_.clear();
    regions_.clear();
    slots_.clear();
    // Keyword lines are seldom shorter than 16 bytes; each takes two slots.
    if (!sections_.reserve(16) || !regions_.reserve(16) || !lines_.reserve(length / 16 + 64) ||
        !slots_.reserve(length / 4 + 256)) {
        Fail();
        return false;
    }
    const char *stop = AddRegion(text);
    while (stop != nullptr && *stop == '[') {
        const char *next = ReadHeader(stop);
        if (next == nullptr) break;
        const Region *known = RegionAt(next);
        stop = known != nullptr ? known->stop : AddRegion(next);
    }
    return text_ != nullptr; // null when memory ran out on the way
}

// Records the header's names not seen before, with the regions their entries
// start; returns where the search for the next header goes on.
const char *TextMap::ReadHeader(const char *header) {
    return ForEachHeaderName(header, [this](std::string_view name, const char *start) {
        if (text_ == nullptr) return;
        for (const Section &section : sections_)
            if (section.name == name) return;
        if (!sections_.push_back({name, start}) ||
            (RegionAt(start) == nullptr && AddRegion(start) == nullptr))
            Fail();
    });
}

// Maps the keyword lines from start up to the next header; returns that
// header's "[" or the end of the text, or null when memory ran out. The lines
// are those a lookup walks: comment lines and the continuation lines of lists
// are never keyword lines.
const char *TextMap::AddRegion(const char *start) {
    if (text_ == nullptr) return nullptr;
    lines_.clear();
    bool room = true;
    const char *p = start;
    for (;;) {
        p = SkipSpace(p);
        const char first = *p;
        if (first == '\0' || first == '[') break;
        if (first == '"' || first == ';' || first == '{') {
            p = SkipLine(p);
            continue;
        }
        const char *end = TokenEnd(p); // no newline inside: it ends the token
        const uint32_t length = static_cast<uint32_t>(end - p);
        room &= lines_.push_back({p, length, HashOf(p, length)});
        p = SkipLine(end);
    }
    const char *stop = p;
    uint32_t slotCount = 16;
    while (slotCount < 2 * lines_.size())
        slotCount *= 2;
    const size_t firstSlot = slots_.size();
    if (!room || !slots_.resize(firstSlot + slotCount) ||
        !regions_.push_back({start, stop, static_cast<uint32_t>(firstSlot), slotCount})) {
        Fail();
        return nullptr;
    }
    Slot *slots = slots_.data() + firstSlot;
    std::memset(static_cast<void *>(slots), 0, slotCount * sizeof(Slot));
    for (const Slot &line : lines_) {
        for (uint32_t i = line.hash & (slotCount - 1);; i = (i + 1) & (slotCount - 1)) {
            Slot &slot = slots[i];
            if (slot.line == nullptr) {
                slot = line;
                break;
            }
            // The first line of a token is kept; later ones are left out.
            if (slot.hash == line.hash && slot.length == line.length &&
                SameBytes(slot.line, line.line, line.length))
                break;
        }
    }
    return stop;
}

void TextMap::Fail() {
    text_ = nullptr;
    sections_.clear();
    regions_.clear();
}

const TextMap::Region *TextMap::RegionAt(const char *start) const {
    if (last_ < regions_.size() && regions_[last_].start == start) return &regions_[last_];
    for (size_t i = 0; i < regions_.size(); ++i) {
        if (regions_[i].start == start) {
            last_ = i;
            return &regions_[i];
        }
    }
    return nullptr;
}

const char *TextMap::SectionStart(std::string_view section) const {
    if (text_ == nullptr) return nullptr;
    if (section.empty()) return text_;
    for (const Section &known : sections_)
        if (known.name == section) return known.start;
    return nullptr;
}

const char *TextMap::Find(const char *start, std::string_view keyword) const {
    const Region *region = RegionAt(start);
    if (region == nullptr) return nullptr;
    const Slot *slots = slots_.data() + region->firstSlot;
    const uint32_t mask = region->slotCount - 1;
    const uint32_t hash = HashOf(keyword.data(), keyword.size());
    for (uint32_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = slots[i];
        if (slot.line == nullptr) return nullptr;
        if (slot.hash == hash && slot.length == keyword.size() &&
            SameBytes(slot.line, keyword.data(), keyword.size())) {
            const char *afterKey = SkipSpace(slot.line + keyword.size());
            return *afterKey == '=' ? afterKey + 1 : FindFrom(slot.line, keyword);
        }
    }
}

} // namespace tl
