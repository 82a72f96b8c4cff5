#include "scoring/odd_even.hpp"

#include "text/text_format.hpp"

const std::int32_t ODD_EVEN_POINTS[NUMBERS_PER_SET + 1] = {1, 7, 22, 35, 25, 8, 2};

std::int32_t count_odd_numbers(const NumberSet& set)
{
    std::int32_t odd = 0;
    for (std::int32_t number : set) {
        odd += number % 2 == 1 ? 1 : 0;
    }
    return odd;
}

std::int32_t score_odd_even(const NumberSet& set, DetailLine& line)
{
    const std::int32_t odd = count_odd_numbers(set);
    const std::int32_t points = ODD_EVEN_POINTS[odd];
    format_text(line.data(), line.size(), "(홀수 : 짝수) = %d개 : %d개           \t---> %2d점", odd,
                NUMBERS_PER_SET - odd, points);
    return points;
}
