// The plain way for WebAssembly SIMD: the totals of 16 sets of a run added at once, then
// each counted. Browsers run this faster than vector compares of class sums, which need
// more registers than they give.
#include <wasm_simd128.h>

#include <utility>

#include "counting/plain_counting.hpp"

namespace {

template <int lane> void count_lane(v128_t totals, RunCounters counters)
{
    ++counters[lane % 4][wasm_u8x16_extract_lane(totals, lane)];
}

template <int... lanes>
void count_lanes(v128_t totals, RunCounters counters, std::integer_sequence<int, lanes...>)
{
    (count_lane<lanes>(totals, counters), ...);
}

void count_run_sixteen_at_once(const std::uint8_t* fixed, const std::uint8_t* pairs, int length,
                               RunCounters counters)
{
    int i = 0;
    for (; i + 16 <= length; i += 16) {
        const v128_t totals = wasm_i8x16_add(wasm_v128_load(fixed + i), wasm_v128_load(pairs + i));
        count_lanes(totals, counters, std::make_integer_sequence<int, 16>{});
    }
    count_run_one_by_one(fixed + i, pairs + i, length - i, counters);
}

} // namespace

void count_plain_simd128(const PlainTables& tables, const NonAppearingPoints& points,
                         TotalCounts& proposable, TotalCounts* all_sets)
{
    count_plain_with<count_run_sixteen_at_once>(tables, points, proposable, all_sets);
}
