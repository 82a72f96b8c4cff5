#include "tickets/ticket_append.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/text_format.hpp"
#include "tickets/slip_code.hpp"

AddTicketsOutcome plan_ticket_insertion(TextSource& source, const Ticket* games, int count,
                                        TicketFile& tickets, RecordError& error, int& known_line,
                                        TextInsertion& insertion)
{
    error = RecordError{};
    known_line = 0;
    insertion = TextInsertion{};
    if (!read_ticket_source(source, tickets, error)) {
        return AddTicketsOutcome::FileRefused;
    }
    for (int i = 0; i < tickets.count && count > 0 && games[0].slip[0] != '\0'; ++i) {
        if (std::strcmp(tickets.tickets[i].slip, games[0].slip) == 0) {
            known_line = tickets.tickets[i].line;
            return AddTicketsOutcome::SlipKnown;
        }
    }
    if (count > SLIP_SLOTS || tickets.count + count > MAX_TICKETS) {
        errno = EFBIG;
        return AddTicketsOutcome::Failed;
    }
    const char* line_end = begin_insertion_at_end(source, TICKETS_HEADER, insertion);
    for (int i = 0; i < count; ++i) {
        char line[MAX_LINE_BYTES + 1];
        format_ticket_line(line, games[i]);
        add_line(insertion, line, line_end);
    }
    return AddTicketsOutcome::Added;
}
