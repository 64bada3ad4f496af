// The token scanner: finds a keyword's value in a KCG text and splits it into
// groups of item strings.
//
// Every scan stops at the text's first NUL and never steps over it, so a stray
// NUL inside a file ends the text there and nothing past the terminating NULs
// is ever read. Whitespace and letters are those of the "C" locale whatever
// locale the program runs in: bytes above 127 are neither.
#include "tl_parse.h"

#include <cstdlib>
#include <cstring>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

const char *SkipSpace(const char *p) {
    while (IsSpace(*p)) ++p;
    return p;
}

const char *SkipSpaceAndCommas(const char *p) {
    while (*p == ',' || IsSpace(*p)) ++p;
    return p;
}

// Moves to the start of the next line, or to the terminating NUL.
const char *SkipLine(const char *p) {
    p += std::strcspn(p, "\n");
    return *p ? p + 1 : p;
}

// The end of [begin, end) once trailing whitespace is dropped.
const char *TrimEnd(const char *begin, const char *end) {
    while (end > begin && IsSpace(end[-1])) --end;
    return end;
}

// Steps over one character, treating a backslash and the character after it
// as one unit of content. Never steps over the NUL.
const char *StepContent(const char *p) {
    if (*p == '\\' && p[1] != '\0') return p + 2;
    return p + 1;
}

// The first "}" at or after p that is not escaped, or the NUL.
const char *FindGroupEnd(const char *p) {
    while (*p != '\0' && *p != '}') p = StepContent(p);
    return p;
}

// The first "," or "}" at or after p that is not escaped, or the NUL.
const char *FindItemEnd(const char *p) {
    while (*p != '\0' && *p != ',' && *p != '}') p = StepContent(p);
    return p;
}

// Counts the brace groups of a list of groups; p is at the first inner "{".
// A group counts only once its "}" is seen: a group cut off by the end of the
// text is incomplete and dropped.
int CountGroups(const char *p) {
    int count = 0;
    for (;;) {
        const char *close = FindGroupEnd(p + 1);
        if (*close == '\0') return count;
        ++count;
        p = SkipSpace(close + 1);
        if (*p == ',') p = SkipSpace(p + 1);
        if (*p != '{') return count;
    }
}

// Counts the items before the group's closing "}". Items holding only
// whitespace are dropped, and so is an item cut off by the end of the text.
int CountItems(const char *p) {
    int count = 0;
    bool itemHasContent = false;
    while (*p != '\0' && *p != '}') {
        if (*p == ',') {
            if (itemHasContent) ++count;
            itemHasContent = false;
        } else if (!IsSpace(*p)) {
            itemHasContent = true;
        }
        p = StepContent(p);
    }
    if (*p == '}' && itemHasContent) ++count;
    return count;
}

// Hands out memory for one value; with a limit, only that many allocations
// succeed, so tests can walk every out-of-memory path.
class ValueAllocator {
public:
    explicit ValueAllocator(int limit) : remaining_(limit) {}

    void *Allocate(size_t size) {
        if (remaining_ == 0) return nullptr;
        if (remaining_ > 0) --remaining_;
        return std::malloc(size);
    }

    char *Copy(const char *begin, const char *end) {
        size_t length = static_cast<size_t>(end - begin);
        char *copy = static_cast<char *>(Allocate(length + 1));
        if (copy == nullptr) return nullptr;
        std::memcpy(copy, begin, length);
        copy[length] = '\0';
        return copy;
    }

private:
    int remaining_;  // negative: no limit
};

// Allocates a zeroed array, so that a partly filled value can always be freed.
template <typename T>
T *AllocateArray(ValueAllocator &allocator, int count) {
    T *array = static_cast<T *>(allocator.Allocate(sizeof(T) * static_cast<size_t>(count)));
    if (array != nullptr) std::memset(array, 0, sizeof(T) * static_cast<size_t>(count));
    return array;
}

constexpr int kOutOfMemory = -2;
constexpr int kEmptyList = -1;

// A single value: the rest of the line, trailing whitespace dropped.
int ParseSingle(const char *p, TlValue *value, ValueAllocator &allocator) {
    const char *end = TrimEnd(p, p + std::strcspn(p, "\n"));
    value->groups = AllocateArray<TlValueGroup>(allocator, 1);
    if (value->groups == nullptr) return kOutOfMemory;
    value->groupCount = 1;
    TlValueGroup &group = value->groups[0];
    group.items = AllocateArray<char *>(allocator, 1);
    if (group.items == nullptr) return kOutOfMemory;
    group.items[0] = allocator.Copy(p, end);
    if (group.items[0] == nullptr) return kOutOfMemory;
    group.count = 1;
    return 0;
}

// Reads one group's items from p, which is inside the group at its first
// item. Returns the position after the group and what follows it.
const char *ParseGroup(const char *p, TlValueGroup *group, ValueAllocator &allocator, bool *outOfMemory) {
    int itemCount = CountItems(p);
    if (itemCount > 0) {
        group->items = AllocateArray<char *>(allocator, itemCount);
        if (group->items == nullptr) {
            *outOfMemory = true;
            return p;
        }
    }
    for (int i = 0; i < itemCount; ++i) {
        const char *end = FindItemEnd(p);
        group->items[i] = allocator.Copy(p, TrimEnd(p, end));
        if (group->items[i] == nullptr) {
            *outOfMemory = true;
            return p;
        }
        group->count = i + 1;
        p = SkipSpaceAndCommas(end);
        if (*p == '}') p = SkipSpaceAndCommas(p + 1);
    }
    // A group without items still ends at its "}"; stepping over it keeps the
    // following groups in step with the count taken by CountGroups.
    if (itemCount == 0 && *p == '}') p = SkipSpaceAndCommas(p + 1);
    return p;
}

