#include "scoring/sum_range.hpp"

#include "text/text_format.hpp"

// The spacing inside the lines differs from band to band, and the 161~190 line has no
// blank after "="; it is what users know.
const SumRange SUM_RANGES[SUM_RANGE_COUNT] = {
    {41, 70, 1, "숫자 총합 = ", ", 41~70 구간      \t--->  1점"},
    {71, 100, 11, "숫자 총합 = ", ", 71~100 구간     \t---> 11점"},
    {101, 130, 29, "숫자 총합 = ", ", 101~130 구간     \t---> 29점"},
    {131, 160, 34, "숫자 총합 = ", ", 131~160 구간     \t---> 34점"},
    {161, 190, 21, "숫자 총합 =", ", 161~190 구간     \t---> 21점"},
    {191, 220, 4, "숫자 총합 = ", ", 191~220 구간    \t--->  4점"},
};

const SumRange OUTSIDE_SUM_RANGES = {0, 0, 0, "숫자 총합 = ", ", 220~250 구간     \t---> 0점"};

std::int32_t sum_of(const NumberSet& set)
{
    std::int32_t sum = 0;
    for (std::int32_t number : set) {
        sum += number;
    }
    return sum;
}

const SumRange& find_sum_range(std::int32_t sum)
{
    for (const SumRange& range : SUM_RANGES) {
        if (sum >= range.lowest && sum <= range.highest) {
            return range;
        }
    }
    return OUTSIDE_SUM_RANGES;
}

std::int32_t score_sum_range(const NumberSet& set, DetailLine& line)
{
    const std::int32_t sum = sum_of(set);
    const SumRange& range = find_sum_range(sum);
    format_text(line.data(), line.size(), "%s%d%s", range.before_sum, sum, range.after_sum);
    return range.points;
}

std::size_t format_sum_band(const SumRange& range, char* out, std::size_t size)
{
    if (&range == &OUTSIDE_SUM_RANGES) {
        return format_text(out, size, "구간 밖");
    }
    return format_text(out, size, "%d~%d", range.lowest, range.highest);
}
