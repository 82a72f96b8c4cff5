// How fast the program answers: one prediction, each screen rendered, and the menu loop
// over a flood of input that cannot start a number.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "console/console.hpp"
#include "console/screens.hpp"
#include "generation/number_choice.hpp"
#include "generation/set_generator.hpp"
#include "scripted_console.hpp"

namespace {

constexpr std::int32_t SEED = 20261206;
constexpr std::size_t FLOOD_BYTES = 1 << 20;

// Rendered screens land here; the last screen stays for inspection.
char screen[16384];
std::size_t screen_length = 0;

bool render_into_screen(const char* data, std::size_t size)
{
    screen_length = size < sizeof screen ? size : sizeof screen;
    std::copy(data, data + screen_length, screen);
    return true;
}

// Answers every detail screen with "back".
std::ptrdiff_t answer_back(char* buffer, std::size_t capacity)
{
    if (capacity < 2) {
        return 0;
    }
    buffer[0] = '2';
    buffer[1] = '\n';
    return 2;
}

void open_screen_console()
{
    console_open(ConsoleBackend{ConsoleMode::AnsiTerminal, answer_back, render_into_screen, nullptr,
                                nullptr});
}

void one_prediction(benchmark::State& state)
{
    std::uint32_t seed = SEED;
    for (auto _ : state) {
        generate_sets_from_seed(seed++);
        benchmark::DoNotOptimize(prediction_table.total_score);
    }
}
BENCHMARK(one_prediction);

// Kept and left-out numbers: a common choice, the choices that leave a single set (five kept
// and one number to draw; nothing kept and six numbers left) and one that leaves a single
// even number among the odd ones, where most attempts are all odd.
const char* const CHOICES[][2] = {
    {"7,21", "13,40"},
    {"8,22,10,12,14", "1,2,3,4,5,6,7,9,11,13,15,16,17,18,19,20,21,23,24,25,26,27,28,29,30,31,32,"
                      "33,34,35,36,37,38,39,40,41,42,43,44"},
    {nullptr, "1,2,4,5,6,7,9,10,11,12,13,14,15,16,17,18,19,22,23,24,25,26,27,28,29,30,31,32,34,"
              "35,36,37,38,39,40,41,42,43,44"},
    {nullptr, "2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34,36,38,40,42"},
};

void one_prediction_with_choice(benchmark::State& state)
{
    NumberChoice choice{};
    const auto& lists = CHOICES[state.range(0)];
    if (read_number_choice(lists[0], lists[1], choice).problem != ChoiceProblem::None) {
        state.SkipWithError("the choice is refused");
        return;
    }
    use_number_choice(choice);
    std::uint32_t seed = SEED;
    for (auto _ : state) {
        generate_sets_from_seed(seed++);
        benchmark::DoNotOptimize(prediction_table.total_score);
    }
    use_number_choice(NO_NUMBER_CHOICE);
}
BENCHMARK(one_prediction_with_choice)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Deciding a choice: accepted at the first proposable set, or refused after every set that
// fits (leaving out every even number: the 100,947 all-odd sets).
void decide_choice(benchmark::State& state)
{
    const char* const left_out = state.range(0) == 0 ? "13,40"
                                                     : "2,4,6,8,10,12,14,16,18,20,22,24,26,28,"
                                                       "30,32,34,36,38,40,42,44";
    for (auto _ : state) {
        NumberChoice choice{};
        benchmark::DoNotOptimize(read_number_choice(nullptr, left_out, choice));
    }
}
BENCHMARK(decide_choice)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void prediction_screen(benchmark::State& state)
{
    generate_sets_from_seed(SEED);
    open_screen_console();
    for (auto _ : state) {
        show_predictions();
        console_flush();
        benchmark::DoNotOptimize(screen_length);
    }
}
BENCHMARK(prediction_screen);

void detail_screen(benchmark::State& state)
{
    generate_sets_from_seed(SEED);
    open_screen_console();
    for (auto _ : state) {
        benchmark::DoNotOptimize(show_details());
    }
}
BENCHMARK(detail_screen);

void flood_of_junk(benchmark::State& state)
{
    const std::string flood(FLOOD_BYTES, 'x');
    for (auto _ : state) {
        ScriptedConsole script;
        script.input = flood;
        script.keep_output = false;
        benchmark::DoNotOptimize(run_scripted_session(script, ConsoleMode::Plain, SEED));
        state.counters["output_MiB"] = static_cast<double>(script.output_bytes) / (1 << 20);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * FLOOD_BYTES));
}
BENCHMARK(flood_of_junk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
