/* Number conversions of the reader, with the C library's input-conversion
 * results on every platform but without the cost of sscanf. */
#ifndef TL_NUMBER_H
#define TL_NUMBER_H

#ifdef __cplusplus
extern "C" {
#endif

/* Converts the longest leading float of text as "%f" input conversion does
 * (leading whitespace, sign, decimal or hexadecimal digits, exponent, INF,
 * NAN). Returns 1 and sets *value, or 0 when no number starts the text. */
int TlScanFloat(const char *text, float *value);

#ifdef __cplusplus
}
#endif

#endif
