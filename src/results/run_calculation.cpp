#include "results_screens.h"
#include "results_window.h"

#include "engine/calculation.h"
#include "input/input_screens.h"
#include "model/problem_data.h"
#include "ui/form_base.h"
#include "ui/problem_keeping.h"

#include <QPushButton>

void RunCalculation()
{
    // The last entry window goes, and with the results window loaded last
    // every other window is closed.
    if (FormBase *entry = FindForm(SolutionTableName))
        entry->unload();
    auto *window = new ResultsWindow;
    CloseOtherForms();
    window->printButton()->setVisible(true);
    window->printButton()->setEnabled(true);

    CalculateColumn(problem());
    keeping().calculated();
    window->ShowResults(problem());
    window->show();
}
