// The page's tickets: the text the page keeps on the device, in the tickets format of the
// programs, the games added to it as lotto-stats --add-ticket adds them to a file, and each
// game's result against the page's history.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "generation/prediction_table.hpp"
#include "lottery/lottery_calendar.hpp"
#include "page_interface/page_buffers.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "page_interface/page_state.hpp"
#include "page_interface/page_tickets.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/slip_code.hpp"
#include "tickets/ticket_append.hpp"
#include "tickets/ticket_check.hpp"
#include "tickets/ticket_claim.hpp"
#include "tickets/ticket_ledger.hpp"
#include "tickets/ticket_summary.hpp"

char tickets_text[TICKETS_CAPACITY];
std::size_t tickets_length;
char tickets_name[256] = "tickets.csv";
TicketFile tickets;

namespace {

// Every month of the ledger's room, a row each, and the header and the total.
constexpr std::size_t LEDGER_CSV_CAPACITY = (MAX_LEDGER_MONTHS + 2) * sizeof(LedgerRow::text);

// `text` after the first `length` bytes of `out`, cut to fit; the new length.
std::size_t copy_text(char* out, std::size_t size, std::size_t length, const char* text)
{
    const int written = std::snprintf(out + length, size - length, "%s", text);
    return written < 0 ? length : std::min(size - 1, length + static_cast<std::size_t>(written));
}

TicketSummary summary;
std::int32_t added_ticket_round;

// The moment the page last gave, which tells a game whose round is still on sale from one
// whose draw is not in the history yet.
std::int64_t page_now;

// The page checks games as lotto-stats --check does: its history, its prizes, its clock.
CheckBasis page_basis()
{
    return CheckBasis{page_history, &page_prizes, page_now};
}

const Ticket* ticket_at(int index)
{
    return index >= 0 && index < tickets.count ? &tickets.tickets[index] : nullptr;
}

// The tickets not reading say why in lotto_message.
AddTicketCode add_games(const Ticket* games, int count)
{
    RecordError error{};
    int known_line = 0;
    static TextInsertion insertion;
    AddTicketsOutcome outcome = AddTicketsOutcome::Failed;
    TextSource source = memory_source(tickets_text, tickets_length);
    outcome = plan_ticket_insertion(source, games, count, tickets, error, known_line, insertion);
    switch (outcome) {
    case AddTicketsOutcome::Added:
        break;
    case AddTicketsOutcome::SlipKnown:
        return AddTicketCode::SlipKnown;
    case AddTicketsOutcome::FileRefused:
        page_error(tickets_name, error);
        return AddTicketCode::FileRefused;
    case AddTicketsOutcome::Busy:
    case AddTicketsOutcome::Failed:
        return AddTicketCode::NoRoom;
    }
    if (!insert_text(tickets_text, tickets_length, TICKETS_CAPACITY, insertion)) {
        return AddTicketCode::NoRoom;
    }
    read_tickets(tickets_length, error); // reads: the games were written by its rules
    return AddTicketCode::Added;
}

} // namespace

bool read_tickets(std::size_t length, RecordError& error)
{
    error = RecordError{};
    TextSource source = memory_source(tickets_text, length);
    return read_ticket_source(source, tickets, error);
}

