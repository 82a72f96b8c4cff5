// The console on Windows. Colours are console attributes and clearing is "cls"; the
// texts are code page 949. A console that shows another code page still gets the Korean
// right: text for a console goes through WriteConsoleW. Redirected output gets the
// code page 949 bytes through the C runtime, which writes "\r\n" for "\n".
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <io.h>
#include <windows.h>

#include "command_line/program_output.hpp"
#include "console/platform.hpp"
#include "text/translation.hpp"

namespace {

constexpr UINT TEXT_CODE_PAGE = 949;
// Bytes converted per WriteConsoleW call; the wide buffer holds at most as many units.
constexpr std::size_t CONVERSION_CHUNK = 2048;

HANDLE output_handle = INVALID_HANDLE_VALUE;
int output_errno = 0;
int input_errno = 0;
DWORD output_windows_error = 0;

std::ptrdiff_t read_standard_input(char* buffer, std::size_t capacity)
{
    const unsigned request = capacity > 0x7FFFFFFFU ? 0x7FFFFFFFU : static_cast<unsigned>(capacity);
    const int received = _read(0, buffer, request);
    if (received < 0) {
        input_errno = errno;
    }
    return received;
}

bool write_redirected(const char* data, std::size_t size)
{
    while (size > 0) {
        const unsigned request = size > 0x7FFFFFFFU ? 0x7FFFFFFFU : static_cast<unsigned>(size);
        const int written = _write(1, data, request);
        if (written <= 0) {
            output_errno = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// How many of the first `size` bytes can be converted without cutting a character.
std::size_t whole_characters(const char* data, std::size_t size)
{
    std::size_t end = 0;
    while (end < size) {
        const bool lead = IsDBCSLeadByteEx(TEXT_CODE_PAGE, static_cast<BYTE>(data[end])) != 0;
        const std::size_t length = lead ? 2 : 1;
        if (end + length > size) {
            break;
        }
        end += length;
    }
    return end == 0 ? size : end;
}

bool write_console(const char* data, std::size_t size)
{
    static wchar_t wide[CONVERSION_CHUNK];
    while (size > 0) {
        const std::size_t chunk =
            whole_characters(data, size < CONVERSION_CHUNK ? size : CONVERSION_CHUNK);
        const int units = MultiByteToWideChar(TEXT_CODE_PAGE, 0, data, static_cast<int>(chunk),
                                              wide, static_cast<int>(CONVERSION_CHUNK));
        const wchar_t* next = wide;
        DWORD left = static_cast<DWORD>(units > 0 ? units : 0);
        while (left > 0) {
            DWORD written = 0;
            if (WriteConsoleW(output_handle, next, left, &written, nullptr) == 0 || written == 0) {
                output_windows_error = GetLastError();
                return false;
            }
            next += written;
            left -= written;
        }
        data += chunk;
        size -= chunk;
    }
    return true;
}

void set_console_attribute(ConsoleAttribute attribute)
{
    SetConsoleTextAttribute(output_handle, attribute);
}

void clear_console()
{
    // The command processor's own clearing, as users of this console know it.
    [[maybe_unused]] const int status = std::system("cls");
}

} // namespace

ConsoleBackend open_platform_console()
{
    output_handle = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    // GetConsoleMode, unlike _isatty, is not fooled by the NUL device.
    const bool console = output_handle != INVALID_HANDLE_VALUE && output_handle != nullptr &&
                         GetConsoleMode(output_handle, &mode) != 0;
    // NO_COLOR set to anything but the empty string: no attribute calls.
    const char* no_color = std::getenv("NO_COLOR");
    const bool colors = no_color == nullptr || no_color[0] == '\0';
    if (console) {
        return ConsoleBackend{ConsoleMode::Native,   read_standard_input, write_console,
                              set_console_attribute, clear_console,       colors};
    }
    return ConsoleBackend{
        ConsoleMode::Plain, read_standard_input, write_redirected, nullptr, nullptr, false};
}

void report_output_failure()
{
    if (output_windows_error != 0) {
        std::fprintf(stderr, translate("lotto: cannot write to the console: Windows error %lu\n"),
                     static_cast<unsigned long>(output_windows_error));
    } else {
        report_output_error("lotto", output_errno);
    }
}

void report_input_failure()
{
    report_input_error("lotto", input_errno);
}
