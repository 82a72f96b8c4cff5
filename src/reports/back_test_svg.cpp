#include "reports/chart_layout.hpp"
#include "reports/history_reports.hpp"
#include "text/translation.hpp"

namespace {

constexpr int TENTHS = 10;

} // namespace

void write_back_test_svg(std::FILE* out, const BackTest& test, int top)
{
    int by_tenth[TENTHS] = {};
    for (int index = 0; index < test.count; ++index) {
        const int tenth = static_cast<int>(test.draws[index].mid_rank * TENTHS);
        ++by_tenth[tenth < TENTHS ? tenth : TENTHS - 1];
    }
    const double chance = static_cast<double>(test.count) / TENTHS;
    double tallest = chance > 1.0 ? chance : 1.0;
    for (int count : by_tenth) {
        tallest = count > tallest ? count : tallest;
    }
    const double bar = PLOT_WIDTH / TENTHS;
    const auto y_of = [&](double count) {
        return PLOT_TOP + PLOT_HEIGHT - count / tallest * PLOT_HEIGHT;
    };

    std::fprintf(out, "<svg y=\"%d\" width=\"%.0f\" height=\"%.0f\" viewBox=\"0 0 %.0f %.0f\">\n",
                 top, CHART_WIDTH, CHART_HEIGHT, CHART_WIDTH, CHART_HEIGHT);
    char text[256];
    std::snprintf(text, sizeof text,
                  translate("Where the %d winning sets stood among all proposable sets"),
                  test.count);
    std::fprintf(out, "<text x=\"%.0f\" y=\"24\" font-size=\"15\" font-weight=\"bold\">%s</text>\n",
                 PLOT_LEFT, text);
    std::fprintf(out, "<g fill=\"#3b6fb6\">\n");
    for (int tenth = 0; tenth < TENTHS; ++tenth) {
        const double y = y_of(by_tenth[tenth]);
        std::snprintf(text, sizeof text, translate("mid-rank %d-%d %%: %d draws"), tenth * 10,
                      tenth * 10 + 10, by_tenth[tenth]);
        std::fprintf(out,
                     "<rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\">"
                     "<title>%s</title></rect>\n",
                     PLOT_LEFT + tenth * bar, y, bar * 0.9, PLOT_TOP + PLOT_HEIGHT - y, text);
        std::fprintf(out,
                     "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\" fill=\"#000000\">%d"
                     "</text>\n<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\" "
                     "fill=\"#000000\">%d</text>\n",
                     PLOT_LEFT + (tenth + 0.45) * bar, PLOT_TOP + PLOT_HEIGHT + 18, tenth * 10,
                     PLOT_LEFT + (tenth + 0.45) * bar, y - 4, by_tenth[tenth]);
    }
    std::fprintf(out, "</g>\n");
    std::snprintf(text, sizeof text, translate("chance: %.1f draws a tenth"), chance);
    std::fprintf(out,
                 "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#c0392b\" "
                 "stroke-dasharray=\"4 3\"><title>%s</title></line>\n",
                 PLOT_LEFT, y_of(chance), PLOT_LEFT + PLOT_WIDTH, y_of(chance), text);
    std::snprintf(text, sizeof text,
                  translate("mid-rank of the winning set in %% (the dashed line is chance; mean "
                            "%.1f %%)"),
                  100.0 * test.mean_mid_rank);
    std::fprintf(out, "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%s</text>\n",
                 PLOT_LEFT + PLOT_WIDTH / 2, CHART_HEIGHT - 10, text);
    std::fprintf(out, "</svg>\n");
}
