#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A fuzzer's promise: broken, it says which and aborts, so that libFuzzer keeps the input.
inline void require(bool condition, const char* promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// The bytes as a file open for reading, for readers that take a stream.
inline std::FILE* open_bytes(const std::string& bytes)
{
    std::FILE* file = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    require(file != nullptr, "fmemopen opens the bytes");
    return file;
}

// The same text with CRLF line ends.
inline std::string with_crlf(const std::string& bytes)
{
    std::string crlf;
    for (char c : bytes) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return crlf;
}
