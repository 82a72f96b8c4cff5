#include "history/overdue_numbers.hpp"

DrawsSinceDrawn draws_since_drawn(const DrawHistory& history, int count)
{
    DrawsSinceDrawn absences{};
    absences.fill(count);
    absences[0] = 0;
    // From the latest draw back: the first draw that holds a number fixes its absence.
    for (int back = 0; back < count; ++back) {
        for (std::int32_t number : history.draws[count - 1 - back].numbers) {
            std::int32_t& absence = absences[static_cast<std::size_t>(number)];
            if (absence == count) {
                absence = back;
            }
        }
    }
    return absences;
}

NonAppearingPoints overdue_points(const DrawsSinceDrawn& absences)
{
    NonAppearingPoints points{};
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        const std::int32_t absence = absences[static_cast<std::size_t>(number)];
        for (std::int32_t list_points : LIST_POINTS) {
            if (absence >= list_points) {
                points.by_number[static_cast<std::size_t>(number)] = list_points;
            }
        }
    }
    return points;
}

NonAppearingPoints latest_overdue_points(const DrawHistory& history)
{
    return overdue_points(draws_since_drawn(history, history.count));
}

void use_history_lists(const DrawHistory& history)
{
    use_non_appearing_points(latest_overdue_points(history));
}
