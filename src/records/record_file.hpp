#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "records/record_lines.hpp"
#include "text/text_format.hpp"

// The one loop every file of records (draws, tickets) is read with, and how it says what is
// wrong.

// No file of records is longer than this; it also keeps every line number small.
inline constexpr std::int32_t MAX_RECORD_LINES = 1'000'000;

// Why a file of records (a history, tickets) was refused: the line it is about (0 for the
// file as a whole) and what is wrong with it. Text quoted from the file is shown safely and cut to
// fit; the reason is always whole.
struct RecordError {
    int line;
    char message[512];
};

// "NAME:LINE: what is wrong", or "NAME: what is wrong" for the file as a whole, the name
// quoted safely. Returns the length.
std::size_t format_record_error(char* out, std::size_t size, const char* name,
                                const RecordError& error);

// What one line of a file of records holds.
enum class LineKind { Draw, Skipped, Header, Invalid };

// What a reader does with a line of that kind: keep its record, go on to the next line (a
// comment, a blank line, the header), or stop at it, `error.line` set. Only a line before
// any record may be a header: `first_content` tells, and turns false here.
enum class LineStep { Keep, Next, Stop };
LineStep step_of(LineKind kind, bool& first_content, std::int32_t line, RecordError& error);

// Reads a file of records (draws, tickets) by the history's rules for lines: a line too
// long, a NUL byte, UTF-16 and a read error are refused, and so is a file of more than
// MAX_RECORD_LINES lines (`too_many_lines` says so). Each line goes to `take` with its
// number; `take` returns false, `error` filled, to stop.
using TakeRecordLine = bool (*)(void* records, const char* text, std::int32_t line,
                                const LineReader& reader, RecordError& error);
bool read_record_lines(TextSource& source, const char* too_many_lines, TakeRecordLine take,
                       void* records, RecordError& error);

// The fields of a line of records (tickets, prizes) by the rules those readers share: a
// comment or a blank line is skipped, a first line without a digit in its first field is
// the header, an empty field is refused. LineKind::Draw when the fields are to be read.
LineKind record_line_fields(const char* text, bool first_content, Fields& fields,
                            RecordError& error);

// What a reader of one kind of row gives read_rows: `parse` reads a line into a row (a
// header only before any row); `keep` checks the row of line `line` against the rows kept
// (false, `error` filled, to refuse it); the table, its `rows` and the `most` it holds, and
// `full` to say so of line `line`.
template <typename Row, typename Table> struct RowReading {
    Table& table;
    Row* rows;
    int most;
    LineKind (*parse)(const char* text, bool first_content, Row& row, RecordError& error);
    bool (*keep)(const Table& table, const Row& row, std::int32_t line, RecordError& error);
    bool (*full)(RecordError& error, std::int32_t line);
    bool first_content;
};

template <typename Row, typename Table>
bool take_row_line(void* records, const char* text, std::int32_t line, const LineReader&,
                   RecordError& error)
{
    auto& reading = *static_cast<RowReading<Row, Table>*>(records);
    Row row{};
    const LineStep step = step_of(reading.parse(text, reading.first_content, row, error),
                                  reading.first_content, line, error);
    if (step != LineStep::Keep) {
        return step == LineStep::Next;
    }
    Table& table = reading.table;
    if (!reading.keep(table, row, line, error)) {
        return false;
    }
    if (table.count == reading.most) {
        return reading.full(error, line);
    }
    row.line = line;
    reading.rows[table.count++] = row;
    return true;
}

// A line's round: a whole number from 1. False, the line refused in `error`, when it is none.
bool read_round(const Field& field, std::int32_t& round, RecordError& error);

// Reads a file of one kind of row into a fixed table by read_record_lines, by `reading`;
// `too_many_lines` says the file is too long.
template <typename Row, typename Table>
bool read_rows(TextSource& source, const char* too_many_lines, RowReading<Row, Table> reading,
               RecordError& error)
{
    reading.table.count = 0;
    reading.first_content = true;
    return read_record_lines(source, too_many_lines, take_row_line<Row, Table>, &reading, error);
}

// Fills `error` with a reason for the file as a whole (line 0) and returns false.
bool refuse_with(RecordError& error, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);

// Fills `error` with `message` about line `line` (0 for the file as a whole) and returns
// false.
bool refuse_line(RecordError& error, int line, const char* message);

// The same with a message formatted, as a reader's check of a whole record says it.
bool refuse_at(RecordError& error, int line, const char* format, ...) LOTTO_PRINTF_FORMAT(3, 4);

// What a line's parser says of a line that does not read: the message formatted into
// `error`, its line set by the reader.
LineKind invalid_line(RecordError& error, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);
