#pragma once

// The page's C interface as its scripts call it, and the helpers the tests of it share: the
// history and the tickets handed in as the page hands them, and read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

extern "C" {
char* lotto_history_buffer();
char* lotto_history_name_buffer();
int lotto_history_length();
int lotto_use_history(int length);
const char* lotto_history_error();
int lotto_history_round();
int lotto_use_lists_of_round(int round);
char* lotto_line_buffer();
const char* lotto_next_draw_line();
int lotto_add_draw();
int lotto_added_round();
char* lotto_tickets_buffer();
int lotto_tickets_length();
int lotto_use_tickets(int length);
const char* lotto_message();
int lotto_add_ticket();
int lotto_added_ticket_round();
int lotto_save_sets(double unix_seconds);
int lotto_remove_ticket(int index);
int lotto_ticket_count();
int lotto_ticket_round(int index);
int lotto_ticket_number(int index, int position);
int lotto_ticket_rank(int index);
int lotto_ticket_matched(int index, int position);
double lotto_ticket_prize(int index);
void lotto_summarize_tickets();
double lotto_summary_spent();
double lotto_summary_won();
void lotto_generate(std::uint32_t seed);
int lotto_number(int set, int index);
int lotto_choose_numbers();
int lotto_kept_count();
int lotto_kept_number(int index);
int lotto_left_out(int number);
int lotto_back_test_draws();
const char* lotto_back_test_csv();
int lotto_back_test_batches();
void lotto_count_back_test_batch(int batch);
void* lotto_back_test_counts();
int lotto_back_test_counts_size();
void lotto_start_back_test();
int lotto_add_back_test_batch();
int lotto_back_test_tested();
const char* lotto_back_test_mean_mid_rank();
const char* lotto_back_test_p_value();
const char* lotto_back_test_line(int which);
char* lotto_import_buffer();
int lotto_import_tickets(int length);
int lotto_import_added();
int lotto_import_known();
const char* lotto_draw_line_of_round(int round);
int lotto_replace_draw();
int lotto_latest_number(int position);
int lotto_latest_date();
const char* lotto_latest_day();
char* lotto_prizes_buffer();
int lotto_prizes_length();
int lotto_use_prizes(int length);
int lotto_prizes_round();
double lotto_round_prize(int round, int rank);
double lotto_round_winners(int round, int rank);
int lotto_add_prizes();
const char* lotto_ticket_claim(int index);
double lotto_summary_prizes_not_known();
void lotto_set_clock(double unix_seconds);
int lotto_drawn_round();
int lotto_korean_date();
char* lotto_answer_buffer();
int lotto_answer_capacity();
char* lotto_held_line_buffer();
void lotto_start_update(int history_first, int history_newest, int keeps_bonus, int prizes_newest,
                        double unix_seconds);
int lotto_round_to_ask();
int lotto_decide_round(int fetch, int length, int prizes_held);
const char* lotto_decision_draw_line();
const char* lotto_decision_prizes_line();
const char* lotto_decision_problem();
const char* lotto_decision_held_draw();
int lotto_update_waiting();
int lotto_history_first_round();
int lotto_draw_count();
int lotto_draw_round(int index);
int lotto_draw_number(int index, int position);
const char* lotto_draw_day(int index);
double lotto_round_sales(int round);
int lotto_round_standing(int round);
}

inline std::string history_text()
{
    return {lotto_history_buffer(), static_cast<std::size_t>(lotto_history_length())};
}

inline std::string tickets_text()
{
    return {lotto_tickets_buffer(), static_cast<std::size_t>(lotto_tickets_length())};
}

inline void use_history(const std::string& text)
{
    std::memcpy(lotto_history_buffer(), text.data(), text.size());
    std::strcpy(lotto_history_name_buffer(), "draws.csv");
    ASSERT_EQ(lotto_use_history(static_cast<int>(text.size())), 1) << lotto_history_error();
}

inline void use_tickets(const std::string& text)
{
    std::memcpy(lotto_tickets_buffer(), text.data(), text.size());
    ASSERT_EQ(lotto_use_tickets(static_cast<int>(text.size())), 1) << lotto_message();
}
