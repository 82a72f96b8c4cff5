#include "tickets/ticket_append.hpp"

#include <cerrno>
#include <cstring>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "text/text_format.hpp"

namespace {

constexpr char HEADER[] = "round,n1,n2,n3,n4,n5,n6,slip";

// How the file ends and which line end it uses, so that the games follow in its style.
struct FileEnding {
    long size;
    bool ends_with_line_end;
    const char* line_end;
};

FileEnding ending_of(std::FILE* file)
{
    FileEnding ending{0, true, "\n"};
    bool line_end_seen = false;
    int previous = EOF;
    std::fseek(file, 0, SEEK_SET);
    for (int c = std::getc(file); c != EOF; previous = c, c = std::getc(file)) {
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

int expected_count;

bool reads_with_the_new_games(std::FILE* written)
{
    static TicketFile check;
    HistoryError error{};
    return read_ticket_stream(written, check, error) && check.count == expected_count;
}

} // namespace

AddTicketsOutcome add_tickets_to_file(const char* path, const Ticket* games, int count,
                                      int wait_milliseconds, TicketFile& tickets,
                                      HistoryError& error, int& known_line)
{
    error = HistoryError{};
    known_line = 0;
    LockedFile file{};
    switch (open_locked(path, true, wait_milliseconds, file)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return AddTicketsOutcome::Busy;
    case LockOutcome::Failed:
        return AddTicketsOutcome::Failed;
    }
    AddTicketsOutcome outcome = AddTicketsOutcome::Failed;
    if (!read_ticket_stream(file.stream, tickets, error)) {
        outcome = AddTicketsOutcome::FileRefused;
    } else {
        for (int i = 0; i < tickets.count && count > 0 && games[0].slip[0] != '\0'; ++i) {
            if (std::strcmp(tickets.tickets[i].slip, games[0].slip) == 0) {
                known_line = tickets.tickets[i].line;
                break;
            }
        }
        if (known_line != 0) {
            outcome = AddTicketsOutcome::SlipKnown;
        } else if (tickets.count + count > MAX_TICKETS) {
            errno = EFBIG;
        } else {
            const FileEnding ending = ending_of(file.stream);
            char text[(MAX_LINE_BYTES + 4) * 6];
            std::size_t length = 0;
            if (ending.size == 0) {
                length += format_text(text, sizeof text, "%s%s", HEADER, ending.line_end);
            } else if (!ending.ends_with_line_end) {
                length += format_text(text, sizeof text, "%s", ending.line_end);
            }
            for (int i = 0; i < count; ++i) {
                char line[MAX_LINE_BYTES + 1];
                format_ticket_line(line, games[i]);
                length +=
                    format_text(text + length, sizeof text - length, "%s%s", line, ending.line_end);
            }
            expected_count = tickets.count + count;
            std::FILE* old = file.stream;
            file.stream = nullptr; // closed by the replacement
            outcome = replace_with_insertion(path, old, ending.size, text, reads_with_the_new_games)
                          ? AddTicketsOutcome::Added
                          : AddTicketsOutcome::Failed;
        }
    }
    close_locked(file);
    return outcome;
}
