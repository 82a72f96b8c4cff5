#include "counting/set_shapes.hpp"

#include "scoring/color_ratio.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/sum_range.hpp"

namespace {

constexpr int HIGHEST_SUM = MAX_NUMBER * NUMBERS_PER_SET;
constexpr int SPREADS = 7 * 7 * 7 * 7 * 7;

std::uint8_t sum_range_by_sum[HIGHEST_SUM + 1];
std::uint8_t color_row_by_spread[SPREADS];
bool prepared = false;

} // namespace

void prepare_set_shapes()
{
    if (prepared) {
        return;
    }
    for (int sum = 0; sum <= HIGHEST_SUM; ++sum) {
        const SumRange& range = find_sum_range(sum);
        sum_range_by_sum[sum] = static_cast<std::uint8_t>(
            &range == &OUTSIDE_SUM_RANGES ? SUM_RANGE_COUNT : &range - SUM_RANGES);
    }
    // A spread's row, from one set of that spread: its groups' lowest numbers.
    for (int spread = 0; spread < SPREADS; ++spread) {
        NumberSet set{};
        int count = 0;
        for (int group = 0, rest = spread; group < COLOR_GROUP_COUNT; ++group, rest /= 7) {
            for (int i = 0; i < rest % 7 && count < NUMBERS_PER_SET; ++i) {
                set[count++] = BALL_COLORS[group].lowest + i;
            }
        }
        const bool real = count == NUMBERS_PER_SET && shape_of(set).spread == spread;
        color_row_by_spread[spread] = static_cast<std::uint8_t>(
            real ? find_color_pattern(color_pattern_of(set)) : COLOR_PATTERN_COUNT);
    }
    prepared = true;
}

SetShape shape_of(const NumberSet& set)
{
    SetShape shape = EMPTY_SHAPE;
    int previous = NO_PREVIOUS_NUMBER;
    for (std::int32_t number : set) {
        shape = extend(shape, previous, number);
        previous = number;
    }
    return shape;
}

SetScore score_of_shape(const SetShape& shape, std::int32_t non_appearing_points)
{
    SetScore score{};
    score.sum_range = sum_range_by_sum[shape.sum];
    score.sum_range_points = score.sum_range == SUM_RANGE_COUNT
                                 ? OUTSIDE_SUM_RANGES.points
                                 : SUM_RANGES[score.sum_range].points;
    score.color_row = color_row_by_spread[shape.spread];
    score.color_points = color_row_points(score.color_row);
    score.odd_count = shape.odd;
    score.odd_even_points = ODD_EVEN_POINTS[shape.odd];
    score.non_appearing_points = non_appearing_points;
    score.total =
        score.sum_range_points + score.color_points + score.odd_even_points + non_appearing_points;
    return score;
}
