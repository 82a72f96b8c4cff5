#include "records/record_lines.hpp"

#include <algorithm>
#include <cstring>

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

Fields split_fields(const char* text)
{
    const char delimiter = std::strchr(text, ',') != nullptr ? ',' : '\t';
    Fields fields{};
    int delimiters = 0; // since the last field
    const char* at = text;
    while (*at != '\0') {
        if (*at == delimiter) {
            ++delimiters;
            ++at;
            continue;
        }
        if (is_blank(*at) || *at == '"') {
            ++at;
            continue;
        }
        const bool empty_before = fields.count == 0 ? delimiters > 0 : delimiters > 1;
        if (empty_before && fields.empty_place == 0) {
            fields.empty_place = fields.count + 1;
        }
        delimiters = 0;
        const char* start = at;
        while (*at != '\0' && *at != ',' && !is_blank(*at) && *at != '"') {
            ++at;
        }
        if (fields.count <= MAX_FIELDS) {
            fields.field[fields.count] = Field{start, static_cast<int>(at - start)};
        }
        ++fields.count;
    }
    fields.trailing_empty = fields.count > 0 ? delimiters : 0;
    return fields;
}

bool whole_amount(const Field& field, std::int64_t& value)
{
    if (field.length == 0 || field.length > 15) {
        return false;
    }
    value = 0;
    for (int i = 0; i < field.length; ++i) {
        if (field.text[i] < '0' || field.text[i] > '9') {
            return false;
        }
        value = value * 10 + (field.text[i] - '0');
    }
    return true;
}

bool whole_number(const Field& field, int& value)
{
    std::int64_t number = 0;
    if (field.length > 9 || !whole_amount(field, number)) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool holds_digit(const Field& field)
{
    return std::find_if(field.text, field.text + field.length,
                        [](char c) { return c >= '0' && c <= '9'; }) != field.text + field.length;
}

bool record_fields(const char* text, Fields& fields)
{
    while (is_blank(*text)) {
        ++text;
    }
    if (*text == '#') {
        return false;
    }
    fields = split_fields(text);
    return fields.count > 0;
}

QuotedField quoted(const Field& field)
{
    QuotedField quote{};
    quote_text(quote.text, sizeof quote.text, field.text, static_cast<std::size_t>(field.length),
               QUOTE_SHOWN);
    return quote;
}

TextSource stream_source(std::FILE* file)
{
    return TextSource{file, nullptr, 0, 0};
}

TextSource memory_source(const char* bytes, std::size_t size)
{
    return TextSource{nullptr, bytes, static_cast<long>(size), 0};
}

int TextSource::take()
{
    if (file != nullptr) {
        return std::getc(file);
    }
    return at < size ? static_cast<unsigned char>(bytes[at++]) : EOF;
}

void TextSource::put_back(int c)
{
    if (file != nullptr) {
        std::ungetc(c, file);
    } else if (at > 0) {
        --at;
    }
}

bool TextSource::failed() const
{
    return file != nullptr && std::ferror(file) != 0;
}

void TextSource::rewind()
{
    if (file != nullptr) {
        std::fseek(file, 0, SEEK_SET);
    } else {
        at = 0;
    }
}

LineReader line_reader(TextSource& source)
{
    return LineReader{&source, true, 0, 0, 0, ""};
}

int LineReader::take()
{
    const int c = source->take();
    if (c != EOF) {
        ++offset;
    }
    return c;
}

LineRead LineReader::next(char (&text)[MAX_LINE_BYTES + 1])
{
    text[0] = '\0';
    if (blank_lines_due > 0) {
        --blank_lines_due;
        line_start = offset;
        line_end = "\r";
        return LineRead::Line;
    }
    line_start = offset;
    line_end = "";
    int c = take();
    if (c == EOF) {
        return LineRead::End;
    }
    const bool first = first_line;
    first_line = false;
    int length = 0;
    int bytes = 0;
    int content = 0;       // bytes but the byte-order mark
    int first_visible = 0; // the first byte that is not a blank, once there is one
    for (; c != EOF && c != '\n'; c = take()) {
        if (c == '\r') {
            end_at_carriage_return();
            break;
        }
        ++bytes;
        if (c == '\0') {
            // UTF-16 puts a NUL beside every ASCII character, from the first on.
            const bool utf16 = first && (bytes == 1 || (bytes == 2 && text[0] != '\0'));
            return utf16 ? LineRead::Utf16 : LineRead::HoldsNul;
        }
        if (length < MAX_LINE_BYTES) {
            text[length++] = static_cast<char>(c);
        }
        ++content;
        if (first && bytes == 2 &&
            (std::memcmp(text, "\xFF\xFE", 2) == 0 || std::memcmp(text, "\xFE\xFF", 2) == 0)) {
            return LineRead::Utf16;
        }
        if (first && bytes == 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) {
            length = 0; // the UTF-8 byte-order mark some editors write
            content = 0;
            line_start = 3;
            continue;
        }
        if (first_visible == 0 && c != ' ' && c != '\t') {
            first_visible = c;
        }
        // Comment and blank lines may be as long as they like.
        if (content > MAX_LINE_BYTES && first_visible != 0 && first_visible != '#') {
            return LineRead::TooLong;
        }
    }
    if (c == '\n') {
        line_end = "\n";
    }
    text[length] = '\0';
    return LineRead::Line;
}

// After a CR: more CRs and an LF end this one line; CRs alone each end a line.
void LineReader::end_at_carriage_return()
{
    int carriage_returns = 1;
    int c = take();
    while (c == '\r') {
        ++carriage_returns;
        c = take();
    }
    if (c == '\n') {
        line_end = "\r\n";
        return;
    }
    line_end = "\r";
    if (c != EOF) {
        source->put_back(c);
        --offset;
    }
    blank_lines_due = carriage_returns - 1;
}

std::size_t past_line_end(const char* text, std::size_t length, std::size_t at)
{
    std::size_t end = at;
    while (end < length && text[end] == '\r') {
        ++end;
    }
    if (end < length && text[end] == '\n') {
        return end + 1;
    }
    return at < length ? at + 1 : at;
}
