#include "equilibrium_diagram.h"

#include "model/text.h"
#include "ui/look.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Colours of the design (blue-green-red values).
constexpr unsigned CurveGreen = 45056;
constexpr unsigned Magenta = 16711935;

QFont diagramFont()
{
    QFont font = FixedPitchFont();
    font.setPixelSize(11);
    return font;
}

int rounded(double value)
{
    return int(std::nearbyint(value));
}

void drawCurve(QPainter &painter, const EquilibriumPlotPoints &p, const int *heights, int n,
               const QColor &line, int width, const QColor &marker)
{
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 2; i <= n; ++i)
        painter.drawLine(p.PlotX[i - 1], heights[i - 1], p.PlotX[i], heights[i]);
    for (int i = 1; i <= n; ++i)
        DrawPointMarker(painter, QPoint(p.PlotX[i], heights[i]), marker);
}

// Text centred horizontally on x with its top at y.
void drawCentred(QPainter &painter, int x, int top, const QString &text)
{
    const QFontMetrics metrics(painter.font());
    painter.drawText(x - metrics.horizontalAdvance(text) / 2, top + metrics.ascent(), text);
}

void drawFrameAndAxes(QPainter &painter, int x0, int y0, int size, double tTop)
{
    const int x1 = x0 + size, y1 = y0 + size;
    const QFontMetrics metrics(painter.font());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x0, y0, size, size);

    for (int k = 1; k <= 4; ++k) {
        const QString label = QStringLiteral("0.%1").arg(2 * k);
        const int x = x0 + rounded(0.2 * k * size);
        const int y = y1 - rounded(0.2 * k * size);
        painter.drawLine(x, y1, x, y1 - 5);
        drawCentred(painter, x, y1 + 3, label);
        painter.drawLine(x0, y, x0 + 5, y);
        painter.drawText(x0 - 4 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2 - 1, label);
    }
    // The temperature axis from 0 at the bottom to Ttop at the top.
    for (int k = 0; k <= 5; ++k) {
        const int y = y1 - rounded(0.2 * k * size);
        if (k > 0 && k < 5)
            painter.drawLine(x1, y, x1 - 5, y);
        painter.drawText(x1 + 4, y + metrics.ascent() / 2 - 1, GeneralNumberText(float(tTop * k / 5)));
    }

    painter.drawText(x1 - metrics.horizontalAdvance(QStringLiteral("X")), y1 + 14 + metrics.ascent(),
                     QStringLiteral("X"));
    painter.drawText(x0 - metrics.horizontalAdvance(QStringLiteral(" Y")) - 2, y0 - 5, QStringLiteral(" Y"));
    painter.drawText(x1 + 4, y0 - 5, QStringLiteral("T"));

    drawCentred(painter, x0 + size / 2, y1 + 28, QStringLiteral("X/мольн. доли/"));
    const int titleHeight = metrics.height();
    const QString yTitle = QStringLiteral("Y/мольн. доли/");
    const QString tTitle = QStringLiteral("T/град. Цельсия/");
    DrawRotatedText(painter, x0 - 38 - titleHeight, y1 - (size - metrics.horizontalAdvance(yTitle)) / 2,
                    yTitle);
    DrawRotatedText(painter, x1 + 32, y1 - (size - metrics.horizontalAdvance(tTitle)) / 2, tTitle);

    // The diagonal Y = X as a dash-dot guide.
    painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    painter.drawLine(x0, y1, x1, y0);
    painter.setPen(QPen(Qt::black, 1));
    // Below the diagonal near its end, where the equilibrium curve, lying
    // above the diagonal, does not pass.
    painter.drawText(x1 - 60, y0 + 60 + metrics.ascent() + 4, QStringLiteral("Y=X"));
}

// Writes a curve's name beside its middle point, on the side away from the
// other curve.
void drawCurveName(QPainter &painter, const EquilibriumPlotPoints &p, const int *heights, const int *other,
                   int n, const QString &name, const QColor &colour)
{
    if (n < 1)
        return;
    const int i = (n + 1) / 2;
    const QFontMetrics metrics(painter.font());
    const bool above = heights[i] <= other[i];
    const int y = above ? heights[i] - 6 : heights[i] + 6 + metrics.ascent();
    painter.setPen(colour);
    painter.drawText(p.PlotX[i] + 4, y, name);
}

} // namespace

double PlotTopTemperature(const ProblemData &data)
{
    const EquilibriumTable &table = data.Equilibrium;
    double tMax = table.N > 0 ? table.T[1] : 0.0;
    for (int i = 2; i <= table.N; ++i)
        tMax = std::max(tMax, double(table.T[i]));
    // Below zero the rule would give a top of zero or less, and the scale
    // would divide by it; the axis then keeps its smallest span.
    return std::max(10.0 * std::floor(tMax / 10.0) + 10.0, 10.0);
}

EquilibriumPlotPoints PlotPointsOf(const ProblemData &data, int x0, int y0, int size)
{
    const EquilibriumTable &table = data.Equilibrium;
    const int y1 = y0 + size;
    const double tTop = PlotTopTemperature(data);
    EquilibriumPlotPoints points{};
    for (int i = 1; i <= table.N; ++i) {
        points.PlotX[i] = rounded(x0 + double(table.X[i]) * size);
        points.PlotY[i] = rounded(y1 - double(table.Y[i]) * size);
        points.PlotT[i] = rounded(y1 - double(table.T[i]) * size / tTop);
    }
    return points;
}

void DrawPointMarker(QPainter &painter, QPoint centre, const QColor &colour)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 2, 2);
    painter.drawEllipse(centre, 1, 1);
}

