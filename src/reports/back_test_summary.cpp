#include "reports/back_test_summary.hpp"

#include "text/text_format.hpp"
#include "text/translation.hpp"

void format_back_test_intro(char* out, std::size_t size, const BackTest& test)
{
    format_text(out, size,
                translate("\nBack-test: %d draws with at least %d draws before them. Each "
                          "winning set is scored\nwith the lists as they stood before its draw "
                          "and placed among all proposable sets;\nchance is a draw of any of "
                          "all sets. Exact: every set is scored for every draw.\n"),
                test.count, MIN_DRAWS);
}

const char* back_test_share_label(BackTestShare share)
{
    return share == BackTestShare::MeanMidRank ? translate("mean mid-rank")
                                               : translate("in the top tenth (mid-rank >= 90 %)");
}

void format_back_test_share(char* out, std::size_t size, const BackTest& test, BackTestShare share,
                            const char* label)
{
    if (share == BackTestShare::MeanMidRank) {
        format_text(out, size, translate("  %s%8.2f %%   %.2f %% if a score means nothing\n"),
                    label, 100.0 * test.mean_mid_rank, 100.0 * test.chance_mean_mid_rank);
    } else {
        format_text(out, size, translate("  %s%8.2f %%   %.2f %% by chance\n"), label,
                    100.0 * test.top_tenth_share, 100.0 * test.chance_top_tenth_share);
    }
}

void format_chi_square(char* out, std::size_t size, const BackTest& test)
{
    if (test.degrees_of_freedom == 0) {
        format_text(out, size, "%s", "");
        return;
    }
    format_text(out, size,
                translate("  chi-square %.3f, %d degrees of freedom (bands merged to expect at "
                          "least 5), p = %.4f\n"),
                test.chi_square, test.degrees_of_freedom, test.p_value);
}

const char* back_test_verdict(const BackTest& test)
{
    if (test.degrees_of_freedom == 0) {
        return translate("Too few draws for a chi-square test: the shares above are all there "
                         "is.");
    }
    if (test.p_value >= 0.05) {
        return translate("The winning sets' totals are spread as chance spreads them: in this "
                         "history a higher total did not mean a better chance.");
    }
    return translate("The winning sets' totals are not spread as chance would spread them; the "
                     "mean mid-rank says whether they scored higher or lower. One history in "
                     "twenty shows this by luck alone.");
}

void format_back_test_row(char* out, std::size_t size, const BackTestDraw& draw)
{
    format_text(out, size, "%d,%d,%.6f\n", draw.round, draw.total, draw.mid_rank);
}
