#include "player_files/file_updates.hpp"

#include "player_files/locked_update.hpp"

namespace {

// A draw to add and what the file read as.
struct DrawUpdate {
    const Draw& draw;
    DrawHistory& history;
    RecordError& error;
    AddDrawOutcome outcome;
};

UpdatePlan plan_draw(void* context, TextSource& file, TextInsertion& insertion)
{
    DrawUpdate& update = *static_cast<DrawUpdate*>(context);
    update.outcome =
        plan_draw_insertion(file, update.draw, update.history, update.error, insertion);
    switch (update.outcome) {
    case AddDrawOutcome::Added:
        return UpdatePlan::Insert;
    case AddDrawOutcome::AlreadyThere:
        return UpdatePlan::Nothing;
    case AddDrawOutcome::LineRefused:
    case AddDrawOutcome::FileRefused:
        return UpdatePlan::Refused;
    case AddDrawOutcome::Busy:
    case AddDrawOutcome::Failed:
        break;
    }
    return UpdatePlan::Failed;
}

bool reads_with_the_new_draw(const char* written, std::size_t length, void* context)
{
    const DrawUpdate& update = *static_cast<const DrawUpdate*>(context);
    static DrawHistory check;
    RecordError error{};
    TextSource source = memory_source(written, length);
    return read_draw_source(source, check, error) && check.count == update.history.count + 1;
}

struct TicketsUpdate {
    const Ticket* games;
    int count;
    TicketFile& tickets;
    RecordError& error;
    int& known_line;
    AddTicketsOutcome outcome;
};

UpdatePlan plan_tickets(void* context, TextSource& file, TextInsertion& insertion)
{
    TicketsUpdate& update = *static_cast<TicketsUpdate*>(context);
    update.outcome = plan_ticket_insertion(file, update.games, update.count, update.tickets,
                                           update.error, update.known_line, insertion);
    switch (update.outcome) {
    case AddTicketsOutcome::Added:
        return UpdatePlan::Insert;
    case AddTicketsOutcome::SlipKnown:
        return UpdatePlan::Nothing;
    case AddTicketsOutcome::FileRefused:
        return UpdatePlan::Refused;
    case AddTicketsOutcome::Busy:
    case AddTicketsOutcome::Failed:
        break;
    }
    return UpdatePlan::Failed;
}

bool reads_with_the_new_games(const char* written, std::size_t length, void* context)
{
    const TicketsUpdate& update = *static_cast<const TicketsUpdate*>(context);
    static TicketFile check;
    RecordError error{};
    TextSource source = memory_source(written, length);
    return read_ticket_source(source, check, error) &&
           check.count == update.tickets.count + update.count;
}

struct PrizesUpdate {
    const RoundPrizes& prizes;
    PrizeTable& table;
    RecordError& error;
    AddPrizesOutcome outcome;
};

UpdatePlan plan_prizes(void* context, TextSource& file, TextInsertion& insertion)
{
    PrizesUpdate& update = *static_cast<PrizesUpdate*>(context);
    update.outcome =
        plan_prizes_insertion(file, update.prizes, update.table, update.error, insertion);
    switch (update.outcome) {
    case AddPrizesOutcome::Added:
        return UpdatePlan::Insert;
    case AddPrizesOutcome::AlreadyThere:
        return UpdatePlan::Nothing;
    case AddPrizesOutcome::Disagrees:
    case AddPrizesOutcome::NotNext:
    case AddPrizesOutcome::FileRefused:
        return UpdatePlan::Refused;
    case AddPrizesOutcome::Busy:
    case AddPrizesOutcome::Failed:
        break;
    }
    return UpdatePlan::Failed;
}

bool reads_with_the_new_prizes(const char* written, std::size_t length, void* context)
{
    const PrizesUpdate& update = *static_cast<const PrizesUpdate*>(context);
    static PrizeTable check;
    RecordError error{};
    TextSource source = memory_source(written, length);
    return read_prizes_source(source, check, error) && check.count == update.table.count + 1;
}

// The plan's own outcome, unless locking or writing failed.
template <typename Outcome> Outcome outcome_of(UpdateOutcome update, Outcome planned)
{
    switch (update) {
    case UpdateOutcome::Busy:
        return Outcome::Busy;
    case UpdateOutcome::Failed:
        return Outcome::Failed;
    case UpdateOutcome::Written:
    case UpdateOutcome::Nothing:
    case UpdateOutcome::Refused:
        break;
    }
    return planned;
}

} // namespace

AddDrawOutcome add_draw_to_file(const char* path, const char* line, int wait_milliseconds,
                                DrawHistory& history, Draw& draw, RecordError& error)
{
    if (!parse_draw_to_add(line, draw, error)) {
        return AddDrawOutcome::LineRefused;
    }
    DrawUpdate update{draw, history, error, AddDrawOutcome::Failed};
    const UpdateOutcome written = update_locked(
        path, false, wait_milliseconds, LockedUpdate{plan_draw, reads_with_the_new_draw, &update});
    const AddDrawOutcome outcome = outcome_of(written, update.outcome);
    if (outcome == AddDrawOutcome::Added) {
        // The file read back with it under the lock: it is the history's next round.
        history.draws[history.count++] = draw;
    }
    return outcome;
}

AddTicketsOutcome add_tickets_to_file(const char* path, const Ticket* games, int count,
                                      int wait_milliseconds, TicketFile& tickets,
                                      RecordError& error, int& known_line)
{
    TicketsUpdate update{games, count, tickets, error, known_line, AddTicketsOutcome::Failed};
    const UpdateOutcome written =
        update_locked(path, true, wait_milliseconds,
                      LockedUpdate{plan_tickets, reads_with_the_new_games, &update});
    return outcome_of(written, update.outcome);
}

AddPrizesOutcome add_prizes_to_file(const char* path, const RoundPrizes& prizes,
                                    int wait_milliseconds, PrizeTable& table, RecordError& error)
{
    PrizesUpdate update{prizes, table, error, AddPrizesOutcome::Failed};
    const UpdateOutcome written =
        update_locked(path, true, wait_milliseconds,
                      LockedUpdate{plan_prizes, reads_with_the_new_prizes, &update});
    const AddPrizesOutcome outcome = outcome_of(written, update.outcome);
    if (outcome == AddPrizesOutcome::Added) {
        table.rounds[table.count++] = prizes;
    }
    return outcome;
}
