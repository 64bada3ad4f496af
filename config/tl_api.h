/* The KCG configuration library: create, release, read and write a TlConfig.
 *
 * Plain functions over the plain record of tl_cfg.h. Nothing here prints,
 * logs or shows anything; every function reports through its return value.
 * The same record gives the same file bytes on every platform. */
#ifndef TL_API_H
#define TL_API_H

#include <stddef.h>
#include <stdio.h>

#include "tl_cfg.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Record lifecycle ------------------------------------------------- */

/* Zero-fills *cfg and sets every default. Releases nothing: a record that
 * still owns heap parts loses them. Does nothing for a null record. */
void TlInitConfig(TlConfig *cfg);

/* Releases every heap part of *cfg (lists, strings, custom groups, button
 * tables, and the points and segments of every curve whose curveOwned is 1),
 * then re-initialises it. Safe to call any number of times; null is ignored. */
void TlFreeConfig(TlConfig *cfg);

/* Releases the first count strings of array (null entries skipped) and the
 * array itself. Does nothing for a null array. */
void TlFreeStringArray(int count, char **array);

/* Releases a curve's points and segments and sets both counts to 0. */
void TlFreeCurve(TlCurve *curve);

/* Appends a heap copy of text to *array, which grows by one entry.
 * Returns 0, or -1 array null, -2 count null, -3 text null, -4 out of memory.
 * A negative *count is taken as 0. On failure *count is unchanged and
 * *array is still a valid list of *count strings. */
int TlAppendString(char ***array, int32_t *count, const char *text);

/* ---- Reading ---------------------------------------------------------- */

enum {
    TL_READ_OK = 0,
    TL_READ_NULL_RECORD = -1,
    TL_READ_OLDER_FORMAT = -2,
    TL_READ_CANNOT_OPEN = -3,
    TL_READ_MISSING_ENTRY = -4,
    TL_READ_NO_MEMORY = -5,
    TL_READ_NEWER_FORMAT = -6
};

/* The required entry that made a read fail with TL_READ_MISSING_ENTRY. */
typedef enum {
    TL_ENTRY_NONE = 0,
    TL_ENTRY_VERSION,
    TL_ENTRY_APPLICATION_NUMBER,
    TL_ENTRY_FILE_REVISION_NUMBER,
    TL_ENTRY_APPLICATION_NAME,
    TL_ENTRY_OWNER,
    TL_ENTRY_PLATFORM
} TlEntry;

typedef struct {
    int result;      /* the value TlReadConfigFile returns */
    TlEntry missing; /* set when result is TL_READ_MISSING_ENTRY */
} TlReadReport;

/* Reads the KCG file at path into *cfg, which is re-initialised first (release
 * it with TlFreeConfig before reading into it again). Returns:
 *   0  read, record filled
 *  -1  cfg is null (nothing touched)
 *  -2  older format: VERSION major below 5 (record released), or no VERSION in
 *      [VERSION] but a VERSION of exactly 4.0 above the first section header
 *      (record initialised, holding only that version)
 *  -3  the file cannot be opened (record initialised)
 *  -4  a required entry is missing or invalid (record released)
 *  -5  out of memory (record released)
 *  -6  newer format: VERSION above 5.0 (record released)
 * The caller owns everything the record holds afterwards. */
int TlReadConfigFile(TlConfig *cfg, const char *path);

/* As TlReadConfigFile, and also tells which required entry failed.
 * report may be null. */
int TlReadConfigFileEx(TlConfig *cfg, const char *path, TlReadReport *report);

/* Reads a KCG text of length bytes already in memory, with the same results as
 * TlReadConfigFile (never -3). The text need not be NUL-terminated; it is
 * copied. report may be null. */
int TlReadConfigText(TlConfig *cfg, const char *text, size_t length, TlReadReport *report);

/* ---- Writing ---------------------------------------------------------- */

enum { TL_WRITE_OK = 0, TL_WRITE_NULL_RECORD = -1, TL_WRITE_OLD_VERSION = -2, TL_WRITE_FAILED = -3 };

/* Writes *cfg to path in the canonical KCG layout with CR LF line ends.
 * The file is written to a temporary file in the same folder and moved over
 * path only when complete, so a failed write leaves what stood there.
 * Returns 0 written; -1 cfg null; -2 versionMajor below 5 (nothing created);
 * -3 the file could not be written completely, or the target is read-only
 * (target untouched). The record is not changed. owner, platform, level,
 * orientation and showInstructions must hold values of their tables; a value
 * outside its table, like a button index outside its table, is written as
 * UNDEFINED. */
int TlWriteConfigFile(const TlConfig *cfg, const char *path);

/* Writes *cfg in the canonical layout to a stream opened in binary mode, and
 * flushes it. Returns 0; -1 cfg null; -2 versionMajor below 5 (nothing
 * written); -3 file null, or memory or a write failed. */
int TlWriteConfigStream(const TlConfig *cfg, FILE *file);

/* Writes text as a quoted string, a backslash before each of " , [ \ ] { }.
 * A null text is written as "". Returns 0, or -3 when file is null or memory
 * for the escaped copy or the write failed. */
int TlWriteQuoted(const char *text, FILE *file);

/* Writes one motion-map line "keyword = value". Returns 0, or -3. */
int TlFormatMotionMap(FILE *file, const char *keyword, const TlMotionMap *map, const TlConfig *cfg);

/* "ON" when flag is not 0, else "OFF". */
const char *TlOnOff(int flag);

#ifdef __cplusplus
}
#endif

#endif
