#include "text/number_words.hpp"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

double percent_of(std::int64_t part, std::int64_t whole)
{
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

ShareText share_of(std::int64_t part, std::int64_t whole, int decimals)
{
    constexpr int MOST_DECIMALS = 12;
    const double percent = percent_of(part, whole);
    ShareText share{};
    for (int digits = decimals;; ++digits) {
        std::snprintf(share.text, sizeof share.text, "%.*f", digits, percent);
        const double shown = std::strtod(share.text, nullptr);
        const bool misleading = (part > 0 && shown == 0.0) || (part < whole && shown == 100.0);
        if (!misleading || digits == MOST_DECIMALS) {
            return share;
        }
    }
}

CountText with_thousands(std::int64_t count)
{
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, "%" PRId64, count);
    CountText grouped{};
    int out = 0;
    for (int i = 0; i < length; ++i) {
        grouped.text[out++] = digits[i];
        const int left = length - 1 - i;
        if (left > 0 && left % 3 == 0 && digits[i] != '-') {
            grouped.text[out++] = ',';
        }
    }
    return grouped;
}
