#include "statistics/back_test.hpp"

#include <boost/math/distributions/chi_squared.hpp>

#include "generation/shape_filters.hpp"
#include "history/overdue_numbers.hpp"
#include "scoring/set_score.hpp"

namespace {

// Marks the sets lotto never proposes: above every real total, so their counts land in
// slots that are then ignored. They are counted from a list of their own.
constexpr std::uint8_t NOT_PROPOSABLE = 200;
constexpr int COUNT_SLOTS = NOT_PROPOSABLE + MAX_NON_APPEARING_POINTS + 1;
constexpr int REJECTED_SET_COUNT = 208'360;

// Per set, in ascending order: the points of the three criteria that do not depend on
// the lists.
std::uint8_t base_points[ALL_SET_COUNT];
bool base_points_ready = false;

// The sets lotto never proposes, with the same points.
struct RejectedSet {
    std::uint8_t numbers[NUMBERS_PER_SET];
    std::uint8_t base_points;
};
RejectedSet rejected_sets[REJECTED_SET_COUNT];
int rejected_count = 0;

void work_out_base_points()
{
    NumberSet set{};
    int index = 0;
    for (set[0] = 1; set[0] <= MAX_NUMBER - 5; ++set[0]) {
        for (set[1] = set[0] + 1; set[1] <= MAX_NUMBER - 4; ++set[1]) {
            for (set[2] = set[1] + 1; set[2] <= MAX_NUMBER - 3; ++set[2]) {
                for (set[3] = set[2] + 1; set[3] <= MAX_NUMBER - 2; ++set[3]) {
                    for (set[4] = set[3] + 1; set[4] <= MAX_NUMBER - 1; ++set[4]) {
                        for (set[5] = set[4] + 1; set[5] <= MAX_NUMBER; ++set[5]) {
                            // No lists: the points that do not depend on them.
                            const SetScore score = score_of(set, NonAppearingPoints{});
                            const auto base = static_cast<std::uint8_t>(score.total);
                            const bool proposable = is_proposable(set);
                            base_points[index++] = proposable ? base : NOT_PROPOSABLE;
                            if (!proposable && rejected_count < REJECTED_SET_COUNT) {
                                RejectedSet& rejected = rejected_sets[rejected_count++];
                                for (int i = 0; i < NUMBERS_PER_SET; ++i) {
                                    rejected.numbers[i] = static_cast<std::uint8_t>(set[i]);
                                }
                                rejected.base_points = base;
                            }
                        }
                    }
                }
            }
        }
    }
    base_points_ready = true;
}

} // namespace

void count_totals(const NonAppearingPoints& points, TotalCounts& proposable, TotalCounts* all_sets)
{
    if (!base_points_ready) {
        work_out_base_points();
    }
    // Two sets of counters, taken in turn, so that neighbouring sets do not wait on each
    // other's count.
    static std::int64_t counts[2][COUNT_SLOTS];
    for (auto& half : counts) {
        for (std::int64_t& count : half) {
            count = 0;
        }
    }
    const auto& p = points.by_number;
    const std::uint8_t* base = base_points;
    for (int a = 1; a <= MAX_NUMBER - 5; ++a) {
        for (int b = a + 1; b <= MAX_NUMBER - 4; ++b) {
            const std::int32_t pb = p[a] + p[b];
            for (int c = b + 1; c <= MAX_NUMBER - 3; ++c) {
                const std::int32_t pc = pb + p[c];
                for (int d = c + 1; d <= MAX_NUMBER - 2; ++d) {
                    const std::int32_t pd = pc + p[d];
                    for (int e = d + 1; e <= MAX_NUMBER - 1; ++e) {
                        const std::int32_t pe = pd + p[e];
                        int f = e + 1;
                        for (; f + 1 <= MAX_NUMBER; f += 2) {
                            ++counts[0][base[0] + pe + p[f]];
                            ++counts[1][base[1] + pe + p[f + 1]];
                            base += 2;
                        }
                        if (f <= MAX_NUMBER) {
                            ++counts[0][*base++ + pe + p[f]];
                        }
                    }
                }
            }
        }
    }
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        proposable[total] = total < NOT_PROPOSABLE ? counts[0][total] + counts[1][total] : 0;
    }
    if (all_sets == nullptr) {
        return;
    }
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        (*all_sets)[total] = proposable[total];
    }
    for (int i = 0; i < rejected_count; ++i) {
        const RejectedSet& set = rejected_sets[i];
        std::int32_t total = set.base_points;
        for (std::uint8_t number : set.numbers) {
            total += p[number];
        }
        ++(*all_sets)[total];
    }
}

