#include "counting/total_counting.hpp"

#include <algorithm>

#include "counting/grouped_sets.hpp"
#include "counting/parallel_runs.hpp"
#include "counting/plain_counting.hpp"
#include "counting/set_shapes.hpp"

namespace {

constexpr int REJECTED_SET_COUNT = 208'360;
// Each worker counts into its own table; more workers than this share them out in turn.
constexpr int MOST_COUNTING_WORKERS = 32;
// The vector ways take the sets a group at a time in pieces this size (100 KB of numbers),
// which stay in the second-level cache while every list of a batch is counted over them.
constexpr int PIECE_SETS = 255 * GROUP_VECTOR;

// Per set, in ascending order: the points of the three criteria that do not depend on the
// lists, or NOT_PROPOSABLE.
std::uint8_t fixed_points[ALL_SET_COUNT];

// The sets lotto never proposes, with their fixed points.
RejectedSet rejected_sets[REJECTED_SET_COUNT];
int rejected_count = 0;
bool fixed_points_ready = false;

// The same sets grouped for the vector ways: six planes of numbers (every set's first
// number, then its second...), each group padded with sets of PADDING_NUMBER. A spread over
// the three parts of numbers is told by how many numbers fall in the first two.
constexpr int PART_KEYS = (NUMBERS_PER_SET + 1) * (NUMBERS_PER_SET + 1);
constexpr int PART_SPREADS = (NUMBERS_PER_SET + 1) * (NUMBERS_PER_SET + 2) / 2;
constexpr int MOST_GROUPS = 2 * (MAX_TOTAL_POINTS + 1) * PART_SPREADS;
constexpr int GROUPED_CAPACITY = ALL_SET_COUNT + MOST_GROUPS * GROUP_VECTOR;
alignas(64) std::uint8_t number_planes[NUMBERS_PER_SET][GROUPED_CAPACITY];
SetGroup groups[MOST_GROUPS];
int group_count = 0;
bool groups_ready = false;

// C(n, k) for the small n and k of the game.
constexpr int choose(int n, int k)
{
    int result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return result;
}

// The index of the first set whose lowest number is `first`.
int first_index_of(int first)
{
    int index = 0;
    for (int lower = 1; lower < first; ++lower) {
        index += choose(MAX_NUMBER - lower, NUMBERS_PER_SET - 1);
    }
    return index;
}

// The points of the three criteria that do not depend on the lists, of a whole set.
std::uint8_t points_of_shape(const SetShape& shape)
{
    return static_cast<std::uint8_t>(score_of_shape(shape, 0).total);
}

// The same, or NOT_PROPOSABLE for a set lotto never proposes.
std::uint8_t fixed_points_of(const SetShape& shape)
{
    return rejection_of_shape(shape) == 0 ? points_of_shape(shape) : NOT_PROPOSABLE;
}

// Works out the fixed points of the sets whose lowest number is one of the worker's.
struct FixedPointsWork {
    int workers;
};

void work_out_fixed_points(int worker, void* context)
{
    const int workers = static_cast<FixedPointsWork*>(context)->workers;
    for (int lowest = 1 + worker; lowest <= MAX_NUMBER - 5; lowest += workers) {
        int index = first_index_of(lowest);
        for_every_set_from(lowest, MAX_NUMBER, [&index](const NumberSet&, const SetShape& shape) {
            fixed_points[index++] = fixed_points_of(shape);
        });
    }
}

// Calls `visit(set, shape, index)` for every set in ascending order.
template <typename Visit> void for_every_set(Visit visit)
{
    int index = 0;
    for (int lowest = 1; lowest <= MAX_NUMBER - 5; ++lowest) {
        for_every_set_from(lowest, MAX_NUMBER, [&](const NumberSet& set, const SetShape& shape) {
            visit(set, shape, index++);
        });
    }
}

void prepare_fixed_points(int workers)
{
    if (fixed_points_ready) {
        return;
    }
    prepare_set_shapes();
    FixedPointsWork work{workers};
    run_in_parallel(workers, work_out_fixed_points, &work);
    for_every_set([](const NumberSet& set, const SetShape& shape, int index) {
        if (fixed_points[index] != NOT_PROPOSABLE || rejected_count == REJECTED_SET_COUNT) {
            return;
        }
        RejectedSet& rejected = rejected_sets[rejected_count++];
        for (int i = 0; i < NUMBERS_PER_SET; ++i) {
            rejected.numbers[i] = static_cast<std::uint8_t>(set[i]);
        }
        rejected.fixed_points = points_of_shape(shape);
    });
    fixed_points_ready = true;
}

int part_of_number(std::int32_t number)
{
    return number / 16;
}

// How many of the set's numbers fall in the first part and in the second, as one key.
int part_key_of(const NumberSet& set)
{
    int counts[NUMBER_PARTS] = {};
    for (std::int32_t number : set) {
        ++counts[part_of_number(number)];
    }
    return counts[0] * (NUMBERS_PER_SET + 1) + counts[1];
}

// Per population, fixed points and spread over the parts: a count or a place of the planes.
using PerGroup = int[2][MAX_TOTAL_POINTS + 1][PART_KEYS];

// The entry of `table` for the set at `index` in ascending order. The rejected sets come
// in ascending order too: the next one is rejected_sets[rejected].
int& entry_of(PerGroup& table, const NumberSet& set, int index, int& rejected)
{
    const bool proposable = fixed_points[index] != NOT_PROPOSABLE;
    const int points = proposable ? fixed_points[index] : rejected_sets[rejected++].fixed_points;
    return table[proposable ? PROPOSABLE_GROUP : REJECTED_GROUP][points][part_key_of(set)];
}

// Writes the numbers of the worker's planes, each set to its group's next place.
struct ScatterWork {
    int workers;
    const PerGroup* starts;
};

void scatter_planes(int worker, void* context)
{
    const auto& work = *static_cast<ScatterWork*>(context);
    static PerGroup next_of[NUMBERS_PER_SET];
    PerGroup& next = next_of[worker];
    std::copy(&(*work.starts)[0][0][0],
              &(*work.starts)[0][0][0] + sizeof next / sizeof next[0][0][0], &next[0][0][0]);
    const int planes = std::min(work.workers, NUMBERS_PER_SET);
    int rejected = 0;
    for_every_set([&](const NumberSet& set, const SetShape&, int index) {
        const int at = entry_of(next, set, index, rejected)++;
        for (int place = worker; place < NUMBERS_PER_SET; place += planes) {
            number_planes[place][at] = static_cast<std::uint8_t>(set[place]);
        }
    });
}

// Groups the sets by population, fixed points and spread over the parts, in ascending
// order within a group; `workers` share the writing of the planes.
void prepare_groups(int workers)
{
    if (groups_ready) {
        return;
    }
    static PerGroup sizes;
    int rejected = 0;
    for_every_set([&](const NumberSet& set, const SetShape&, int index) {
        ++entry_of(sizes, set, index, rejected);
    });
    static PerGroup next;
    int first = 0;
    for (int population = 0; population < 2; ++population) {
        for (int points = 0; points <= MAX_TOTAL_POINTS; ++points) {
            for (int key = 0; key < PART_KEYS; ++key) {
                const int size = sizes[population][points][key];
                if (size == 0) {
                    continue;
                }
                const int padded = (size + GROUP_VECTOR - 1) / GROUP_VECTOR * GROUP_VECTOR;
                SetGroup& group = groups[group_count++];
                group = SetGroup{population, points, first, padded, {}};
                const int in_first = key / (NUMBERS_PER_SET + 1);
                const int in_second = key % (NUMBERS_PER_SET + 1);
                for (int place = 0; place < NUMBERS_PER_SET; ++place) {
                    group.part_of[place] =
                        static_cast<std::uint8_t>(place < in_first               ? 0
                                                  : place < in_first + in_second ? 1
                                                                                 : 2);
                }
                for (auto& plane : number_planes) {
                    std::fill(plane + first + size, plane + first + padded, PADDING_NUMBER);
                }
                next[population][points][key] = first;
                first += padded;
            }
        }
    }
    ScatterWork work{workers, &next};
    run_in_parallel(std::min(workers, NUMBERS_PER_SET), scatter_planes, &work);
    groups_ready = true;
}

// Whether every list's points are 0, 5, 10 or 15, the classes the vector ways look up.
bool in_classes(const NonAppearingPoints& points)
{
    return std::all_of(points.by_number.begin(), points.by_number.end(),
                       [](std::int32_t p) { return p >= 0 && p <= 15 && p % 5 == 0; });
}

GroupCounter counter_of(CountingPath path)
{
    switch (path) {
#if LOTTO_X86_VECTORS
    case CountingPath::Avx2:
        return count_groups_avx2;
    case CountingPath::Avx512:
        return count_groups_avx512;
#endif
    default:
        return nullptr;
    }
}

// One batch of lists shared between workers.
struct CountingWork {
    const NonAppearingPoints* lists;
    int count;
    TotalCounts* proposable;
    TotalCounts* all_sets;
    int workers;
    GroupCounter counter;
    PlainCounter plain;
    const ClassTable* tables;
};

// The plain way, one set at a time, or, where the build has WebAssembly SIMD, its sums 16
// sets at once.
PlainCounter plain_counter_of(CountingPath path)
{
#if LOTTO_SIMD128
    if (path == CountingPath::Simd128) {
        return count_plain_simd128;
    }
#endif
    (void)path;
    return count_plain_with<count_run_one_by_one>;
}

void count_plain_share(int worker, void* context)
{
    const auto& work = *static_cast<CountingWork*>(context);
    for (int list = worker; list < work.count; list += work.workers) {
        work.plain(PlainTables{fixed_points, rejected_sets, rejected_count}, work.lists[list],
                   work.proposable[list],
                   work.all_sets != nullptr ? &work.all_sets[list] : nullptr);
    }
}

GroupCounts worker_counts[MOST_COUNTING_WORKERS][MOST_LISTS_AT_ONCE];

void count_vector_share(int worker, void* context)
{
    const auto& work = *static_cast<CountingWork*>(context);
    GroupCounts* counts = worker_counts[worker];
    std::fill(&counts[0][0][0], &counts[0][0][0] + sizeof worker_counts[0] / sizeof(std::int32_t),
              0);
    const std::uint8_t* const planes[NUMBERS_PER_SET] = {number_planes[0], number_planes[1],
                                                         number_planes[2], number_planes[3],
                                                         number_planes[4], number_planes[5]};
    // Pieces of about PIECE_SETS sets: a large group in parts, small neighbouring groups of
    // the same slots together; the workers take them in turn.
    int piece_index = 0;
    for (int g = 0; g < group_count;) {
        const SetGroup& head = groups[g];
        int after = g + 1;
        while (after < group_count && groups[after].population == head.population &&
               groups[after].fixed_points == head.fixed_points &&
               groups[after].first + groups[after].count - head.first <= PIECE_SETS) {
            ++after;
        }
        const int end = groups[after - 1].first + groups[after - 1].count;
        if (work.all_sets != nullptr || head.population != REJECTED_GROUP) {
            for (int first = head.first; first < end; first += PIECE_SETS) {
                if (piece_index++ % work.workers == worker) {
                    const GroupPiece piece{groups + g, after - g, first,
                                           std::min(first + PIECE_SETS, end)};
                    work.counter(planes, piece, work.tables, work.count, counts);
                }
            }
        }
        g = after;
    }
}

void count_batch(CountingWork& work, CountingPath path)
{
    work.counter = counter_of(path);
    work.plain = plain_counter_of(path);
    for (int list = 0; list < work.count && work.counter != nullptr; ++list) {
        if (!in_classes(work.lists[list])) {
            work.counter = nullptr;
        }
    }
    if (work.counter == nullptr) {
        run_in_parallel(work.workers, count_plain_share, &work);
        return;
    }
    prepare_groups(work.workers);
    alignas(64) static ClassTable tables[MOST_LISTS_AT_ONCE];
    for (int list = 0; list < work.count; ++list) {
        std::fill(std::begin(tables[list].class_of), std::end(tables[list].class_of), 0);
        for (int number = 1; number <= MAX_NUMBER; ++number) {
            tables[list].class_of[number] =
                static_cast<std::uint8_t>(work.lists[list].by_number[number] / 5 + 1);
        }
    }
    work.tables = tables;
    work.workers = std::min(work.workers, MOST_COUNTING_WORKERS);
    run_in_parallel(work.workers, count_vector_share, &work);
    for (int list = 0; list < work.count; ++list) {
        for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
            std::int64_t proposable = 0;
            std::int64_t rejected = 0;
            for (int worker = 0; worker < work.workers; ++worker) {
                proposable += worker_counts[worker][list][PROPOSABLE_GROUP][total];
                rejected += worker_counts[worker][list][REJECTED_GROUP][total];
            }
            work.proposable[list][total] = proposable;
            if (work.all_sets != nullptr) {
                work.all_sets[list][total] = proposable + rejected;
            }
        }
    }
}

} // namespace

void count_totals_of_lists(const NonAppearingPoints* lists, int count, TotalCounts* proposable,
                           TotalCounts* all_sets, const CountingOptions& options)
{
    const int workers = std::max(1, options.workers);
    prepare_fixed_points(workers);
    const CountingPath path =
        counting_path_available(options.path) ? options.path : CountingPath::Plain;
    for (int first = 0; first < count; first += MOST_LISTS_AT_ONCE) {
        CountingWork work{lists + first,
                          std::min(MOST_LISTS_AT_ONCE, count - first),
                          proposable + first,
                          all_sets != nullptr ? all_sets + first : nullptr,
                          workers,
                          nullptr,
                          nullptr,
                          nullptr};
        count_batch(work, path);
    }
}

void count_totals(const NonAppearingPoints& points, TotalCounts& proposable, TotalCounts* all_sets)
{
    // One list is counted in milliseconds the plain way; the vector ways would first group
    // every set, which pays only over many lists.
    count_totals_of_lists(&points, 1, &proposable, all_sets,
                          CountingOptions{CountingPath::Plain, 1});
}
