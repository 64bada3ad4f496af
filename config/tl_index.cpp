// An index of one KCG text, so that the reader's few hundred lookups do not
// each rescan the text from its start.
//
// It remembers where each section name leads (as TlFindSection finds it) and,
// for each section start, the first line carrying each keyword on the same
// chain of lines that TlFindKeyword walks. A lookup then parses the value at
// that line exactly as TlFindEntry would. The few cases where TlFindKeyword
// can leave that common chain are handed to TlFindKeyword itself, so every
// result is the one TlFindEntry gives.
#include "tl_parse.h"

#include "tl_alloc.h"
#include "tl_chars.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kOutOfMemory = -2;

using tl::IsSpace;
using tl::SkipLine;
using tl::SkipSpace;

// The identity of a keyword: its length, its hash, and whether it could be a
// line's leading token (not empty, no "=" and no whitespace), which is when
// the keyword tables can answer for it.
struct KeywordKey {
    std::string_view text;
    uint32_t hash;
    bool plain;
};

// FNV-1a over the keyword's bytes.
uint32_t HashStep(uint32_t hash, char c) {
    return (hash ^ static_cast<unsigned char>(c)) * 16777619u;
}
constexpr uint32_t kHashStart = 2166136261u;

KeywordKey KeyOf(const char *keyword) {
    uint32_t hash = kHashStart;
    bool plain = *keyword != '\0';
    const char *p = keyword;
    for (; *p != '\0'; ++p) {
        if (*p == '=' || IsSpace(*p)) plain = false;
        hash = HashStep(hash, *p);
    }
    return {std::string_view(keyword, static_cast<size_t>(p - keyword)), hash, plain};
}

// The leading token of the line at p: the run of characters up to "=",
// whitespace or the end of the text.
KeywordKey TokenAt(const char *p) {
    uint32_t hash = kHashStart;
    const char *end = p;
    for (; *end != '\0' && *end != '=' && !IsSpace(*end); ++end)
        hash = HashStep(hash, *end);
    return {std::string_view(p, static_cast<size_t>(end - p)), hash, true};
}

// The keyword lines of one section: every line TlFindKeyword looks at from
// the section's start, up to the next header or the end of the text, keeping
// the first line for each leading token. An open-addressing hash table whose
// keys point into the text.
class KeywordTable {
  public:
    // lines is scratch space, reused from table to table.
    KeywordTable(const char *start, std::vector<const char *> &lines) : start_(start) {
        lines.clear();
        tl::ForEachKeywordLine(start, [&lines](const char *line) { lines.push_back(line); });
        size_t capacity = 16;
        while (capacity < 2 * lines.size())
            capacity *= 2;
        slots_.resize(capacity);
        for (const char *line : lines)
            Insert(TokenAt(line), line);
    }

    const char *start() const { return start_; }

    // The first line whose leading token is the key, or null.
    const char *FirstLine(const KeywordKey &key) const {
        for (size_t i = key.hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot &slot = slots_[i];
            if (slot.line == nullptr) return nullptr;
            if (slot.hash == key.hash && slot.length == key.text.size() &&
                std::memcmp(slot.line, key.text.data(), key.text.size()) == 0) {
                return slot.line;
            }
        }
    }

  private:
    struct Slot {
        const char *line = nullptr; // the token starts the line
        size_t length = 0;
        uint32_t hash = 0;
    };

    // Keeps the first line for each token: later ones are left out.
    void Insert(const KeywordKey &token, const char *line) {
        for (size_t i = token.hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            Slot &slot = slots_[i];
            if (slot.line == nullptr) {
                slot = {line, token.text.size(), token.hash};
                return;
            }
            if (slot.hash == token.hash && slot.length == token.text.size() &&
                std::memcmp(slot.line, line, token.text.size()) == 0) {
                return;
            }
        }
    }

    const char *start_;
    std::vector<Slot> slots_; // a power of two in size, at most half full
};

