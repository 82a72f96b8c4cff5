#pragma once

#include <cstddef>

#include "records/record_lines.hpp"

// Text to put into a file at a byte offset: a draw line, or a slip's games with a header.
struct TextInsertion {
    long at;
    char text[(MAX_LINE_BYTES + 4) * 7];
};

// How a file ends and which line end it uses, so that lines added at its end follow in its
// style: the first line end it has, "\n" for none.
struct FileEnding {
    long size;
    bool ends_with_line_end; // or is empty
    const char* line_end;
};
FileEnding ending_of(TextSource& source);

// Starts an insertion at the end of the file read from `source`: the header first when the
// file is empty, a line end when its last line lacks one. Returns the line end the lines
// added take, the file's own.
const char* begin_insertion_at_end(TextSource& source, const char* header,
                                   TextInsertion& insertion);
// Adds `line` and its line end to the insertion.
void add_line(TextInsertion& insertion, const char* line, const char* line_end);

// Makes the insertion in `buffer`, which holds `length` bytes of room `capacity`: false,
// and nothing changed, when it would not fit or `at` is past the end.
bool insert_text(char* buffer, std::size_t& length, std::size_t capacity,
                 const TextInsertion& insertion);

// Where the line numbered `line` (from 1) starts in the `length` bytes of `buffer`, after any
// byte-order mark; -1 when the text has no such line.
long text_line_start(const char* buffer, std::size_t length, long line);

// Takes out of `buffer` the whole line numbered `line` (from 1), its line end with it: false,
// and nothing changed, when the text has no such line.
bool remove_text_line(char* buffer, std::size_t& length, long line);
