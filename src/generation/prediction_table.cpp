#include "generation/prediction_table.hpp"

PredictionTable prediction_table{};

void reset_prediction_table()
{
    prediction_table.sets = {};
    prediction_table.total_score = {};
    prediction_table.matched_numbers = {};
    prediction_table.scored_set_counter = 0;
}
