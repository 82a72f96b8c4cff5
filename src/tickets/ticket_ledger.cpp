#include "tickets/ticket_ledger.hpp"

#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "lottery/lottery_calendar.hpp"

namespace {

constexpr std::int32_t FIRST_YEAR = 2002;
constexpr std::int32_t FIRST_MONTH = 12;

// The date a round is drawn on: the history's, else its Saturday.
std::int32_t draw_date(std::int32_t round, const DrawHistory& history)
{
    if (history.count > 0 && round >= history.draws[0].round &&
        round <= history.draws[history.count - 1].round) {
        const Draw& draw = history.draws[round - history.draws[0].round];
        if (draw.date != 0) {
            return draw.date;
        }
    }
    return draw_date_of_round(round);
}

// A month's place from December 2002, or -1 outside the ledger's room.
int month_index(std::int32_t month)
{
    const int index = (month / 100 - FIRST_YEAR) * 12 + month % 100 - FIRST_MONTH;
    return index >= 0 && index < MAX_LEDGER_MONTHS ? index : -1;
}

// What a round paid out in all over what its tickets sold; the prizes' row where it is
// known and tells (sales above 0), else null.
const RoundPrizes* known_prizes(const Ticket& ticket, const TicketResult& result,
                                const CheckBasis& basis)
{
    if (result.state != GameState::Drawn || basis.prizes == nullptr) {
        return nullptr;
    }
    const RoundPrizes* paid = prizes_of_round(*basis.prizes, ticket.round);
    return paid != nullptr && paid->sales > 0 ? paid : nullptr;
}

double paid_out(const RoundPrizes& paid)
{
    double sum = 0;
    for (const Division& division : paid.division) {
        sum += static_cast<double>(division.prize) * static_cast<double>(division.winners);
    }
    return sum;
}

void add_game(LedgerMonth& month, std::int64_t price, const RoundPrizes* paid,
              const TicketResult& result)
{
    ++month.games;
    month.spent += price;
    if (paid == nullptr) {
        ++month.unknown;
        return;
    }
    month.known_spent += price;
    month.won += result.prize > 0 ? result.prize : 0;
    month.average_return +=
        paid_out(*paid) * static_cast<double>(price) / static_cast<double>(paid->sales);
}

} // namespace

std::int32_t ledger_month(std::int32_t round, const DrawHistory& history)
{
    const std::int32_t month = draw_date(round, history) / 100;
    // A history's date outside the ledger's years: the round's Saturday.
    return month_index(month) >= 0 ? month : draw_date_of_round(round) / 100;
}

std::int64_t ledger_won(double amount)
{
    return static_cast<std::int64_t>(std::floor(amount + 0.5));
}

void build_ledger(const TicketFile& tickets, const CheckBasis& basis, Ledger& ledger)
{
    // Every month's place first, then the months with games in order.
    static LedgerMonth by_month[MAX_LEDGER_MONTHS];
    for (LedgerMonth& month : by_month) {
        month = LedgerMonth{};
    }
    ledger.count = 0;
    ledger.total = LedgerMonth{};
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        const std::int32_t month = ledger_month(ticket.round, basis.history);
        const int index = month_index(month);
        if (index < 0) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, basis);
        const RoundPrizes* paid = known_prizes(ticket, result, basis);
        const std::int64_t price = game_price(ticket.round);
        by_month[index].month = month;
        add_game(by_month[index], price, paid, result);
        add_game(ledger.total, price, paid, result);
    }
    for (const LedgerMonth& month : by_month) {
        if (month.games > 0) {
            ledger.months[ledger.count++] = month;
        }
    }
}

LedgerRow ledger_csv_row(const LedgerMonth& month)
{
    char name[16];
    if (month.month == 0) {
        std::snprintf(name, sizeof name, "total");
    } else {
        std::snprintf(name, sizeof name, "%04d-%02d", static_cast<int>(month.month / 100),
                      static_cast<int>(month.month % 100));
    }
    LedgerRow row{};
    std::snprintf(row.text, sizeof row.text,
                  "%s,%" PRId64 ",%" PRId64 ",%" PRId64 ",%" PRId64 ",%" PRId64 "\n", name,
                  month.games, month.spent, month.won, ledger_won(month.average_return),
                  month.unknown);
    return row;
}
