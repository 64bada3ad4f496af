/* Internal to the library: the heap calls of the reader and of the writer's
 * text block.
 *
 * They are malloc, calloc and realloc with one seam for tests: while
 * tl::gAllocationsUntilFailure is not negative it counts allocations down,
 * and the allocation that finds it at zero is refused as if memory had run
 * out. Only tests set it; left at -1 it refuses nothing. */
#ifndef TL_ALLOC_H
#define TL_ALLOC_H

#include <cstddef>
#include <cstdlib>

namespace tl {

/* Allocations still granted before one is refused; negative: none refused. */
inline long gAllocationsUntilFailure = -1;

inline bool RefuseAllocation() {
    if (gAllocationsUntilFailure < 0) return false;
    return gAllocationsUntilFailure-- == 0;
}

inline void *Malloc(std::size_t size) {
    return RefuseAllocation() ? nullptr : std::malloc(size);
}

inline void *Calloc(std::size_t count, std::size_t size) {
    return RefuseAllocation() ? nullptr : std::calloc(count, size);
}

inline void *Realloc(void *block, std::size_t size) {
    return RefuseAllocation() ? nullptr : std::realloc(block, size);
}

} // namespace tl

#endif
