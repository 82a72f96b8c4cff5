#pragma once

#include <cstdint>

// The round on sale at a moment (seconds since 1970 in UTC), in Korean time (UTC+9, which
// keeps no summer time) whatever the machine's zone: round 1 was drawn on Saturday
// 2002-12-07, one round a week, and the sales for a round end at 20:00 on its Saturday.
std::int32_t round_on_sale(std::int64_t unix_seconds);

// The Saturday round `round` is drawn on, as YYYYMMDD: a week after the round before.
std::int32_t draw_date_of_round(std::int32_t round);

// The last day a prize of `round` can be claimed, as YYYYMMDD: a year after the day after
// its draw, when prizes start to be paid (29 February's year after is 1 March). A holiday
// can move it; this does not know holidays.
std::int32_t last_claim_day(std::int32_t round);

// Whether the sales for `round` had ended at the moment given.
bool sales_closed(std::int32_t round, std::int64_t unix_seconds);

// Whether a year (from 1), a month and a day name a day of the calendar.
bool calendar_day(std::int32_t year, std::int32_t month, std::int32_t day);

// A date (YYYYMMDD) as the files and the screens write it: YYYY-MM-DD.
struct DayText {
    char text[16];
};
DayText day_text(std::int32_t date);

// The date in Korea at a moment, as YYYYMMDD.
std::int32_t korean_date(std::int64_t unix_seconds);
