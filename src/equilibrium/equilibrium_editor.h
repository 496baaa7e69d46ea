#pragma once

#include "equilibrium_diagram.h"
#include "equilibrium_screens.h"

#include "ui/form_base.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The diagram editor of the equilibrium curve: the point table and the plot,
// where a value is picked by a click on its cell or its point and typed in
// the box laid over the cell; points can be added and removed, and the
// azeotrope composition edited in the table's last row. Every change ends in
// sort, redraw, check and the verdict colour of the end button. Form4 on the
// first-entry road; Form25 on the change road, which first asks whether the
// table is corrected here or typed anew.
class EquilibriumEditor : public FormBase {
    Q_OBJECT
public:
    explicit EquilibriumEditor(EquilibriumRoad road);

    EquilibriumRoad road() const { return currentRoad; }

    // Correction mode with the editing buttons.
    void openForCorrection();
    // The change road's first view: only the two choice buttons.
    void openForChoice();

    enum Mode { Correction = 0, Removal = 1 };
    Mode mode() const { return editorMode; }

    // The table cell or plot point under (x, y) pixels. Row N + 1 is the
    // azeotrope row; found is set for a point of the table.
    struct Hit {
        int column = 0, row = 0;
        bool found = false;
    };
    Hit HitTest(int x, int y);

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Form_MouseDown(Qt::MouseButton button, int x, int y);
    void Text1_Enter();

protected:
    void drawContent(QPainter &painter) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();
    void redraw();
    void showEditingButtons();
    void hideEditingButtons();
    void finishChange();
    void openCell(int column, int row);
    void closeCell();
    void azeotropeRowClicked();
    void offerRemoval(const Hit &hit);
    void removePoint(int point);

    EquilibriumRoad currentRoad;
    Mode editorMode = Correction;
    // The cell marked on the table by the last hit test (CellSelected), and
    // the cell Text1 was opened for (SelectedColumn, SelectedRow): a hit
    // test changes the mark only, so the typed text keeps its cell.
    SelectedCell selected;
    SelectedCell target;
    bool editing = false; // Text1 is open over a cell
    QLineEdit *edit = nullptr;
    QPushButton *buttons[8] = {};     // Command1..Command7
    QLabel *correctionHint = nullptr; // Label3
    QLabel *removalHint = nullptr;    // Label1
};

// Draws and shows the editor of a road, loading it when it is not.
EquilibriumEditor *OpenEquilibriumEditorOn(EquilibriumRoad road);

// Where the editor leads on to screens of the data window: back to the
// control table of its road after a correction that fails the check, and to
// a new table typed on the change road. Installed with the equilibrium
// screens (equilibrium_screens.h).
struct EquilibriumEditorExits {
    std::function<void(EquilibriumRoad road)> showFaultyTable;
    std::function<void()> enterNewTable;
};
void InstallEquilibriumEditorExits(EquilibriumEditorExits exits);
