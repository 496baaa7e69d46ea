#pragma once

#include "correction_list.h"

#include "ui/form_base.h"

class QLabel;
class QListWidget;
class QPushButton;

// Form18: the temperatures at which the solution heat capacities were
// measured. They are counted, typed, put in order and listed; the list can be
// corrected (a temperature, one more, one less) before the tables follow.
class SolutionTemperatureScreen : public FormBase {
    Q_OBJECT
public:
    SolutionTemperatureScreen();

    // Count and temperature prompts, sort, the printed list.
    void enterTemperatures();
    // The picture the end-of-corrections button shows after a correction.
    static QString endOfCorrectionsPicture();

public slots:
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void List1_Click(int row);
    void List2_Click(int row);

private:
    void promptTemperature(int j);
    void fillCorrectionList();
    void showTemperatureList();
    void setCorrectionCaption();
    void hideAll();

    QPushButton *command3, *command4, *command5;
    QListWidget *list1, *list2;
    QLabel *label1, *label2, *label3, *label4;
    CorrectionList corrections;
    RemovalList removals;
};
