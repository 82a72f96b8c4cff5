// The page's import of a tickets file: its games added to the device's, which keep every
// game they hold, decided for a decade of games at once.
#include <cstdint>
#include <cstring>

#include "page_interface/page_buffers.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "page_interface/page_tickets.hpp"
#include "records/text_insertion.hpp"
#include "tickets/slip_code.hpp"
#include "tickets/ticket_append.hpp"

namespace {

// A tickets file picked for import, read beside the device's.
char import_text[TICKETS_CAPACITY];
TicketFile imported;
int import_added;
int import_known;

bool same_game(const Ticket& a, const Ticket& b)
{
    return a.round == b.round && a.numbers == b.numbers && std::strcmp(a.slip, b.slip) == 0;
}

// The games counted by what they are, in a table found by a hash, so that an import looks
// each game up once instead of counting it against both files: a decade of games imports
// at once. A game without a slip counts by its round and numbers, a slip by its code.
struct GameCount {
    const Ticket* game; // the first game of its kind, from either file
    int held;           // how many the device holds (a slip: 1 once held)
    int seen;           // how many of the file's were looked at
};
constexpr std::uint32_t COUNT_SLOTS = 1U << 18; // more than the games of both files
GameCount counts[COUNT_SLOTS];

GameCount& count_of(const Ticket& game, bool by_slip)
{
    std::uint32_t hash = 2'166'136'261U;
    const auto mix = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16'777'619U; };
    if (!by_slip) {
        mix(static_cast<std::uint32_t>(game.round));
        for (const std::int32_t number : game.numbers) {
            mix(static_cast<std::uint32_t>(number));
        }
    }
    for (const char* digit = game.slip; *digit != '\0'; ++digit) {
        mix(static_cast<unsigned char>(*digit));
    }
    for (std::uint32_t slot = hash;; ++slot) {
        GameCount& entry = counts[slot % COUNT_SLOTS];
        if (entry.game == nullptr) {
            entry = GameCount{&game, 0, 0};
            return entry;
        }
        if (by_slip ? std::strcmp(entry.game->slip, game.slip) == 0
                    : same_game(*entry.game, game)) {
            return entry;
        }
    }
}

// How many games follow the one at `i` on its slip, at most a slip's five.
int slip_run(int i)
{
    const Ticket& game = imported.tickets[i];
    int games = 1;
    while (i + games < imported.count && games < SLIP_SLOTS &&
           imported.tickets[i + games].round == game.round &&
           std::strcmp(imported.tickets[i + games].slip, game.slip) == 0) {
        ++games;
    }
    return games;
}

// Adds the imported games the device does not hold: a slip's games together, unless the
// device keeps the slip; a game without a slip as many more times as the file holds it
// beyond the device. The games go at the end of the device's text as they come, the text
// read once after: Added when every game was looked at.
AddTicketCode import_games()
{
    RecordError error{};
    TextSource device = memory_source(tickets_text, tickets_length);
    if (!read_ticket_source(device, tickets, error)) {
        page_error(tickets_name, error);
        return AddTicketCode::FileRefused;
    }
    std::memset(counts, 0, sizeof counts);
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& game = tickets.tickets[i];
        GameCount& count = count_of(game, game.slip[0] != '\0');
        count.held = game.slip[0] != '\0' ? 1 : count.held + 1;
    }
    static TextInsertion insertion;
    const char* line_end = begin_insertion_at_end(device, TICKETS_HEADER, insertion);
    int held = tickets.count;
    AddTicketCode outcome = AddTicketCode::Added;
    for (int i = 0; i < imported.count && outcome == AddTicketCode::Added;) {
        const Ticket& game = imported.tickets[i];
        const bool slip = game.slip[0] != '\0';
        const int games = slip ? slip_run(i) : 1;
        GameCount& count = count_of(game, slip);
        count.seen += slip ? 0 : 1;
        const bool known = slip ? count.held > 0 : count.seen <= count.held;
        if (known) {
            import_known += games;
        } else if (held + games > MAX_TICKETS) {
            outcome = AddTicketCode::NoRoom;
        } else {
            for (int j = i; j < i + games; ++j) {
                char line[MAX_LINE_BYTES + 1];
                format_ticket_line(line, imported.tickets[j]);
                add_line(insertion, line, line_end);
            }
            insertion.at = static_cast<long>(tickets_length);
            if (!insert_text(tickets_text, tickets_length, TICKETS_CAPACITY, insertion)) {
                outcome = AddTicketCode::NoRoom;
            } else {
                import_added += games;
                held += games;
                count.held = slip ? 1 : count.held; // the device holds the slip now
            }
            insertion.text[0] = '\0';
        }
        i += games;
    }
    if (import_added > 0) {
        read_tickets(tickets_length, error); // reads: the games were written by its rules
    }
    return outcome;
}

} // namespace

extern "C" {

LOTTO_PAGE_EXPORT char* lotto_import_buffer()
{
    return import_text;
}

LOTTO_PAGE_EXPORT int lotto_import_capacity()
{
    return static_cast<int>(TICKETS_CAPACITY);
}

// Imports the tickets file of `length` bytes in the import buffer, named by the line
// buffer: its games are added to the device's, which keep every game they hold. An
// AddTicketCode: added (lotto_import_added and lotto_import_known say how many), refused
// (the file does not read) or file refused (the device's does not), which lotto_message
// explains, or no room left.
LOTTO_PAGE_EXPORT int lotto_import_tickets(int length)
{
    take_page_line();
    import_added = 0;
    import_known = 0;
    TextSource source = memory_source(import_text, page_length(length, TICKETS_CAPACITY));
    RecordError error{};
    if (!read_ticket_source(source, imported, error)) {
        page_error(page_line, error);
        return page_code(AddTicketCode::Refused);
    }
    return page_code(import_games());
}

LOTTO_PAGE_EXPORT int lotto_import_added()
{
    return import_added;
}

LOTTO_PAGE_EXPORT int lotto_import_known()
{
    return import_known;
}
}