int ParseList(const char *p, TlValue *value, ValueAllocator &allocator) {
    p = SkipSpace(p + 1);
    if (*p == '}') return kEmptyList;
    int groupCount = *p == '{' ? CountGroups(p) : 1;
    if (groupCount == 0) return 0;
    value->groups = AllocateArray<TlValueGroup>(allocator, groupCount);
    if (value->groups == nullptr) return kOutOfMemory;
    value->groupCount = groupCount;
    for (int g = 0; g < groupCount; ++g) {
        p = SkipSpaceAndCommas(p);
        if (*p == '{') ++p;
        p = SkipSpaceAndCommas(p);
        bool outOfMemory = false;
        p = ParseGroup(p, &value->groups[g], allocator, &outOfMemory);
        if (outOfMemory) return kOutOfMemory;
    }
    return 0;
}

int ParseValue(const char *position, TlValue *value, ValueAllocator &allocator) {
    if (value == nullptr) return kEmptyList;
    value->groupCount = 0;
    value->groups = nullptr;
    if (position == nullptr) return kEmptyList;
    const char *p = SkipSpace(position);
    int result = *p == '{' ? ParseList(p, value, allocator) : ParseSingle(p, value, allocator);
    if (result != 0) TlFreeValue(value);
    return result;
}

// Removes the escaping backslashes of item in place.
void RemoveEscapes(char *item) {
    char *out = item;
    for (const char *in = item; *in != '\0'; ++in) {
        if (*in == '\\') {
            ++in;
            if (*in == '\0') break;
        }
        *out++ = *in;
    }
    *out = '\0';
}

void NormalizeItem(char *item) {
    size_t length = std::strlen(item);
    if (length > 0 && item[0] == '"' && item[length - 1] == '"') {
        size_t inner = length >= 2 ? length - 2 : 0;
        std::memmove(item, item + 1, inner);
        item[inner] = '\0';
    } else {
        for (char *c = item; *c != '\0'; ++c) {
            if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
        }
    }
    RemoveEscapes(item);
}

}  // namespace

extern "C" {

int TlFindSection(const char *section, const char **cursor, const char *text) {
    if (cursor == nullptr || text == nullptr) return 0;
    if (section == nullptr || section[0] == '\0') {
        *cursor = text;
        return 1;
    }
    size_t length = std::strlen(section);
    const char *p = text;
    for (;;) {
        p = SkipSpace(p);
        if (*p == '\0') return 0;
        if (*p != '[') {
            p = SkipLine(p);
            continue;
        }
        // A header: one or more names separated by commas, closed by "]".
        ++p;
        for (;;) {
            p = SkipSpace(p);
            if (std::strncmp(p, section, length) == 0) {
                char after = p[length];
                if (after == ']' || after == ',' || IsSpace(after)) {
                    *cursor = SkipLine(p + length);
                    return 1;
                }
            }
            p += std::strcspn(p, ",]");
            if (*p != ',') break;
            ++p;
        }
        if (*p == '\0') return 0;
        p = SkipLine(p);
    }
}

int TlFindKeyword(const char *keyword, const char **cursor) {
    if (keyword == nullptr || cursor == nullptr || *cursor == nullptr) return 0;
    size_t length = std::strlen(keyword);
    const char *p = *cursor;
    for (;;) {
        p = SkipSpace(p);
        char first = *p;
        if (first == '\0' || first == '[') return 0;
        // Comments and the continuation lines of lists are never keyword lines.
        if (first != '"' && first != ';' && first != '{' && std::strncmp(p, keyword, length) == 0 &&
            (p[length] == '=' || IsSpace(p[length]))) {
            p = SkipSpace(p + length);
            if (*p == '=') {
                *cursor = p + 1;
                return 1;
            }
        }
        p = SkipLine(p);
    }
}

int TlParseValue(const char *position, TlValue *value) {
    ValueAllocator allocator(-1);
    return ParseValue(position, value, allocator);
}

int TlParseValueWithAllocationLimit(const char *position, TlValue *value, int allocationLimit) {
    ValueAllocator allocator(allocationLimit < 0 ? 0 : allocationLimit);
    return ParseValue(position, value, allocator);
}

void TlNormalizeValue(TlValue *value) {
    if (value == nullptr || value->groups == nullptr) return;
    for (int g = 0; g < value->groupCount; ++g) {
        TlValueGroup &group = value->groups[g];
        if (group.items == nullptr) continue;
        for (int i = 0; i < group.count; ++i) {
            if (group.items[i] != nullptr) NormalizeItem(group.items[i]);
        }
    }
}

void TlFreeValue(TlValue *value) {
    if (value == nullptr) return;
    if (value->groups != nullptr) {
        for (int g = 0; g < value->groupCount; ++g) {
            TlValueGroup &group = value->groups[g];
            if (group.items == nullptr) continue;
            for (int i = 0; i < group.count; ++i) std::free(group.items[i]);
            std::free(group.items);
        }
        std::free(value->groups);
    }
    value->groupCount = 0;
    value->groups = nullptr;
}

int TlFindEntry(const char *keyword, const char *section, const char *text, TlValue *value) {
    if (value == nullptr) return 0;
    value->groupCount = 0;
    value->groups = nullptr;
    const char *cursor = nullptr;
    if (keyword == nullptr || !TlFindSection(section, &cursor, text) || !TlFindKeyword(keyword, &cursor)) return 0;
    if (TlParseValue(cursor, value) != 0) return 0;
    if (value->groupCount == 0 || value->groups[0].count == 0) {
        TlFreeValue(value);
        return 0;
    }
    TlNormalizeValue(value);
    return 1;
}

}  // extern "C"
