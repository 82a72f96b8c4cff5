#pragma once

#include <cstddef>
#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"

// Numbers that have not been drawn for a long time, by the points each match earns.
// The lists share no number.
inline constexpr std::int32_t NON_APPEARING_5[13] = {3,  4,  6,  11, 14, 22, 24,
                                                     25, 27, 28, 29, 31, 41};
inline constexpr std::int32_t NON_APPEARING_10[5] = {5, 7, 17, 23, 38};
inline constexpr std::int32_t NON_APPEARING_15[1] = {21};

// The points a match in each list earns, in the order matches are shown.
inline constexpr std::int32_t LIST_POINTS[3] = {5, 10, 15};

// What each number earns from the lists in force: 0, 5, 10 or 15. Index 0 is unused.
struct NonAppearingPoints {
    std::array<std::int32_t, MAX_NUMBER + 1> by_number;
};

// The three lists above, as points per number.
extern const NonAppearingPoints COMPILED_IN_POINTS;

// Puts other lists in force for the scoring pass, e.g. those derived from a draw history;
// the criterion then works as with the compiled-in ones. The lists in force start as the
// compiled-in ones. Everything but the scoring pass takes its lists as an argument.
void use_non_appearing_points(const NonAppearingPoints& points);
const NonAppearingPoints& non_appearing_points();

// A set's matches under `lists`, in the order they are shown (5-point matches first, then 10, then
// 15) with 0 in the empty slots, and the points they earn.
struct NonAppearingMatches {
    std::array<std::int32_t, NUMBERS_PER_SET> numbers;
    std::int32_t points;
};

NonAppearingMatches find_non_appearing(const NumberSet& set, const NonAppearingPoints& lists);

// The matched numbers joined by ", ", e.g. "11, 31, 7"; empty for none. Returns the length.
std::size_t join_matches(const NonAppearingMatches& matches, char* out, std::size_t size);

// Writes the non-appearing line for `set` under `lists` and returns its matches and points.
NonAppearingMatches write_non_appearing_line(const NumberSet& set, const NonAppearingPoints& lists,
                                             DetailLine& line);

// Scores the set that prediction_table.scored_set_counter names: records its matches in
// that set's row of matched_numbers (5-point matches first, then 10, then 15), writes its
// non-appearing line, advances the counter, and returns the points.
std::int32_t score_non_appearing(const NumberSet& set);
