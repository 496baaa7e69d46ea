#pragma once

#include "correction_list.h"
#include "thermal_data_set.h"

#include "ui/form_base.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class ThermalTableScreen;

// Where a table screen belongs: its dialogs and where an accepted table leads.
// The first-entry screens and their change-road twins differ only here.
struct TableScreenRoad {
    QString errorDialogOnAccept; // after "НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"
    QString errorDialogOnEndOfCorrections; // after "КОНЕЦ ИСПРАВЛЕНИЙ"
    QString removalDialog;
    // A valid table was accepted, by the accept button or by "КОНЕЦ ИСПРАВЛЕНИЙ".
    std::function<void(ThermalTableScreen &screen, int sub, bool byEndOfCorrections)> accepted;
    // Twips between the correction list opened from the change-data menu
    // and its hint.
    int correctionHintGap = 200;
    // "Нет" in the dialog after "КОНЕЦ ИСПРАВЛЕНИЙ" ends the program unless
    // the road says where else it leads.
    std::function<void(ThermalTableScreen &screen)> declinedAfterEndOfCorrections;
};

// The optional question that opens a data set ("Данные имеются" / "Данные отсутствуют").
struct DataQuestion {
    QString caption;
    QString question; // lines joined by "\n"
    int questionTop = 2000;
    std::function<void(ThermalTableScreen &)> present, absent;
};

// The window of one thermal data set: the entry of a table with prompts laid
// on the lines they fill, the printed table with its verdict buttons, the
// highlight of a faulty line with the warning dialog, the correction list
// with its add and remove rows, and the removal list with its dialog. What
// differs between the data sets comes from a ThermalDataSet, what differs
// between the roads from a TableScreenRoad.
class ThermalTableScreen : public FormBase {
    Q_OBJECT
public:
    // Where the temperature row of a correction list comes from.
    // ChangeMenu: the list the change-data menu opens, with the road's hint gap
    // and the temperature row of the change button.
    enum class ListOrigin { ChangeButton, Refresh, ErrorDialog, ChangeMenu };

    ThermalTableScreen(const QString &designName, const ThermalDataSet &set, TableScreenRoad road);

    const ThermalDataSet &dataSet() const { return set; }
    int sub() const { return currentSub; }

    // The question screen; its answers call the question's handlers.
    void askQuestion(const DataQuestion &question);
    // Hides everything but the heading label.
    void clearScreen();
    // Count and point prompts of table sub, sort, printed table and verdict buttons.
    void enterData(int sub);
    // The printed table sub, typed earlier, with its verdict buttons.
    void showTypedTable(int sub);
    // The correction list of table sub, in the texts of listTexts (the
    // screen's own data set unless a twin shows its first list differently).
    void showCorrectionList(int sub, ListOrigin origin, const ThermalDataSet *listTexts = nullptr);

    static constexpr int FormWidth = 10500;
    static constexpr int FormHeight = 8600;
    static constexpr int ListTop = 1000;
    static constexpr int ListWidth = 9300;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void List1_Click(int row);
    void List2_Click(int row);

private:
    PointTable shownTable() const;
    QString filledText(const QString &pattern) const;
    int listLeftOnScreen() const;
    int topOnScreen() const;
    void showEntryLabel();
    void printHeadings(const QList<PrintedHeading> &headings);
    void printPointLines();
    void showPrintedTable();
    void placeDecisionButtons();
    // A new point; a cancelled prompt gives "0".
    void promptPoint(int point, const ColumnPrompts &prompts, int y);
    // A point corrected value by value; a cancelled prompt keeps its value.
    void correctPoint(int point, const ColumnPrompts &prompts, int y);
    void promptTemperature(int y);
    void correctTemperature(int y);
    void refreshCorrectionList();
    // True when the table is valid.
    bool colourEndOfCorrections();
    // False when the student declined a correction and the road went on elsewhere.
    bool pointOutFault(int badPoint, const QString &dialog, bool endOfCorrections);
    void startRemoval();
    void hideAll();

    const ThermalDataSet &set;
    TableScreenRoad road;
    DataQuestion question;
    int currentSub = 1;

    QPushButton *command[6] = {};
    QListWidget *list1, *list2;
    QLabel *label1, *label2, *label3, *label4;
    CorrectionList corrections;
    RemovalList removals;
};

// The hint texts of the correction and removal lists.
extern const char *const CorrectionHint;
extern const char *const RemovalHint;
