#include "axismap.h"

#include <cctype>
#include <cstring>

namespace model {
namespace {

const char kLetters[] = "XYZRUV";

// The code a map letter names, or kNoAxis.
int AxisOfLetter(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const char *found = upper != '\0' ? std::strchr(kLetters, upper) : nullptr;
    return found ? static_cast<int>(found - kLetters) : kNoAxis;
}

} // namespace

char AxisLetter(int axis, bool inverted) {
    if (axis < 0 || axis >= kRows) return '-';
    const char letter = kLetters[axis];
    return inverted ? static_cast<char>(std::tolower(static_cast<unsigned char>(letter))) : letter;
}

char VerticalLetter(char horizontal) {
    switch (horizontal) {
    case 'X':
        return 'X';
    case 'x':
        return 'x';
    case 'R':
        return 'R';
    case 'r':
        return 'r';
    case 'Y':
        return 'z';
    case 'y':
        return 'Z';
    case 'Z':
        return 'Y';
    case 'z':
        return 'y';
    case 'U':
        return 'v';
    case 'u':
        return 'V';
    case 'V':
        return 'U';
    case 'v':
        return 'u';
    default:
        return '-';
    }
}

std::string HorizontalMapText(const AxisRows &rows) {
    std::string text(kRows, '-');
    for (int i = 0; i < kRows; ++i)
        text[i] = AxisLetter(rows.axis[i], rows.invert[i] != 0);
    return text;
}

std::string VerticalMapText(const std::string &horizontal) {
    std::string text(kRows, '-');
    for (int i = 0; i < kRows && i < static_cast<int>(horizontal.size()); ++i)
        text[i] = VerticalLetter(horizontal[i]);
    return text;
}

void SetAxisMap(TlAxisMap &map, const std::string &text) {
    for (int i = 0; i < kRows; ++i) {
        const char letter = i < static_cast<int>(text.size()) ? text[i] : '-';
        const int axis = AxisOfLetter(letter);
        map.letters[i] = axis == kNoAxis ? '-' : letter;
        map.axis[i] = axis == kNoAxis ? TL_AXIS_NONE : static_cast<uint8_t>(axis);
        map.invert[i] = axis != kNoAxis && std::islower(static_cast<unsigned char>(letter)) ? 1 : 0;
    }
    map.letters[kRows] = '\0';
}

AxisRows RowsFromMap(const TlAxisMap &map) {
    AxisRows rows;
    for (int i = 0; i < kRows; ++i) {
        const int code = map.axis[i];
        rows.axis[i] = code < kRows ? code : kNoAxis;
        rows.invert[i] = map.invert[i] != 0 ? 1 : 0;
    }
    return rows;
}

} // namespace model
