// The page's own numbers: the kept and left-out numbers its board or a replay link gives,
// read and refused by the programs' rules, and followed by every later prediction.
#include <cstring>

#include "generation/number_choice.hpp"
#include "generation/set_generator.hpp"
#include "page_interface/page_buffers.hpp"
#include "page_interface/page_export.hpp"
#include "text/translation.hpp"

namespace {

NumberChoice page_choice = NO_NUMBER_CHOICE;

} // namespace

extern "C" {

// Reads the line buffer as two lines, the kept numbers then the left-out ones ("7,21\n13";
// either may be empty). Returns 1 when every later prediction follows them, or 0 with
// lotto_message telling why, the numbers in use unchanged.
LOTTO_PAGE_EXPORT int lotto_choose_numbers()
{
    take_page_line();
    char* left_out = std::strchr(page_line, '\n');
    if (left_out != nullptr) {
        *left_out++ = '\0';
    }
    NumberChoice choice{};
    const ChoiceVerdict verdict = read_number_choice(page_line, left_out, choice);
    describe_choice_problem(verdict, page_message, sizeof page_message);
    if (verdict.problem != ChoiceProblem::None) {
        return 0;
    }
    page_choice = choice;
    use_number_choice(page_choice);
    return 1;
}

// The numbers in use: how many are kept, each in the order given, and whether one is left
// out (1) or not (0).
LOTTO_PAGE_EXPORT int lotto_kept_count()
{
    return page_choice.kept_count;
}

LOTTO_PAGE_EXPORT int lotto_kept_number(int index)
{
    return index >= 0 && index < page_choice.kept_count
               ? page_choice.kept[static_cast<std::size_t>(index)]
               : 0;
}

LOTTO_PAGE_EXPORT int lotto_left_out(int number)
{
    return number >= 1 && number <= MAX_NUMBER && is_left_out(page_choice, number) ? 1 : 0;
}

} // extern "C"
