#pragma once

#include <string>

// What the user sees, byte for byte, in a plain (non-terminal) session whose clock reads
// KNOWN_SEED, in the program's own text encoding.
inline constexpr int KNOWN_SEED = 20261206;

extern const std::string FIRST_MENU;
extern const std::string SHOWN_MENU;
extern const std::string INVALID;
extern const std::string FAREWELL;

// The prediction and detail screens depend on the platform's rand; these are known for
// glibc's and for the Windows C runtime's. Empty where the rand is another one.
extern const std::string PREDICTIONS;
extern const std::string DETAILS;
bool screens_are_known_for_this_rand();

// The text without its "ESC [ parameters letter" sequences: what a terminal shows as text.
std::string strip_escapes(const std::string& text);
