#pragma once

// The back-test's headline as the report words it, line by line, for the report and for
// the page, which shows the same figures in the same words.
#include <cstddef>

#include "counting/back_test.hpp"

// What the back-test did: how many draws, and how each was scored and placed.
void format_back_test_intro(char* out, std::size_t size, const BackTest& test);

enum class BackTestShare { MeanMidRank, TopTenth };

// The share's name: "mean mid-rank", "in the top tenth (mid-rank >= 90 %)".
const char* back_test_share_label(BackTestShare share);

// The share's line: two blanks, `label`, the winning sets' share and what chance gives.
void format_back_test_share(char* out, std::size_t size, const BackTest& test, BackTestShare share,
                            const char* label);

// The chi-square test's line, or an empty text when there were too few draws for one.
void format_chi_square(char* out, std::size_t size, const BackTest& test);

// The sentence that says what the test found.
const char* back_test_verdict(const BackTest& test);

// The back-test per draw as CSV, the header and one row a draw: "round,total,mid_rank".
inline constexpr char BACK_TEST_CSV_HEADER[] = "round,total,mid_rank\n";
void format_back_test_row(char* out, std::size_t size, const BackTestDraw& draw);
