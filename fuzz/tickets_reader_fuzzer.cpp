// Feeds arbitrary bytes to the tickets reader and, as one line, to the reader of a slip's
// QR code. Beyond not crashing: every game accepted is one a player could have bought
// (a round from 1, six distinct ascending numbers from 1 to 45, a slip code of digits);
// the same file with CRLF line ends gets the same answer; accepted tickets written out read
// back the same; and every message is valid UTF-8 without a control byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_promise.hpp"
#include "tickets/slip_code.hpp"
#include "tickets/tickets.hpp"
#include "visible_text.hpp"

namespace {

struct Reading {
    bool ok;
    RecordError error;
};

Reading read_bytes(const std::string& bytes, TicketFile& tickets)
{
    Reading reading{};
    std::FILE* file = open_bytes(bytes);
    reading.ok = read_ticket_stream(file, tickets, reading.error);
    std::fclose(file);
    return reading;
}

void require_valid(const Ticket& ticket)
{
    require(ticket.round >= 1, "a round from 1");
    for (int i = 0; i < NUMBERS_PER_SET; ++i) {
        require(ticket.numbers[i] >= 1 && ticket.numbers[i] <= MAX_NUMBER, "numbers 1 to 45");
        require(i == 0 || ticket.numbers[i - 1] < ticket.numbers[i], "distinct, ascending");
    }
    const std::size_t digits = std::strlen(ticket.slip);
    require(digits <= MAX_SLIP_DIGITS, "a slip code fits");
    require(std::strspn(ticket.slip, "0123456789") == digits, "a slip code is digits");
}

bool same_tickets(const TicketFile& a, const TicketFile& b)
{
    if (a.count != b.count) {
        return false;
    }
    for (int i = 0; i < a.count; ++i) {
        if (a.tickets[i].round != b.tickets[i].round ||
            a.tickets[i].numbers != b.tickets[i].numbers ||
            std::strcmp(a.tickets[i].slip, b.tickets[i].slip) != 0) {
            return false;
        }
    }
    return true;
}

std::string written_out(const TicketFile& tickets)
{
    std::string text = "round,n1,n2,n3,n4,n5,n6,slip\n";
    for (int i = 0; i < tickets.count; ++i) {
        char line[MAX_LINE_BYTES + 1];
        format_ticket_line(line, tickets.tickets[i]);
        text += line;
        text += '\n';
    }
    return text;
}

TicketFile first;
TicketFile second;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Reading reading = read_bytes(bytes, first);
    if (reading.ok) {
        for (int i = 0; i < first.count; ++i) {
            require_valid(first.tickets[i]);
        }
        const Reading again = read_bytes(written_out(first), second);
        require(again.ok && same_tickets(first, second), "tickets written out read back");
    } else {
        require(is_visible_text(reading.error.message), "messages are safe to show");
    }
    const Reading crlf = read_bytes(with_crlf(bytes), second);
    require(crlf.ok == reading.ok, "CRLF gives the same verdict");
    require(!reading.ok || same_tickets(first, second), "CRLF gives the same tickets");

    SlipGames slip{};
    RecordError error{};
    if (read_slip_code(bytes.c_str(), slip, error)) {
        require(slip.count >= 1 && slip.count <= SLIP_SLOTS, "one to five games a slip");
        for (int i = 0; i < slip.count; ++i) {
            require_valid(slip.games[i]);
            require(slip.games[i].round == slip.games[0].round, "one round a slip");
        }
    } else {
        require(slip.count == 0, "a slip that does not read gives no game");
        require(is_visible_text(error.message), "slip messages are safe to show");
    }
    return 0;
}
