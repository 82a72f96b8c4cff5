#include "results/round_result.hpp"

#include <rapidjson/document.h>
#include <rapidjson/encodedstream.h>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "lottery/lottery_calendar.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

std::size_t heap_takes = 0;

// The heap behind the fixed buffers, counted: reading must never need it.
struct HeapCountingAllocator {
    void* Malloc(std::size_t size)
    {
        ++heap_takes;
        return size != 0 ? std::malloc(size) : nullptr;
    }
    void* Realloc(void* original, std::size_t, std::size_t size)
    {
        ++heap_takes;
        if (size == 0) {
            std::free(original);
            return nullptr;
        }
        return std::realloc(original, size);
    }
    static void Free(void* memory) { std::free(memory); }
};

// The document lives in fixed buffers, sized for the worst answer within the cap, so that
// reading one never reaches the heap: at most one value every two bytes ("0,0,..."), each
// held once on the parse stack and once in its container; the longest string once.
using Pool = rapidjson::MemoryPoolAllocator<HeapCountingAllocator>;
using Document = rapidjson::GenericDocument<rapidjson::UTF8<>, Pool, Pool>;
using Value = rapidjson::GenericValue<rapidjson::UTF8<>, Pool>;
using Reader = rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>, Pool>;
constexpr std::size_t POOL_HEADER = 64; // a chunk's header, rounded up
constexpr std::size_t MOST_VALUE_BYTES = (MOST_RESULT_BYTES / 2 + 1) * sizeof(Value);
constexpr std::size_t MOST_STRING_BYTES = MOST_RESULT_BYTES + 1;
alignas(8) char value_buffer[MOST_VALUE_BYTES + POOL_HEADER];
alignas(8) char value_stack_buffer[MOST_VALUE_BYTES + POOL_HEADER];
alignas(8) char string_stack_buffer[MOST_STRING_BYTES + POOL_HEADER];
HeapCountingAllocator heap;

// The document's handler, stopping the parse at the first array or object nested deeper
// than a round's results can be: the parser recurses once a level.
struct DepthBound {
    Document& document;
    unsigned depth = 0;
    bool too_deep = false;

    bool Null() { return document.Null(); }
    bool Bool(bool value) { return document.Bool(value); }
    bool Int(int value) { return document.Int(value); }
    bool Uint(unsigned value) { return document.Uint(value); }
    bool Int64(std::int64_t value) { return document.Int64(value); }
    bool Uint64(std::uint64_t value) { return document.Uint64(value); }
    bool Double(double value) { return document.Double(value); }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document.RawNumber(text, length, copy);
    }
    bool String(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document.String(text, length, copy);
    }
    bool Key(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document.Key(text, length, copy);
    }
    bool StartObject() { return deeper() && document.StartObject(); }
    bool EndObject(rapidjson::SizeType members)
    {
        --depth;
        return document.EndObject(members);
    }
    bool StartArray() { return deeper() && document.StartArray(); }
    bool EndArray(rapidjson::SizeType elements)
    {
        --depth;
        return document.EndArray(elements);
    }
    bool deeper()
    {
        too_deep = ++depth > MOST_RESULT_DEPTH;
        return !too_deep;
    }
};

struct Problem {
    char* text;
    std::size_t size;
};

bool refuse(const Problem& problem, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);
bool refuse(const Problem& problem, const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(problem.text, problem.size, format, arguments);
    va_end(arguments);
    return false;
}

const Value* member(const Value& object, const char* name)
{
    const auto found = object.FindMember(name);
    return found != object.MemberEnd() ? &found->value : nullptr;
}

// A whole number from 0 up as JSON writes it: no fraction, no exponent, no quotes.
bool whole(const Value* value, std::int64_t most, std::int64_t& out)
{
    if (value == nullptr || !value->IsUint64() ||
        value->GetUint64() > static_cast<std::uint64_t>(most)) {
        return false;
    }
    out = static_cast<std::int64_t>(value->GetUint64());
    return true;
}

// "YYYY-MM-DD" and, if anything, the time of day at midnight UTC the source gives.
bool read_date(const Value* value, std::int32_t& date)
{
    if (value == nullptr || !value->IsString()) {
        return false;
    }
    const char* text = value->GetString();
    const std::size_t length = value->GetStringLength();
    if (length != 10 && !(length == 20 && std::strncmp(text + 10, "T00:00:00Z", 10) == 0)) {
        return false;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9')) {
            return false;
        }
    }
    year = (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    month = (text[5] - '0') * 10 + (text[6] - '0');
    day = (text[8] - '0') * 10 + (text[9] - '0');
    if (!calendar_day(year, month, day)) {
        return false;
    }
    date = year * 10'000 + month * 100 + day;
    return true;
}

