// Tests of a program whose texts are code page 949, run on Windows.
#include "program_text.hpp"

#include <windows.h>

std::string program_text(const std::string& utf8)
{
    if (utf8.empty()) {
        return utf8;
    }
    const int source_size = static_cast<int>(utf8.size());
    const int wide_size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), source_size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), source_size, wide.data(), wide_size);
    const int size =
        WideCharToMultiByte(949, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(949, 0, wide.data(), wide_size, converted.data(), size, nullptr, nullptr);
    return converted;
}
