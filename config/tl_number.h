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
/* The same at p, in a text that goes on at least one character past the
 * number: returns where the number ends, or null. Exact: for digits below 2^24
 * and at most nine of them, the product with the double nearest
 * 10^-fraction, rounded to float, is the float nearest the decimal, as the full
 * conversion gives (the number tests check every such number). */
const char *ReadPlainFloat(const char *p, float *value);
/* "-12", "14": at most nine digits. */
bool ScanPlainInt(const char *begin, const char *end, int32_t *value);

} // namespace tl
#endif

#endif
