#pragma once

// The plain way of counting totals, written once over how a run of sets that share their
// first four numbers is counted: one set at a time, or with the sums of 16 sets made at
// once where WebAssembly SIMD is there (a byte histogram has no vector instruction; its
// counts stay one at a time).
#include <algorithm>
#include <cstdint>

#include "counting/grouped_sets.hpp"
#include "counting/total_counting.hpp"

// A set lotto never proposes, with its fixed points.
struct RejectedSet {
    std::uint8_t numbers[NUMBERS_PER_SET];
    std::uint8_t fixed_points;
};

// What the plain way reads: per set, in ascending order, the points of the three criteria
// that do not depend on the lists, or NOT_PROPOSABLE; and the sets lotto never proposes.
struct PlainTables {
    const std::uint8_t* fixed_points;
    const RejectedSet* rejected;
    int rejected_count;
};

// Four sets of counters, taken in turn, so neighbouring sets do not wait on each other's
// count; each already moved by the run's points of its first four numbers.
using RunCounters = std::int32_t* const[4];

// Counts the run the scalar way: the sets' fixed points and their last two numbers' points.
inline void count_run_one_by_one(const std::uint8_t* fixed, const std::uint8_t* pairs, int length,
                                 RunCounters counters)
{
    int i = 0;
    for (; i + 4 <= length; i += 4) {
        ++counters[0][fixed[i] + pairs[i]];
        ++counters[1][fixed[i + 1] + pairs[i + 1]];
        ++counters[2][fixed[i + 2] + pairs[i + 2]];
        ++counters[3][fixed[i + 3] + pairs[i + 3]];
    }
    for (; i < length; ++i) {
        ++counters[0][fixed[i] + pairs[i]];
    }
}

inline constexpr int PAIR_COUNT = MAX_NUMBER * (MAX_NUMBER - 1) / 2;

// The plain way for one list: the sets in ascending order, each set's last two numbers'
// points taken from a table of all pairs, in the same order, so the inner loop reads
// both tables straight through.
template <void (*count_run)(const std::uint8_t*, const std::uint8_t*, int, RunCounters)>
void count_plain_with(const PlainTables& tables, const NonAppearingPoints& points,
                      TotalCounts& proposable, TotalCounts* all_sets)
{
    const auto& p = points.by_number;
    std::uint8_t pair_points[PAIR_COUNT];
    int pairs_from[MAX_NUMBER + 2] = {}; // the first pair whose lower number is e
    int pair = 0;
    for (int e = 1; e <= MAX_NUMBER; ++e) {
        pairs_from[e] = pair;
        for (int f = e + 1; f <= MAX_NUMBER; ++f) {
            pair_points[pair++] = static_cast<std::uint8_t>(p[e] + p[f]);
        }
    }
    pairs_from[MAX_NUMBER + 1] = pair;
    std::int32_t counts[4][COUNT_SLOTS] = {};
    const std::uint8_t* fixed = tables.fixed_points;
    for (int a = 1; a <= MAX_NUMBER - 5; ++a) {
        for (int b = a + 1; b <= MAX_NUMBER - 4; ++b) {
            for (int c = b + 1; c <= MAX_NUMBER - 3; ++c) {
                for (int d = c + 1; d <= MAX_NUMBER - 2; ++d) {
                    const std::int32_t prefix = p[a] + p[b] + p[c] + p[d];
                    const int length = PAIR_COUNT - pairs_from[d + 1];
                    RunCounters counters = {counts[0] + prefix, counts[1] + prefix,
                                            counts[2] + prefix, counts[3] + prefix};
                    count_run(fixed, pair_points + pairs_from[d + 1], length, counters);
                    fixed += length;
                }
            }
        }
    }
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        proposable[total] = total < NOT_PROPOSABLE
                                ? std::int64_t{counts[0][total]} + counts[1][total] +
                                      counts[2][total] + counts[3][total]
                                : 0;
    }
    if (all_sets == nullptr) {
        return;
    }
    std::copy(proposable, proposable + MAX_TOTAL_POINTS + 1, *all_sets);
    for (int i = 0; i < tables.rejected_count; ++i) {
        const RejectedSet& set = tables.rejected[i];
        std::int32_t total = set.fixed_points;
        for (std::uint8_t number : set.numbers) {
            total += p[number];
        }
        ++(*all_sets)[total];
    }
}

using PlainCounter = void (*)(const PlainTables& tables, const NonAppearingPoints& points,
                              TotalCounts& proposable, TotalCounts* all_sets);

// The plain way with the sums of 16 sets made at once, for WebAssembly SIMD.
void count_plain_simd128(const PlainTables& tables, const NonAppearingPoints& points,
                         TotalCounts& proposable, TotalCounts* all_sets);
