#include "tickets/sales_round.hpp"

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
