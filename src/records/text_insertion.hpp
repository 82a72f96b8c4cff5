#pragma once

#include <cstddef>

#include "records/record_lines.hpp"

// Text to put into a file at a byte offset: a draw line, or a slip's games with a header.
struct TextInsertion {
    long at;
    char text[(MAX_LINE_BYTES + 4) * 7];
};

// Makes the insertion in `buffer`, which holds `length` bytes of room `capacity`: false,
// and nothing changed, when it would not fit or `at` is past the end.
bool insert_text(char* buffer, std::size_t& length, std::size_t capacity,
                 const TextInsertion& insertion);

// Takes out of `buffer` the whole line numbered `line` (from 1), its line end with it: false,
// and nothing changed, when the text has no such line.
bool remove_text_line(char* buffer, std::size_t& length, long line);
