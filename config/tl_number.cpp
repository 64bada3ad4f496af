// Float conversion for the reader. A full read converts several hundred
// floats; sscanf("%f") costs more than the rest of the read together, so the
// common decimal form goes through std::from_chars (correctly rounded, like
// strtof) and every other form falls back to strtof itself.
#include "tl_number.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int ScanWithStrtof(const char *text, float *value) {
    char *end = nullptr;
    float number = std::strtof(text, &end);
    if (end == text) return 0;
    *value = number;
    return 1;
}

} // namespace

extern "C" int TlScanFloat(const char *text, float *value) {
    const char *p = text;
    while (IsSpace(*p))
        ++p;
    const char *digits = (*p == '-' || *p == '+') ? p + 1 : p;
    // Plain decimal only: hexadecimal, INF and NAN, and '+' take the slow road.
    bool decimal = *p != '+' && (IsDigit(digits[0]) || (digits[0] == '.' && IsDigit(digits[1]))) &&
                   !(digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'));
    if (!decimal) return ScanWithStrtof(text, value);
    float number = 0.0f;
    auto [end, error] = std::from_chars(p, p + std::strlen(p), number, std::chars_format::general);
    if (error != std::errc()) return ScanWithStrtof(text, value); // out of range: strtof's answer
    (void)end;
    *value = number;
    return 1;
}
