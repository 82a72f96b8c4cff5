// Feeds arbitrary bytes as standard input to the real menu loop. Beyond not crashing, every
// session must end by itself when its input ends, never ask for input after that, write
// the same transcript however the input is split into reads, and put no escape sequence
// into plain output.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scripted_console.hpp"

namespace {

constexpr std::int32_t FUZZ_SEED = 20261206;

void require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

ScriptedConsole run_session(const std::uint8_t* data, std::size_t size, std::size_t chunk,
                            ConsoleMode mode)
{
    ScriptedConsole script;
    script.input.assign(reinterpret_cast<const char*>(data), size);
    script.chunk = chunk;
    const int status = run_scripted_session(script, mode, FUZZ_SEED);
    require(status == 0, "a session ends with status 0");
    require(script.reads_after_end == 0, "no read once the input has ended");
    return script;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ScriptedConsole piped = run_session(data, size, 4096, ConsoleMode::AnsiTerminal);
    const ScriptedConsole typed = run_session(data, size, 1, ConsoleMode::AnsiTerminal);
    require(piped.output == typed.output, "the same transcript however the input arrives");

    const ScriptedConsole plain = run_session(data, size, 4096, ConsoleMode::Plain);
    require(plain.output.find('\x1b') == std::string::npos, "plain output holds no escape");
    return 0;
}
