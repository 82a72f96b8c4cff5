#include "lottery/lottery_calendar.hpp"

#include "text/text_format.hpp"

namespace {

constexpr std::int64_t HOUR = 3600;
constexpr std::int64_t KOREAN_OFFSET = 9 * HOUR;
constexpr std::int64_t DAY = 24 * HOUR;
constexpr std::int64_t WEEK = 7 * DAY;
// 2002-12-07 20:00 as seconds since 1970 on a Korean clock: when round 1's sales ended.
constexpr std::int64_t FIRST_SALES_END = 1'039'219'200 + 20 * HOUR;

} // namespace

std::int32_t round_on_sale(std::int64_t unix_seconds)
{
    const std::int64_t since = unix_seconds + KOREAN_OFFSET - FIRST_SALES_END;
    if (since < 0) {
        return 1;
    }
    return static_cast<std::int32_t>(since / WEEK + 2);
}

namespace {

constexpr std::int64_t FIRST_DRAW_DAY = 1'039'219'200 / DAY; // 2002-12-07, days since 1970

// The civil date of a day count since 1970 as YYYYMMDD, by the proleptic Gregorian calendar
// in 400-year eras.
std::int32_t civil_date(std::int64_t days)
{
    const std::int64_t z = days + 719'468;
    const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const std::int64_t day_of_era = z - era * 146'097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36'524 - day_of_era / 146'096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
    const std::int64_t day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
    const std::int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
    const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    return static_cast<std::int32_t>(year * 10'000 + month * 100 + day);
}

bool leap_year(std::int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

std::int32_t draw_date_of_round(std::int32_t round)
{
    return civil_date(FIRST_DRAW_DAY + 7 * static_cast<std::int64_t>(round - 1));
}

std::int32_t last_claim_day(std::int32_t round)
{
    const std::int32_t day_after =
        civil_date(FIRST_DRAW_DAY + 7 * static_cast<std::int64_t>(round - 1) + 1);
    const std::int32_t year = day_after / 10'000 + 1;
    const std::int32_t month_day = day_after % 10'000;
    if (month_day == 229 && !leap_year(year)) {
        return year * 10'000 + 301; // a year after 29 February: 1 March
    }
    return year * 10'000 + month_day;
}

bool sales_closed(std::int32_t round, std::int64_t unix_seconds)
{
    return round_on_sale(unix_seconds) > round;
}

std::int32_t korean_date(std::int64_t unix_seconds)
{
    const std::int64_t seconds = unix_seconds + KOREAN_OFFSET;
    return civil_date(seconds >= 0 ? seconds / DAY : (seconds - DAY + 1) / DAY);
}

bool calendar_day(std::int32_t year, std::int32_t month, std::int32_t day)
{
    static constexpr int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 &&
           day <= (month == 2 && leap_year(year) ? 29 : DAYS[month - 1]);
}

DayText day_text(std::int32_t date)
{
    DayText text{};
    format_text(text.text, sizeof text.text, "%04d-%02d-%02d", date / 10'000, date / 100 % 100,
                date % 100);
    return text;
}
