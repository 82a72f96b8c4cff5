#pragma once

// The vector ways' kernel, written once over a vector of LANES bytes: each ISA's file gives
// the vector type, the lookup of 64 bytes' classes and the sum of a vector's bytes.
#include <cstddef>
#include <cstring>

#include "statistics/grouped_sets.hpp"

// Byte counters: each lane adds at most one a vector, so 255 vectors fill it.
inline constexpr int MOST_VECTORS_PER_COUNT = 255;

// Counts each lane of a vector of class sums in its sum's counter: a lane that matches
// compares to all ones, -1, and subtracting counts it. Each lane adds at most one a vector,
// so the byte counters hold MOST_VECTORS_PER_COUNT vectors.
template <typename Ways> struct CompareCounter {
    using Vector = typename Ways::Vector;
    Vector by_sum[CLASS_SUMS] = {};

    void add(Vector sum)
    {
        for (int k = 0; k < CLASS_SUMS; ++k) {
            by_sum[k] -= reinterpret_cast<Vector>(sum == static_cast<std::uint8_t>(k));
        }
    }
    // Adds the counts to slots[5 * k], the totals of class sum k.
    void finish(std::int32_t* slots) const
    {
        for (int k = 0; k < CLASS_SUMS; ++k) {
            slots[std::ptrdiff_t{5} * k] += Ways::sum_of_bytes(by_sum[k]);
        }
    }
};

template <typename Ways>
void count_groups_with(const std::uint8_t* const planes[NUMBERS_PER_SET], const SetGroup& group,
                       int first, int count, const ClassTable* tables, int list_count,
                       GroupCounts* counts)
{
    using Vector = typename Ways::Vector;
    constexpr int lanes = static_cast<int>(sizeof(Vector));
    constexpr int stride = MOST_VECTORS_PER_COUNT * lanes;
    const int end = first + count;
    for (int list = 0; list < list_count; ++list) {
        const typename Ways::Lookup lookup = Ways::prepare(tables[list]);
        std::int32_t* slots = counts[list][group.population] + group.fixed_points;
        for (int start = first; start < end; start += stride) {
            const int stop = start + stride < end ? start + stride : end;
            typename Ways::Counter counter{};
            for (int at = start; at < stop; at += lanes) {
                Vector sum{};
                for (const std::uint8_t* plane :
                     {planes[0], planes[1], planes[2], planes[3], planes[4], planes[5]}) {
                    Vector numbers;
                    std::memcpy(&numbers, plane + at, sizeof numbers);
                    sum += Ways::classes(lookup, numbers);
                }
                counter.add(sum);
            }
            counter.finish(slots);
        }
    }
}
