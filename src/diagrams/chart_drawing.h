#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// The pieces every chart of the results is drawn with: fonts set in pixels
// (so that a scaled painter scales them), a data range mapped onto a plot
// frame, round ticks, titled axes with a grid, lines in data units and a
// legend.

inline constexpr int ChartTitleHeight = 22;
inline constexpr int ChartTickLabelHeight = 16, ChartAxisTitleHeight = 18, ChartLegendLineHeight = 15;

const QColor ChartGuideGrey(120, 120, 120);
const QColor ChartFailureRed(255, 0, 0);

QFont ChartFont(int pixels, bool bold = false);
QPen ChartPen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine);

bool IsFinitePoint(QPointF p);
bool IsFiniteLine(const QLineF &line);

// A data range mapped onto the plot frame.
class ChartAxes {
public:
    ChartAxes(const QRectF &frame, double xLow, double xHigh, double yLow, double yHigh)
        : frame(frame)
        , xLow(xLow)
        , xHigh(xHigh)
        , yLow(yLow)
        , yHigh(yHigh)
    {
    }
    QPointF map(QPointF p) const
    {
        return QPointF(frame.left() + (p.x() - xLow) / (xHigh - xLow) * frame.width(),
                       frame.bottom() - (p.y() - yLow) / (yHigh - yLow) * frame.height());
    }
    QLineF map(const QLineF &line) const { return QLineF(map(line.p1()), map(line.p2())); }

    QRectF frame;
    double xLow, xHigh, yLow, yHigh;
};

// Tick values at a round step (1, 2 or 5 times a power of ten) covering the
// range with about `wanted` intervals; the range must have a width.
QList<double> RoundTicks(double low, double high, int wanted);
QString TickText(double value);

// The title centred over the top of area.
void DrawChartTitle(QPainter &painter, const QRectF &area, const QString &title);
// Frame, grid, ticks with their labels and both axis titles.
void DrawChartAxes(QPainter &painter, const ChartAxes &axes, const QList<double> &xTicks,
                   const QList<double> &yTicks, const QString &xTitle, const QString &yTitle);

// Lines in data units with the painter's pen. A polyline breaks where a
// point is not finite; what lies far outside the frame is left out.
void DrawChartPolyline(QPainter &painter, const ChartAxes &axes, const QList<QPointF> &points);
void DrawChartLine(QPainter &painter, const ChartAxes &axes, const QLineF &line);

struct ChartLegendEntry {
    QPen pen;
    QString text;
};
// Lines of entries, each a short stroke of its pen and its text.
void DrawChartLegend(QPainter &painter, QPointF origin, const QList<QList<ChartLegendEntry>> &lines);
