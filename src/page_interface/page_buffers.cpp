#include "page_interface/page_buffers.hpp"

#include "text/translation.hpp"

char page_line[PAGE_LINE_CAPACITY];
char page_message[QUOTE_CAPACITY + sizeof(RecordError::message) + 16];

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

void take_page_line()
{
    use_language(Language::Korean);
    page_line[PAGE_LINE_CAPACITY - 1] = '\0';
}

void page_says(const char* text)
{
    format_text(page_message, sizeof page_message, "%s", text);
}

int use_page_file(int length, std::size_t capacity, char* name, std::size_t name_size,
                  std::size_t& file_length, bool (*read)(std::size_t length, RecordError& error))
{
    use_language(Language::Korean);
    const std::size_t given = page_length(length, capacity);
    RecordError error{};
    if (!read(given, error)) {
        name[name_size - 1] = '\0';
        page_error(name, error);
        return 0;
    }
    file_length = given;
    return 1;
}
