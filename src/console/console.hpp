#pragma once

#include <cstddef>

#include "console/console_attribute.hpp"
#include "text/text_format.hpp"

// How colours and clearing reach the user.
enum class ConsoleMode {
    Plain,        // a file or a pipe: text only
    AnsiTerminal, // escape sequences travel in the text
    Native,       // the backend's own calls, in order with the text around them
};

// Where the console reads and writes. The platform supplies the real one at start-up;
// tests supply their own.
struct ConsoleBackend {
    ConsoleMode mode;
    // Fills `buffer` with up to `capacity` bytes; 0 at the end of input, negative on error.
    std::ptrdiff_t (*read_input)(char* buffer, std::size_t capacity);
    // Writes all `size` bytes; false when the output cannot be written.
    bool (*write_output)(const char* data, std::size_t size);
    // Native mode only: applied after the text before them has been written.
    void (*set_attribute)(ConsoleAttribute attribute);
    void (*clear_screen)();
    // False when colours are not wanted (NO_COLOR): no colour change reaches the user,
    // clearing still does.
    bool colors = true;
};

// Starts a session on `backend` with empty buffers.
void console_open(const ConsoleBackend& backend);

void console_print(const char* text);
void console_write(const char* data, std::size_t size);

// printf into the output buffer; the longest piece the screens format is one detail line.
void console_printf(const char* format, ...) LOTTO_PRINTF_FORMAT(1, 2);
void console_set_attribute(ConsoleAttribute attribute);
void console_clear_screen();

// Sends what is buffered; false once any output has failed.
bool console_flush();

// Ends the session: gives an ANSI terminal its own colours back and flushes. False when
// some output could not be written.
bool console_close();

// True when the input ended because it could not be read, not because it was over.
bool console_input_failed();

// What the user was asked when the console last waited for input: the text since the
// last blank line, so it can be shown again after the program was suspended. Safe to
// read from a signal handler while the program waits.
struct ConsolePrompt {
    const char* text;
    std::size_t length;
};
ConsolePrompt console_waiting_prompt();

// The next input byte, or CONSOLE_END_OF_INPUT. Everything printed so far reaches the
// user before the console waits for input. Once the input has ended, or the output has
// failed so that nobody sees what is asked, it stays ended.
inline constexpr int CONSOLE_END_OF_INPUT = -1;
int console_read_byte();