bool read_prizes(const Value& root, RoundResult& result, std::int32_t today, const Problem& problem)
{
    const Value* divisions = member(root, "divisions");
    if (divisions == nullptr || !divisions->IsArray() || divisions->Size() != RANKS) {
        return refuse(problem, "%s", translate("\"divisions\" is not a list of five divisions"));
    }
    RoundPrizes& prizes = result.prizes;
    prizes = RoundPrizes{};
    prizes.round = result.round;
    bool empty_division = false;
    bool empty_fourth_or_fifth = false;
    bool all_zero = true;
    for (rapidjson::SizeType rank = 0; rank < RANKS; ++rank) {
        const Value& division = (*divisions)[rank];
        if (!division.IsObject()) {
            return refuse(problem, translate("division %u is not an object"), rank + 1);
        }
        if (division.MemberCount() == 0) {
            empty_division = true; // nobody won it, or not published yet
            empty_fourth_or_fifth = empty_fourth_or_fifth || rank >= 3;
            continue;
        }
        Division& paid = prizes.division[rank];
        if (!whole(member(division, "prize"), 999'999'999'999'999, paid.prize) ||
            !whole(member(division, "winners"), 999'999'999'999'999, paid.winners)) {
            return refuse(problem, translate("division %u has no whole \"prize\" and \"winners\""),
                          rank + 1);
        }
        all_zero = all_zero && paid.prize == 0 && paid.winners == 0;
    }
    const Value* sales = member(root, "total_sales_amount");
    if (sales != nullptr && !whole(sales, 999'999'999'999'999, prizes.sales)) {
        return refuse(problem, "%s", translate("\"total_sales_amount\" is not a whole amount"));
    }
    // The source publishes the numbers first, the prizes minutes later; an empty division
    // means nobody won it only once the draw's day is over in Korea. Thousands of games win
    // the 4th prize and tens of thousands the 5th every round: an empty one there is a record
    // not yet complete, whatever the day.
    if (sales == nullptr || all_zero || (empty_division && today <= result.date)) {
        result.prizes_state = PrizesState::Pending;
    } else if (empty_fourth_or_fifth) {
        result.prizes_state = PrizesState::Incomplete;
    } else {
        result.prizes_state = PrizesState::Final;
    }
    return true;
}

} // namespace

bool read_round_result(const char* body, std::size_t length, std::int32_t round, std::int32_t today,
                       RoundResult& result, char* problem_text, std::size_t problem_size)
{
    const Problem problem{problem_text, problem_size};
    problem_text[0] = '\0';
    result = RoundResult{};
    char start[QUOTE_CAPACITY];
    quote_text(start, sizeof start, body, length, QUOTE_SHOWN);
    if (length > MOST_RESULT_BYTES) {
        return refuse(problem, translate("the answer is longer than %zu bytes: '%s'"),
                      MOST_RESULT_BYTES, start);
    }
    Pool values(value_buffer, sizeof value_buffer, sizeof value_buffer, &heap);
    Pool value_stack(value_stack_buffer, sizeof value_stack_buffer, sizeof value_stack_buffer,
                     &heap);
    Pool string_stack(string_stack_buffer, sizeof string_stack_buffer, sizeof string_stack_buffer,
                      &heap);
    Document document(&values, MOST_VALUE_BYTES, &value_stack);
    Reader reader(&string_stack, MOST_STRING_BYTES);
    DepthBound bounded{document};
    rapidjson::ParseResult parsed;
    auto parse = [&](Document&) {
        rapidjson::MemoryStream stream(body, length);
        rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> input(stream);
        parsed = reader.Parse<rapidjson::kParseValidateEncodingFlag>(input, bounded);
        return !parsed.IsError();
    };
    document.Populate(parse);
    if (bounded.too_deep) {
        char reason[64];
        format_text(reason, sizeof reason, translate("nested more than %u deep"),
                    MOST_RESULT_DEPTH);
        return refuse(problem, translate("not the results as JSON (%s at byte %zu): '%s'"), reason,
                      parsed.Offset(), start);
    }
    if (parsed.IsError()) {
        return refuse(problem, translate("not the results as JSON (%s at byte %zu): '%s'"),
                      rapidjson::GetParseError_En(parsed.Code()), parsed.Offset(), start);
    }
    if (!document.IsObject()) {
        return refuse(problem, translate("not the results of a round: '%s'"), start);
    }
    std::int64_t number = 0;
    if (!whole(member(document, "draw_no"), 99'999, number)) {
        return refuse(problem, translate("no round (\"draw_no\") in '%s'"), start);
    }
    if (number != round) {
        return refuse(problem, translate("the results of round %" PRId64 ", not of round %d"),
                      number, round);
    }
    result.round = round;
    const Value* numbers = member(document, "numbers");
    if (numbers == nullptr || !numbers->IsArray() || numbers->Size() != 6) {
        return refuse(problem, "%s", translate("\"numbers\" is not a list of six numbers"));
    }
    for (rapidjson::SizeType i = 0; i < 6; ++i) {
        if (!whole(&(*numbers)[i], 45, number) || number < 1) {
            return refuse(problem, "%s",
                          translate("\"numbers\" holds something other than a "
                                    "number from 1 to 45"));
        }
        result.numbers[i] = static_cast<std::int32_t>(number);
    }
    std::sort(result.numbers, result.numbers + 6);
    if (std::adjacent_find(result.numbers, result.numbers + 6) != result.numbers + 6) {
        return refuse(problem, "%s", translate("\"numbers\" holds a number twice"));
    }
    if (!whole(member(document, "bonus_no"), 45, number) || number < 1 ||
        std::find(result.numbers, result.numbers + 6, number) != result.numbers + 6) {
        return refuse(problem, "%s",
                      translate("\"bonus_no\" is not a number from 1 to 45 apart "
                                "from the six"));
    }
    result.bonus = static_cast<std::int32_t>(number);
    if (!read_date(member(document, "date"), result.date)) {
        return refuse(problem, "%s", translate("\"date\" is not a calendar day"));
    }
    return read_prizes(document, result, today, problem);
}

std::size_t result_reader_heap_takes()
{
    return heap_takes;
}

void format_result_line(char (&out)[MAX_LINE_BYTES + 1], const RoundResult& result, bool with_bonus)
{
    const std::int32_t* n = result.numbers;
    const std::size_t length =
        format_text(out, sizeof out, "%d,%s,%d,%d,%d,%d,%d,%d", result.round,
                    day_text(result.date).text, n[0], n[1], n[2], n[3], n[4], n[5]);
    if (with_bonus) {
        format_text(out + length, sizeof out - length, ",%d", result.bonus);
    }
}
