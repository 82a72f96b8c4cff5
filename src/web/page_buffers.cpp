#include "web/page_buffers.hpp"

#include "text/translation.hpp"

char page_line[PAGE_LINE_CAPACITY];
char page_message[QUOTE_CAPACITY + sizeof(RecordError::message) + 16];

namespace {

char no_text[1];

} // namespace

std::FILE* open_page_text(char* text, std::size_t length)
{
    // A memory stream cannot be opened on no bytes for reading; a stream for writing starts
    // empty and reads as such.
    return length > 0 ? fmemopen(text, length, "rb") : fmemopen(no_text, sizeof no_text, "w+");
}

const char* page_error(const char* name, const RecordError& error)
{
    format_record_error(page_message, sizeof page_message, name, error);
    return page_message;
}

std::size_t page_length(int length, std::size_t capacity)
{
    return length < 0 || static_cast<std::size_t>(length) > capacity
               ? 0
               : static_cast<std::size_t>(length);
}
