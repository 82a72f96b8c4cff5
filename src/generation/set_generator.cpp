#include "generation/set_generator.hpp"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "generation/number_choice.hpp"
#include "generation/shape_filters.hpp"
#include "scoring/scoring_pass.hpp"

namespace {

SeedClock seed_clock = calendar_seconds;
NumberChoice number_choice = NO_NUMBER_CHOICE;

bool already_drawn(const NumberSet& buffer, std::int32_t number)
{
    return std::find(buffer.begin(), buffer.end(), number) != buffer.end();
}

} // namespace

std::int32_t calendar_seconds()
{
    // Truncated on purpose: the seed is the low 32 bits of the time.
    return static_cast<std::int32_t>(std::time(nullptr));
}

void use_seed_clock(SeedClock clock)
{
    seed_clock = clock != nullptr ? clock : calendar_seconds;
}

void use_number_choice(const NumberChoice& choice)
{
    number_choice = choice;
}

NumberSet draw_candidate()
{
    // Empty slots hold 0, which is never drawn, so only this attempt's numbers can clash.
    // The kept numbers come first, in the order given; the rest are drawn as always, a
    // left-out number drawn again like one already in the buffer.
    NumberSet buffer{};
    std::copy(number_choice.kept.begin(), number_choice.kept.begin() + number_choice.kept_count,
              buffer.begin());
    for (auto slot = buffer.begin() + number_choice.kept_count; slot != buffer.end(); ++slot) {
        std::int32_t number = 0;
        do {
            number = std::rand() % MAX_NUMBER + 1;
        } while (already_drawn(buffer, number) || is_left_out(number_choice, number));
        *slot = number;
    }
    std::sort(buffer.begin(), buffer.end());
    return buffer;
}

void generate_sets_from_seed(std::uint32_t seed)
{
    reset_prediction_table();
    std::srand(seed);
    for (NumberSet& set : prediction_table.sets) {
        NumberSet candidate = draw_candidate();
        while (!is_proposable(candidate)) {
            candidate = draw_candidate();
        }
        set = candidate;
    }
    score_sets();
}

void generate_sets()
{
    generate_sets_from_seed(static_cast<std::uint32_t>(seed_clock()));
}
