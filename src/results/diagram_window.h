#pragma once

#include "column_diagram_painter.h"

#include "app/form_base.h"

class QLabel;
class QPushButton;
class QTableWidget;

struct ProblemData;

// The surface both diagrams are painted on, side by side.
class DiagramCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DiagramCanvas(QWidget *parent);
    void setDiagrams(const ColumnDiagrams *shown);
    // Where the last paint put the pieces of each diagram.
    const DiagramDrawing &drawing(ColumnDiagramKind kind) const;
    QRectF area(ColumnDiagramKind kind) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ColumnDiagrams *diagrams = nullptr;
    DiagramDrawing drawings[2];
};

// The diagram window Form50, reached from the results window: the y–x
// diagram with the constant-molar-flow staircase and the enthalpy–
// composition diagram with the exact count, the stages of both counts in
// two tables, and buttons to save either diagram, print both with the
// tables on one page, and close the window.
class DiagramWindow : public FormBase {
    Q_OBJECT
public:
    DiagramWindow();

    // Draws the counts of the last calculation.
    void showCalculation(const ProblemData &data);
    const ColumnDiagrams &diagrams() const { return shown; }
    DiagramCanvas *canvas() const { return picture; }

public slots:
    void Command1_Click(); // save the y–x diagram
    void Command2_Click(); // save the enthalpy–composition diagram
    void Command3_Click(); // print
    void Command4_Click(); // close

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The close button closes the diagrams only.
    void closeRequested() override;

private:
    // Places the pieces for the window's size.
    void arrange();
    void fillTable(QTableWidget *table, const CountSummary &count);
    void saveDiagram(ColumnDiagramKind kind, const QString &title, const QString &fileName);

    ColumnDiagrams shown;
    DiagramCanvas *picture = nullptr;
    QTableWidget *table1 = nullptr, *table2 = nullptr;
    QLabel *titles[2] = {}, *note = nullptr;
    QPushButton *command1 = nullptr, *command2 = nullptr, *command3 = nullptr, *command4 = nullptr;
};

// Opens the diagram window on the last calculation, or brings the open one
// forward redrawn.
void ShowDiagramWindow();
