#pragma once

#include <cstddef>

#include "console/console_attribute.hpp"

// Longest sequence: ESC [ 9 7 ; 1 0 7 m
inline constexpr std::size_t ANSI_ESCAPE_SIZE = 12;

// Writes the ANSI SGR sequence that shows `attribute` as "ESC[<fg>;<bg>m" into `out`,
// NUL-terminated, and returns its length.
std::size_t format_ansi_attribute(ConsoleAttribute attribute, char (&out)[ANSI_ESCAPE_SIZE]);

// Home, clear the screen, clear the scrollback.
inline constexpr char ANSI_CLEAR_SCREEN[] = "\x1b[H\x1b[2J\x1b[3J";
// Gives the terminal its own colours back.
inline constexpr char ANSI_DEFAULT_COLORS[] = "\x1b[0m";
