#pragma once

// Round 1230 exactly as the results mirror published it, and the same in its first stage:
// the numbers and the date, every division empty, no sales.
#include <string>

inline const std::string MIRROR_FINAL_1230 =
    R"({"draw_no":1230,"numbers":[3,8,9,22,28,42],"bonus_no":45,"date":"2026-06-27T00:00:00Z",)"
    R"("divisions":[{"prize":1771357196,"winners":16},{"prize":52484658,"winners":90},)"
    R"({"prize":1415953,"winners":3336},{"prize":50000,"winners":168902},)"
    R"({"prize":5000,"winners":2770957}],"total_sales_amount":120177677000,)"
    R"("winners_combination":{"auto":15,"manual":1}})";
inline const std::string MIRROR_NUMBERS_ONLY_1230 =
    R"({"draw_no":1230,"numbers":[3,8,9,22,28,42],"bonus_no":45,"date":"2026-06-27T00:00:00Z",)"
    R"("divisions":[{},{},{},{},{}],"winners_combination":{}})";
