#pragma once

#include <string>

// The bytes the program writes for a text written here in UTF-8: the same bytes where the
// program's texts are compiled to UTF-8, their code page 949 form where they are compiled
// to that. Tests state what a user sees once and compare it in either encoding.
std::string program_text(const std::string& utf8);
