#include "post_calculation_actions.h"
#include "report_printing.h"
#include "results_screens.h"

#include "model/problem_data.h"
#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/roads.h"

#include <QPushButton>

namespace {

ResultsWindow *openResultsWindow()
{
    return FindForm<ResultsWindow>(ResultsWindowName);
}

} // namespace

void PrintResultsOnce(ResultsWindow &window)
{
    ProblemData &data = problem();
    if (!data.CalculationDone)
        return;
    QPushButton *print = window.printButton();
    print->setVisible(false);
    print->setEnabled(false);
    if (PrintReport(data)) {
        data.CalculationDone = false;
        return;
    }
    // Nothing reached the paper: the student may try again.
    print->setVisible(true);
    print->setEnabled(true);
}

void LeaveResultsForChangeMenu(ResultsWindow &window)
{
    window.unload();
    CloseOtherForms();
    ShowChangeDataMenu();
}

ResultsWindowActions PostCalculationActions()
{
    ResultsWindowActions actions;
    actions.changeData = [] {
        if (ResultsWindow *window = openResultsWindow())
            LeaveResultsForChangeMenu(*window);
    };
    actions.printReport = [] {
        if (ResultsWindow *window = openResultsWindow())
            PrintResultsOnce(*window);
    };
    actions.endWork = [] { EndProgram(); };
    actions.showDiagrams = [] { roads().showStageDiagrams(); };
    return actions;
}
