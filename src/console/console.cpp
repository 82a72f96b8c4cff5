#include "console/console.hpp"

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "console/ansi_escape.hpp"
#include "generation/prediction_table.hpp"

namespace {

// A detail screen is about 3 KiB, so a whole screen goes out in one write.
constexpr std::size_t OUTPUT_CAPACITY = 8192;
constexpr std::size_t INPUT_CAPACITY = 4096;
// The main menu's prompt line or the detail screen's rule and choices.
constexpr std::size_t PROMPT_CAPACITY = 256;
// Twice a detail line: the longest piece the screens format.
constexpr std::size_t FORMATTED_CAPACITY = 2 * std::size_t{LINE_SIZE};

// The one console of the process: where it reads and writes, and what is buffered.
struct ConsoleSession {
    // The platform's reads, writes and colour calls, or a test's.
    ConsoleBackend backend;
    // Text not yet written; sent when full and before every wait for input.
    char output[OUTPUT_CAPACITY];
    std::size_t output_length;
    // Set by the first failed write; from then on nothing is written or read.
    bool output_failed;
    // The latest block read, consumed from input_position up to input_length.
    char input[INPUT_CAPACITY];
    std::size_t input_length;
    std::size_t input_position;
    // Set once a read found the end of the input (or failed); no read follows.
    bool input_ended;
    // Set when that read failed.
    bool input_failed;
    // What the user was asked at the latest wait for input.
    char prompt[PROMPT_CAPACITY];
    std::size_t prompt_length;
};

ConsoleSession session{};

void write_through(const char* data, std::size_t size)
{
    if (size == 0 || session.output_failed) {
        return;
    }
    if (session.backend.write_output == nullptr || !session.backend.write_output(data, size)) {
        session.output_failed = true;
    }
}

// Keeps the end of what is about to be shown, from the last blank line on.
void remember_prompt()
{
    const char* const output = session.output;
    std::size_t start = session.output_length;
    while (start >= 2 && !(output[start - 1] == '\n' && output[start - 2] == '\n')) {
        --start;
    }
    if (session.output_length - start >= PROMPT_CAPACITY) {
        start = session.output_length - (PROMPT_CAPACITY - 1);
    }
    session.prompt_length = session.output_length - start;
    std::memcpy(session.prompt, output + start, session.prompt_length);
}

void append(const char* data, std::size_t size)
{
    if (session.output_length + size > OUTPUT_CAPACITY) {
        console_flush();
    }
    if (size > OUTPUT_CAPACITY) {
        write_through(data, size);
        return;
    }
    std::memcpy(session.output + session.output_length, data, size);
    session.output_length += size;
}

} // namespace

void console_open(const ConsoleBackend& backend)
{
    session.backend = backend;
    session.output_length = 0;
    session.output_failed = false;
    session.input_length = 0;
    session.input_position = 0;
    session.input_ended = false;
    session.input_failed = false;
    session.prompt_length = 0;
}

void console_print(const char* text)
{
    append(text, std::strlen(text));
}

void console_write(const char* data, std::size_t size)
{
    append(data, size);
}

void console_printf(const char* format, ...)
{
    char formatted[FORMATTED_CAPACITY];
    std::va_list arguments;
    va_start(arguments, format);
    const std::size_t length = format_text_list(formatted, sizeof formatted, format, arguments);
    va_end(arguments);
    append(formatted, length);
}

void console_set_attribute(ConsoleAttribute attribute)
{
    if (!session.backend.colors) {
        return;
    }
    switch (session.backend.mode) {
    case ConsoleMode::Plain:
        break;
    case ConsoleMode::AnsiTerminal: {
        char escape[ANSI_ESCAPE_SIZE];
        append(escape, format_ansi_attribute(attribute, escape));
        break;
    }
    case ConsoleMode::Native:
        // The text before the change must show in the colour it was printed in.
        console_flush();
        if (session.backend.set_attribute != nullptr) {
            session.backend.set_attribute(attribute);
        }
        break;
    }
}

void console_clear_screen()
{
    switch (session.backend.mode) {
    case ConsoleMode::Plain:
        break;
    case ConsoleMode::AnsiTerminal:
        console_print(ANSI_CLEAR_SCREEN);
        break;
    case ConsoleMode::Native:
        console_flush();
        if (session.backend.clear_screen != nullptr) {
            session.backend.clear_screen();
        }
        break;
    }
}

bool console_flush()
{
    write_through(session.output, session.output_length);
    session.output_length = 0;
    return !session.output_failed;
}

bool console_close()
{
    if (session.backend.mode == ConsoleMode::AnsiTerminal && session.backend.colors) {
        console_print(ANSI_DEFAULT_COLORS);
    }
    return console_flush();
}

int console_read_byte()
{
    if (session.input_position == session.input_length && !session.input_ended) {
        // About to wait: whatever the user should see must be out first.
        if (session.output_length > 0) {
            remember_prompt();
        }
        const bool shown = console_flush();
        const std::ptrdiff_t received =
            shown && session.backend.read_input != nullptr
                ? session.backend.read_input(session.input, sizeof session.input)
                : 0;
        session.input_ended = received <= 0;
        session.input_failed = received < 0;
        session.input_length =
            received > 0 ? std::min(static_cast<std::size_t>(received), sizeof session.input) : 0;
        session.input_position = 0;
    }
    if (session.input_position == session.input_length) {
        return CONSOLE_END_OF_INPUT;
    }
    return static_cast<unsigned char>(session.input[session.input_position++]);
}

bool console_input_failed()
{
    return session.input_failed;
}

ConsolePrompt console_waiting_prompt()
{
    return ConsolePrompt{session.prompt, session.prompt_length};
}
