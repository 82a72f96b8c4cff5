#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "lottery/lottery.hpp"
#include "text/text_format.hpp"
#include "text/text_lines.hpp"

// One draw of the lottery: its round, the six winning numbers ascending, and the bonus
// number (0 when the history does not give it).
struct Draw {
    std::int32_t round;
    NumberSet numbers;
    std::int32_t bonus;
    std::int32_t line; // where it stands in the file, for messages
    std::int32_t date; // YYYYMMDD as one number, 0 when the line gives none
};

// Room for more than 78 years of weekly draws, counted as distinct rounds.
inline constexpr int MAX_DRAWS = 4096;
// Fewer draws than this say nothing about which numbers are overdue.
inline constexpr int MIN_DRAWS = 15;
// No history is longer than this; it also keeps every line number small.
inline constexpr std::int32_t MAX_HISTORY_LINES = 1'000'000;

// A user's draw history, oldest draw first, rounds consecutive.
struct DrawHistory {
    Draw draws[MAX_DRAWS];
    int count;
};

// Why a history was refused: the line it is about (0 for the file as a whole) and what is
// wrong with it. Text quoted from the file is shown safely and cut to fit; the reason is
// always whole.
struct HistoryError {
    int line;
    char message[512];
};

// "NAME:LINE: what is wrong", or "NAME: what is wrong" for the file as a whole, the name
// quoted safely. Returns the length.
std::size_t format_history_error(char* out, std::size_t size, const char* name,
                                 const HistoryError& error);

// Reads the history in the file at `path`. On any fault fills `error` and returns false;
// the history is then not to be used.
bool read_draw_history(const char* path, DrawHistory& history, HistoryError& error);

// One draw line of a file: where it stands and how it is written.
struct DrawLine {
    long start;       // its first byte, after any byte-order mark
    long end;         // past its line end
    char line_end[3]; // "\n", "\r\n", "\r", or "" for a last line without one
    std::int32_t round;
    char text[MAX_LINE_BYTES + 1];
};

// Where a history's draws stand in its file, so that a draw can be added in their order
// and their style without touching any other byte.
struct DrawLayout {
    DrawLine first;   // the first draw line of the file
    DrawLine last;    // the last one
    char line_end[3]; // the first line end the file uses, "\n" if it has none
};

// The same from a stream open for reading, e.g. a history held in memory; with `layout`,
// also where the draws stand.
bool read_draw_stream(std::FILE* file, DrawHistory& history, HistoryError& error,
                      DrawLayout* layout = nullptr);

// Reads a file of records (draws, tickets) by the history's rules for lines: a line too
// long, a NUL byte, UTF-16 and a read error are refused, and so is a file of more than
// MAX_HISTORY_LINES lines (`too_many_lines` says so). Each line goes to `take` with its
// number; `take` returns false, `error` filled, to stop.
using TakeRecordLine = bool (*)(void* records, const char* text, std::int32_t line,
                                const LineReader& reader, HistoryError& error);
bool read_record_lines(std::FILE* file, const char* too_many_lines, TakeRecordLine take,
                       void* records, HistoryError& error);

// Fills `error` with a reason for the file as a whole (line 0) and returns false.
bool refuse_with(HistoryError& error, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);

// What one line of a history file holds.
enum class LineKind { Draw, Skipped, Header, Invalid };

// Reads one line, without its line end. `first_content` says whether no draw or header
// came before it, since only such a line may be a header.
LineKind parse_draw_line(const char* text, bool first_content, Draw& draw, HistoryError& error);
