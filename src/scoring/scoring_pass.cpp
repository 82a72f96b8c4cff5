#include "scoring/scoring_pass.hpp"

#include "generation/prediction_table.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/sum_range.hpp"
#include "text/text_format.hpp"

void score_sets()
{
    PredictionTable& table = prediction_table;
    for (int k = 0; k < SET_COUNT; ++k) {
        table.total_score[k] += score_sum_range(table.sets[k], table.detail_lines[k][SUM_RANGE]);
    }
    for (int k = 0; k < SET_COUNT; ++k) {
        table.total_score[k] +=
            score_color_ratio(table.sets[k], table.detail_lines[k][COLOR_RATIO]);
    }
    for (int k = 0; k < SET_COUNT; ++k) {
        table.total_score[k] += score_odd_even(table.sets[k], table.detail_lines[k][ODD_EVEN]);
    }
    // score_non_appearing finds its set through scored_set_counter, which the reset zeroed.
    for (int k = 0; k < SET_COUNT; ++k) {
        table.total_score[k] += score_non_appearing(table.sets[k]);
    }
}

std::size_t format_total_line(char* out, std::size_t size, std::int32_t total)
{
    return format_text(out, size, "==========> 총점 : %d점", total);
}
