#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "lottery/lottery.hpp"
#include "records/record_file.hpp"
#include "records/record_lines.hpp"
#include "text/text_format.hpp"

// One draw of the lottery: its round, the six winning numbers ascending, and the bonus
// number (0 when the history does not give it).
struct Draw {
    std::int32_t round;
    NumberSet numbers;
    std::int32_t bonus;
    std::int32_t line; // where it stands in the file, for messages
    std::int32_t date; // YYYYMMDD as one number, 0 when the line gives none
};

// Whether two accounts of one round's draw agree: the same six numbers, and the same bonus
// and date wherever both give them (a history may keep neither).
bool same_draw(const Draw& held, const Draw& given);

// Room for more than 78 years of weekly draws, counted as distinct rounds.
inline constexpr int MAX_DRAWS = 4096;
// Fewer draws than this say nothing about which numbers are overdue.
inline constexpr int MIN_DRAWS = 15;

// A user's draw history, oldest draw first, rounds consecutive.
struct DrawHistory {
    Draw draws[MAX_DRAWS];
    int count;
};

// Reads the history in the file at `path`. On any fault fills `error` and returns false;
// the history is then not to be used.
bool read_draw_history(const char* path, DrawHistory& history, RecordError& error);

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

// The same from a stream open for reading, or from any source of text (a history held in
// memory); with `layout`, also where the draws stand.
bool read_draw_stream(std::FILE* file, DrawHistory& history, RecordError& error,
                      DrawLayout* layout = nullptr);
bool read_draw_source(TextSource& source, DrawHistory& history, RecordError& error,
                      DrawLayout* layout = nullptr);

// Reads one line, without its line end. `first_content` says whether no draw or header
// came before it, since only such a line may be a header.
LineKind parse_draw_line(const char* text, bool first_content, Draw& draw, RecordError& error);
