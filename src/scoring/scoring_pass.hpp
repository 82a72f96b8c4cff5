#pragma once

// Scores the five sets of prediction_table on the four criteria, criterion by criterion:
// adds the points to total_score and writes every set's four detail lines.
void score_sets();
