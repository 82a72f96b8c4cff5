#pragma once

#include "generation/number_choice.hpp"
#include "history/draw_history.hpp"

// Exit statuses both programs give.
inline constexpr int STATUS_FAILED = 1; // something could not be read or written
inline constexpr int STATUS_USAGE = 2;  // the command line was wrong

// Whether an argument is the option `name`.
bool is_option(const char* argument, const char* name);

// The value after the option at `at`: null when it is missing or empty, or when it looks
// like another option ("-" alone may be a value).
const char* option_value(int argc, const char* const* argv, int at);

// "PROGRAM: PROBLEM 'ARGUMENT'" and where to find help, on the error stream, the argument
// quoted safely. When a file name was missing because the argument `following` the option
// begins with '-', also how to give such a file. Returns STATUS_USAGE.
int usage_error(const char* program, const char* problem, const char* argument,
                const char* following = nullptr);

// The list after --with or --without at `at`, or null when it is missing. "-3" is a list,
// with a number that is refused as such, not another option.
const char* number_list_value(int argc, const char* const* argv, int at);

// Reads the lists of --with and --without (null: not given) into `choice`. A refusal is
// reported on the error stream, "PROGRAM: --with LIST: why" for one list ("PROGRAM: why"
// for the two together), with where to find help. Returns true to go on.
bool read_choice_options(const char* program, const char* kept, const char* left_out,
                         NumberChoice& choice);

// "PROGRAM: cannot write to standard output: REASON" (or "cannot read standard input")
// on the error stream, for the C library's error number `error` (EIO when 0).
void report_output_error(const char* program, int error);
void report_input_error(const char* program, int error);

// Flushes standard output; on failure says so on the error stream. Returns the status.
int finish_standard_output(const char* program);

// "PROGRAM: FILE:LINE: what is wrong" (without the line for the file as a whole), the file
// name quoted safely, on the error stream.
void report_history_error(const char* program, const char* path, const RecordError& error);

// Reads the history at `path` ("-": standard input, which only lotto-stats offers, since
// lotto's is the menu); a refused one is reported as above and gives false.
bool load_draw_history(const char* program, const char* path, DrawHistory& history);
