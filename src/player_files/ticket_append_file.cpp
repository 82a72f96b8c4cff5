#include <cstdio>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "tickets/ticket_append.hpp"

namespace {

int expected_count;

bool reads_with_the_new_games(std::FILE* written)
{
    static TicketFile check;
    RecordError error{};
    return read_ticket_stream(written, check, error) && check.count == expected_count;
}

} // namespace

AddTicketsOutcome add_tickets_to_file(const char* path, const Ticket* games, int count,
                                      int wait_milliseconds, TicketFile& tickets,
                                      RecordError& error, int& known_line)
{
    LockedFile file{};
    switch (open_locked(path, true, wait_milliseconds, file)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return AddTicketsOutcome::Busy;
    case LockOutcome::Failed:
        return AddTicketsOutcome::Failed;
    }
    static TextInsertion insertion;
    AddTicketsOutcome outcome =
        plan_ticket_insertion(file.stream, games, count, tickets, error, known_line, insertion);
    if (outcome == AddTicketsOutcome::Added) {
        expected_count = tickets.count + count;
        std::FILE* old = file.stream;
        file.stream = nullptr; // closed by the replacement
        if (!replace_with_insertion(path, old, insertion.at, insertion.text,
                                    reads_with_the_new_games)) {
            outcome = AddTicketsOutcome::Failed;
        }
    }
    close_locked(file);
    return outcome;
}
