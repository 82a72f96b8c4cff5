#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/tickets.hpp"

LineKind parse_ticket_line(const char* text, bool first_content, Ticket& ticket, RecordError& error)
{
    Fields fields{};
    ticket = Ticket{};
    if (const LineKind kind = record_line_fields(text, first_content, fields, error);
        kind != LineKind::Draw) {
        return kind;
    }
    if (fields.count != NUMBERS_PER_SET + 1 && fields.count != NUMBERS_PER_SET + 2) {
        return invalid_line(error,
                            translate("expected the round, six numbers and the slip's code if any, "
                                      "not %d fields"),
                            fields.count);
    }
    if (!read_round(fields.field[0], ticket.round, error)) {
        return LineKind::Invalid;
    }
    for (int i = 0; i < NUMBERS_PER_SET; ++i) {
        const Field& field = fields.field[1 + i];
        if (!whole_number(field, ticket.numbers[i]) || ticket.numbers[i] < 1 ||
            ticket.numbers[i] > MAX_NUMBER) {
            return invalid_line(error, translate("'%s' is not a number from 1 to 45"),
                                quoted(field).text);
        }
    }
    std::sort(ticket.numbers.begin(), ticket.numbers.end());
    const auto repeated = std::adjacent_find(ticket.numbers.begin(), ticket.numbers.end());
    if (repeated != ticket.numbers.end()) {
        return invalid_line(error, translate("%d is chosen twice"), *repeated);
    }
    if (fields.count == NUMBERS_PER_SET + 2) {
        const Field& slip = fields.field[NUMBERS_PER_SET + 1];
        const bool digits = std::all_of(slip.text, slip.text + slip.length,
                                        [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || slip.length > MAX_SLIP_DIGITS) {
            return invalid_line(error, translate("the slip's code '%s' is not 1 to %d digits"),
                                quoted(slip).text, MAX_SLIP_DIGITS);
        }
        std::memcpy(ticket.slip, slip.text, static_cast<std::size_t>(slip.length));
        ticket.slip[slip.length] = '\0';
    }
    return LineKind::Draw;
}

void format_ticket_line(char (&out)[MAX_LINE_BYTES + 1], const Ticket& ticket)
{
    const NumberSet& n = ticket.numbers;
    const std::size_t length = format_text(out, sizeof out, "%d,%d,%d,%d,%d,%d,%d", ticket.round,
                                           n[0], n[1], n[2], n[3], n[4], n[5]);
    if (ticket.slip[0] != '\0') {
        format_text(out + length, sizeof out - length, ",%s", ticket.slip);
    }
}

bool read_ticket_file(const char* path, bool missing_is_empty, TicketFile& tickets,
                      RecordError& error)
{
    tickets.count = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return errno == ENOENT && missing_is_empty ? true
                                                   : refuse_with(error, "%s", error_text(errno));
    }
    const bool ok = read_ticket_stream(file, tickets, error);
    std::fclose(file);
    return ok;
}

namespace {

// Any game is kept, as many times as the file holds it.
bool keep_ticket(const TicketFile&, const Ticket&, std::int32_t, RecordError&)
{
    return true;
}

bool no_room_for_games(RecordError& error, std::int32_t line)
{
    return refuse_at(error, line, translate("more than %d games; this program keeps at most %d"),
                     MAX_TICKETS, MAX_TICKETS);
}

} // namespace

bool read_ticket_stream(std::FILE* file, TicketFile& tickets, RecordError& error)
{
    TextSource source = stream_source(file);
    return read_ticket_source(source, tickets, error);
}

bool read_ticket_source(TextSource& source, TicketFile& tickets, RecordError& error)
{
    return read_rows(source, translate("more than 1,000,000 lines; no tickets file is that long"),
                     RowReading<Ticket, TicketFile>{tickets, tickets.tickets, MAX_TICKETS,
                                                    parse_ticket_line, keep_ticket,
                                                    no_room_for_games, true},
                     error);
}
