#pragma once

#include "model/problem_data.h"

#include <QRect>

class QColor;
class QPainter;
class QString;

// Where each point of the equilibrium table lies on the screen (pixels of the
// drawing surface), kept so that a mouse click can find the point under it.
struct EquilibriumPlotPoints {
    int PlotX[MaxPoints + 1], PlotY[MaxPoints + 1], PlotT[MaxPoints + 1];
};

// The placement every window uses for the plot square.
inline constexpr int PlotLeft = 550;
inline constexpr int PlotTop = 45;
inline constexpr int PlotSize = 300;

// The temperature at the top of the plot: the next multiple of ten strictly
// above the highest temperature of the table.
double PlotTopTemperature(const ProblemData &data);

// The point positions of a plot placed at (x0, y0) with side size.
EquilibriumPlotPoints PlotPointsOf(const ProblemData &data, int x0, int y0, int size);

// Draws the Y(X) and T(X) curves in one square plot with its top-left corner
// at (x0, y0) and side size, on a white background that reaches 70 pixels to
// the left, 20 up, 50 to the right and 60 down. The point positions go to
// points when given.
void DrawEquilibriumPlot(QPainter &painter, const ProblemData &data, int x0, int y0, int size,
                         EquilibriumPlotPoints *points = nullptr);

// A point of the student's table: two small circles around it.
void DrawPointMarker(QPainter &painter, QPoint centre, const QColor &colour);

// Text turned by 90 degrees, reading from bottom to top, starting at (x, y).
void DrawRotatedText(QPainter &painter, int x, int y, const QString &text);

// The point table beside the plot in the diagram editors (pixels).
namespace EditorTable {
inline constexpr int Left = 10;
inline constexpr int Top = 25;
inline constexpr int NumberWidth = 30;
inline constexpr int ValueWidth = 140;
inline constexpr int RowHeight = 18;
inline constexpr int Width = NumberWidth + 3 * ValueWidth;
// Column 1 X, 2 Y, 3 T of the row of point row (N + 1: the azeotrope row).
QRect cell(int column, int row);
} // namespace EditorTable

// A cell of the point table picked for editing (column 0: none).
struct SelectedCell {
    int column = 0, row = 0;
};

// The point table and the plot of the diagram editors. The picked cell is
// shaded, and its point is ringed on the curve it belongs to.
void DrawEquilibriumEditor(QPainter &painter, const ProblemData &data,
                           EquilibriumPlotPoints *points = nullptr, SelectedCell selected = {});
