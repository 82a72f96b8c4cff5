// How fast the program answers: one prediction, each screen rendered, and the menu loop
// over a flood of input that cannot start a number.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "console/console.hpp"
#include "console/screens.hpp"
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
