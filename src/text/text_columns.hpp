#pragma once

#include <cstddef>

// Console columns that `text` takes in the encoding the program's texts are compiled to.
// In a double-byte code page every byte is one column; in UTF-8 a Hangul or other wide
// character takes two columns and any other character one.
int text_columns(const char* text);

// Copies `text` into `out` and pads it with blanks to at least `columns` console columns,
// as "%-Ns" does where bytes are columns. Always NUL-terminates; cuts what does not fit.
void pad_to_columns(char* out, std::size_t out_size, const char* text, int columns);

// A text padded with blanks to a width in console columns, for the columns of a report:
// on the right to stand left-aligned, or on the left to stand right-aligned.
struct PaddedText {
    char text[192];
};
PaddedText align_left(const char* text, int columns);
PaddedText align_right(const char* text, int columns);
