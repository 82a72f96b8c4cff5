#include "program_text.hpp"

std::string program_text(const std::string& utf8)
{
    return utf8;
}
