// The back-test over the real draws, every way of counting, beside the plain exact pass it
// is measured against (reference_back_test.c, one scalar pass over all sets per draw):
//   build/bench/lotto_benchmarks --benchmark_filter=back_test
// The ratio of the times is the number docs/performance.md gives.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "counting/back_test.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "scoring/set_score.hpp"

extern "C" int reference_back_test_main(int argc, char** argv);

namespace {

DrawHistory history;
BackTest result;

const DrawHistory& real_draws()
{
    if (history.count == 0) {
        RecordError error{};
        if (!read_draw_history(LOTTO_REAL_DRAWS, history, error)) {
            std::fprintf(stderr, "%s: %s\n", LOTTO_REAL_DRAWS, error.message);
            std::exit(1);
        }
    }
    return history;
}

void back_test(benchmark::State& state)
{
    const CountingOptions options{static_cast<CountingPath>(state.range(0)),
                                  static_cast<int>(state.range(1))};
    if (!counting_path_available(options.path)) {
        state.SkipWithError("this processor cannot count this way");
        return;
    }
    state.SetLabel(counting_path_name(options.path));
    run_back_test(real_draws(), result, options); // the tables of fixed points, once
    for (auto _ : state) {
        run_back_test(real_draws(), result, options);
        benchmark::DoNotOptimize(result.mean_mid_rank);
    }
    state.counters["sets_per_s"] =
        benchmark::Counter(static_cast<double>(result.count) * ALL_SET_COUNT,
                           benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(back_test)
    ->ArgsProduct({{static_cast<int>(CountingPath::Plain), static_cast<int>(CountingPath::Avx2),
                    static_cast<int>(CountingPath::Avx512)},
                   {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The reference reads the points of each number for every draw and each winning set's
// total from two files, as the lists stood before each draw of the back-test.
void write_reference_input(const std::string& weights, const std::string& totals)
{
    const DrawHistory& draws = real_draws();
    std::FILE* weights_file = std::fopen(weights.c_str(), "wb");
    std::FILE* totals_file = std::fopen(totals.c_str(), "wb");
    for (int index = MIN_DRAWS; index < draws.count && weights_file && totals_file; ++index) {
        const NonAppearingPoints lists = overdue_points(draws_since_drawn(draws, index));
        unsigned char points[MAX_NUMBER + 1];
        for (int number = 0; number <= MAX_NUMBER; ++number) {
            points[number] = static_cast<unsigned char>(lists.by_number[number]);
        }
        const auto total =
            static_cast<unsigned char>(score_of(draws.draws[index].numbers, lists).total);
        std::fwrite(points, 1, sizeof points, weights_file);
        std::fwrite(&total, 1, 1, totals_file);
    }
    if (weights_file != nullptr) {
        std::fclose(weights_file);
    }
    if (totals_file != nullptr) {
        std::fclose(totals_file);
    }
}

void back_test_reference(benchmark::State& state)
{
    const std::string folder = LOTTO_BENCH_FOLDER;
    std::string weights = folder + "/reference_weights.bin";
    std::string totals = folder + "/reference_totals.bin";
    write_reference_input(weights, totals);
    char program[] = "reference_back_test";
    char* argv[] = {program, weights.data(), totals.data(), nullptr};
    for (auto _ : state) {
        // It prints the mean mid-rank, which the report's must equal.
        benchmark::DoNotOptimize(reference_back_test_main(3, argv));
    }
}
BENCHMARK(back_test_reference)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
