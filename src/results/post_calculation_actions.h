#pragma once

#include "results_window.h"

// What the results window's buttons do after a calculation: change the data
// through the change-data menu, print the report once per calculation, or
// end the work.
ResultsWindowActions PostCalculationActions();

// "  Печать результатов": prints the input data and the results once per
// calculation. A cancelled or failed print keeps the right to print.
void PrintResultsOnce(ResultsWindow &window);
// "Изменение информации": the results window gives way to the change-data menu.
void LeaveResultsForChangeMenu(ResultsWindow &window);
