#include "scoring/non_appearing.hpp"

#include "generation/prediction_table.hpp"

#include "text/text_columns.hpp"
#include "text/text_format.hpp"

// Built once from the lists, so a set is scored without searching them.
constexpr NonAppearingPoints COMPILED_IN_POINTS = [] {
    NonAppearingPoints points{};
    for (std::int32_t number : NON_APPEARING_5) {
        points.by_number[static_cast<std::size_t>(number)] = 5;
    }
    for (std::int32_t number : NON_APPEARING_10) {
        points.by_number[static_cast<std::size_t>(number)] = 10;
    }
    for (std::int32_t number : NON_APPEARING_15) {
        points.by_number[static_cast<std::size_t>(number)] = 15;
    }
    return points;
}();

namespace {

// The field the text is padded to, in console columns: six two-digit matches fill it.
constexpr int TEXT_COLUMNS = 39;
// Room for the lead, six numbers with their separators and the tail, in any encoding.
constexpr int TEXT_SIZE = LINE_SIZE / 2;

NonAppearingPoints points_in_force = COMPILED_IN_POINTS;

std::int32_t points_of(const NonAppearingPoints& lists, std::int32_t number)
{
    return number >= 1 && number <= MAX_NUMBER ? lists.by_number[static_cast<std::size_t>(number)]
                                               : 0;
}

} // namespace

void use_non_appearing_points(const NonAppearingPoints& points)
{
    points_in_force = points;
}

const NonAppearingPoints& non_appearing_points()
{
    return points_in_force;
}

NonAppearingMatches find_non_appearing(const NumberSet& set, const NonAppearingPoints& lists)
{
    NonAppearingMatches matches{};
    int match_count = 0;
    for (std::int32_t list_points : LIST_POINTS) {
        for (std::int32_t number : set) {
            if (points_of(lists, number) == list_points) {
                matches.points += list_points;
                matches.numbers[match_count++] = number;
            }
        }
    }
    return matches;
}

std::size_t join_matches(const NonAppearingMatches& matches, char* out, std::size_t size)
{
    std::size_t length = 0;
    out[0] = '\0';
    for (std::int32_t number : matches.numbers) {
        if (number > 0) {
            length += format_text(out + length, size - length, length > 0 ? ", %d" : "%d", number);
        }
    }
    return length;
}

NonAppearingMatches write_non_appearing_line(const NumberSet& set, const NonAppearingPoints& lists,
                                             DetailLine& line)
{
    const NonAppearingMatches matches = find_non_appearing(set, lists);
    // The lead, the matches and the tail.
    char joined[TEXT_SIZE];
    char text[TEXT_SIZE];
    if (join_matches(matches, joined, sizeof joined) == 0) {
        format_text(text, sizeof text, "미출현 숫자 미포함");
    } else {
        format_text(text, sizeof text, "미출현 숫자 %s 포함", joined);
    }
    char padded[TEXT_SIZE];
    pad_to_columns(padded, sizeof padded, text, TEXT_COLUMNS);
    format_text(line.data(), LINE_SIZE, "%s ---> %2d점", padded, matches.points);
    return matches;
}

std::int32_t score_non_appearing(const NumberSet& set)
{
    const std::int32_t k = prediction_table.scored_set_counter;
    if (k < 0 || k >= SET_COUNT) {
        return 0; // every set of this prediction is scored already; there is no row to write
    }
    const NonAppearingMatches matches = write_non_appearing_line(
        set, points_in_force, prediction_table.detail_lines[k][NON_APPEARING]);
    prediction_table.matched_numbers[k] = matches.numbers;
    ++prediction_table.scored_set_counter;
    return matches.points;
}
