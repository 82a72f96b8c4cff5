#include "records/text_insertion.hpp"

#include <cstring>

#include "text/text_format.hpp"

bool insert_text(char* buffer, std::size_t& length, std::size_t capacity,
                 const TextInsertion& insertion)
{
    const std::size_t added = std::strlen(insertion.text);
    if (insertion.at < 0 || static_cast<std::size_t>(insertion.at) > length ||
        added > capacity - length) {
        return false;
    }
    const std::size_t at = static_cast<std::size_t>(insertion.at);
    std::memmove(buffer + at + added, buffer + at, length - at);
    std::memcpy(buffer + at, insertion.text, added);
    length += added;
    return true;
}

long text_line_start(const char* buffer, std::size_t length, long line)
{
    // A byte-order mark stays where it is.
    std::size_t start = length >= 3 && std::memcmp(buffer, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    for (long number = 1; number < line; ++number) {
        while (start < length && buffer[start] != '\n' && buffer[start] != '\r') {
            ++start;
        }
        if (start == length) {
            return -1;
        }
        start = past_line_end(buffer, length, start);
    }
    return line < 1 || start == length ? -1 : static_cast<long>(start);
}

bool remove_text_line(char* buffer, std::size_t& length, long line)
{
    const long found = text_line_start(buffer, length, line);
    if (found < 0) {
        return false;
    }
    const auto start = static_cast<std::size_t>(found);
    std::size_t end = start;
    while (end < length && buffer[end] != '\n' && buffer[end] != '\r') {
        ++end;
    }
    end = past_line_end(buffer, length, end);
    std::memmove(buffer + start, buffer + end, length - end);
    length -= end - start;
    return true;
}

FileEnding ending_of(TextSource& source)
{
    FileEnding ending{0, true, "\n"};
    bool line_end_seen = false;
    int previous = EOF;
    source.rewind();
    for (int c = source.take(); c != EOF; previous = c, c = source.take()) {
        ++ending.size;
        if (!line_end_seen && c == '\n') {
            ending.line_end = previous == '\r' ? "\r\n" : "\n";
            line_end_seen = true;
        } else if (!line_end_seen && previous == '\r') {
            ending.line_end = "\r";
            line_end_seen = true;
        }
    }
    ending.ends_with_line_end = ending.size == 0 || previous == '\n' || previous == '\r';
    return ending;
}

const char* begin_insertion_at_end(TextSource& source, const char* header, TextInsertion& insertion)
{
    const FileEnding ending = ending_of(source);
    insertion.at = ending.size;
    insertion.text[0] = '\0';
    if (ending.size == 0) {
        add_line(insertion, header, ending.line_end);
    } else if (!ending.ends_with_line_end) {
        add_line(insertion, "", ending.line_end);
    }
    return ending.line_end;
}

void add_line(TextInsertion& insertion, const char* line, const char* line_end)
{
    const std::size_t length = std::strlen(insertion.text);
    format_text(insertion.text + length, sizeof insertion.text - length, "%s%s", line, line_end);
}
