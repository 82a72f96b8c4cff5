#pragma once

// What the page's parts share: the line the page hands in (a typed draw, a game, a slip's
// code) and the text it takes back (why something was refused).
#include <cstddef>

#include "history/draw_history.hpp"
#include "page_interface/page_export.hpp"
#include "text/quoted_text.hpp"

inline constexpr std::size_t PAGE_LINE_CAPACITY = 4096;
extern char page_line[PAGE_LINE_CAPACITY];
extern char page_message[QUOTE_CAPACITY + sizeof(RecordError::message) + 16];

// Readies a call that reads the line the page handed in: the page's language (Korean, its
// messages too) in force, the line ended within its buffer.
void take_page_line();

// `text` in page_message: why a call refused what the page handed in.
void page_says(const char* text);

// "NAME:LINE: what is wrong" (or "NAME: what is wrong") in page_message.
const char* page_error(const char* name, const RecordError& error);

// The calls through which the page hands the core a file's bytes and name, the same for
// each file the page keeps: where its bytes go and their room, where its name goes and its
// room, and how many bytes the core holds.
// clang-format off
#define LOTTO_PAGE_FILE(file, text, capacity, name, length) \
    LOTTO_PAGE_EXPORT char* lotto_##file##_buffer() { return (text); } \
    LOTTO_PAGE_EXPORT int lotto_##file##_capacity() { return static_cast<int>(capacity); } \
    LOTTO_PAGE_EXPORT char* lotto_##file##_name_buffer() { return (name); } \
    LOTTO_PAGE_EXPORT int lotto_##file##_name_capacity() { return static_cast<int>(sizeof(name)); } \
    LOTTO_PAGE_EXPORT int lotto_##file##_length() { return static_cast<int>(length); }
// clang-format on

// Reads a file the page handed in (`length` bytes, clamped to `capacity`) with `read`: 1 with
// `file_length` set, or 0 with page_message saying why, the file's `name` first.
int use_page_file(int length, std::size_t capacity, char* name, std::size_t name_size,
                  std::size_t& file_length, bool (*read)(std::size_t length, RecordError& error));

// Clamps a length from the page to the room it was written in.
std::size_t page_length(int length, std::size_t capacity);
