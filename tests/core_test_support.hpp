#pragma once

#include <cstdio>
#include <cstring>
#include <string>

#include "generation/prediction_table.hpp"

inline std::string text_of(const DetailLine& line)
{
    return std::string(line.data());
}

// The points a criterion line shows after its "--->" arrow, or -1 when it shows none.
inline int points_shown(const DetailLine& line)
{
    const char* arrow = std::strstr(line.data(), "--->");
    int points = -1;
    if (arrow == nullptr || std::sscanf(arrow, "---> %d", &points) != 1) {
        return -1;
    }
    return points;
}

// Puts the table back to how the program starts: every byte zero.
inline void clear_whole_table()
{
    std::memset(&prediction_table, 0, sizeof prediction_table);
}
