#include <cstdio>

#include "reports/chart_layout.hpp"
#include "reports/reports.hpp"
#include "reports/total_summary.hpp"
#include "text/translation.hpp"

namespace {

constexpr int GRID_LINES = 4;
constexpr int X_TICK_STEP = 20;

} // namespace

void write_histogram_svg(std::FILE* out, const ScoreDistribution& distribution)
{
    const auto& totals = distribution.total[PROPOSABLE_SETS];
    const TotalSummary summary = summarize_totals(totals);
    std::int64_t tallest = 1;
    for (std::int64_t sets : totals) {
        tallest = sets > tallest ? sets : tallest;
    }
    const int first = summary.lowest < 0 ? 0 : summary.lowest;
    const int last = summary.highest < first ? first : summary.highest;
    const double bar = PLOT_WIDTH / (last - first + 1);
    const double tallest_percent = percent_of(tallest, summary.sets);
    const auto x_of = [&](double total) { return PLOT_LEFT + (total - first) * bar; };
    const auto y_of = [&](double percent) {
        return PLOT_TOP + PLOT_HEIGHT - percent / tallest_percent * PLOT_HEIGHT;
    };

    write_svg_open(out, CHART_WIDTH, CHART_HEIGHT);
    char text[256];
    std::snprintf(text, sizeof text, translate("Total score of the %s proposable sets"),
                  with_thousands(summary.sets).text);
    std::fprintf(out, "<text x=\"%.0f\" y=\"24\" font-size=\"15\" font-weight=\"bold\">%s</text>\n",
                 PLOT_LEFT, text);

    for (int line = 0; line <= GRID_LINES; ++line) {
        const double percent = tallest_percent * line / GRID_LINES;
        const double y = y_of(percent);
        std::fprintf(out,
                     "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#dddddd\"/>\n"
                     "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">%.2f %%</text>\n",
                     PLOT_LEFT, y, PLOT_LEFT + PLOT_WIDTH, y, PLOT_LEFT - 6, y + 4, percent);
    }

    std::fprintf(out, "<g fill=\"#3b6fb6\">\n");
    for (int total = first; total <= last; ++total) {
        if (totals[total] == 0) {
            continue;
        }
        const double y = y_of(percent_of(totals[total], summary.sets));
        std::snprintf(text, sizeof text, translate("%d: %lld sets"), total,
                      static_cast<long long>(totals[total]));
        std::fprintf(out,
                     "<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\">"
                     "<title>%s</title></rect>\n",
                     x_of(total), y, bar * 0.9, PLOT_TOP + PLOT_HEIGHT - y, text);
    }
    std::fprintf(out, "</g>\n");

    for (int tick = (first + X_TICK_STEP - 1) / X_TICK_STEP * X_TICK_STEP; tick <= last;
         tick += X_TICK_STEP) {
        std::fprintf(out, "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%d</text>\n",
                     x_of(tick + 0.5), PLOT_TOP + PLOT_HEIGHT + 18, tick);
    }
    std::snprintf(text, sizeof text, translate("total score (median %d, mean %.1f, highest %d)"),
                  summary.median, summary.mean, summary.highest);
    std::fprintf(out, "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%s</text>\n",
                 PLOT_LEFT + PLOT_WIDTH / 2, CHART_HEIGHT - 10, text);
    std::fprintf(out,
                 "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#c0392b\" "
                 "stroke-dasharray=\"4 3\"/>\n",
                 x_of(summary.median + 0.5), PLOT_TOP, x_of(summary.median + 0.5),
                 PLOT_TOP + PLOT_HEIGHT);
    std::fprintf(out, "</svg>\n");
}