extern "C" {

// Where the page puts the file's text, and its name, before lotto_use_tickets.
LOTTO_PAGE_FILE(tickets, tickets_text, TICKETS_CAPACITY, tickets_name, tickets_length)

// Reads the tickets in the buffer. Returns 1, or 0 with lotto_message telling why; the page
// then hands back the bytes it had before.
LOTTO_PAGE_EXPORT int lotto_use_tickets(int length)
{
    return use_page_file(length, TICKETS_CAPACITY, tickets_name, sizeof tickets_name,
                         tickets_length, read_tickets);
}

// Why the last thing asked was refused.
LOTTO_PAGE_EXPORT const char* lotto_message()
{
    return page_message;
}

// The line buffer's game: a line of the tickets format, or a slip's QR code.
LOTTO_PAGE_EXPORT int lotto_add_ticket()
{
    take_page_line();
    SlipGames games{};
    RecordError error{};
    if (!read_games_to_add(page_line, games, error)) {
        page_says(error.message);
        return page_code(AddTicketCode::Refused);
    }
    added_ticket_round = games.games[0].round;
    return page_code(add_games(games.games, games.count));
}

// The round of the game or slip lotto_add_ticket added last.
LOTTO_PAGE_EXPORT int lotto_added_ticket_round()
{
    return added_ticket_round;
}

// Keeps the five sets of the prediction as games of the round on sale at `unix_seconds`.
LOTTO_PAGE_EXPORT int lotto_save_sets(double unix_seconds)
{
    Ticket games[SET_COUNT] = {};
    const std::int32_t round = round_on_sale(static_cast<std::int64_t>(unix_seconds));
    for (int i = 0; i < SET_COUNT; ++i) {
        games[i].round = round;
        games[i].numbers = prediction_table.sets[i];
    }
    return page_code(add_games(games, SET_COUNT));
}

LOTTO_PAGE_EXPORT int lotto_round_on_sale(double unix_seconds)
{
    return round_on_sale(static_cast<std::int64_t>(unix_seconds));
}

// YYYYMMDD of the Saturday the round is drawn on.
LOTTO_PAGE_EXPORT int lotto_draw_date_of_round(int round)
{
    return draw_date_of_round(round);
}

// Takes a game out, its line with it, every other byte kept. Returns 1, or 0 for no such
// game.
LOTTO_PAGE_EXPORT int lotto_remove_ticket(int index)
{
    const Ticket* ticket = ticket_at(index);
    RecordError error{};
    if (ticket == nullptr || !remove_text_line(tickets_text, tickets_length, ticket->line)) {
        return 0;
    }
    read_tickets(tickets_length, error);
    return 1;
}

// The games in file order: round, numbers ascending, slip, and the result against the
// page's history (rank -1 before the draw, 0 no prize).
LOTTO_PAGE_EXPORT int lotto_ticket_count()
{
    return tickets.count;
}

LOTTO_PAGE_EXPORT int lotto_ticket_round(int index)
{
    const Ticket* ticket = ticket_at(index);
    return ticket != nullptr ? ticket->round : 0;
}

LOTTO_PAGE_EXPORT int lotto_ticket_number(int index, int position)
{
    const Ticket* ticket = ticket_at(index);
    return ticket != nullptr && position >= 0 && position < NUMBERS_PER_SET
               ? ticket->numbers[static_cast<std::size_t>(position)]
               : 0;
}

LOTTO_PAGE_EXPORT const char* lotto_ticket_slip(int index)
{
    const Ticket* ticket = ticket_at(index);
    return ticket != nullptr ? ticket->slip : "";
}

LOTTO_PAGE_EXPORT int lotto_ticket_rank(int index)
{
    const Ticket* ticket = ticket_at(index);
    if (ticket == nullptr) {
        return -1;
    }
    return result_row(check_ticket(*ticket, page_basis()));
}

LOTTO_PAGE_EXPORT int lotto_ticket_matched(int index, int position)
{
    const Ticket* ticket = ticket_at(index);
    return ticket != nullptr && position >= 0 && position < NUMBERS_PER_SET &&
                   check_ticket(*ticket, page_basis()).is_matched[position]
               ? 1
               : 0;
}

// What the game won in won: 0 for no prize, -1 where it is not drawn or the amount is not
// known.
LOTTO_PAGE_EXPORT double lotto_ticket_prize(int index)
{
    const Ticket* ticket = ticket_at(index);
    if (ticket == nullptr) {
        return -1;
    }
    const TicketResult result = check_ticket(*ticket, page_basis());
    return result.state == GameState::Drawn ? static_cast<double>(result.prize) : -1;
}

// Under a winning game, as lotto-stats --check says it: what is left after tax, where the
// amount is known, and the last day to claim it; empty for any other game.
LOTTO_PAGE_EXPORT const char* lotto_ticket_claim(int index)
{
    use_language(Language::Korean);
    // Its own buffer: the page's message of an earlier refusal stays readable.
    static ClaimLine claim;
    claim = ClaimLine{};
    const Ticket* ticket = ticket_at(index);
    if (ticket != nullptr) {
        const TicketResult result = check_ticket(*ticket, page_basis());
        if (result.state == GameState::Drawn && result.rank > 0) {
            claim = claim_line(*ticket, result);
        }
    }
    return claim.text;
}

// The moment the games are checked at, in seconds since 1970.
LOTTO_PAGE_EXPORT void lotto_set_clock(double unix_seconds)
{
    page_now = static_cast<std::int64_t>(unix_seconds);
}

// The newest round drawn, or being drawn, at that moment: the one before the round on sale.
LOTTO_PAGE_EXPORT int lotto_drawn_round()
{
    return round_on_sale(page_now) - 1;
}

// The date in Korea at that moment, YYYYMMDD.
LOTTO_PAGE_EXPORT int lotto_korean_date()
{
    return korean_date(page_now);
}

// The summary of every game, as lotto-stats --check gives it: call lotto_summarize_tickets
// first.
LOTTO_PAGE_EXPORT void lotto_summarize_tickets()
{
    summary = summarize_tickets(tickets, page_basis(), 0);
}

LOTTO_PAGE_EXPORT double lotto_summary_games()
{
    return static_cast<double>(summary.games);
}

LOTTO_PAGE_EXPORT double lotto_summary_spent()
{
    return static_cast<double>(summary.spent);
}

LOTTO_PAGE_EXPORT double lotto_summary_won()
{
    return static_cast<double>(summary.won);
}

LOTTO_PAGE_EXPORT double lotto_summary_prizes_not_known()
{
    return static_cast<double>(summary.prizes_not_known);
}

LOTTO_PAGE_EXPORT double lotto_summary_count(int row)
{
    return row >= 0 && row < RESULT_ROWS ? static_cast<double>(summary.by_result[row]) : 0;
}

LOTTO_PAGE_EXPORT const char* lotto_result_name(int row)
{
    use_language(Language::Korean);
    return ticket_result_name(row);
}

LOTTO_PAGE_EXPORT const char* lotto_pool_prizes_note()
{
    use_language(Language::Korean);
    return pool_prizes_note();
}

// The player's ledger by the clock lotto_set_clock gave, as lotto-stats --ledger --csv
// writes it for the page's files: the page reads its figures from these bytes and offers
// them as ledger.csv.
LOTTO_PAGE_EXPORT const char* lotto_ledger_csv()
{
    static Ledger ledger;
    static char csv[LEDGER_CSV_CAPACITY];
    build_ledger(tickets, page_basis(), ledger);
    std::size_t length = copy_text(csv, sizeof csv, 0, LEDGER_CSV_HEADER);
    for (int i = 0; i < ledger.count; ++i) {
        length = copy_text(csv, sizeof csv, length, ledger_csv_row(ledger.months[i]).text);
    }
    copy_text(csv, sizeof csv, length, ledger_csv_row(ledger.total).text);
    return csv;
}

// The month (YYYYMM) the ledger puts the games of `round` in.
LOTTO_PAGE_EXPORT int lotto_ledger_month(int round)
{
    return ledger_month(round, page_history);
}

// What one game of `round` costs, in won.
LOTTO_PAGE_EXPORT double lotto_game_price(int round)
{
    return static_cast<double>(game_price(round));
}
}
