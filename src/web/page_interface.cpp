// The web page's way into the core: plain C functions over the prediction table, for a
// page that calls them from JavaScript. Texts are UTF-8, in fixed buffers of this file.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "generation/set_generator.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/set_score.hpp"
#include "scoring/sum_range.hpp"
#include "text/text_format.hpp"

namespace {

// The criteria in the order the detail screen shows them.
enum PageCriterion : int { ODD_EVEN = 0, COLOR_RATIO = 1, SUM_RANGE = 2, NON_APPEARING = 3 };

constexpr std::size_t HISTORY_CAPACITY = 1 << 20;
char history_text[HISTORY_CAPACITY];
DrawHistory history;
HistoryError history_error;
char value[64];
char error_text[sizeof history_error.message + 16];

bool valid(int set, int criterion)
{
    return set >= 0 && set < SET_COUNT && criterion >= ODD_EVEN && criterion <= NON_APPEARING;
}

const NumberSet& set_at(int set)
{
    return prediction_table.sets[static_cast<std::size_t>(set)];
}

const char* sum_band_label(std::int32_t sum)
{
    static char label[16];
    const SumRange& range = find_sum_range(sum);
    if (&range == &OUTSIDE_SUM_RANGES) {
        return "구간 밖";
    }
    format_text(label, sizeof label, "%d~%d", range.lowest, range.highest);
    return label;
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

// The points one criterion gives a set of the prediction, by the detail screen's order.
int lotto_points(int set, int criterion)
{
    if (!valid(set, criterion)) {
        return 0;
    }
    const SetScore score = score_of(set_at(set));
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
    case COLOR_RATIO: {
        const ColorPattern pattern = color_pattern_of(numbers);
        std::size_t length = 0;
        for (const char* digit = pattern.digits; *digit != '\0'; ++digit) {
            length += format_text(value + length, sizeof value - length,
                                  digit == pattern.digits ? "%c" : " : %c", *digit);
        }
        break;
    }
    case SUM_RANGE: {
        const std::int32_t sum = sum_of(numbers);
        format_text(value, sizeof value, "%d (%s)", sum, sum_band_label(sum));
        break;
    }
    default: {
        std::size_t length = 0;
        for (std::int32_t number : find_non_appearing(numbers).numbers) {
            if (number > 0) {
                length += format_text(value + length, sizeof value - length,
                                      length == 0 ? "%d" : ", %d", number);
            }
        }
        break;
    }
    }
    return value;
}

// Where the page puts a draw history's text before lotto_use_history.
char* lotto_history_buffer()
{
    return history_text;
}

int lotto_history_capacity()
{
    return static_cast<int>(HISTORY_CAPACITY);
}

// Puts the lists of the history in the buffer in force, as lotto --draws does. Returns 1,
// or 0 with lotto_history_error telling why it was refused.
int lotto_use_history(int length)
{
    if (length < 0 || static_cast<std::size_t>(length) > HISTORY_CAPACITY) {
        length = 0;
    }
    history_error = HistoryError{};
    std::FILE* file =
        length > 0 ? fmemopen(history_text, static_cast<std::size_t>(length), "rb") : nullptr;
    if (file == nullptr) {
        format_text(history_error.message, sizeof history_error.message, "the file is empty");
    }
    const bool ok = file != nullptr && read_draw_stream(file, history, history_error);
    if (file != nullptr) {
        std::fclose(file);
    }
    if (!ok) {
        return 0;
    }
    use_non_appearing_points(latest_overdue_points(history));
    return 1;
}

const char* lotto_history_error()
{
    if (history_error.line > 0) {
        format_text(error_text, sizeof error_text, "%d: %s", history_error.line,
                    history_error.message);
    } else {
        format_text(error_text, sizeof error_text, "%s", history_error.message);
    }
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
