/* Internal to the library: the map of one KCG text, made in one pass.
 *
 * A section's entries begin on the line after the first header that names it
 * and run over the keyword lines up to the next line that starts with "[".
 * A keyword counts at the start of such a line when "=" follows it (blanks,
 * line ends included, may stand between); of several entries of a keyword in
 * one section the first counts. Comment lines (";") and the continuation lines
 * of lists (starting with a quote or "{") are never keyword lines. Names
 * compare case-sensitively.
 *
 * The text is the whole file followed by two NUL bytes; it ends at its first
 * NUL, and nothing past it is read. */
#ifndef TL_TEXT_MAP_H
#define TL_TEXT_MAP_H

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tl_buffer.h"

namespace tl {

class TextMap {
  public:
    TextMap() = default;
    TextMap(const TextMap &) = delete;
    TextMap &operator=(const TextMap &) = delete;

    /* Maps text; false when memory ran out (the map then finds nothing).
     * length, when known (0 otherwise), sizes the tables up front. */
    bool Build(const char *text, size_t length = 0);

    /* Where the entries of the section begin, or null when no header names
     * it; an empty name is the start of the text (the lines above the first
     * header). */
    const char *SectionStart(std::string_view section) const;

    /* Just after the "=" of the keyword's first entry in the section whose
     * entries begin at start, or null when there is none. A keyword holding
     * whitespace or "=" is never found. */
    const char *Find(const char *start, std::string_view keyword) const;

  private:
    struct Slot {
        const char *line; /* null: free */
        uint32_t length;
        uint32_t hash;
    };
    struct Region {
        const char *start;
        const char *stop;              /* the next header's "[" or the end of the text */
        uint32_t firstSlot, slotCount; /* a power of two, at most half full */
    };
    struct Section {
        std::string_view name;
        const char *start;
    };

    const char *AddRegion(const char *start);
    const Region *RegionAt(const char *start) const;
    const char *ReadHeader(const char *header);
    void Fail();

    const char *text_ = nullptr; /* null when memory ran out */
    Buffer<Section> sections_;
    Buffer<Region> regions_;
    Buffer<Slot> slots_;
    Buffer<Slot> lines_;      /* scratch: one region's keyword lines */
    mutable size_t last_ = 0; /* the region found last: lookups come section by section */
};

} // namespace tl

#endif
