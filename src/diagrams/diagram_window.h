#pragma once

#include "column_diagram_painter.h"
#include "reflux_curve_painter.h"

#include "engine/reflux_study.h"
#include "ui/form_base.h"

#include <memory>
#include <optional>

class DecimalSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabBar;
class QTableWidget;

struct ProblemData;

// What the canvas shows side by side: the two stage diagrams, or the N(R)
// curve of the design study beside the y–x diagram.
enum class DiagramPage { Stages, RefluxStudy };

// The surface the diagrams are painted on.
class DiagramCanvas : public QWidget {
    Q_OBJECT
public:
    explicit DiagramCanvas(QWidget *parent);
    void setDiagrams(const ColumnDiagrams *shown);
    void setStudy(const RefluxCurve *curve, const RefluxPoint *tried);
    void setPage(DiagramPage page);
    DiagramPage page() const { return shownPage; }
    // Where the last paint put the pieces of each diagram.
    const DiagramDrawing &drawing(ColumnDiagramKind kind) const;
    const RefluxCurveDrawing &curveDrawing() const { return curveDrawn; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ColumnDiagrams *diagrams = nullptr;
    const RefluxCurve *curve = nullptr;
    const RefluxPoint *tried = nullptr;
    DiagramPage shownPage = DiagramPage::Stages;
    DiagramDrawing drawings[2];
    RefluxCurveDrawing curveDrawn;
};

// The diagram window, reached from the results window: the y–x
// diagram with the constant-molar-flow staircase and the enthalpy–
// composition diagram with the exact count, the stages of both counts in
// two tables, and buttons to save either diagram, print both with the
// tables on one page, and close the window. Its second page is the design
// study: N(R) of both counts, and a reflux ratio the student tries on a
// copy of the problem, every diagram and table following it at once, until
// it is taken into the problem.
class DiagramWindow : public FormBase {
    Q_OBJECT
public:
    DiagramWindow();

    // Draws the counts of the last calculation and studies its reflux ratio.
    void showCalculation(const ProblemData &data);
    const ColumnDiagrams &diagrams() const { return shown; }
    const RefluxCurve &study() const { return curve; }
    DiagramCanvas *canvas() const { return picture; }
    DecimalSpinBox *refluxBox() const { return refluxEntry; }
    QSlider *refluxSlider() const { return slider; }
    QPushButton *adoptButton() const { return adopt; }
    void showPage(DiagramPage page);
    // The reflux ratio being tried, none while the problem's own calculation
    // is shown.
    std::optional<float> triedReflux() const;

public slots:
    void saveYxDiagram();
    void saveEnthalpyDiagram();
    void printDiagrams();
    void closeDiagrams();
    // The tried reflux ratio taken into the problem, which is calculated anew.
    void takeTriedReflux();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The close button closes the diagrams only.
    void closeRequested() override;

private:
    // Places the pieces for the window's size.
    void arrange();
    // The what-if row at top, from the left edge to right.
    void arrangeRefluxControls(int top, int right);
    void fillTables();
    void fillTable(QTableWidget *table, const CountSummary &count);
    void saveDiagram(ColumnDiagramKind kind, const QString &title, const QString &fileName);
    // The what-if range on the slider and the spin box, at the problem's own
    // reflux ratio.
    void setUpRefluxControls();
    int sliderPosition(double R) const;
    // R as a multiple of the minimum, beside the slider.
    void showRatio(double R);
    void sliderMoved(int position);
    void refluxTyped(double R);
    // Calculates the copy at R and shows it everywhere.
    void tryReflux(double R);

    ColumnDiagrams shown;
    RefluxCurve curve;
    std::unique_ptr<RefluxCalculator> calculator;
    std::optional<RefluxPoint> tried;
    DiagramCanvas *picture = nullptr;
    QTabBar *tabs = nullptr;
    QTableWidget *constantFlowTable = nullptr, *exactTable = nullptr;
    QLabel *titles[2] = {}, *note = nullptr, *refluxCaption = nullptr, *ratioText = nullptr;
    QSlider *slider = nullptr;
    DecimalSpinBox *refluxEntry = nullptr;
    QPushButton *saveYx = nullptr, *saveHx = nullptr, *printPage = nullptr, *closeButton = nullptr,
                *adopt = nullptr;
};

// Opens the diagram window on the last calculation, or brings the open one
// forward redrawn.
void ShowDiagramWindow();
