#include "tickets/sales_round.hpp"

namespace {

constexpr std::int64_t KOREAN_OFFSET = 9 * 3600;
constexpr std::int64_t WEEK = 7 * 86400;
// 2002-12-07 20:00 as seconds since 1970 on a Korean clock: when round 1's sales ended.
constexpr std::int64_t FIRST_SALES_END = 1'039'219'200 + 20 * 3600;

} // namespace

std::int32_t round_on_sale(std::int64_t unix_seconds)
{
    const std::int64_t since = unix_seconds + KOREAN_OFFSET - FIRST_SALES_END;
    if (since < 0) {
        return 1;
    }
    return static_cast<std::int32_t>(since / WEEK + 2);
}
