#pragma once

// The vector ways' kernel, written once over a vector of LANES bytes: each ISA's file gives
// the vector type, the lookup of a vector of numbers' classes in each of a group's six
// places (a group's place holds numbers of one part) and the counter of class sums, which
// holds its counts in whatever the ISA's registers allow.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "counting/grouped_sets.hpp"

// The most vectors one counter takes before its counts are added to the slots: each lane
// adds at most one a vector, and a byte holds 255.
inline constexpr int MOST_VECTORS_PER_COUNT = 255;

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