void DrawRotatedText(QPainter &painter, int x, int y, const QString &text)
{
    painter.save();
    painter.translate(x, y);
    painter.rotate(-90);
    painter.drawText(0, QFontMetrics(painter.font()).ascent(), text);
    painter.restore();
}

void DrawEquilibriumPlot(QPainter &painter, const ProblemData &data, int x0, int y0, int size,
                         EquilibriumPlotPoints *points)
{
    const int x1 = x0 + size, y1 = y0 + size;
    const QRect background(QPoint(x0 - 70, y0 - 20), QPoint(x1 + 50, y1 + 60));
    const EquilibriumPlotPoints p = PlotPointsOf(data, x0, y0, size);
    if (points)
        *points = p;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(diagramFont());
    painter.fillRect(background, Qt::white);
    drawFrameAndAxes(painter, x0, y0, size, PlotTopTemperature(data));

    // Values far outside the axes stay on the plot's own background.
    painter.setClipRect(background);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int n = data.Equilibrium.N;
    drawCurve(painter, p, p.PlotY, n, VbColor(CurveGreen), 2, VbColor(VbRed));
    drawCurve(painter, p, p.PlotT, n, VbColor(VbBlue), 2, VbColor(Magenta));
    drawCurveName(painter, p, p.PlotY, p.PlotT, n, QStringLiteral("Y(X)"), VbColor(CurveGreen));
    drawCurveName(painter, p, p.PlotT, p.PlotY, n, QStringLiteral("T(X)"), VbColor(VbBlue));
    painter.restore();
}

QRect EditorTable::cell(int column, int row)
{
    return QRect(Left + NumberWidth + (column - 1) * ValueWidth, Top + row * RowHeight, ValueWidth,
                 RowHeight);
}

namespace {

void drawGrid(QPainter &painter, int n)
{
    using namespace EditorTable;
    painter.setPen(QPen(Qt::black, 1));
    for (int r = 0; r <= n + 2; ++r)
        painter.drawLine(Left, Top + r * RowHeight, Left + Width, Top + r * RowHeight);
    painter.drawLine(Left, Top, Left, Top + (n + 2) * RowHeight);
    for (int k = 0; k <= 3; ++k) {
        const int x = Left + NumberWidth + k * ValueWidth;
        painter.drawLine(x, Top, x, Top + (n + 1) * RowHeight);
    }
    // The last row is one cell across the table: its right border.
    painter.drawLine(Left + Width, Top + (n + 1) * RowHeight, Left + Width, Top + (n + 2) * RowHeight);
}

void drawRowTexts(QPainter &painter, int row, const QString &number, const QString &x, const QString &y,
                  const QString &t, int below)
{
    using namespace EditorTable;
    const int top = Top + row * RowHeight + below;
    drawCentred(painter, Left + NumberWidth / 2, top, number);
    drawCentred(painter, cell(1, row).center().x(), top, x);
    drawCentred(painter, cell(2, row).center().x(), top, y);
    drawCentred(painter, cell(3, row).center().x(), top, t);
}

void drawAzeotropeRow(QPainter &painter, const EquilibriumTable &table)
{
    using namespace EditorTable;
    const int row = table.N + 1;
    const int top = Top + row * RowHeight;
    const QFontMetrics metrics(painter.font());
    if (table.Azeotropic) {
        painter.drawText(Left, top + 4 + metrics.ascent(),
                         QStringLiteral(" Мольн.доля более лет.комп.для аз.сост."));
        const int separator = Left + NumberWidth + 2 * ValueWidth;
        painter.drawLine(separator, top, separator, top + RowHeight);
        drawCentred(painter, cell(3, row).center().x(), top + 4, table.AzeotropeXText.left(12).trimmed());
    } else {
        painter.drawText(Left + 130, top + 3 + metrics.ascent(), QStringLiteral("СИСТЕМА НЕ АЗЕАТРОПНА"));
    }
}

} // namespace

void DrawEquilibriumEditor(QPainter &painter, const ProblemData &data, EquilibriumPlotPoints *points,
                           SelectedCell selected)
{
    const EquilibriumTable &table = data.Equilibrium;
    EquilibriumPlotPoints p;
    DrawEquilibriumPlot(painter, data, PlotLeft, PlotTop, PlotSize, &p);
    if (points)
        *points = p;

    painter.save();
    painter.setFont(diagramFont());
    if (selected.column > 0) {
        QRect shade = EditorTable::cell(selected.column, selected.row);
        if (selected.row > table.N && selected.column == 1) // the label part of the azeotrope row
            shade = QRect(EditorTable::Left, shade.top(),
                          EditorTable::NumberWidth + 2 * EditorTable::ValueWidth, EditorTable::RowHeight);
        painter.fillRect(shade, QColor(255, 255, 160));
    }
    drawGrid(painter, table.N);
    drawRowTexts(painter, 0, QStringLiteral("N"), QStringLiteral("Xr"), QStringLiteral("Yr"),
                 QStringLiteral("T[град.Ц]"), 4);
    for (int i = 1; i <= table.N; ++i)
        drawRowTexts(painter, i, QString::number(i), table.XText[i], table.YText[i], table.TText[i], 4);
    drawAzeotropeRow(painter, table);

    // The picked point, ringed on its curve.
    if (selected.column > 0 && selected.row >= 1 && selected.row <= table.N) {
        const int y = selected.column == 3 ? p.PlotT[selected.row] : p.PlotY[selected.row];
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(255, 128, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(p.PlotX[selected.row], y), 6, 6);
    }
    painter.restore();
}
