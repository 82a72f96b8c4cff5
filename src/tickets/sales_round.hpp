#pragma once

#include <cstdint>

// The round on sale at a moment (seconds since 1970 in UTC), in Korean time (UTC+9, which
// keeps no summer time) whatever the machine's zone: round 1 was drawn on Saturday
// 2002-12-07, one round a week, and the sales for a round end at 20:00 on its Saturday.
std::int32_t round_on_sale(std::int64_t unix_seconds);

// The Saturday round `round` is drawn on, as YYYYMMDD: a week after the round before.
std::int32_t draw_date_of_round(std::int32_t round);
