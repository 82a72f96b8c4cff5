#include "scoring/color_ratio.hpp"

#include "text/text_format.hpp"
#include <utility>

const ColorPatternPoints COLOR_PATTERNS[COLOR_PATTERN_COUNT] = {
    {"11112", 11}, {"1113", 14}, {"1122", 39}, {"114", 4}, {"123", 23},
    {"15", 0},     {"222", 6},   {"24", 2},    {"33", 1},
};

ColorPattern color_pattern_of(const NumberSet& set)
{
    int group_sizes[COLOR_GROUP_COUNT] = {};
    for (std::int32_t number : set) {
        ++group_sizes[color_group(number)];
    }
    ColorPattern pattern{};
    int length = 0;
    for (int size : group_sizes) {
        if (size > 0) {
            pattern.digits[length++] = static_cast<char>('0' + size);
        }
    }
    // Insertion sort: at most five digits.
    for (int i = 1; i < length; ++i) {
        for (int j = i; j > 0 && pattern.digits[j - 1] > pattern.digits[j]; --j) {
            std::swap(pattern.digits[j - 1], pattern.digits[j]);
        }
    }
    return pattern;
}

namespace {

bool same_digits(const char* row, const char* digits)
{
    while (*row != '\0' && *row == *digits) {
        ++row;
        ++digits;
    }
    return *row == *digits;
}

} // namespace

int find_color_pattern(const ColorPattern& pattern)
{
    int row = 0;
    while (row < COLOR_PATTERN_COUNT && !same_digits(COLOR_PATTERNS[row].pattern, pattern.digits)) {
        ++row;
    }
    return row;
}

std::int32_t color_row_points(int row)
{
    return row >= 0 && row < COLOR_PATTERN_COUNT ? COLOR_PATTERNS[row].points : 0;
}

std::size_t join_color_ratio(const ColorPattern& pattern, char* out, std::size_t size)
{
    std::size_t length = 0;
    out[0] = '\0';
    for (const char* digit = pattern.digits; *digit != '\0'; ++digit) {
        length += format_text(out + length, size - length, digit == pattern.digits ? "%c" : " : %c",
                              *digit);
    }
    return length;
}

std::int32_t score_color_ratio(const NumberSet& set, DetailLine& line)
{
    const ColorPattern pattern = color_pattern_of(set);
    const std::int32_t points = color_row_points(find_color_pattern(pattern));

    // Five digits make the longest, 17 characters.
    char ratio[COLOR_GROUP_COUNT * 4] = {};
    join_color_ratio(pattern, ratio, sizeof ratio);

    // Every pattern gets its line, "6" included, so no set shows a line left from before.
    format_text(line.data(), line.size(), "공 색 구간별 비율 = %-17s   ---> %2d점", ratio, points);
    return points;
}
