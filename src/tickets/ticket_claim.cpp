#include "tickets/ticket_claim.hpp"

#include "lottery/lottery_calendar.hpp"
#include "text/number_words.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

ClaimLine claim_line(const Ticket& ticket, const TicketResult& result)
{
    const DayText last_day = day_text(last_claim_day(ticket.round));
    ClaimLine line{};
    if (result.prize > 0) {
        format_text(line.text, sizeof line.text,
                    translate("after tax about %s won (an estimate); claim by %s"),
                    with_thousands(after_tax_estimate(result.prize)).text, last_day.text);
    } else {
        format_text(line.text, sizeof line.text, translate("claim by %s"), last_day.text);
    }
    return line;
}
