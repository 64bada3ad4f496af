/* The scanner's result: one keyword's value split into groups of items. */
#ifndef TL_TOKEN_H
#define TL_TOKEN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One brace group of a value: count heap strings. */
typedef struct {
    int32_t count;
    char **items;
} TlValueGroup;

/* A single value is one group of one item; a flat brace list one group of
 * several items; a list of brace groups one TlValueGroup per inner pair. */
typedef struct {
    int32_t groupCount;
    TlValueGroup *groups;
} TlValue;

#ifdef __cplusplus
}
#endif

#endif
