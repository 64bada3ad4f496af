/* The token scanner: finds one keyword's value in a KCG text and splits it.
 *
 * The text is the whole file followed by two NUL bytes; it ends at its first
 * NUL byte, and no scan reads past it. Keywords and section names compare
 * case-sensitively. */
#ifndef TL_PARSE_H
#define TL_PARSE_H

#include <stddef.h>

#include "tl_api.h"
#include "tl_token.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Looks up keyword in the first header that names section (null: from the
 * start of the text), parses and normalises its value into *value (cleared
 * first). Returns 1 when found with at least one item in its first group,
 * else 0 (also when memory ran out). The caller frees *value with TlFreeValue
 * before reusing it. Rescans the text from its start on every call. */
int TlFindEntry(const char *keyword, const char *section, const char *text, TlValue *value);

/* Sets *cursor to the start of the line after the first header naming section
 * and returns 1; returns 0 when there is none. A null or empty name sets
 * *cursor to text and returns 1. */
int TlFindSection(const char *section, const char **cursor, const char *text);

/* From *cursor, finds keyword at the start of a line of the current section;
 * returns 1 with *cursor just after its "=", else 0. */
int TlFindKeyword(const char *keyword, const char **cursor);

/* Parses the value that starts at position (just after "=") into *value.
 * Returns 0; -1 for an empty brace list; -2 when memory runs out (nothing
 * is left allocated in *value). */
int TlParseValue(const char *position, TlValue *value);

/* Removes enclosing double quotes or upper-cases each item, then removes
 * escaping backslashes, in place. */
void TlNormalizeValue(TlValue *value);

/* Releases every item, group and the group array; leaves an empty value.
 * A parsed value is held in one heap block (the groups, the item arrays and
 * the strings), so release it only with TlFreeValue, never item by item. */
void TlFreeValue(TlValue *value);

/* Keeps a parsed value that has at least one item in its first group and
 * normalises it (returns 1); otherwise releases it (returns 0). The last step
 * of every lookup, so that indexed and rescanning lookups agree. */
int TlAcceptValue(TlValue *value);

/* An index of one text, built once so that lookups need not rescan it.
 * TlIndexFindEntry gives exactly the results of TlFindEntry on the same text.
 * The index borrows text, which must outlive it. */
typedef struct TlTextIndex TlTextIndex;

/* Returns a new index of text, or null when memory runs out. */
TlTextIndex *TlIndexCreate(const char *text);
void TlIndexFree(TlTextIndex *index);
/* As TlFindEntry, but returns -2 when memory ran out instead of 0, so that
 * the reader fails rather than taking the keyword as absent. */
int TlIndexFindEntry(TlTextIndex *index, const char *keyword, const char *section, TlValue *value);
/* As TlIndexFindEntry, and sets *position to just after the keyword's "="
 * when the keyword is there (with or without a usable value), else null. */
int TlIndexParseEntry(TlTextIndex *index, const char *keyword, const char *section, TlValue *value,
                      const char **position);
/* Sets *position as TlIndexParseEntry does, without parsing the value.
 * Returns 1 found, 0 not, -2 out of memory. */
int TlIndexFindKeyword(TlTextIndex *index, const char *keyword, const char *section, const char **position);

/* Reads text (the whole file followed by two NUL bytes) into *cfg as
 * TlReadConfigFile does after loading the file. useIndex 0 makes every lookup
 * rescan the text (kept for comparison in the benchmark). report may be null. */
int TlReadConfigBuffer(TlConfig *cfg, const char *text, int useIndex, TlReadReport *report);

#ifdef __cplusplus
}
#endif

#endif
