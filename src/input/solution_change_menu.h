#pragma once

#include "model/problem_data.h"
#include "ui/form_base.h"

class QLabel;
class QListWidget;
class QPushButton;

// Form42: what the student changes in the solution heat capacities once the
// column has been calculated. One temperature more (its table is then typed
// on Form44), one temperature less (chosen in the list, confirmed on Form43),
// or a temperature and its table corrected on Form47; from the number of
// temperatures "КОНЕЦ ИСПРАВЛЕНИЙ" goes back without a change.
class SolutionChangeMenu : public FormBase {
    Q_OBJECT
public:
    SolutionChangeMenu();

    // The two choices: the number of temperatures, or one temperature's table.
    void showChoices();

public slots:
    void Command1_Click(); // the number of temperatures
    void Command2_Click(); // a temperature or its table
    void Command3_Click(); // one temperature more
    void Command4_Click(); // one temperature less
    void Command5_Click(); // back to the menu, nothing changed
    void List1_Click(int row);

private:
    void hideAll();
    void leaveToChangeDataMenu();

    QPushButton *command[6] = {};
    QListWidget *list1;
    QLabel *label1, *label2, *label3, *label4;
};
