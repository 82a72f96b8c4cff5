#include "scoring/non_appearing.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "scoring/text_columns.hpp"

const std::int32_t NON_APPEARING_5[13] = {3, 4, 6, 11, 14, 22, 24, 25, 27, 28, 29, 31, 41};
const std::int32_t NON_APPEARING_10[5] = {5, 7, 17, 23, 38};
const std::int32_t NON_APPEARING_15[1] = {21};

namespace {

// The field the text is padded to, in console columns: six two-digit matches fill it.
constexpr int TEXT_COLUMNS = 39;
// Room for the lead, six numbers with their separators and the tail, in any encoding.
constexpr int TEXT_SIZE = LINE_SIZE / 2;

template <std::size_t N>
std::int32_t match_list(const NumberSet& set, const std::int32_t (&list)[N], std::int32_t points,
                        std::array<std::int32_t, NUMBERS_PER_SET>& matches, int& match_count)
{
    std::int32_t subtotal = 0;
    for (std::int32_t number : set) {
        if (std::find(std::begin(list), std::end(list), number) != std::end(list)) {
            subtotal += points;
            matches[match_count++] = number;
        }
    }
    return subtotal;
}

} // namespace

std::int32_t score_non_appearing(const NumberSet& set)
{
    const std::int32_t k = prediction_table.scored_set_counter;
    if (k < 0 || k >= SET_COUNT) {
        return 0; // every set of this prediction is scored already; there is no row to write
    }
    std::array<std::int32_t, NUMBERS_PER_SET>& matches = prediction_table.matched_numbers[k];

    int match_count = 0;
    const std::int32_t first = match_list(set, NON_APPEARING_5, 5, matches, match_count);
    const std::int32_t second = match_list(set, NON_APPEARING_10, 10, matches, match_count);
    const std::int32_t third = match_list(set, NON_APPEARING_15, 15, matches, match_count);

    char text[TEXT_SIZE] = "미출현 숫자 ";
    int length = static_cast<int>(std::char_traits<char>::length(text));
    const char* separator = "";
    for (std::int32_t number : matches) {
        if (number > 0) {
            length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length),
                                    "%s%d", separator, number);
            separator = ", ";
        }
    }
    if (match_count == 0) {
        std::snprintf(text, sizeof text, "미출현 숫자 미포함");
    } else {
        std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), " 포함");
    }

    char padded[TEXT_SIZE];
    pad_to_columns(padded, sizeof padded, text, TEXT_COLUMNS);
    const std::int32_t points = third + second + first;
    std::snprintf(prediction_table.detail_lines[k][NON_APPEARING_LINE].data(), LINE_SIZE,
                  "%s ---> %2d점", padded, points);
    ++prediction_table.scored_set_counter;
    return points;
}
