#pragma once

// The vector ways' kernel, written once over a vector of LANES bytes: each ISA's file gives
// the vector type, the lookup of a vector of numbers' classes in each of a group's six
// places (a group's place holds numbers of one part) and the sum of a vector's bytes.
#include <algorithm>
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
            by_sum[k] -=
                reinterpret_cast<Vector>(sum == static_cast<std::uint8_t>(k + CLASS_SUM_OFFSET));
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
void count_groups_with(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                       const ClassTable* tables, int list_count, GroupCounts* counts)
{
    using Vector = typename Ways::Vector;
    constexpr int lanes = static_cast<int>(sizeof(Vector));
    const SetGroup& head = piece.groups[0];
    for (int list = 0; list < list_count; ++list) {
        std::int32_t* slots = counts[list][head.population] + head.fixed_points;
        // One counter for the piece's groups: they share their slots.
        typename Ways::Counter counter{};
        int vectors = 0;
        for (int g = 0; g < piece.group_count; ++g) {
            const SetGroup& group = piece.groups[g];
            const typename Ways::Lookup lookup = Ways::prepare(tables[list], group);
            const int start = std::max(piece.first, group.first);
            const int stop = std::min(piece.end, group.first + group.count);
            for (int at = start; at < stop; at += lanes) {
                Vector sum{};
                for (int place = 0; place < NUMBERS_PER_SET; ++place) {
                    Vector numbers;
                    std::memcpy(&numbers, planes[place] + at, sizeof numbers);
                    sum += Ways::classes(lookup, place, numbers);
                }
                counter.add(sum);
                if (++vectors == MOST_VECTORS_PER_COUNT) {
                    counter.finish(slots);
                    counter = typename Ways::Counter{};
                    vectors = 0;
                }
            }
        }
        counter.finish(slots);
    }
}
