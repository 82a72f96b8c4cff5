#include "console/console.hpp"
#include "console/number_cell.hpp"
#include "console/read_choice.hpp"
#include "console/screens.hpp"
#include "generation/prediction_table.hpp"
#include "scoring/scoring_pass.hpp"

namespace {

constexpr char RULE[] = "=========================================================\n";

void print_details()
{
    console_print("<점수 산정 결과 상세보기> \n");
    console_print(RULE);
    for (int k = 0; k < SET_COUNT; ++k) {
        console_printf("%d번째 set \n[ ", k + 1);
        for (std::int32_t number : prediction_table.sets[k]) {
            print_number_cell(number);
        }
        console_print(" ]\n");
        for (const DetailLine& line : prediction_table.detail_lines[k]) {
            console_printf("%s \n", line.data());
        }
        char total_line[64];
        format_total_line(total_line, sizeof total_line, prediction_table.total_score[k]);
        console_printf("%s\n", total_line);
        console_print("\n");
    }
    console_print(RULE);
    console_print("1번 종료\n");
    console_print("2번 돌아가기\n");
}

} // namespace

DetailResult show_details()
{
    console_clear_screen();
    std::int32_t choice = 0;
    for (;;) {
        print_details();
        if (!read_choice(choice)) {
            console_print("\n");
            return DetailResult::Exit;
        }
        if (choice == 1 || choice == 2) {
            console_print("\n");
            return choice == 1 ? DetailResult::Exit : DetailResult::Back;
        }
        // The screen repeats below the old one, which stays on the console.
        console_print(INVALID_CHOICE_TEXT);
    }
}
