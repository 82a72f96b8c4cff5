#include "lottery/number_list.hpp"

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

const char* skip_blanks(const char* at)
{
    while (blank(*at)) {
        ++at;
    }
    return at;
}

bool refuse(NumberList& list, ListProblem problem)
{
    list.problem = problem;
    return false;
}

} // namespace

bool read_number_list(const char* text, int most, NumberList& list)
{
    list = NumberList{};
    // More than MAX_NUMBER distinct numbers cannot be typed: a longer list repeats one.
    most = most < MAX_NUMBER ? most : MAX_NUMBER;
    const char* at = skip_blanks(text);
    for (;;) {
        const char* start = at;
        std::int32_t number = 0;
        if (*at == '-' || *at == '+') {
            ++at; // a sign is quoted with its number: "-1 is not a number from 1 to 45"
        }
        while (*at >= '0' && *at <= '9') {
            // Nine digits or more can only be out of range; stop before they overflow.
            number = at - start < 9 ? number * 10 + (*at - '0') : MAX_NUMBER + 1;
            ++at;
        }
        const int length = static_cast<int>(at - start);
        const bool sign = *start == '-' || *start == '+';
        const bool signed_number = length > 1 && sign;
        const char* end = at;
        at = skip_blanks(at);
        const bool comma = *at == ',';
        if (comma) {
            at = skip_blanks(at + 1);
        }
        const bool digits = length > 0 && !sign;
        if ((!digits && !signed_number) || (*end != ',' && *end != '\0' && !blank(*end)) ||
            (comma && *at == '\0')) {
            return refuse(list, ListProblem::Malformed);
        }
        if (signed_number || number < 1 || number > MAX_NUMBER) {
            list.token = start;
            list.token_length = length;
            return refuse(list, ListProblem::NotANumber);
        }
        if (list.count == most) {
            list.number = most;
            return refuse(list, ListProblem::TooMany);
        }
        for (int i = 0; i < list.count; ++i) {
            if (list.numbers[i] == number) {
                list.number = number;
                return refuse(list, ListProblem::GivenTwice);
            }
        }
        list.numbers[list.count++] = number;
        if (*at == '\0') {
            return true;
        }
    }
}
