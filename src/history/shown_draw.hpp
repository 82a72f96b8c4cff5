#pragma once

#include <cstdint>

// A draw as a message shows it beside another: "1 2 3 4 5 6 + 7", and " (YYYY-MM-DD)" after
// it when `date` (YYYYMMDD) is not 0.
struct ShownDraw {
    char text[96];
};
ShownDraw shown_draw(const std::int32_t* numbers, std::int32_t bonus, std::int32_t date);
