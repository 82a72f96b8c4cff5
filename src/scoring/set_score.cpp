#include "scoring/set_score.hpp"

#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/sum_range.hpp"

SetScore score_of(const NumberSet& set, const NonAppearingPoints& lists)
{
    SetScore score{};
    const SumRange& range = find_sum_range(sum_of(set));
    score.sum_range =
        &range == &OUTSIDE_SUM_RANGES ? SUM_RANGE_COUNT : static_cast<int>(&range - SUM_RANGES);
    score.sum_range_points = range.points;

    const ColorPattern pattern = color_pattern_of(set);
    score.color_row = find_color_pattern(pattern);
    score.color_points = color_row_points(score.color_row);

    score.odd_count = count_odd_numbers(set);
    score.odd_even_points = ODD_EVEN_POINTS[score.odd_count];

    score.non_appearing_points = find_non_appearing(set, lists).points;
    score.total = score.sum_range_points + score.color_points + score.odd_even_points +
                  score.non_appearing_points;
    return score;
}

std::int32_t write_criterion_lines(const NumberSet& set, const NonAppearingPoints& lists,
                                   CriterionLines& lines)
{
    return score_sum_range(set, lines[SUM_RANGE]) + score_color_ratio(set, lines[COLOR_RATIO]) +
           score_odd_even(set, lines[ODD_EVEN]) +
           write_non_appearing_line(set, lists, lines[NON_APPEARING]).points;
}
