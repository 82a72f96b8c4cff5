#pragma once

#include "console/console_attribute.hpp"

enum class MenuState {
    NoPrediction,    // before the first generation: no screen has anything to show
    PredictionShown, // from the first generation on; there is no way back
};

enum class DetailResult {
    Exit,
    Back,
};

// The answer to every choice that the current menu does not offer.
inline constexpr char INVALID_CHOICE_TEXT[] = "잘못 입력하셨습니다.\n 다시 입력해주세요. \n";

// Lists the five sets of the current prediction as number cells with their totals.
MenuState show_predictions();

// Shows every set with its four criterion lines and its total, then asks whether to end
// the program or go back. The end of input counts as ending the program.
DetailResult show_details();
