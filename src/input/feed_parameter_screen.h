#pragma once

#include "feed_parameters.h"

#include "ui/form_base.h"

class QLabel;
class QListWidget;
class QPushButton;

// The entry, control and correction screen of the feed parameters: Form7 on
// the first road (error dialog Form8), Form30 on the change road (error
// dialog Form31).
//
// Entry: the condition's prompts are answered one by one while their lines
// appear in List1. Control: the lines are printed on the window, the check
// runs and colours "НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ". Correction: a click on
// a line asks that parameter again; "КОНЕЦ ИСПРАВЛЕНИЙ" shows its colour of
// the verdict until the check passes.
class FeedParameterScreen : public FormBase {
    Q_OBJECT
public:
    explicit FeedParameterScreen(FeedRoad road);

    FeedRoad road() const { return feedRoad; }
    QString errorDialogName() const;

    // Asks every parameter of the condition and shows the control table.
    void enterParameters(int condition);
    // The control table of the parameters typed, checked.
    void showTypedParameters();
    // Change road: the stored parameters of the current condition, open for
    // correction.
    void correctStoredValues();

    // Positions (twips) shared with the tests.
    static int tableLineTop(int parameter) { return 195 * parameter + 1210; }
    static QPoint entryPromptPosition(int parameter) { return {1200, 195 * parameter + 1420}; }
    static QPoint correctionPromptPosition(int parameter) { return {1200, 195 * parameter + 2850}; }
    static constexpr int TableLeft = 530;
    static constexpr int ErrorDialogTop = 4000;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // line is the 0-based row of List1, the parameter line + 1.
    void List1_Click(int line);

private:
    int parameterCount() const;
    void printControlTable();
    void placeVerdictButtons();
    void showVerdict(int badParameter);
    // Accepts the data, or shows the failing line and the error dialog.
    void acceptOrReport();
    void highlightParameter(int parameter);
    void openCorrection();
    void fillList();
    void placeList(int top, int height);

    FeedRoad feedRoad;
    QPushButton *accept = nullptr;
    QPushButton *change = nullptr;
    QPushButton *endCorrections = nullptr;
    QLabel *heading = nullptr;
    QLabel *highlight = nullptr;
    QLabel *hint = nullptr;
    QListWidget *list = nullptr;
};
