/* Internal to the library: replacing a file's content safely.
 *
 * The bytes go to a new, uniquely named temporary file beside the target;
 * only when every byte is written and the file is closed does the temporary
 * file take the target's place, in one rename. Any failure removes the
 * temporary file and leaves the target as it stood. */
#ifndef TL_REPLACE_H
#define TL_REPLACE_H

#include <cstddef>

namespace tl {

/* Makes the file at path hold exactly size bytes from bytes, creating it when
 * absent. Returns true on success. Fails, changing nothing, when the target
 * is read-only, is a folder, or its folder cannot take a new file. On POSIX
 * systems an existing target keeps its permission bits, and a symbolic link
 * is followed so that the file it names is replaced, not the link. */
bool ReplaceFileBytes(const char *path, const char *bytes, std::size_t size);

} // namespace tl

#endif
