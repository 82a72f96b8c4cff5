// Why a choice of kept and left-out numbers is refused, in the user's language.

#include "generation/number_choice.hpp"
#include "generation/shape_filters.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

// "all odd or four in a row": every reason the fitting sets are rejected for.
void join_rejections(unsigned rejections, char* out, std::size_t capacity)
{
    static const struct {
        unsigned bit;
        const char* name;
    } reasons[] = {
        {REJECTED_ALL_ODD, translatable("all odd")},
        {REJECTED_ALL_EVEN, translatable("all even")},
        {REJECTED_FOUR_IN_A_ROW, translatable("four in a row")},
    };
    out[0] = '\0';
    std::size_t length = 0;
    for (const auto& reason : reasons) {
        if ((rejections & reason.bit) != 0) {
            length += format_text(out + length, capacity - length, "%s%s",
                                  length > 0 ? translate(" or ") : "", translate(reason.name));
        }
    }
}

} // namespace

void describe_choice_problem(const ChoiceVerdict& verdict, char* out, std::size_t capacity)
{
    if (capacity == 0) {
        return;
    }
    out[0] = '\0';
    switch (verdict.problem) {
    case ChoiceProblem::None:
        break;
    case ChoiceProblem::Malformed:
        format_text(out, capacity, "%s",
                    translate("give numbers from 1 to 45 with commas between them"));
        break;
    case ChoiceProblem::NotANumber:
        format_text(out, capacity, translate("%.*s is not a number from 1 to 45"),
                    verdict.token_length, verdict.token);
        break;
    case ChoiceProblem::GivenTwice:
        format_text(out, capacity, translate("%d is given twice"), verdict.number);
        break;
    case ChoiceProblem::KeptAndLeftOut:
        format_text(out, capacity, translate("%d cannot be both kept and left out"),
                    verdict.number);
        break;
    case ChoiceProblem::TooManyKept:
        format_text(out, capacity, translate("at most five numbers can be kept, not %d"),
                    verdict.number);
        break;
    case ChoiceProblem::KeptFourInARow:
        format_text(out, capacity,
                    translate("the kept numbers %d to %d are four in a row, and lotto never "
                              "proposes a set with four in a row"),
                    verdict.number, verdict.number + 3);
        break;
    case ChoiceProblem::TooFewLeft:
        format_text(out, capacity,
                    translate("leaving out %d numbers leaves %d, fewer than the six of a set"),
                    MAX_NUMBER - verdict.number, verdict.number);
        break;
    case ChoiceProblem::NoProposableSet: {
        char reasons[96];
        join_rejections(verdict.rejections, reasons, sizeof reasons);
        format_text(out, capacity,
                    translate("no set these lists leave can be proposed: every one is %s"),
                    reasons);
        break;
    }
    }
}

void join_choice_numbers(const NumberChoice& choice, ChoiceList list, char* out,
                         std::size_t capacity)
{
    if (capacity == 0) {
        return;
    }
    out[0] = '\0';
    std::size_t length = 0;
    const auto add = [&](std::int32_t number) {
        length += format_text(out + length, capacity - length, length > 0 ? ", %d" : "%d", number);
    };
    if (list == ChoiceList::Kept) {
        for (int i = 0; i < choice.kept_count; ++i) {
            add(choice.kept[i]);
        }
    } else if (list == ChoiceList::LeftOut) {
        for (std::int32_t number = 1; number <= MAX_NUMBER; ++number) {
            if (is_left_out(choice, number)) {
                add(number);
            }
        }
    }
}
