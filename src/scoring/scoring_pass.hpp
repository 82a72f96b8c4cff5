#pragma once

#include <cstddef>
#include <cstdint>

// Scores the five sets of prediction_table on the four criteria, criterion by criterion:
// adds the points to total_score and writes every set's four detail lines.
void score_sets();

// The line under a set's criterion lines that gives its total, without a line end.
std::size_t format_total_line(char* out, std::size_t size, std::int32_t total);
