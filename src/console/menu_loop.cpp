#include "console/menu_loop.hpp"

#include <cstdint>
#include <cstdlib>

#include "console/console.hpp"
#include "console/read_choice.hpp"
#include "console/screens.hpp"
#include "console/ticket_saving.hpp"
#include "generation/set_generator.hpp"

namespace {

void print_menu(MenuState state)
{
    console_print("\n");
    console_print("1번: 종료\n");
    if (state == MenuState::NoPrediction) {
        console_print("2번: 로또 번호 생성\n");
    } else {
        console_print("2번: 로또 번호 다시 생성\n");
        console_print("3번: 결과 자세히 보기\n");
        if (ticket_saving_on()) {
            console_print("4번: 번호 저장\n");
        }
    }
    console_print("\n");
    console_print("실행하실 메뉴를 선택하세요: ");
}

} // namespace

int run_menu_loop()
{
    MenuState state = MenuState::NoPrediction;
    // Two loops on purpose: the inner one is one menu cycle, asking again after an invalid
    // choice until a choice completes it; the outer one starts the next cycle afresh.
    for (;;) {
        std::int32_t choice = 0;
        bool cycle_done = false;
        while (!cycle_done) {
            print_menu(state);
            if (!read_choice(choice)) {
                // The input is over: end on a fresh line, as after any answer.
                console_print("\n");
                return EXIT_SUCCESS;
            }
            if (choice == 1) {
                console_clear_screen();
                console_print("종료하였습니다\n");
                return EXIT_SUCCESS;
            }
            if (choice == 2) {
                console_clear_screen();
                generate_sets();
                forget_saved_prediction();
                state = show_predictions();
                cycle_done = true;
            } else if (choice == 3 && state == MenuState::PredictionShown) {
                if (show_details() == DetailResult::Exit) {
                    return EXIT_SUCCESS;
                }
                console_clear_screen();
                show_predictions();
                cycle_done = true;
            } else if (choice == 4 && state == MenuState::PredictionShown && ticket_saving_on()) {
                save_prediction(); // and the same menu again
            } else {
                console_print(INVALID_CHOICE_TEXT);
            }
        }
    }
}
