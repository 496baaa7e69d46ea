#include "shell.h"
#include "first_road.h"
#include "problem_files.h"
#include "problem_keeper.h"

#include "diagrams/diagram_window.h"
#include "equilibrium/equilibrium_screens.h"
#include "results/results_screens.h"
#include "ui/problem_keeping.h"
#include "ui/roads.h"

void InstallShell()
{
    installRoads({ContinueFirstRoad, ShowChangeDataMenu, ShowDiagramWindow});
    InstallEquilibriumScreens();
    installProblemKeeping({DataSetTyped, ProblemCalculated, SaveProblemAs, KeepProblem});
}
