#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/console.hpp"

// A console whose input is a script and whose output is kept in memory. Shared by the
// tests, the fuzzer and the benchmarks.
struct ScriptedConsole {
    std::string input;
    // Bytes handed out per read; a terminal hands out a line at a time, a pipe a block.
    std::size_t chunk = 4096;
    // Writes after this many bytes fail, as on a full disk.
    std::size_t writable = SIZE_MAX;
    // Off for long sessions whose output only needs counting.
    bool keep_output = true;
    // Keep a copy of the transcript at every read (costly for long sessions).
    bool record_shown_at_each_read = false;

    std::string output;
    // What had been written by the time of each read, i.e. what the user saw while waiting.
    std::vector<std::string> shown_at_each_read;
    std::size_t read_position = 0;
    std::size_t output_bytes = 0;
    int reads = 0;
    int writes = 0;
    // Reads asked for after one had already found the end of the input.
    int reads_after_end = 0;
};

// Runs the real menu loop on `script` with the clock fixed at `seed`, then closes the
// console as the program does. Returns the exit status, or -1 when the output failed; the
// transcript is in `script`.
int run_scripted_session(ScriptedConsole& script, ConsoleMode mode, std::int32_t seed);

// Opens the console on `script` without running anything, for tests of single pieces.
void open_scripted_console(ScriptedConsole& script, ConsoleMode mode);
