// The page's prizes: the text of the prizes file the page keeps on the device, read by the
// programs' rules, and a round's prizes added to it as lotto-stats --update adds them.
#include <cstdint>

#include "prizes/prize_append.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "web/page_buffers.hpp"
#include "web/page_export.hpp"
#include "web/page_state.hpp"

PrizeTable page_prizes;

namespace {

// Ten thousand rounds at about a hundred bytes each.
constexpr std::size_t PRIZES_CAPACITY = 1 << 20;
char prizes_text[PRIZES_CAPACITY];
std::size_t prizes_length;
char prizes_name[256] = "prizes.csv";

bool read_prizes(std::size_t length, RecordError& error)
{
    error = RecordError{};
    TextSource source = memory_source(prizes_text, length);
    const bool ok = read_prizes_source(source, page_prizes, error);
    if (!ok) {
        page_prizes.count = 0;
    }
    return ok;
}

} // namespace

extern "C" {

LOTTO_PAGE_EXPORT char* lotto_prizes_buffer()
{
    return prizes_text;
}

LOTTO_PAGE_EXPORT int lotto_prizes_capacity()
{
    return static_cast<int>(PRIZES_CAPACITY);
}

LOTTO_PAGE_EXPORT char* lotto_prizes_name_buffer()
{
    return prizes_name;
}

LOTTO_PAGE_EXPORT int lotto_prizes_name_capacity()
{
    return static_cast<int>(sizeof prizes_name);
}

LOTTO_PAGE_EXPORT int lotto_prizes_length()
{
    return static_cast<int>(prizes_length);
}

// Reads the prizes in the buffer. Returns 1, or 0 with lotto_message telling why; the page
// then hands back the bytes it had before.
LOTTO_PAGE_EXPORT int lotto_use_prizes(int length)
{
    use_language(Language::Korean);
    const std::size_t given = page_length(length, PRIZES_CAPACITY);
    RecordError error{};
    if (!read_prizes(given, error)) {
        prizes_name[sizeof prizes_name - 1] = '\0';
        page_error(prizes_name, error);
        return 0;
    }
    prizes_length = given;
    return 1;
}

// The newest round the prizes hold, 0 for none.
LOTTO_PAGE_EXPORT int lotto_prizes_round()
{
    return newest_prize_round(page_prizes);
}

// What one game of `rank` won in `round`, and how many games won it: -1 where the prizes do
// not hold the round.
LOTTO_PAGE_EXPORT double lotto_round_prize(int round, int rank)
{
    const RoundPrizes* paid = prizes_of_round(page_prizes, round);
    return paid != nullptr && rank >= 1 && rank <= RANKS
               ? static_cast<double>(paid->division[rank - 1].prize)
               : -1;
}

LOTTO_PAGE_EXPORT double lotto_round_winners(int round, int rank)
{
    const RoundPrizes* paid = prizes_of_round(page_prizes, round);
    return paid != nullptr && rank >= 1 && rank <= RANKS
               ? static_cast<double>(paid->division[rank - 1].winners)
               : -1;
}

// Adds the prizes row in the line buffer (a row of the prizes file) as lotto-stats --update
// adds a round's prizes. Returns 0 added, 1 there as given, 2 refused (lotto_message says
// why), 3 the prizes do not read, 4 no room, 5 the prizes hold the round with other
// figures, 6 not the round after the newest.
LOTTO_PAGE_EXPORT int lotto_add_prizes()
{
    use_language(Language::Korean);
    page_line[PAGE_LINE_CAPACITY - 1] = '\0';
    RoundPrizes prizes{};
    RecordError error{};
    // A row is read by the file's own rules, which include holding together.
    if (parse_prizes_line(page_line, false, prizes, error) != LineKind::Draw) {
        format_text(page_message, sizeof page_message, "%s",
                    error.message[0] != '\0' ? error.message : translate("not a row of prizes"));
        return 2;
    }
    static TextInsertion insertion;
    TextSource source = memory_source(prizes_text, prizes_length);
    switch (plan_prizes_insertion(source, prizes, page_prizes, error, insertion)) {
    case AddPrizesOutcome::Added:
        break;
    case AddPrizesOutcome::AlreadyThere:
        return 1;
    case AddPrizesOutcome::Disagrees:
        page_error(prizes_name, error);
        return 5;
    case AddPrizesOutcome::NotNext:
        page_error(prizes_name, error);
        return 6;
    case AddPrizesOutcome::FileRefused:
        page_error(prizes_name, error);
        return 3;
    case AddPrizesOutcome::Busy:
    case AddPrizesOutcome::Failed:
        return 4;
    }
    if (!insert_text(prizes_text, prizes_length, PRIZES_CAPACITY, insertion)) {
        return 4;
    }
    read_prizes(prizes_length, error); // reads: the same rules allowed the row
    return 0;
}
}
