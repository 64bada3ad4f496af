/* Internal to the library: how long the writer's text of a record can be,
 * told from the record's counts and string lengths without building the
 * text, so that the writer sizes its block once and builds the text once. */
#ifndef TL_ESTIMATE_H
#define TL_ESTIMATE_H

#include <cstddef>

#include "tl_cfg.h"

namespace tl {

/* At least the length of the canonical text of cfg whenever every float of
 * the record lies below 1e9 in magnitude; with a larger or non-finite float
 * it may fall short, and the writer then measures the text itself. */
std::size_t EstimateConfigTextSize(const TlConfig &cfg);

} // namespace tl

#endif
