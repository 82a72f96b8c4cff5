#include "prizes/prize_table.hpp"

#include <cerrno>
#include <cinttypes>

#include "text/error_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

constexpr const char* RANK_NAMES[RANKS] = {translatable("1st"), translatable("2nd"),
                                           translatable("3rd"), translatable("4th"),
                                           translatable("5th")};

} // namespace

const RoundPrizes* prizes_of_round(const PrizeTable& table, std::int32_t round)
{
    if (table.count == 0) {
        return nullptr;
    }
    const std::int32_t at = round - table.rounds[0].round;
    return at >= 0 && at < table.count ? &table.rounds[at] : nullptr;
}

std::int32_t newest_prize_round(const PrizeTable& table)
{
    return table.count > 0 ? table.rounds[table.count - 1].round : 0;
}

bool prizes_hold_together(const RoundPrizes& prizes, RecordError& error)
{
    error.line = 0;
    for (int rank = 0; rank < RANKS; ++rank) {
        const Division& division = prizes.division[rank];
        if ((division.prize == 0) != (division.winners == 0)) {
            invalid_line(
                error,
                division.prize == 0
                    ? translate("round %d: the %s prize pays nothing to %" PRId64 " winners")
                    : translate("round %d: the %s prize pays %" PRId64 " won to nobody"),
                prizes.round, translate(RANK_NAMES[rank]),
                division.prize == 0 ? division.winners : division.prize);
            return false;
        }
    }
    for (int rank = 0; rank < RANKS; ++rank) {
        for (int lower = rank + 1; lower < RANKS && prizes.division[rank].winners > 0; ++lower) {
            if (prizes.division[lower].winners > 0 &&
                prizes.division[rank].prize <= prizes.division[lower].prize) {
                invalid_line(error,
                             translate("round %d: the %s prize (%" PRId64 " won) does not pay more "
                                       "than the %s (%" PRId64 " won)"),
                             prizes.round, translate(RANK_NAMES[rank]), prizes.division[rank].prize,
                             translate(RANK_NAMES[lower]), prizes.division[lower].prize);
                return false;
            }
        }
    }
    return true;
}

bool same_prizes(const RoundPrizes& a, const RoundPrizes& b)
{
    for (int rank = 0; rank < RANKS; ++rank) {
        if (a.division[rank].prize != b.division[rank].prize ||
            a.division[rank].winners != b.division[rank].winners) {
            return false;
        }
    }
    return a.round == b.round && a.sales == b.sales;
}

LineKind parse_prizes_line(const char* text, bool first_content, RoundPrizes& prizes,
                           RecordError& error)
{
    Fields fields{};
    prizes = RoundPrizes{};
    if (const LineKind kind = record_line_fields(text, first_content, fields, error);
        kind != LineKind::Draw) {
        return kind;
    }
    constexpr int FIELDS = 2 + 2 * RANKS;
    if (fields.count != FIELDS) {
        return invalid_line(error,
                            translate("expected the round, a prize and its winners for each of the "
                                      "five ranks, and the sales, not %d fields"),
                            fields.count);
    }
    if (!read_round(fields.field[0], prizes.round, error)) {
        return LineKind::Invalid;
    }
    // The fields after the round, in the file's order: each division's prize and winners,
    // then the sales.
    std::int64_t* amounts[FIELDS - 1] = {};
    std::int64_t** next = amounts;
    for (Division& division : prizes.division) {
        *next++ = &division.prize;
        *next++ = &division.winners;
    }
    *next = &prizes.sales;
    for (int i = 1; i < FIELDS; ++i) {
        if (!whole_amount(fields.field[i], *amounts[i - 1])) {
            return invalid_line(error, translate("'%s' is not a whole amount of at most 15 digits"),
                                quoted(fields.field[i]).text);
        }
    }
    return prizes_hold_together(prizes, error) ? LineKind::Draw : LineKind::Invalid;
}

void format_prizes_line(char (&out)[MAX_LINE_BYTES + 1], const RoundPrizes& prizes)
{
    std::size_t length = format_text(out, sizeof out, "%d", prizes.round);
    for (const Division& division : prizes.division) {
        length += format_text(out + length, sizeof out - length, ",%" PRId64 ",%" PRId64,
                              division.prize, division.winners);
    }
    format_text(out + length, sizeof out - length, ",%" PRId64, prizes.sales);
}

namespace {

// The rounds ascend without a gap.
bool keep_prizes(const PrizeTable& table, const RoundPrizes& prizes, std::int32_t line,
                 RecordError& error)
{
    const std::int32_t expected = newest_prize_round(table) + 1;
    if (table.count > 0 && prizes.round != expected) {
        return refuse_at(
            error, line,
            prizes.round < expected
                ? translate("round %d comes after round %d; the rounds must ascend")
                : translate("round %d follows round %d; the rounds between are missing"),
            prizes.round, expected - 1);
    }
    return true;
}

bool no_room_for_rounds(RecordError& error, std::int32_t line)
{
    return refuse_at(error, line, translate("more than %d rounds; this program keeps at most %d"),
                     MAX_PRIZE_ROUNDS, MAX_PRIZE_ROUNDS);
}

} // namespace

bool read_prizes_source(TextSource& source, PrizeTable& table, RecordError& error)
{
    return read_rows(source, translate("more than 1,000,000 lines; no prizes file is that long"),
                     RowReading<RoundPrizes, PrizeTable>{table, table.rounds, MAX_PRIZE_ROUNDS,
                                                         parse_prizes_line, keep_prizes,
                                                         no_room_for_rounds, true},
                     error);
}

bool read_prizes_file(const char* path, PrizeTable& table, RecordError& error)
{
    table.count = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return refuse_line(error, 0, error_text(errno));
    }
    TextSource source = stream_source(file);
    const bool ok = read_prizes_source(source, table, error);
    std::fclose(file);
    return ok;
}
