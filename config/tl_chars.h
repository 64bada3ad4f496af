/* Internal to the library: the character steps the text map, the value
 * splitter and the lint share, so that all walk a text exactly alike. Whitespace is that of
 * the "C" locale whatever locale the program runs in; bytes above 127 are not
 * whitespace. */
#ifndef TL_CHARS_H
#define TL_CHARS_H

#include <cstring>
#include <string_view>

namespace tl {

inline bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline const char *SkipSpace(const char *p) {
    while (IsSpace(*p))
        ++p;
    return p;
}

/* Moves to the start of the next line, or stays on the terminating NUL. */
inline const char *SkipLine(const char *p) {
    const char *newline = std::strchr(p, '\n'); // faster than strcspn for one character
    return newline != nullptr ? newline + 1 : p + std::strlen(p);
}

/* The end of p's line: its newline, or the terminating NUL. */
inline const char *LineEnd(const char *p) {
    const char *newline = std::strchr(p, '\n');
    return newline != nullptr ? newline : p + std::strlen(p);
}

/* The length of the keyword that starts a keyword line ("KEYWORD =", blanks
 * allowed before "="), or 0 when the line at p is no keyword line. */
inline size_t KeywordLength(const char *p) {
    if (*p == '"' || *p == ';' || *p == '{' || *p == '[') return 0;
    size_t length = 0;
    while (p[length] != '\0' && p[length] != '=' && !IsSpace(p[length]))
        ++length;
    return length > 0 && *SkipSpace(p + length) == '=' ? length : 0;
}

/* Calls visit(line) for every line from p that the keyword scan looks at
 * (comments and list continuations starting with a quote or "{" are not),
 * up to the next header. Returns the header's "[" or the end of the text. */
template <typename Visit> const char *ForEachKeywordLine(const char *p, Visit &&visit) {
    for (;;) {
        p = SkipSpace(p);
        const char first = *p;
        if (first == '\0' || first == '[') return p;
        if (first != '"' && first != ';' && first != '{') visit(p);
        p = SkipLine(p);
    }
}

/* Calls visit(name, start) for each name of the header whose "[" is at
 * header, in order; start is where the entries of a section of that name would
 * begin (the line after the name). Names run up to "]", "," or whitespace; a
 * header may go on over several lines up to its "]". Returns where the search
 * for the next header goes on, or null when the text ends inside the header. */
template <typename Visit> const char *ForEachHeaderName(const char *header, Visit &&visit) {
    const char *p = header + 1;
    for (;;) {
        p = SkipSpace(p);
        const char *end = p;
        while (*end != '\0' && *end != ']' && *end != ',' && !IsSpace(*end))
            ++end;
        if (end > p && *end != '\0') visit(std::string_view(p, static_cast<size_t>(end - p)), SkipLine(end));
        p += std::strcspn(p, ",]");
        if (*p != ',') break;
        ++p;
    }
    return *p == '\0' ? nullptr : SkipLine(p);
}

} // namespace tl

#endif
