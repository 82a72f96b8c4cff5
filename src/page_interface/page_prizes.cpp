// The page's prizes: the text of the prizes file the page keeps on the device, read by the
// programs' rules, and a round's prizes added to it as lotto-stats --update adds them.
#include <cstdint>

#include "page_interface/page_buffers.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "page_interface/page_state.hpp"
#include "prizes/prize_append.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

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

// Where the page puts the file's text, and its name, before lotto_use_prizes.
LOTTO_PAGE_FILE(prizes, prizes_text, PRIZES_CAPACITY, prizes_name, prizes_length)

// Reads the prizes in the buffer. Returns 1, or 0 with lotto_message telling why; the page
// then hands back the bytes it had before.
LOTTO_PAGE_EXPORT int lotto_use_prizes(int length)
{
    return use_page_file(length, PRIZES_CAPACITY, prizes_name, sizeof prizes_name, prizes_length,
                         read_prizes);
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

// What a round's tickets sold in all, in won: -1 where the prizes do not hold the round.
LOTTO_PAGE_EXPORT double lotto_round_sales(int round)
{
    const RoundPrizes* paid = prizes_of_round(page_prizes, round);
    return paid != nullptr ? static_cast<double>(paid->sales) : -1;
}

// Adds the prizes row in the line buffer (a row of the prizes file) as lotto-stats --update
// adds a round's prizes. An AddPrizesCode; all but added, there as given and no room say
// why in lotto_message.
LOTTO_PAGE_EXPORT int lotto_add_prizes()
{
    take_page_line();
    RoundPrizes prizes{};
    RecordError error{};
    // A row is read by the file's own rules, which include holding together.
    if (parse_prizes_line(page_line, false, prizes, error) != LineKind::Draw) {
        format_text(page_message, sizeof page_message, "%s",
                    error.message[0] != '\0' ? error.message : translate("not a row of prizes"));
        return page_code(AddPrizesCode::Refused);
    }
    static TextInsertion insertion;
    TextSource source = memory_source(prizes_text, prizes_length);
    switch (plan_prizes_insertion(source, prizes, page_prizes, error, insertion)) {
    case AddPrizesOutcome::Added:
        break;
    case AddPrizesOutcome::AlreadyThere:
        return page_code(AddPrizesCode::AlreadyThere);
    case AddPrizesOutcome::Disagrees:
        page_error(prizes_name, error);
        return page_code(AddPrizesCode::Disagrees);
    case AddPrizesOutcome::NotNext:
        page_error(prizes_name, error);
        return page_code(AddPrizesCode::NotNext);
    case AddPrizesOutcome::FileRefused:
        page_error(prizes_name, error);
        return page_code(AddPrizesCode::FileRefused);
    case AddPrizesOutcome::Busy:
    case AddPrizesOutcome::Failed:
        return page_code(AddPrizesCode::NoRoom);
    }
    if (!insert_text(prizes_text, prizes_length, PRIZES_CAPACITY, insertion)) {
        return page_code(AddPrizesCode::NoRoom);
    }
    read_prizes(prizes_length, error); // reads: the same rules allowed the row
    return page_code(AddPrizesCode::Added);
}
}
