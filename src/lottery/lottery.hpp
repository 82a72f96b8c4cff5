#pragma once

#include <array>
#include <cstdint>

// The game: six numbers drawn from 1 to 45.
inline constexpr int NUMBERS_PER_SET = 6;
inline constexpr int MAX_NUMBER = 45;
// C(45,6): every set of six numbers there is.
inline constexpr int ALL_SET_COUNT = 8'145'060;
// The prize ranks, best first: 6 numbers; 5 and the bonus; 5; 4; 3.
inline constexpr int RANKS = 5;

// Six distinct numbers from 1 to MAX_NUMBER, ascending once stored.
using NumberSet = std::array<std::int32_t, NUMBERS_PER_SET>;

// The four criteria a set is scored on, in the order every front end shows them.
enum Criterion : int {
    ODD_EVEN = 0,
    COLOR_RATIO = 1,
    SUM_RANGE = 2,
    NON_APPEARING = 3,
};
inline constexpr int CRITERION_COUNT = 4;
// Their names for machines: the page's data attributes, by Criterion.
inline constexpr const char* CRITERION_KEYS[CRITERION_COUNT] = {"odd-even", "color-ratio",
                                                                "sum-range", "non-appearing"};
// What the criteria are called, in Korean, by Criterion.
extern const char* const CRITERION_NAMES[CRITERION_COUNT];

// The balls come in five colours by number: 1-10, 11-20, 21-30, 31-40 and 41-45 are the
// colour groups 0 to 4.
inline constexpr int COLOR_GROUP_COUNT = 5;

constexpr int color_group(std::int32_t number)
{
    return (number - 1) / 10;
}

struct BallColor {
    const char* key; // the colour in English, as the page's style names it
    std::int32_t lowest;
    std::int32_t highest;
};

inline constexpr BallColor BALL_COLORS[COLOR_GROUP_COUNT] = {
    {"yellow", 1, 10}, {"blue", 11, 20}, {"red", 21, 30}, {"grey", 31, 40}, {"green", 41, 45},
};
// The colours' Korean names, by colour group.
extern const char* const BALL_COLOR_NAMES[COLOR_GROUP_COUNT];
