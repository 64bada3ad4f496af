/* Reading with diagnostics: what a file holds that reads, but is probably a
 * mistake.
 *
 * TlLintConfigFile and TlLintConfigText read exactly as TlReadConfigFileEx and
 * TlReadConfigText do (same record, same result) and, while reading, tell a
 * sink about every entry the reader took and every value it could not use as
 * written. The library reports data only; the caller words and prints it. */
#ifndef TL_LINT_H
#define TL_LINT_H

#include <stddef.h>

#include "tl_api.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
    TL_LINT_RUNS_ON = 0,       /* a value goes on into a later line that holds something else */
    TL_LINT_CUT_SHORT,         /* the text ends inside a list */
    TL_LINT_UNKNOWN_KEYWORD,   /* no section knows the keyword */
    TL_LINT_WRONG_SECTION,     /* the keyword belongs to other sections (expected names them) */
    TL_LINT_UNKNOWN_SECTION,   /* a header naming no section the reader knows */
    TL_LINT_DUPLICATE_KEYWORD, /* the keyword again in its section; otherLine is the first */
    TL_LINT_DUPLICATE_SECTION, /* a section again; otherLine is its first header */
    TL_LINT_BAD_VALUE,         /* text is not expected; or, text empty, count values where used are needed */
    TL_LINT_CLAMPED,           /* from was read as to */
    TL_LINT_TRUNCATED,         /* a text of count characters of which used are kept */
    TL_LINT_EXTRA_ITEMS,       /* count values of which used are read; text is the first one left */
    TL_LINT_CHECKS
} TlLintCheck;

typedef struct {
    TlLintCheck check;
    int line;             /* 1-based line of the text */
    int otherLine;        /* the line it relates to, or 0 */
    const char *section;  /* the section the line belongs to ("" above the first header) */
    const char *keyword;  /* the keyword concerned ("" for a header) */
    const char *text;     /* the item, header or line concerned, or "" */
    const char *expected; /* what the reader wants there, or "" */
    double from, to;      /* TL_LINT_CLAMPED */
    int count, used;      /* see the checks */
} TlLintNote;

/* Strings a note or an entry points at live only during the call. */
typedef struct {
    void *context;
    /* each diagnostic, in no promised order */
    void (*note)(void *context, const TlLintNote *note);
    /* optional: each entry the reader took, with the line of its keyword */
    void (*entry)(void *context, const char *section, const char *keyword, int line);
} TlLintSink;

/* As TlReadConfigFileEx, and reports to sink (which may be null). */
int TlLintConfigFile(TlConfig *cfg, const char *path, TlReadReport *report, const TlLintSink *sink);

/* As TlReadConfigText, and reports to sink (which may be null). */
int TlLintConfigText(TlConfig *cfg, const char *text, size_t length, TlReadReport *report,
                     const TlLintSink *sink);

#ifdef __cplusplus
}
#endif

#endif
