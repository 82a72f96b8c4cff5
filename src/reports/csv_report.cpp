#include <cinttypes>

#include "reports/outcome_rows.hpp"
#include "reports/reports.hpp"

void write_csv_report(std::FILE* out, const ScoreDistribution& distribution)
{
    static OutcomeRow rows[MAX_OUTCOME_ROWS];
    std::fprintf(out, "criterion,outcome,points,all_sets,proposable_sets\n");
    for (ReportedCriterion criterion : ALL_CRITERIA) {
        const int count = outcome_rows(distribution, criterion, rows);
        for (int i = 0; i < count; ++i) {
            std::fprintf(out, "%s,%s,%d,%" PRId64 ",%" PRId64 "\n", criterion_key(criterion),
                         rows[i].label, rows[i].points, rows[i].sets[ALL_SETS],
                         rows[i].sets[PROPOSABLE_SETS]);
        }
    }
}
