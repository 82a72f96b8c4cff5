#pragma once

#include <cstdint>

#include "counting/score_distribution.hpp"
#include "scoring/non_appearing.hpp"

// How many sets reach each total under given non-appearing lists, counted for many lists
// at once. The points of the other three criteria do not depend on the lists: they are
// worked out once for every set, and each list only adds its own points.
using TotalCounts = std::int64_t[MAX_TOTAL_POINTS + 1];

// The ways to count; every way gives the same counts.
// Plain: one pass over the sets in ascending order per list, a table lookup and a count
// each; Simd128, in a WebAssembly build with SIMD, the same with the totals of 16 sets
// added at once. Vector ways (AVX2, AVX-512): the sets grouped by those fixed points, the
// lists' points of 32 or 64 sets looked up at once, and the counts taken bit-sliced by
// vector instructions; only where the processor has them.
enum class CountingPath { Plain, Avx2, Avx512, Simd128 };

// Whether this build and this processor can count the `path` way.
bool counting_path_available(CountingPath path);
// The fastest way available here.
CountingPath fastest_counting_path();
const char* counting_path_name(CountingPath path);

struct CountingOptions {
    CountingPath path;
    int workers; // threads that share the work, at least 1
};
CountingOptions default_counting_options();

// For each of the `count` lists: the counts over the proposable sets and over all sets,
// the ones lotto never proposes included (`all_sets` may be null).
void count_totals_of_lists(const NonAppearingPoints* lists, int count, TotalCounts* proposable,
                           TotalCounts* all_sets, const CountingOptions& options);

// One list, counted the plain way on one thread.
void count_totals(const NonAppearingPoints& points, TotalCounts& proposable,
                  TotalCounts* all_sets = nullptr);

// How many lists count_totals_of_lists takes at once at most.
inline constexpr int MOST_LISTS_AT_ONCE = 64;
