#pragma once

// What the page's parts share: the line the page hands in (a typed draw, a game, a slip's
// code) and the text it takes back (why something was refused).
#include <cstddef>

#include "history/draw_history.hpp"
#include "text/quoted_text.hpp"

inline constexpr std::size_t PAGE_LINE_CAPACITY = 4096;
extern char page_line[PAGE_LINE_CAPACITY];
extern char page_message[QUOTE_CAPACITY + sizeof(RecordError::message) + 16];

// "NAME:LINE: what is wrong" (or "NAME: what is wrong") in page_message.
const char* page_error(const char* name, const RecordError& error);

// Clamps a length from the page to the room it was written in.
std::size_t page_length(int length, std::size_t capacity);
