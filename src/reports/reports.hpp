#pragma once

#include <cstdio>

#include "counting/score_distribution.hpp"

// The report for people: every criterion's outcomes over both populations, then where the
// totals of the proposable sets lie.
void write_text_report(std::FILE* out, const ScoreDistribution& distribution);

// Which sets a report under a choice of kept and left-out numbers counts, and a blank
// line; nothing without a choice.
void write_choice_lines(std::FILE* out, const NumberChoice& choice);

// One line per outcome: criterion,outcome,points,all_sets,proposable_sets.
void write_csv_report(std::FILE* out, const ScoreDistribution& distribution);

// A histogram of the totals of the proposable sets, as a standalone SVG image.
void write_histogram_svg(std::FILE* out, const ScoreDistribution& distribution);
