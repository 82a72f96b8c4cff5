#pragma once

// What the plain and the vector ways of counting totals share: the slots counted, and the
// sets grouped for the vector ways.
#include <cstdint>

#include "lottery/lottery.hpp"

// The sets lotto never proposes carry this many fixed points in the plain way's table:
// above every real total, so their counts land in slots that are ignored.
inline constexpr std::uint8_t NOT_PROPOSABLE = 200;
inline constexpr int COUNT_SLOTS = NOT_PROPOSABLE + 91;

// The two populations of a group: the sets lotto can propose and those it never does.
inline constexpr int PROPOSABLE_GROUP = 0;
inline constexpr int REJECTED_GROUP = 1;

// A list's points divided by 5, its class, per number, as one 64-byte table for the vector
// lookups: number n at byte n, NO_CLASS at byte 0 and above 45. Six of NO_CLASS add up to
// no class sum a set can have, even taken modulo 64 as a byte permutation takes its index.
inline constexpr std::uint8_t NO_CLASS = 10;
inline constexpr int CLASS_SUMS = 19; // 0 to 18: six numbers of class 0 to 3
struct alignas(64) ClassTable {
    std::uint8_t class_of[64];
};

// Sets of one population with the same fixed points, padded to whole vectors of
// GROUP_VECTOR sets with sets of number 0.
inline constexpr int GROUP_VECTOR = 64;
struct SetGroup {
    int population;
    int fixed_points;
    int first; // the group's first set in the number planes, a multiple of GROUP_VECTOR
    int count; // sets, padding included: a multiple of GROUP_VECTOR
};

// Counts per list, population and total, for the vector ways (totals stay below 256).
using GroupCounts = std::int32_t[2][256];

// The kernel of a vector way: for each of the `list_count` class tables, the sets
// [first, first + count) of `group` (whole vectors) counted by class sum, added to
// counts[list][group.population][group.fixed_points + 5 * sum].
using GroupCounter = void (*)(const std::uint8_t* const planes[NUMBERS_PER_SET],
                              const SetGroup& group, int first, int count, const ClassTable* tables,
                              int list_count, GroupCounts* counts);

void count_groups_avx2(const std::uint8_t* const planes[NUMBERS_PER_SET], const SetGroup& group,
                       int first, int count, const ClassTable* tables, int list_count,
                       GroupCounts* counts);
void count_groups_avx512(const std::uint8_t* const planes[NUMBERS_PER_SET], const SetGroup& group,
                         int first, int count, const ClassTable* tables, int list_count,
                         GroupCounts* counts);
