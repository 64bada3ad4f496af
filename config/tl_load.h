/* Internal to the library: loading a whole file for the reader. */
#ifndef TL_LOAD_H
#define TL_LOAD_H

#include <cstddef>

namespace tl {

/* Loads every byte of the file at path (0xFF and NUL bytes included)
 * followed by two NUL bytes, into a block the caller frees; *length is the
 * file's length. Returns null with *result set to TL_READ_CANNOT_OPEN when
 * the file cannot be opened or read, or to TL_READ_NO_MEMORY. */
char *LoadFile(const char *path, std::size_t *length, int *result);

} // namespace tl

#endif
