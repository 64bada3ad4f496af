// Float conversion for the reader. A full read converts several hundred
// floats; sscanf("%f") costs more than the rest of the read together, so the
// common decimal form goes through std::from_chars (correctly rounded, like
// strtof) and every other form falls back to strtof itself.
#include "tl_number.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "tl_chars.h"

namespace {

int ScanWithStrtof(const char *text, float *value) {
    char *end = nullptr;
    float number = std::strtof(text, &end);
    if (end == text) return 0;
    *value = number;
    return 1;
}

} // namespace

bool tl::ScanPlainFloat(const char *begin, const char *end, float *value) {
    float number = 0.0f;
    const char *after = ReadPlainFloat(begin, &number);
    if (after == nullptr || after > end) return false;
    *value = number;
    return true;
}

bool tl::ScanPlainInt(const char *begin, const char *end, int32_t *value) {
    const bool negative = *begin == '-';
    const char *p = begin + (negative ? 1 : 0);
    uint32_t digits = 0;
    const char *after = AddDigits(p, &digits);
    if (after == p || after > end || after - p > 9) return false;
    *value = negative ? -static_cast<int32_t>(digits) : static_cast<int32_t>(digits);
    return true;
}

extern "C" int TlScanFloat(const char *text, float *value) {
    const char *p = tl::SkipSpace(text);
    const char *digits = (*p == '-' || *p == '+') ? p + 1 : p;
    // Plain decimal only: hexadecimal, INF and NAN, and '+' take the slow road.
    bool decimal = *p != '+' && (tl::IsDigit(digits[0]) || (digits[0] == '.' && tl::IsDigit(digits[1]))) &&
                   !(digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'));
    if (!decimal) return ScanWithStrtof(text, value);
    float number = 0.0f;
    auto [end, error] = std::from_chars(p, p + std::strlen(p), number, std::chars_format::general);
    if (error != std::errc()) return ScanWithStrtof(text, value); // out of range: strtof's answer
    (void)end;
    *value = number;
    return 1;
}
