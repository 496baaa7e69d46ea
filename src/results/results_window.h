#pragma once

#include "ui/form_base.h"

#include <functional>

struct ProblemData;
struct ResultLine;
class QPushButton;

// What the three buttons of the results window do. The post-calculation
// menu installs them; a button without an action does nothing.
struct ResultsWindowActions {
    std::function<void()> changeData;   // Command2
    std::function<void()> printReport;  // Command3
    std::function<void()> endWork;      // Command1
    std::function<void()> showDiagrams; // "Диаграммы ступеней"
};
void SetResultsWindowActions(ResultsWindowActions actions);

// The post-calculation window Form23: the results printed on its surface,
// and below them the buttons Command2, Command3 and Command1, with
// "Сохранение задачи" in a row of its own under Command2 and "Диаграммы
// ступеней" (also Ctrl+D) beside it under Command3.
class ResultsWindow : public FormBase {
    Q_OBJECT
public:
    ResultsWindow();

    // Prints what the last calculation left in the problem state: the
    // result lines, or the failure messages in red bold type after a beep.
    void ShowResults(const ProblemData &data);

    QPushButton *changeDataButton() const { return command2; }
    QPushButton *printButton() const { return command3; }
    QPushButton *endButton() const { return command1; }
    QPushButton *saveButton() const { return saveProblem; }
    QPushButton *diagramsButton() const { return openDiagrams; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void showStageDiagrams();

private:
    void placeButtons();
    void printLine(const ResultLine &line);

    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
    QPushButton *command3 = nullptr;
    // Below the design's buttons: the problem saved under a name.
    QPushButton *saveProblem = nullptr;
    // Beside it: the diagrams of the stages just counted.
    QPushButton *openDiagrams = nullptr;
};
