#include "scoring/color_ratio.hpp"

#include <algorithm>

#include "text/text_format.hpp"
#include <utility>

const ColorPatternPoints COLOR_PATTERNS[COLOR_PATTERN_COUNT] = {
    {"11112", 11}, {"1113", 14}, {"1122", 39}, {"114", 4}, {"123", 23},
    {"15", 0},     {"222", 6},   {"24", 2},    {"33", 1},
};

ColorPattern color_pattern_of(const NumberSet& set)
{
    int sizes[COLOR_GROUP_COUNT] = {};
    for (std::int32_t number : set) {
        ++sizes[color_group(number)];
    }
    // A sorting network for five: nine exchanges, the same whatever the sizes, so that
    // scoring millions of sets does not wait on mispredicted branches.
    const auto order = [&sizes](int i, int j) {
        const int low = std::min(sizes[i], sizes[j]);
        sizes[j] = std::max(sizes[i], sizes[j]);
        sizes[i] = low;
    };
    order(0, 1);
    order(3, 4);
    order(2, 4);
    order(2, 3);
    order(0, 3);
    order(0, 2);
    order(1, 4);
    order(1, 3);
    order(1, 2);
    ColorPattern pattern{};
    int length = 0;
    for (int size : sizes) {
        if (size > 0) {
            pattern.digits[length++] = static_cast<char>('0' + size);
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
