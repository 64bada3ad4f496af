/* Number conversions of the reader, with the C library's input-conversion
 * results on every platform but without the cost of sscanf. */
#ifndef TL_NUMBER_H
#define TL_NUMBER_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Converts the longest leading float of text as "%f" input conversion does
 * (leading whitespace, sign, decimal or hexadecimal digits, exponent, INF,
 * NAN). Returns 1 and sets *value, or 0 when no number starts the text. */
int TlScanFloat(const char *text, float *value);

#ifdef __cplusplus
}

namespace tl {

/* The plain decimal forms most numbers of a file take, converted straight from
 * an item [begin, end) of the text, whose character at end is no digit:
 * "-12.375", "100", "0.5". Returns false, leaving *value alone, for any other
 * form, which the caller converts with TlScanFloat or sscanf as before. */
bool ScanPlainFloat(const char *begin, const char *end, float *value);
/* "-12", "14": at most nine digits. */
bool ScanPlainInt(const char *begin, const char *end, int32_t *value);

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
inline uint32_t Digit(char c) {
    return static_cast<uint32_t>(c - '0');
}

/* Adds the digits from p to *digits; returns where they end. The character
 * at the end of every item is no digit, so the walk needs no bound. */
inline const char *AddDigits(const char *p, uint32_t *digits) {
    uint32_t value = *digits;
    for (; IsDigit(*p); ++p)
        value = value * 10 + Digit(*p);
    *digits = value;
    return p;
}

/* digits / 10^fraction, negated when asked, into *value; returns after. Exact:
 * for digits below 2^24 and at most nine of them, the product with the double
 * nearest 10^-fraction, rounded to float, is the float nearest the decimal, as
 * the full conversion gives (the number tests check every such number). */
inline const char *Finish(uint32_t digits, long fraction, bool negative, const char *after, float *value) {
    static constexpr double kScales[] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9};
    const float magnitude = static_cast<float>(static_cast<double>(digits) * kScales[fraction]);
    *value = negative ? -magnitude : magnitude;
    return after;
}

/* As ScanPlainFloat at p, in a text that goes on at least one character past
 * the number: returns where the number ends, or null. Inline, as the value
 * splitter converts most items of a file with it. */
inline const char *ReadPlainFloat(const char *begin, float *value) {
    const bool negative = *begin == '-';
    const char *p = begin + (negative ? 1 : 0);
    // The writer gives every number two or six decimals after one digit:
    // taken without the loops. Each byte is looked at only after the one
    // before it was a digit, so the walk never passes the end of the text.
    if (IsDigit(p[0]) && p[1] == '.' && IsDigit(p[2]) && IsDigit(p[3])) {
        const uint32_t head = Digit(p[0]) * 100 + Digit(p[2]) * 10 + Digit(p[3]);
        if (!IsDigit(p[4]) && p[4] != 'e' && p[4] != 'E') return Finish(head, 2, negative, p + 4, value);
        if (IsDigit(p[4]) && IsDigit(p[5]) && IsDigit(p[6]) && IsDigit(p[7]) && !IsDigit(p[8]) &&
            p[8] != 'e' && p[8] != 'E') {
            const uint32_t tail = Digit(p[4]) * 1000 + Digit(p[5]) * 100 + Digit(p[6]) * 10 + Digit(p[7]);
            return Finish(head * 10000 + tail, 6, negative, p + 8, value);
        }
    }
    uint32_t digits = 0;
    const char *point = AddDigits(p, &digits);
    if (point == p || *point == 'x' || *point == 'X') return nullptr;
    const char *after = point;
    if (*point == '.') after = AddDigits(point + 1, &digits);
    const long count = (after - p) - (*point == '.' ? 1 : 0);
    if (count > 9 || *after == 'e' || *after == 'E' || digits >= (1u << 24)) return nullptr;
    return Finish(digits, *point == '.' ? after - point - 1 : 0, negative, after, value);
}

} // namespace tl
#endif

#endif
