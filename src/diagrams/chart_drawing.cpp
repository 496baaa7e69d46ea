#include "chart_drawing.h"

#include "equilibrium/equilibrium_diagram.h"
#include "model/text.h"
#include "ui/look.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

const QColor GridGrey(228, 228, 228);

// Far outside the plot a point is left out rather than handed to the
// rasterizer; the clip would hide it anyway.
bool drawable(QPointF pixel)
{
    constexpr double Far = 1e6;
    return std::fabs(pixel.x()) < Far && std::fabs(pixel.y()) < Far;
}

} // namespace

QFont ChartFont(int pixels, bool bold)
{
    QFont font = FixedPitchFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPen ChartPen(const QColor &colour, double width, Qt::PenStyle style)
{
    return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

bool IsFinitePoint(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

bool IsFiniteLine(const QLineF &line)
{
    return IsFinitePoint(line.p1()) && IsFinitePoint(line.p2());
}

QList<double> RoundTicks(double low, double high, int wanted)
{
    const double rough = (high - low) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    const double first = std::floor(low / step) * step;
    const int count = std::clamp(int(std::ceil((high - first) / step - 1e-9)), 1, 4 * wanted);
    QList<double> ticks;
    for (int i = 0; i <= count; ++i) {
        const double t = first + i * step;
        ticks << (std::fabs(t) < step * 1e-9 ? 0.0 : t);
    }
    return ticks;
}

QString TickText(double value)
{
    return GeneralNumberText(float(value));
}

void DrawChartTitle(QPainter &painter, const QRectF &area, const QString &title)
{
    painter.setFont(ChartFont(12, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), ChartTitleHeight - 4),
                     Qt::AlignCenter | Qt::TextSingleLine, title);
}

void DrawChartAxes(QPainter &painter, const ChartAxes &axes, const QList<double> &xTicks,
                   const QList<double> &yTicks, const QString &xTitle, const QString &yTitle)
{
    const QRectF &frame = axes.frame;
    painter.setFont(ChartFont(10));
    const QFontMetricsF metrics(painter.font());
    painter.setBrush(Qt::NoBrush);
    double widestLabel = 0.0;
    for (const double x : xTicks) {
        const double px = axes.map(QPointF(x, axes.yLow)).x();
        painter.setPen(QPen(GridGrey, 1));
        painter.drawLine(QPointF(px, frame.top()), QPointF(px, frame.bottom()));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(px, frame.bottom()), QPointF(px, frame.bottom() + 4));
        const QString label = TickText(x);
        painter.drawText(
            QPointF(px - metrics.horizontalAdvance(label) / 2, frame.bottom() + 5 + metrics.ascent()), label);
    }
    for (const double y : yTicks) {
        const double py = axes.map(QPointF(axes.xLow, y)).y();
        painter.setPen(QPen(GridGrey, 1));
        painter.drawLine(QPointF(frame.left(), py), QPointF(frame.right(), py));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(frame.left() - 4, py), QPointF(frame.left(), py));
        const QString label = TickText(y);
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(label));
        painter.drawText(
            QPointF(frame.left() - 6 - metrics.horizontalAdvance(label), py + metrics.ascent() / 2 - 1),
            label);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);

    painter.setFont(ChartFont(11));
    const QFontMetricsF titleMetrics(painter.font());
    painter.drawText(QPointF(frame.center().x() - titleMetrics.horizontalAdvance(xTitle) / 2,
                             frame.bottom() + ChartTickLabelHeight + titleMetrics.ascent()),
                     xTitle);
    const double titleLeft = frame.left() - 10 - widestLabel - titleMetrics.height();
    DrawRotatedText(painter, int(std::lround(titleLeft)),
                    int(std::lround(frame.center().y() + titleMetrics.horizontalAdvance(yTitle) / 2)),
                    yTitle);
}

void DrawChartPolyline(QPainter &painter, const ChartAxes &axes, const QList<QPointF> &points)
{
    QPainterPath path;
    bool open = false;
    for (const QPointF &p : points) {
        const QPointF pixel = axes.map(p);
        if (!IsFinitePoint(p) || !drawable(pixel)) {
            open = false;
            continue;
        }
        if (open)
            path.lineTo(pixel);
        else
            path.moveTo(pixel);
        open = true;
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void DrawChartLine(QPainter &painter, const ChartAxes &axes, const QLineF &line)
{
    if (!IsFiniteLine(line))
        return;
    const QLineF pixels = axes.map(line);
    if (drawable(pixels.p1()) && drawable(pixels.p2()))
        painter.drawLine(pixels);
}

void DrawChartLegend(QPainter &painter, QPointF origin, const QList<QList<ChartLegendEntry>> &lines)
{
    painter.setFont(ChartFont(10));
    const QFontMetricsF metrics(painter.font());
    double y = origin.y();
    for (const QList<ChartLegendEntry> &line : lines) {
        double x = origin.x();
        for (const ChartLegendEntry &entry : line) {
            painter.setPen(entry.pen);
            painter.drawLine(QPointF(x, y + ChartLegendLineHeight / 2.0),
                             QPointF(x + 18, y + ChartLegendLineHeight / 2.0));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(x + 22, y + (ChartLegendLineHeight + metrics.ascent()) / 2 - 1),
                             entry.text);
            x += 22 + metrics.horizontalAdvance(entry.text) + 12;
        }
        y += ChartLegendLineHeight;
    }
}
