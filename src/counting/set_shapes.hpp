#pragma once

// What the three criteria that do not depend on the lists and the three shape filters make
// of a set, carried from one number to the next: going through millions of ascending sets,
// each set is its first numbers' shape extended by one number, not a set looked at whole.
// The tables behind it are worked out from the scoring functions themselves.
#include <cstdint>

#include "generation/shape_filters.hpp"
#include "lottery/lottery.hpp"
#include "scoring/set_score.hpp"

struct SetShape {
    int sum;
    int odd;
    int spread; // how many numbers fall in each colour group, as the digits of a base-7 number
    int run;    // how many numbers in a row end with the latest
    bool four;  // four in a row somewhere
};

// Works out the tables; call it once before the first use, and before threads read them.
void prepare_set_shapes();

constexpr int spread_weight(std::int32_t number)
{
    constexpr int weights[COLOR_GROUP_COUNT] = {1, 7, 49, 343, 2401};
    return weights[color_group(number)];
}

// The shape of the set that adds `number` to a set whose highest number is `previous`.
inline SetShape extend(const SetShape& shape, int previous, int number)
{
    const int run = number == previous + 1 ? shape.run + 1 : 1;
    return SetShape{shape.sum + number, shape.odd + number % 2,
                    shape.spread + spread_weight(number), run, shape.four || run >= 4};
}

// The shape of no number, to extend from.
inline constexpr SetShape EMPTY_SHAPE{0, 0, 0, 0, false};
inline constexpr int NO_PREVIOUS_NUMBER = -1;

SetShape shape_of(const NumberSet& set);

// What score_of gives a set of this shape whose numbers earn `non_appearing_points`.
SetScore score_of_shape(const SetShape& shape, std::int32_t non_appearing_points);

namespace set_walk {

// Goes on from the first `Slot` numbers of `set`, whose shape is `shape`.
template <int Slot, typename Visit>
void walk_on(NumberSet& set, const SetShape& shape, int highest, Visit& visit)
{
    for (int number = set[Slot - 1] + 1; number <= highest - (NUMBERS_PER_SET - 1 - Slot);
         ++number) {
        set[Slot] = number;
        const SetShape next = extend(shape, set[Slot - 1], number);
        if constexpr (Slot + 1 < NUMBERS_PER_SET) {
            walk_on<Slot + 1>(set, next, highest, visit);
        } else {
            visit(static_cast<const NumberSet&>(set), next);
        }
    }
}

} // namespace set_walk

// Calls `visit(set, shape)` for every set of six numbers up to `highest` whose lowest number
// is `lowest`, in ascending order.
template <typename Visit> void for_every_set_from(int lowest, int highest, Visit visit)
{
    NumberSet set{lowest};
    set_walk::walk_on<1>(set, extend(EMPTY_SHAPE, NO_PREVIOUS_NUMBER, lowest), highest, visit);
}

// What rejection_of gives a set of this shape: 0 when lotto can propose it.
constexpr unsigned rejection_of_shape(const SetShape& shape)
{
    return (shape.odd == NUMBERS_PER_SET ? REJECTED_ALL_ODD : 0U) |
           (shape.odd == 0 ? REJECTED_ALL_EVEN : 0U) | (shape.four ? REJECTED_FOUR_IN_A_ROW : 0U);
}
