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

// A list's points divided by 5, its class, plus one, per number, as one 64-byte table for
// the vector lookups: number n at byte n, 0 at byte 0 and above 45. So a set's looked-up sum
// is its class sum plus CLASS_SUM_OFFSET, and a set of padding adds up to 0.
inline constexpr int CLASS_SUMS = 19; // 0 to 18: six numbers of class 0 to 3
inline constexpr int CLASS_SUM_OFFSET = NUMBERS_PER_SET;
struct alignas(64) ClassTable {
    std::uint8_t class_of[64];
};

// The number of padding sets: every way's lookup gives 0 for it (a byte permutation takes
// it as index 0, a byte shuffle gives 0 for an index with its top bit set).
inline constexpr std::uint8_t PADDING_NUMBER = 0x80;

// Sets of one population with the same fixed points and the same spread over the parts of
// 16 numbers (1-15, 16-31, 32-45), padded to whole vectors of GROUP_VECTOR sets with sets of
// PADDING_NUMBER. Sets are in ascending order, so each of the six places holds numbers of
// one part throughout a group, and a 16-byte lookup of that part serves it.
inline constexpr int GROUP_VECTOR = 64;
inline constexpr int NUMBER_PARTS = 3;
struct SetGroup {
    int population;
    int fixed_points;
    int first; // the group's first set in the number planes, a multiple of GROUP_VECTOR
    int count; // sets, padding included: a multiple of GROUP_VECTOR
    std::uint8_t part_of[NUMBERS_PER_SET];
};

// Counts per list, population and total, for the vector ways (totals stay below 256).
using GroupCounts = std::int32_t[2][256];

// A piece of work for a vector way: the sets [first, end) of consecutive groups of one
// population and the same fixed points, all counted in the same slots.
struct GroupPiece {
    const SetGroup* groups;
    int group_count;
    int first;
    int end;
};

// The kernel of a vector way: for each of the `list_count` class tables, the sets of the
// piece (whole vectors) counted by class sum, added to
// counts[list][population][fixed_points + 5 * sum].
using GroupCounter = void (*)(const std::uint8_t* const planes[NUMBERS_PER_SET],
                              const GroupPiece& piece, const ClassTable* tables, int list_count,
                              GroupCounts* counts);

void count_groups_avx2(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                       const ClassTable* tables, int list_count, GroupCounts* counts);
void count_groups_avx512(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                         const ClassTable* tables, int list_count, GroupCounts* counts);
