// The web page's way into the core: plain C functions over the prediction table, for a
// page that calls them from JavaScript. Texts are UTF-8, in fixed buffers of this file;
// the page takes every name and text from here rather than keeping copies of its own.
#include <cstdint>

#include "generation/set_generator.hpp"
#include "lottery/lottery.hpp"
#include "page_interface/page_export.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/set_score.hpp"
#include "scoring/sum_range.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

char value[64];

bool valid(int set, int criterion)
{
    return set >= 0 && set < SET_COUNT && criterion >= 0 && criterion < CRITERION_COUNT;
}

bool valid_group(int group)
{
    return group >= 0 && group < COLOR_GROUP_COUNT;
}

const NumberSet& set_at(int set)
{
    return prediction_table.sets[static_cast<std::size_t>(set)];
}

} // namespace

extern "C" {

// Makes the prediction that lotto makes when its clock reads `seed`.
LOTTO_PAGE_EXPORT void lotto_generate(std::uint32_t seed)
{
    generate_sets_from_seed(seed);
}

LOTTO_PAGE_EXPORT int lotto_number(int set, int index)
{
    return set >= 0 && set < SET_COUNT && index >= 0 && index < NUMBERS_PER_SET
               ? set_at(set)[static_cast<std::size_t>(index)]
               : 0;
}

LOTTO_PAGE_EXPORT int lotto_total(int set)
{
    return set >= 0 && set < SET_COUNT ? prediction_table.total_score[static_cast<std::size_t>(set)]
                                       : 0;
}

// The criteria in the order every front end shows them: how many, their Korean names and
// their names for machines.
LOTTO_PAGE_EXPORT int lotto_criterion_count()
{
    return CRITERION_COUNT;
}

LOTTO_PAGE_EXPORT const char* lotto_criterion_name(int criterion)
{
    return criterion >= 0 && criterion < CRITERION_COUNT ? CRITERION_NAMES[criterion] : "";
}

LOTTO_PAGE_EXPORT const char* lotto_criterion_key(int criterion)
{
    return criterion >= 0 && criterion < CRITERION_COUNT ? CRITERION_KEYS[criterion] : "";
}

// The ball colours: a number's colour group, and each group's colour, Korean name and
// numbers.
LOTTO_PAGE_EXPORT int lotto_color_group(int number)
{
    return number >= 1 && number <= MAX_NUMBER ? color_group(number) : -1;
}

LOTTO_PAGE_EXPORT const char* lotto_ball_color_key(int group)
{
    return valid_group(group) ? BALL_COLORS[group].key : "";
}

LOTTO_PAGE_EXPORT const char* lotto_ball_color_name(int group)
{
    return valid_group(group) ? BALL_COLOR_NAMES[group] : "";
}

LOTTO_PAGE_EXPORT int lotto_ball_color_lowest(int group)
{
    return valid_group(group) ? BALL_COLORS[group].lowest : 0;
}

LOTTO_PAGE_EXPORT int lotto_ball_color_highest(int group)
{
    return valid_group(group) ? BALL_COLORS[group].highest : 0;
}

// The points one criterion gives a set of the prediction, by the detail screen's order.
LOTTO_PAGE_EXPORT int lotto_points(int set, int criterion)
{
    if (!valid(set, criterion)) {
        return 0;
    }
    const SetScore score = score_of(set_at(set), non_appearing_points());
    switch (criterion) {
    case ODD_EVEN:
        return score.odd_even_points;
    case COLOR_RATIO:
        return score.color_points;
    case SUM_RANGE:
        return score.sum_range_points;
    default:
        return score.non_appearing_points;
    }
}

// What the criterion looked at: "3 : 3" odd to even, "1 : 2 : 3" by colour, "117 (101~130)"
// the sum and its band, "11, 31, 7, 21" the matched numbers (empty for none).
LOTTO_PAGE_EXPORT const char* lotto_value(int set, int criterion)
{
    value[0] = '\0';
    if (!valid(set, criterion)) {
        return value;
    }
    const NumberSet& numbers = set_at(set);
    switch (criterion) {
    case ODD_EVEN: {
        const std::int32_t odd = count_odd_numbers(numbers);
        format_text(value, sizeof value, "%d : %d", odd, NUMBERS_PER_SET - odd);
        break;
    }
    case COLOR_RATIO:
        join_color_ratio(color_pattern_of(numbers), value, sizeof value);
        break;
    case SUM_RANGE: {
        const std::int32_t sum = sum_of(numbers);
        char band[32];
        format_sum_band(find_sum_range(sum), band, sizeof band);
        format_text(value, sizeof value, "%d (%s)", sum, band);
        break;
    }
    default:
        join_matches(find_non_appearing(numbers, non_appearing_points()), value, sizeof value);
        break;
    }
    return value;
}
}
