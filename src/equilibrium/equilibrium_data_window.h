#pragma once

#include "equilibrium_screens.h"

#include "ui/form_base.h"

class QLabel;
class QListWidget;
class QPushButton;
struct ProblemData;

// The line of point i in the entry list: X alone, X and Y, or all three
// values, the way the list grows while the prompts are answered.
enum class EntryLineStage { X, XY, XYT };
QString EquilibriumEntryLine(const ProblemData &data, int i, EntryLineStage stage = EntryLineStage::XYT);
// The line of point i in the control table.
QString EquilibriumControlLine(const ProblemData &data, int i);
QString AzeotropeControlLine(const ProblemData &data);

// The data window of the equilibrium curve: the entry of the points, the
// control table with its verdict, the azeotrope question and the way on to
// the diagram editor or the next data set. Form2 on the first-entry road,
// Form26 on the change road.
class EquilibriumDataWindow : public FormBase {
    Q_OBJECT
public:
    explicit EquilibriumDataWindow(EquilibriumRoad road);

    EquilibriumRoad road() const { return currentRoad; }

    // Loaded with every control hidden, as the start of the work shows it.
    void prepare();
    // Asks the count and the points, sorts them and shows the control table.
    void enterData();
    // The control table of the table typed, with the azeotrope question when
    // no azeotrope is found or declared.
    void showTypedTable();
    // Prints the control table and colours the verdict buttons.
    void ShowEquilibriumControlTable();
    // The control table after the editor found the table still faulty.
    void showAfterFaultyCorrection();

    static constexpr int ListLeft = 1500;
    static constexpr int ListTop = 1500;
    static constexpr int TableLeft = 1000;
    static constexpr int TableRowBase = 700;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();

private:
    void hideControls();
    void printHeading();
    void askPoint(int i);
    int buttonRowTop() const;
    void placeButtonRow();
    void showAcceptButtons(bool visible);
    void showAzeotropeButtons(bool visible);
    void askAzeotropeComposition();
    void highlightBadLine();
    void openCorrection();
    void acceptTable();

    EquilibriumRoad currentRoad;
    QListWidget *list = nullptr;
    QLabel *heading = nullptr;   // Label1
    QLabel *highlight = nullptr; // Label2
    QLabel *hint = nullptr;      // Label3
    QPushButton *acceptButton = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *endOfCorrections = nullptr;
    QPushButton *azeotropic = nullptr;
    QPushButton *notAzeotropic = nullptr;
};

// The data window of a road, loaded when it is not.
EquilibriumDataWindow *EquilibriumDataWindowOf(EquilibriumRoad road);

// The control table of a road after a correction in the editor that fails
// the check: every other window closes, and the verdict leads back to the
// editor.
void ShowFaultyEquilibriumTable(EquilibriumRoad road);
