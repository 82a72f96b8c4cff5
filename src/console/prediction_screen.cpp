#include "console/console.hpp"
#include "console/number_cell.hpp"
#include "console/screens.hpp"
#include "generation/prediction_table.hpp"

MenuState show_predictions()
{
    console_print("\n");
    console_print("  예상되는 로또 번호입니다\n\n");
    for (int k = 0; k < SET_COUNT; ++k) {
        console_printf("%3d || ", k + 1);
        for (std::int32_t number : prediction_table.sets[k]) {
            print_number_cell(number);
        }
        console_printf("\t\t총점: %d", prediction_table.total_score[k]);
        console_print("\n\n");
    }
    console_print("\n");
    return MenuState::PredictionShown;
}
