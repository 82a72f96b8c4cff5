#include "records/record_file.hpp"

#include <cerrno>
#include <cstdarg>

#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/translation.hpp"

bool refuse_line(RecordError& error, int line, const char* message)
{
    error.line = line;
    format_text(error.message, sizeof error.message, "%s", message);
    return false;
}

std::size_t format_record_error(char* out, std::size_t size, const char* name,
                                const RecordError& error)
{
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, name, NAME_SHOWN);
    return error.line > 0 ? format_text(out, size, "%s:%d: %s", quoted, error.line, error.message)
                          : format_text(out, size, "%s: %s", quoted, error.message);
}

bool refuse_at(RecordError& error, int line, const char* format, ...)
{
    error.line = line;
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(error.message, sizeof error.message, format, arguments);
    va_end(arguments);
    return false;
}

LineKind invalid_line(RecordError& error, const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(error.message, sizeof error.message, format, arguments);
    va_end(arguments);
    return LineKind::Invalid;
}

bool refuse_with(RecordError& error, const char* format, ...)
{
    error.line = 0;
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(error.message, sizeof error.message, format, arguments);
    va_end(arguments);
    return false;
}

bool read_record_lines(TextSource& source, const char* too_many_lines, TakeRecordLine take,
                       void* records, RecordError& error)
{
    LineReader reader = line_reader(source);
    char text[MAX_LINE_BYTES + 1];
    std::int32_t line = 0;
    for (LineRead read = reader.next(text); read != LineRead::End; read = reader.next(text)) {
        if (line == MAX_RECORD_LINES) {
            return refuse_line(error, 0, too_many_lines);
        }
        ++line;
        switch (read) {
        case LineRead::TooLong:
            error.line = line;
            format_text(error.message, sizeof error.message,
                        translate("the line is longer than %d bytes"), MAX_LINE_BYTES);
            return false;
        case LineRead::HoldsNul:
            return refuse_line(error, line,
                               translate("the line holds a NUL byte; is this a text file?"));
        case LineRead::Utf16:
            return refuse_line(error, 0,
                               translate("the file is UTF-16 text; save it as UTF-8 (a spreadsheet "
                                         "calls it CSV UTF-8)"));
        case LineRead::Line:
        case LineRead::End:
            break;
        }
        if (!take(records, text, line, reader, error)) {
            return false;
        }
    }
    if (source.failed()) {
        return refuse_line(error, 0, error_text(errno != 0 ? errno : EIO));
    }
    return true;
}

LineStep step_of(LineKind kind, bool& first_content, std::int32_t line, RecordError& error)
{
    switch (kind) {
    case LineKind::Skipped:
        return LineStep::Next;
    case LineKind::Header:
        first_content = false;
        return LineStep::Next;
    case LineKind::Invalid:
        error.line = line;
        return LineStep::Stop;
    case LineKind::Draw:
        break;
    }
    first_content = false;
    return LineStep::Keep;
}

LineKind record_line_fields(const char* text, bool first_content, Fields& fields,
                            RecordError& error)
{
    if (!record_fields(text, fields)) {
        return LineKind::Skipped;
    }
    if (first_content && !holds_digit(fields.field[0])) {
        return LineKind::Header;
    }
    if (fields.empty_place != 0 || fields.trailing_empty != 0) {
        return invalid_line(error, translate("field %d is empty"),
                            fields.empty_place != 0 ? fields.empty_place : fields.count + 1);
    }
    return LineKind::Draw;
}

bool read_round(const Field& field, std::int32_t& round, RecordError& error)
{
    if (whole_number(field, round) && round >= 1) {
        return true;
    }
    invalid_line(error, translate("the round '%s' is not a positive whole number"),
                 quoted(field).text);
    return false;
}
