#include "prizes/prize_append.hpp"

#include "text/text_format.hpp"
#include "text/translation.hpp"

AddPrizesOutcome plan_prizes_insertion(TextSource& source, const RoundPrizes& prizes,
                                       PrizeTable& table, RecordError& error,
                                       TextInsertion& insertion)
{
    error = RecordError{};
    insertion = TextInsertion{};
    if (!read_prizes_source(source, table, error)) {
        return AddPrizesOutcome::FileRefused;
    }
    if (const RoundPrizes* held = prizes_of_round(table, prizes.round); held != nullptr) {
        if (same_prizes(*held, prizes)) {
            return AddPrizesOutcome::AlreadyThere;
        }
        error.line = held->line;
        format_text(error.message, sizeof error.message,
                    translate("round %d is in the file with other prizes"), prizes.round);
        return AddPrizesOutcome::Disagrees;
    }
    const std::int32_t newest = newest_prize_round(table);
    if (table.count > 0 && prizes.round != newest + 1) {
        format_text(error.message, sizeof error.message,
                    translate("round %d does not follow the file's newest round, %d"), prizes.round,
                    newest);
        return AddPrizesOutcome::NotNext;
    }
    const char* line_end = begin_insertion_at_end(source, PRIZES_HEADER, insertion);
    char line[MAX_LINE_BYTES + 1];
    format_prizes_line(line, prizes);
    add_line(insertion, line, line_end);
    return AddPrizesOutcome::Added;
}
