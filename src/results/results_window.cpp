#include "results_window.h"
#include "post_calculation_actions.h"
#include "results_screens.h"

#include "engine/calculation.h"
#include "model/problem_data.h"
#include "ui/platform.h"
#include "ui/problem_keeping.h"

#include <QPushButton>
#include <cmath>

namespace {

constexpr int FormLeft = 0, FormTop = 50, FormWidth = 12400, FormHeight = 10800;
constexpr int ButtonTop = 9300, ButtonWidth = 2500, ButtonHeight = 615;
// The row under the design's buttons.
constexpr int SecondRowTop = ButtonTop + ButtonHeight + 150;

ResultsWindowActions &installedActions()
{
    static ResultsWindowActions actions = PostCalculationActions();
    return actions;
}

void run(const std::function<void()> &action)
{
    if (action)
        RunHandler(action);
}

} // namespace

void SetResultsWindowActions(ResultsWindowActions actions)
{
    installedActions() = std::move(actions);
}

ResultsWindow::ResultsWindow()
    : FormBase(ResultsWindowName)
{
    setWindowTitle(QStringLiteral("ВЫВОД РЕЗУЛЬТАТОВ РАСЧЁТА"));
    setGeometryTwips(FormLeft, FormTop, FormWidth, FormHeight);
    command2 = addButton(QStringLiteral("Command2"), QStringLiteral("Изменение информации"));
    command3 = addButton(QStringLiteral("Command3"), QStringLiteral("  Печать результатов"));
    command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Окончание расчёта"));
    saveProblem = addButton(QStringLiteral("SaveProblem"), QStringLiteral("Сохранение задачи"));
    saveProblem->setToolTip(QStringLiteral("Сохранить задачу в файл (Ctrl+S)"));
    openDiagrams = addButton(QStringLiteral("ShowStageDiagrams"), QStringLiteral("Диаграммы ступеней"));
    openDiagrams->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    openDiagrams->setToolTip(QStringLiteral("y–x и H–x диаграммы рассчитанных ступеней (Ctrl+D)"));
    placeButtons();
    connect(saveProblem, &QPushButton::clicked, this, [] { RunHandler([] { keeping().saveAs(); }); });
    connect(command1, &QPushButton::clicked, this, &ResultsWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &ResultsWindow::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &ResultsWindow::Command3_Click);
    connect(openDiagrams, &QPushButton::clicked, this, &ResultsWindow::showStageDiagrams);
}

// Left to right Command2, Command3, Command1, with four equal gaps; in the
// row below, the save button under Command2 and the diagrams under Command3.
void ResultsWindow::placeButtons()
{
    QPushButton *const order[] = {command2, command3, command1};
    QPushButton *const below[] = {saveProblem, openDiagrams, nullptr};
    const int gap = int(std::nearbyint((FormWidth - 3.0 * ButtonWidth) / 4.0));
    int left = gap;
    for (int i = 0; i < 3; ++i) {
        placeTwips(order[i], left, ButtonTop, ButtonWidth, ButtonHeight);
        if (below[i])
            placeTwips(below[i], left, SecondRowTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + gap;
    }
}

void ResultsWindow::ShowResults(const ProblemData &data)
{
    clearDrawing();
    const QList<ResultLine> lines = ResultScreenLines(data);
    bool previousRed = false;
    for (const ResultLine &line : lines) {
        // Each failure message is announced by one beep.
        if (line.red && !previousRed)
            platform().beep();
        previousRed = line.red;
        printLine(line);
    }
    // The heading renames the window; a failed heat balance or data the
    // calculation cannot handle leave no report to print.
    if (!lines.isEmpty() && !lines.first().red)
        setWindowTitle(QStringLiteral(" ВЫВОД РЕЗУЛЬТАТОВ РАСЧЕТА"));
    const bool printable = data.Outcome != CalculationOutcome::HeatBalanceFailure &&
                           data.Outcome != CalculationOutcome::InvalidData;
    command3->setVisible(printable);
    command3->setEnabled(printable);
    // Data the calculation could not handle leave nothing to draw.
    openDiagrams->setVisible(data.Outcome != CalculationOutcome::InvalidData);
    // Enter goes on to the change of data, never to the end of the work.
    giveFocus(command2);
}

void ResultsWindow::printLine(const ResultLine &line)
{
    const QColor remembered = foreColor();
    if (line.red)
        setForeColor(VbColor(VbRed));
    setFontBold(line.bold);
    printAt(line.x, line.y, line.text);
    setFontBold(false);
    setForeColor(remembered);
}

void ResultsWindow::Command1_Click()
{
    run(installedActions().endWork);
}

void ResultsWindow::Command2_Click()
{
    run(installedActions().changeData);
}

void ResultsWindow::Command3_Click()
{
    run(installedActions().printReport);
}

void ResultsWindow::showStageDiagrams()
{
    run(installedActions().showDiagrams);
}
