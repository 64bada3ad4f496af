/* Trimming entries and comparing names without regard to letter case.
 *
 * Texts are single-byte; only the letters A..Z and a..z have two cases, so a
 * comparison gives the same answer on every platform and in every locale. */
#ifndef KCG_MODEL_TEXT_RULES_H
#define KCG_MODEL_TEXT_RULES_H

#include <string>
#include <vector>

#include "tl_cfg.h"

namespace model {

// Blank, tab, carriage return, line feed, vertical tab or form feed.
bool IsWhiteSpace(char c);

// text without the white space at its start and its end.
std::string TrimWhiteSpace(const std::string &text);

// <0, 0 or >0 as a comes before, equals or comes after b, letter case ignored.
int CompareIgnoringCase(const std::string &a, const std::string &b);

inline bool EqualIgnoringCase(const std::string &a, const std::string &b) {
    return CompareIgnoringCase(a, b) == 0;
}

// The index of the first entry equal to name without regard to letter case,
// or -1. Entries that are null pointers equal nothing.
int FindIgnoringCase(const TlStringList &list, const std::string &name);
int FindIgnoringCase(const std::vector<std::string> &list, const std::string &name);

} // namespace model

#endif
