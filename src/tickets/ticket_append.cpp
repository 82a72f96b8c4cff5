#include "tickets/ticket_append.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/text_format.hpp"
#include "tickets/slip_code.hpp"

namespace {

constexpr char HEADER[] = "round,n1,n2,n3,n4,n5,n6,slip";

// How the file ends and which line end it uses, so that the games follow in its style.
struct FileEnding {
    long size;
    bool ends_with_line_end;
    const char* line_end;
};

FileEnding ending_of(TextSource& source)
{
    FileEnding ending{0, true, "\n"};
    bool line_end_seen = false;
    int previous = EOF;
    source.rewind();
    for (int c = source.take(); c != EOF; previous = c, c = source.take()) {
        ++ending.size;
        if (!line_end_seen && c == '\n') {
            ending.line_end = previous == '\r' ? "\r\n" : "\n";
            line_end_seen = true;
        } else if (!line_end_seen && previous == '\r') {
            ending.line_end = "\r";
            line_end_seen = true;
        }
    }
    ending.ends_with_line_end = ending.size == 0 || previous == '\n' || previous == '\r';
    return ending;
}

} // namespace

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
    const FileEnding ending = ending_of(source);
    std::size_t length = 0;
    char* text = insertion.text;
    const std::size_t size = sizeof insertion.text;
    if (ending.size == 0) {
        length += format_text(text, size, "%s%s", HEADER, ending.line_end);
    } else if (!ending.ends_with_line_end) {
        length += format_text(text, size, "%s", ending.line_end);
    }
    for (int i = 0; i < count; ++i) {
        char line[MAX_LINE_BYTES + 1];
        format_ticket_line(line, games[i]);
        length += format_text(text + length, size - length, "%s%s", line, ending.line_end);
    }
    insertion.at = ending.size;
    return AddTicketsOutcome::Added;
}
