/* Internal to the library: the character steps the scanner and the text
 * index share, so that both walk a text exactly alike. Whitespace is that of
 * the "C" locale whatever locale the program runs in; bytes above 127 are not
 * whitespace. */
#ifndef TL_CHARS_H
#define TL_CHARS_H

#include <cstring>

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

} // namespace tl

#endif
