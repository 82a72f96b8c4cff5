#include "history/number_record.hpp"
#include "history/overdue_numbers.hpp"
#include "reports/back_test_summary.hpp"
#include "reports/history_reports.hpp"
#include "text/text_columns.hpp"
#include "text/translation.hpp"

namespace {

void write_lists(std::FILE* out, const DrawHistory& history)
{
    const DrawsSinceDrawn absences = draws_since_drawn(history, history.count);
    const NonAppearingPoints points = overdue_points(absences);
    std::fprintf(out,
                 translate("\nNumbers not drawn lately, as of round %d, with the draws since "
                           "each was last drawn\n"),
                 history.draws[history.count - 1].round);
    for (int i = 2; i >= 0; --i) {
        const std::int32_t list = LIST_POINTS[i];
        std::fprintf(out, translate("  %2d points "), list);
        bool first = true;
        for (int number = 1; number <= MAX_NUMBER; ++number) {
            if (points.by_number[static_cast<std::size_t>(number)] == list) {
                std::fprintf(out, "%s %d (%d)", first ? "" : ",", number,
                             absences[static_cast<std::size_t>(number)]);
                first = false;
            }
        }
        std::fprintf(out, "%s\n", first ? translate(" none") : "");
    }
}

void write_frequencies(std::FILE* out, const DrawHistory& history)
{
    const NumberRecord record = number_record(history);
    const ChanceBand band_all = chance_band(record.draws);
    const ChanceBand band_recent = chance_band(record.recent_draws);
    std::fprintf(out, "%s",
                 translate("\nHow often each number was drawn, and (in brackets) what "
                           "chance alone gives\n"));
    char all_title[48];
    char recent_title[48];
    std::snprintf(all_title, sizeof all_title, translate("all %d draws"), record.draws);
    std::snprintf(recent_title, sizeof recent_title, translate("latest %d"), record.recent_draws);
    std::fprintf(out, "  %s  %s  %s\n", align_right(translate("number"), 6).text,
                 align_right(all_title, 16).text, align_right(recent_title, 16).text);
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        std::fprintf(out, "  %6d  %6d (%7.2f)  %6d (%7.2f)\n", number, record.all[number],
                     band_all.expected, record.recent[number], band_recent.expected);
    }
    std::fprintf(out,
                 translate("  Every number has the same chance in every draw. Over %d draws "
                           "chance alone gives each\n  %.2f on average, give or take %.2f: "
                           "about two numbers in three land from %d to %d\n  times, about 19 "
                           "in 20 from %d to %d.\n"),
                 record.draws, band_all.expected, band_all.spread, band_all.low, band_all.high,
                 band_all.wide_low, band_all.wide_high);
}

void write_back_test(std::FILE* out, const BackTest& test)
{
    char line[1024];
    format_back_test_intro(line, sizeof line, test);
    std::fputs(line, out);
    if (test.count == 0) {
        return;
    }
    for (BackTestShare share : {BackTestShare::MeanMidRank, BackTestShare::TopTenth}) {
        format_back_test_share(line, sizeof line, test, share,
                               align_left(back_test_share_label(share), 36).text);
        std::fputs(line, out);
    }
    std::fprintf(out, "\n  %s%s%s\n", align_left(translate("total"), 16).text,
                 align_right(translate("winning sets"), 14).text,
                 align_right(translate("expected"), 12).text);
    for (int band = 0; band < SCORE_BAND_COUNT; ++band) {
        char label[48];
        if (band == 0) {
            std::snprintf(label, sizeof label, translate("below %d"), score_band_lowest(1));
        } else if (band == SCORE_BAND_COUNT - 1) {
            std::snprintf(label, sizeof label, translate("%d and above"), score_band_lowest(band));
        } else {
            std::snprintf(label, sizeof label, "%d~%d", score_band_lowest(band),
                          score_band_highest(band));
        }
        std::fprintf(out, "  %s%14lld%12.2f\n", align_left(label, 16).text,
                     static_cast<long long>(test.observed[band]), test.expected[band]);
    }
    format_chi_square(line, sizeof line, test);
    std::fputs(line, out);
    std::fprintf(out, "  %s\n", back_test_verdict(test));
}

} // namespace

void write_history_report(std::FILE* out, const DrawHistory& history, const BackTest& test)
{
    std::fprintf(out, translate("\nDraw history: %d draws, rounds %d to %d\n"), history.count,
                 history.draws[0].round, history.draws[history.count - 1].round);
    write_lists(out, history);
    write_frequencies(out, history);
    write_back_test(out, test);
}

void write_back_test_csv(std::FILE* out, const BackTest& test)
{
    std::fputs(BACK_TEST_CSV_HEADER, out);
    for (int index = 0; index < test.count; ++index) {
        char row[64];
        format_back_test_row(row, sizeof row, test.draws[index]);
        std::fputs(row, out);
    }
}
