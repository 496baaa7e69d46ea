#include "results_window.h"

#include "app/flow.h"
#include "app/problem_keeper.h"
#include "app/window_registry.h"
#include "engine/calculation.h"
#include "model/problem_data.h"

#include <QPushButton>

void RunCalculation()
{
    // The last entry window goes, and with the results window loaded last
    // every other window is closed.
    if (FormBase *entry = FindForm(QStringLiteral("Form20")))
        entry->unload();
    auto *window = new ResultsWindow;
    CloseOtherForms();
    window->printButton()->setVisible(true);
    window->printButton()->setEnabled(true);

    CalculateColumn(problem());
    ProblemCalculated();
    window->ShowResults(problem());
    window->show();
}
