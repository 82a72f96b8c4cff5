#include "reports/total_summary.hpp"

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
