#include "tickets/ticket_claim.hpp"

#include "lottery/lottery_calendar.hpp"
#include "text/number_words.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

ClaimLine claim_line(const Ticket& ticket, const TicketResult& result)
{
    const std::int32_t day = last_claim_day(ticket.round);
    char last_day[16];
    format_text(last_day, sizeof last_day, "%04d-%02d-%02d", day / 10'000, day / 100 % 100,
                day % 100);
    ClaimLine line{};
    if (result.prize > 0) {
        format_text(line.text, sizeof line.text,
                    translate("after tax about %s won (an estimate); claim by %s"),
                    with_thousands(after_tax_estimate(result.prize)).text, last_day);
    } else {
        format_text(line.text, sizeof line.text, translate("claim by %s"), last_day);
    }
    return line;
}
