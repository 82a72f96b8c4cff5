#include "statistics/total_summary.hpp"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

TotalSummary summarize_totals(const std::int64_t (&totals)[MAX_TOTAL_POINTS + 1])
{
    TotalSummary summary{0, -1, -1, -1, 0.0};
    std::int64_t weighted = 0;
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        if (totals[total] == 0) {
            continue;
        }
        summary.lowest = summary.lowest < 0 ? total : summary.lowest;
        summary.highest = total;
        summary.sets += totals[total];
        weighted += totals[total] * total;
    }
    if (summary.sets == 0) {
        return summary;
    }
    summary.mean = static_cast<double>(weighted) / static_cast<double>(summary.sets);
    std::int64_t seen = 0;
    for (int total = 0; total <= MAX_TOTAL_POINTS && summary.median < 0; ++total) {
        seen += totals[total];
        if (2 * seen >= summary.sets) {
            summary.median = total;
        }
    }
    return summary;
}

std::int64_t sets_scoring_at_least(const std::int64_t (&totals)[MAX_TOTAL_POINTS + 1],
                                   int threshold)
{
    std::int64_t sets = 0;
    for (int total = threshold < 0 ? 0 : threshold; total <= MAX_TOTAL_POINTS; ++total) {
        sets += totals[total];
    }
    return sets;
}

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