TotalPlace place_of(const TotalCounts& totals, int total)
{
    TotalPlace place{};
    for (int t = 0; t <= MAX_TOTAL_POINTS; ++t) {
        place.below += t < total ? totals[t] : 0;
        place.above += t > total ? totals[t] : 0;
        place.all += totals[t];
    }
    place.equal = place.all - place.below - place.above;
    return place;
}

double mid_rank(const TotalCounts& totals, int total)
{
    const TotalPlace place = place_of(totals, total);
    return place.all == 0
               ? 0.0
               : (static_cast<double>(place.below) + 0.5 * static_cast<double>(place.equal)) /
                     static_cast<double>(place.all);
}

namespace {

constexpr int FIRST_BAND_END = 50; // the first band holds every total below it
constexpr int BAND_WIDTH = 10;

} // namespace

int score_band(int total)
{
    const int band = total < FIRST_BAND_END ? 0 : (total - FIRST_BAND_END) / BAND_WIDTH + 1;
    return band < SCORE_BAND_COUNT ? band : SCORE_BAND_COUNT - 1;
}

int score_band_lowest(int band)
{
    return band == 0 ? 0 : FIRST_BAND_END + (band - 1) * BAND_WIDTH;
}

int score_band_highest(int band)
{
    return band == SCORE_BAND_COUNT - 1 ? -1 : score_band_lowest(band + 1) - 1;
}

void test_score_bands(BackTest& result)
{
    // Merge bands from the top down until each expects at least five draws.
    double merged_expected[SCORE_BAND_COUNT] = {};
    std::int64_t merged_observed[SCORE_BAND_COUNT] = {};
    int merged = 0;
    double expected = 0.0;
    std::int64_t observed = 0;
    for (int band = SCORE_BAND_COUNT - 1; band >= 0; --band) {
        expected += result.expected[band];
        observed += result.observed[band];
        if (expected >= 5.0) {
            merged_expected[merged] = expected;
            merged_observed[merged] = observed;
            ++merged;
            expected = 0.0;
            observed = 0;
        }
    }
    if (merged > 0) {
        merged_expected[merged - 1] += expected; // the rest joins the lowest band
        merged_observed[merged - 1] += observed;
    }
    result.chi_square = 0.0;
    for (int band = 0; band < merged; ++band) {
        const double difference =
            static_cast<double>(merged_observed[band]) - merged_expected[band];
        result.chi_square += difference * difference / merged_expected[band];
    }
    result.degrees_of_freedom = merged > 1 ? merged - 1 : 0;
    result.p_value = 1.0;
    if (result.degrees_of_freedom > 0) {
        // The program uses no exceptions: a domain, overflow or evaluation error sets errno
        // and gives a NaN or infinity, which the report then shows, instead of throwing.
        using namespace boost::math::policies;
        using quiet = policy<domain_error<errno_on_error>, overflow_error<errno_on_error>,
                             evaluation_error<errno_on_error>>;
        const boost::math::chi_squared_distribution<double, quiet> distribution(
            result.degrees_of_freedom);
        result.p_value = boost::math::cdf(boost::math::complement(distribution, result.chi_square));
    }
}

void run_back_test(const DrawHistory& history, BackTest& result)
{
    result = BackTest{};
    static TotalCounts totals;
    static TotalCounts all_totals;
    double mid_rank_sum = 0.0;
    int in_top_tenth = 0;
    for (int index = MIN_DRAWS; index < history.count; ++index) {
        const Draw& draw = history.draws[index];
        const NonAppearingPoints points = overdue_points(draws_since_drawn(history, index));
        count_totals(points, totals, &all_totals);
        const std::int32_t total = score_of(draw.numbers, points).total;
        // Under chance the winning set is any of all sets, each as likely.
        for (int t = 0; t <= MAX_TOTAL_POINTS; ++t) {
            if (all_totals[t] == 0) {
                continue;
            }
            const double chance = static_cast<double>(all_totals[t]) / ALL_SET_COUNT;
            const double rank = mid_rank(totals, t);
            result.expected[score_band(t)] += chance;
            result.chance_mean_mid_rank += chance * rank;
            result.chance_top_tenth_share += rank >= 0.9 ? chance : 0.0;
        }
        ++result.observed[score_band(total)];
        const double rank = mid_rank(totals, total);
        result.draws[result.count++] = BackTestDraw{draw.round, total, rank};
        mid_rank_sum += rank;
        in_top_tenth += rank >= 0.9 ? 1 : 0;
    }
    if (result.count > 0) {
        result.mean_mid_rank = mid_rank_sum / result.count;
        result.top_tenth_share = static_cast<double>(in_top_tenth) / result.count;
        result.chance_mean_mid_rank /= result.count;
        result.chance_top_tenth_share /= result.count;
    }
    test_score_bands(result);
}