struct SectionStart {
    std::string name;
    const char *cursor; // null when no header names the section
};

} // namespace

struct TlTextIndex {
    const char *text;
    std::vector<SectionStart> sections;
    size_t lastSection = 0; // lookups come section by section
    std::vector<KeywordTable> tables;
    std::vector<const char *> scratchLines;

    // Where the section's keywords begin, as TlFindSection gives it; null
    // when there is no such section.
    const char *SectionCursor(const char *section) {
        if (section == nullptr || section[0] == '\0') return text;
        if (lastSection < sections.size() && sections[lastSection].name == section) {
            return sections[lastSection].cursor;
        }
        for (size_t i = 0; i < sections.size(); ++i) {
            if (sections[i].name == section) {
                lastSection = i;
                return sections[i].cursor;
            }
        }
        const char *cursor = nullptr;
        if (!TlFindSection(section, &cursor, text)) cursor = nullptr;
        sections.push_back({section, cursor});
        lastSection = sections.size() - 1;
        return cursor;
    }

    const KeywordTable &TableAt(const char *cursor) {
        for (size_t i = tables.size(); i-- > 0;) {
            if (tables[i].start() == cursor) return tables[i];
        }
        tables.emplace_back(cursor, scratchLines);
        return tables.back();
    }

    // The position just after the keyword's "=", or null when the section
    // does not hold the keyword; the same answer as TlFindKeyword's.
    const char *FindKeyword(const char *keyword, const char *cursor) {
        KeywordKey key = KeyOf(keyword);
        if (key.plain) {
            const char *line = TableAt(cursor).FirstLine(key);
            if (line == nullptr) return nullptr;
            const char *afterKey = SkipSpace(line + key.text.size());
            if (*afterKey == '=') return afterKey + 1;
            // No "=" after the keyword: TlFindKeyword goes on from wherever the
            // whitespace led, which may leave the common chain of lines.
            cursor = line;
        }
        return TlFindKeyword(keyword, &cursor) ? cursor : nullptr;
    }
};

extern "C" {

TlTextIndex *TlIndexCreate(const char *text) {
    if (text == nullptr) return nullptr;
    TlTextIndex *index =
        tl::RefuseAllocation() ? nullptr : new (std::nothrow) TlTextIndex{text, {}, 0, {}, {}};
    if (index == nullptr) return nullptr;
    try {
        index->sections.reserve(8);
        index->tables.reserve(8);
        index->scratchLines.reserve(128);
    } catch (const std::bad_alloc &) {
        delete index;
        return nullptr;
    }
    return index;
}

void TlIndexFree(TlTextIndex *index) {
    delete index;
}

int TlIndexFindKeyword(TlTextIndex *index, const char *keyword, const char *section, const char **position) {
    *position = nullptr;
    if (index == nullptr || keyword == nullptr) return 0;
    try {
        const char *cursor = index->SectionCursor(section);
        if (cursor == nullptr) return 0;
        *position = index->FindKeyword(keyword, cursor);
    } catch (const std::bad_alloc &) {
        return kOutOfMemory;
    }
    return *position != nullptr ? 1 : 0;
}

int TlIndexFindEntry(TlTextIndex *index, const char *keyword, const char *section, TlValue *value) {
    const char *position = nullptr;
    return TlIndexParseEntry(index, keyword, section, value, &position);
}

int TlIndexParseEntry(TlTextIndex *index, const char *keyword, const char *section, TlValue *value,
                      const char **position) {
    if (value == nullptr) return 0;
    value->groupCount = 0;
    value->groups = nullptr;
    int found = TlIndexFindKeyword(index, keyword, section, position);
    if (found != 1) return found;
    int parsed = TlParseValue(*position, value);
    if (parsed == kOutOfMemory) return kOutOfMemory;
    if (parsed != 0) return 0;
    return TlAcceptValue(value);
}

} // extern "C"
