// The two files the benchmarks read and write: a typical one (one KAVELIN
// section as the editor writes it) and a large one (all three devices, every
// curve with 30 points, every control table).
#ifndef KCG_BENCH_FIXTURES_H
#define KCG_BENCH_FIXTURES_H

#include "tl_cfg.h"

// Fills cfg (initialised by the caller) with the typical configuration.
void FillTypical(TlConfig *cfg);
// Fills cfg (initialised by the caller) with the large configuration.
void FillLarge(TlConfig *cfg);

#endif
