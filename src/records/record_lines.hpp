#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "text/quoted_text.hpp"

// Reading text files of records, one a line, as people and spreadsheets write them: the
// draw history and the tickets share these rules.

// The longest line a record may take, in bytes without its line end. Comment and blank
// lines may be longer.
inline constexpr int MAX_LINE_BYTES = 512;
// The most fields a record has: a round's prizes, its five divisions (a prize and its
// winners each) and its sales after the round.
inline constexpr int MAX_FIELDS = 12;

struct Field {
    const char* text;
    int length;
};

// The fields of a line, and where it leaves one empty.
struct Fields {
    Field field[MAX_FIELDS + 1];
    int count;          // fields with text, also those beyond the room for them
    int empty_place;    // the place (from 1) of the first empty field before the last one
    int trailing_empty; // empty fields after the last one with text
};

bool is_blank(char c);

// Commas part the fields of a line that has a comma, tabs those of a line without; blanks,
// tabs beside commas and a spreadsheet's double quotes only pad, and blanks alone part the
// fields of a line with neither. Two parting characters with nothing between them leave a
// field empty, so that no field can go missing unseen.
Fields split_fields(const char* text);

// The fields of a record's line; false for a blank line or a comment (its first character
// other than a blank is '#'), which hold no record.
bool record_fields(const char* text, Fields& fields);

// A field as a message may quote it: safely, and cut to fit.
struct QuotedField {
    char text[QUOTE_CAPACITY];
};
QuotedField quoted(const Field& field);

// A whole number of at most nine digits, no sign.
bool whole_number(const Field& field, int& value);
// A whole amount of money of at most fifteen digits, no sign.
bool whole_amount(const Field& field, std::int64_t& value);
bool holds_digit(const Field& field);

enum class LineRead { Line, End, TooLong, HoldsNul, Utf16 };

// Where a reader takes its bytes: an open stream, or bytes in memory (the page's files, and
// a file read whole by a writer that may not allocate).
struct TextSource {
    std::FILE* file; // null for the bytes
    const char* bytes;
    long size;
    long at;

    int take(); // the next byte, or EOF
    void put_back(int c);
    bool failed() const; // a read error, not the end
    void rewind();
};

TextSource stream_source(std::FILE* file);
TextSource memory_source(const char* bytes, std::size_t size);

// Reads a file line by line, byte by byte so that nothing in it passes unseen. A line ends
// with LF, CRLF or a CR alone (old Macs); CRs just before an LF belong to the line end, so a
// CRLF file converted once too often (CR CR LF) reads as it was meant. It counts the bytes
// it has taken, so that a writer can put a line between two others.
struct LineReader {
    TextSource* source;
    bool first_line;
    int blank_lines_due;  // lines that a run of lone CRs ended, still to be reported
    long offset;          // bytes taken from the file so far
    long line_start;      // where the line last read begins, after any byte-order mark
    const char* line_end; // how it ended: "\n", "\r\n", "\r", or "" at the end of the file

    LineRead next(char (&text)[MAX_LINE_BYTES + 1]);

private:
    int take();
    void end_at_carriage_return();
};

LineReader line_reader(TextSource& source);

// Past the line end that begins at `at` in the `length` bytes of `text`, by the reader's
// rule: CRs then an LF are one line end, a CR alone is one; `at` itself at the end. What
// edits a file in memory counts its lines with this, as the reader numbers them.
std::size_t past_line_end(const char* text, std::size_t length, std::size_t at);
