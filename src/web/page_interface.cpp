// The web page's way into the core: plain C functions over the prediction table, for a
// page that calls them from JavaScript. Texts are UTF-8, in fixed buffers of this file;
// the page takes every name and text from here rather than keeping copies of its own.
#include <cstdint>
#include <cstdio>

#include "generation/set_generator.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "lottery/lottery.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/set_score.hpp"
#include "scoring/sum_range.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

constexpr std::size_t HISTORY_CAPACITY = 1 << 20;
char history_text[HISTORY_CAPACITY];
char history_name[256];
DrawHistory history;
HistoryError history_error;
char value[64];
char error_text[QUOTE_CAPACITY + sizeof history_error.message + 16];

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
void lotto_generate(std::uint32_t seed)
{
    generate_sets_from_seed(seed);
}

int lotto_number(int set, int index)
{
    return set >= 0 && set < SET_COUNT && index >= 0 && index < NUMBERS_PER_SET
               ? set_at(set)[static_cast<std::size_t>(index)]
               : 0;
}

int lotto_total(int set)
{
    return set >= 0 && set < SET_COUNT ? prediction_table.total_score[static_cast<std::size_t>(set)]
                                       : 0;
}

// The criteria in the order every front end shows them: how many, their Korean names and
// their names for machines.
int lotto_criterion_count()
{
    return CRITERION_COUNT;
}

const char* lotto_criterion_name(int criterion)
{
    return criterion >= 0 && criterion < CRITERION_COUNT ? CRITERION_NAMES[criterion] : "";
}

const char* lotto_criterion_key(int criterion)
{
    return criterion >= 0 && criterion < CRITERION_COUNT ? CRITERION_KEYS[criterion] : "";
}

// The ball colours: a number's colour group, and each group's colour, Korean name and
// numbers.
int lotto_color_group(int number)
{
    return number >= 1 && number <= MAX_NUMBER ? color_group(number) : -1;
}

const char* lotto_ball_color_key(int group)
{
    return valid_group(group) ? BALL_COLORS[group].key : "";
}

const char* lotto_ball_color_name(int group)
{
    return valid_group(group) ? BALL_COLOR_NAMES[group] : "";
}

int lotto_ball_color_lowest(int group)
{
    return valid_group(group) ? BALL_COLORS[group].lowest : 0;
}

int lotto_ball_color_highest(int group)
{
    return valid_group(group) ? BALL_COLORS[group].highest : 0;
}

// The points one criterion gives a set of the prediction, by the detail screen's order.
int lotto_points(int set, int criterion)
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
const char* lotto_value(int set, int criterion)
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

// Where the page puts a draw history's text, and its file's name, before
// lotto_use_history.
char* lotto_history_buffer()
{
    return history_text;
}

int lotto_history_capacity()
{
    return static_cast<int>(HISTORY_CAPACITY);
}

char* lotto_history_name_buffer()
{
    return history_name;
}

int lotto_history_name_capacity()
{
    return static_cast<int>(sizeof history_name);
}

// Puts the lists of the history in the buffer in force, as lotto --draws does. Returns 1,
// or 0 with lotto_history_error telling why it was refused.
int lotto_use_history(int length)
{
    if (length < 0 || static_cast<std::size_t>(length) > HISTORY_CAPACITY) {
        length = 0;
    }
    use_language(Language::Korean); // the page is Korean, its messages too
    history_error = HistoryError{};
    std::FILE* file =
        length > 0 ? fmemopen(history_text, static_cast<std::size_t>(length), "rb") : nullptr;
    if (file == nullptr) {
        format_text(history_error.message, sizeof history_error.message, "%s",
                    translate("the file is empty"));
    }
    const bool ok = file != nullptr && read_draw_stream(file, history, history_error);
    if (file != nullptr) {
        std::fclose(file);
    }
    if (!ok) {
        return 0;
    }
    use_history_lists(history);
    return 1;
}

// Why the history was refused, as lotto says it: "NAME:LINE: what is wrong".
const char* lotto_history_error()
{
    history_name[sizeof history_name - 1] = '\0';
    format_history_error(error_text, sizeof error_text, history_name, history_error);
    return error_text;
}

// The latest round of the history in force, or 0 for the built-in lists.
int lotto_history_round()
{
    return history.count > 0 ? history.draws[history.count - 1].round : 0;
}

void lotto_use_built_in_lists()
{
    history.count = 0;
    use_non_appearing_points(COMPILED_IN_POINTS);
}
}
