#include "reflux_curve_painter.h"
#include "chart_drawing.h"

#include "model/text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor ConstantFlowBlack(0, 0, 0);
const QColor ExactGreen(0, 140, 0);
const QColor OwnRefluxOrange(235, 110, 0);
const QColor TriedRed(220, 0, 0);
const QColor UsualBand(255, 246, 200);

constexpr int LeftMargin = 62, RightMargin = 14;
constexpr int TopAxisHeight = 18, LegendLines = 2, TextLines = 3, TextLineHeight = 13;
constexpr int BottomMargin = ChartTickLabelHeight + ChartAxisTitleHeight +
                             LegendLines * ChartLegendLineHeight + TextLines * TextLineHeight + 6;
// Designers usually choose between these multiples of the minimum.
constexpr double UsualLow = 1.2, UsualHigh = 1.5;

QString reflux(double R)
{
    return FormatFixed(float(R), 0, 3);
}

QString ratioText(double ratio)
{
    return FormatFixed(float(ratio), 0, 2);
}

// The top of the stage axis: the most stages needed within the what-if
// range. Nearer the minimum the counts climb out of the frame towards their
// asymptote.
int highestStageCount(const RefluxCurve &curve)
{
    int highest = curve.limits.minimumStages.value_or(1);
    for (const RefluxPoint &point : curve.points)
        if (point.R >= float(curve.whatIfLow))
            highest =
                std::max({highest, point.constantFlowStages.value_or(0), point.exactStages.value_or(0)});
    return highest;
}

// One count's N(R) as steps: level from a reflux ratio to the next, then up
// or down to the next count; broken where the count did not reach the top.
int drawCount(QPainter &painter, const ChartAxes &axes, const RefluxCurve &curve,
              std::optional<int> RefluxPoint::*stages)
{
    QList<QPointF> line;
    int stretches = 0;
    for (const RefluxPoint &point : curve.points) {
        const std::optional<int> &n = point.*stages;
        if (!n) {
            line << QPointF(qQNaN(), qQNaN());
            continue;
        }
        const double R = point.R;
        if (!line.isEmpty() && IsFinitePoint(line.last()))
            line << QPointF(R, line.last().y());
        line << QPointF(R, *n);
        ++stretches;
    }
    DrawChartPolyline(painter, axes, line);
    return stretches;
}

// A vertical mark across the frame at a reflux ratio, with its name.
struct RefluxMark {
    double R;
    QPen pen;
    QString name;
};

// The lines first, the counts over them, then the names on top of all,
// each on a row of its own at the top of the frame.
void drawMarkLines(QPainter &painter, const ChartAxes &axes, const QList<RefluxMark> &marks,
                   RefluxCurveDrawing *drawing)
{
    for (const RefluxMark &mark : marks) {
        if (!(mark.R >= axes.xLow && mark.R <= axes.xHigh))
            continue;
        const double x = axes.map(QPointF(mark.R, 0)).x();
        painter.setPen(mark.pen);
        painter.drawLine(QPointF(x, axes.frame.top()), QPointF(x, axes.frame.bottom()));
        if (drawing)
            drawing->markedReflux << mark.R;
    }
}

void writeMarkNames(QPainter &painter, const ChartAxes &axes, const QList<RefluxMark> &marks)
{
    painter.setFont(ChartFont(10, true));
    const QFontMetricsF metrics(painter.font());
    for (int row = 0; row < marks.size(); ++row) {
        const RefluxMark &mark = marks[row];
        if (!(mark.R >= axes.xLow && mark.R <= axes.xHigh))
            continue;
        const double x = axes.map(QPointF(mark.R, 0)).x();
        const double width = metrics.horizontalAdvance(mark.name);
        const double left = x + 3 + width <= axes.frame.right() ? x + 3 : x - 3 - width;
        const QPointF baseline(left, axes.frame.top() + 4 + metrics.ascent() + row * (metrics.height() + 1));
        painter.fillRect(
            QRectF(baseline.x() - 1, baseline.y() - metrics.ascent(), width + 2, metrics.height()),
            QColor(255, 255, 255, 220));
        painter.setPen(mark.pen.color());
        painter.drawText(baseline, mark.name);
    }
}

// R/Rmin along the top of the frame, and the band designers usually
// choose from.
void drawRatioAxis(QPainter &painter, const ChartAxes &axes, double minimum)
{
    const QRectF &frame = axes.frame;
    const QPointF bandLow = axes.map(QPointF(UsualLow * minimum, axes.yHigh));
    const QPointF bandHigh = axes.map(QPointF(UsualHigh * minimum, axes.yLow));
    painter.fillRect(QRectF(bandLow, bandHigh).intersected(frame), UsualBand);

    painter.setFont(ChartFont(10));
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    double lastRight = frame.left() - 1e9;
    for (const double ratio : {1.0, 1.2, 1.5, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
        const double R = ratio * minimum;
        if (R < axes.xLow || R > axes.xHigh)
            continue;
        const double x = axes.map(QPointF(R, 0)).x();
        painter.drawLine(QPointF(x, frame.top() - 4), QPointF(x, frame.top()));
        const QString label = TickText(ratio);
        const double width = metrics.horizontalAdvance(label);
        if (x - width / 2 < lastRight + 4)
            continue;
        painter.drawText(QPointF(x - width / 2, frame.top() - 6), label);
        lastRight = x + width / 2;
    }
    const QString title = QStringLiteral("R/Rmin");
    painter.drawText(QPointF(frame.left() - 8 - metrics.horizontalAdvance(title), frame.top() - 6), title);
}

void drawTriedStages(QPainter &painter, const ChartAxes &axes, const RefluxPoint &tried)
{
    const std::pair<std::optional<int>, QColor> counts[] = {{tried.constantFlowStages, ConstantFlowBlack},
                                                            {tried.exactStages, ExactGreen}};
    for (const auto &[stages, colour] : counts) {
        if (!stages)
            continue;
        const QPointF centre = axes.map(QPointF(tried.R, *stages));
        painter.setPen(ChartPen(Qt::black, 1));
        painter.setBrush(colour);
        painter.drawEllipse(centre, 4, 4);
    }
    painter.setBrush(Qt::NoBrush);
}

QString countText(const std::optional<int> &stages, const std::optional<int> &feedStage)
{
    if (!stages)
        return QStringLiteral("не достигает дистиллята");
    return QStringLiteral("N = %1, Nf = %2").arg(*stages).arg(feedStage.value_or(0));
}

} // namespace

QString RefluxStudyText(const RefluxCurve &curve, const RefluxPoint *tried)
{
    if (!curve.minimumReflux)
        return QStringLiteral("Ни при каком флегмовом числе до %1 состав дистиллята не достигается: "
                              "выбирать не из чего.")
            .arg(int(MaxStudiedReflux));
    const RefluxLimits &limits = curve.limits;
    const auto minimum = [](const std::optional<float> &R) { return R ? reflux(*R) : QStringLiteral("нет"); };
    QString text =
        QStringLiteral("Rmin = %1 (точный расчёт), %2 (пост. мольн. расходы); Nmin = %3.")
            .arg(minimum(limits.minimumRefluxExact), minimum(limits.minimumRefluxConstantFlow),
                 limits.minimumStages ? QString::number(*limits.minimumStages) : QStringLiteral("нет"));
    if (!tried)
        return text;
    text += QStringLiteral("\nR = %1 = %2·Rmin: точный расчёт %3;\nпост. мольн. расходы %4")
                .arg(GeneralNumberText(tried->R), ratioText(tried->R / *curve.minimumReflux),
                     countText(tried->exactStages, tried->exactFeedStage),
                     countText(tried->constantFlowStages, tried->constantFlowFeedStage));
    if (tried->outcome != CalculationOutcome::InvalidData)
        text += QStringLiteral("; Qc = %1, Qw = %2 кВт")
                    .arg(FormatFixed(tried->Qc, 0, 1), FormatFixed(tried->Qw, 0, 1));
    return text + u'.';
}

void DrawRefluxCurve(QPainter &painter, const QRectF &area, const RefluxCurve &curve,
                     const RefluxPoint *tried, RefluxCurveDrawing *drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    DrawChartTitle(painter, area, QStringLiteral("Число ступеней N(R): выбор флегмового числа"));

    const QRectF frame(area.left() + LeftMargin, area.top() + ChartTitleHeight + TopAxisHeight,
                       std::max(40.0, area.width() - LeftMargin - RightMargin),
                       std::max(40.0, area.height() - ChartTitleHeight - TopAxisHeight - BottomMargin));
    const bool studied = curve.minimumReflux && curve.high > curve.low;
    if (studied) {
        const QList<double> nTicks = RoundTicks(0.0, highestStageCount(curve) + 1.0, 6);
        QList<double> rTicks = RoundTicks(curve.low, curve.high, 7);
        rTicks.removeIf([&](double R) { return R < curve.low || R > curve.high; });
        const ChartAxes axes(frame, curve.low, curve.high, 0.0, nTicks.last());
        drawRatioAxis(painter, axes, *curve.minimumReflux);
        DrawChartAxes(painter, axes, rTicks, nTicks, QStringLiteral("флегмовое число R"),
                      QStringLiteral("N, ступеней"));
        if (drawing)
            drawing->axes = frame;

        painter.save();
        painter.setClipRect(frame.adjusted(-1, -1, 1, 1));
        if (const std::optional<int> &fewest = curve.limits.minimumStages) {
            painter.setPen(ChartPen(ChartGuideGrey, 1.2, Qt::DashLine));
            DrawChartLine(painter, axes, QLineF(axes.xLow, *fewest, axes.xHigh, *fewest));
            painter.setFont(ChartFont(10, true));
            painter.setPen(ChartGuideGrey.darker(150));
            const QString name = QStringLiteral("Nmin = %1 (полное орошение)").arg(*fewest);
            const QFontMetricsF metrics(painter.font());
            // Below the line: the counts never go there.
            painter.drawText(axes.map(QPointF(axes.xHigh, *fewest)) +
                                 QPointF(-6 - metrics.horizontalAdvance(name), metrics.ascent() + 3),
                             name);
        }
        QList<RefluxMark> marks;
        if (const std::optional<float> &R = curve.limits.minimumRefluxConstantFlow)
            marks.append({*R, ChartPen(ConstantFlowBlack, 1, Qt::DashLine),
                          QStringLiteral("Rmin = %1").arg(reflux(*R))});
        if (const std::optional<float> &R = curve.limits.minimumRefluxExact)
            marks.append(
                {*R, ChartPen(ExactGreen, 1, Qt::DashLine), QStringLiteral("Rmin = %1").arg(reflux(*R))});
        marks.append({curve.problemReflux, ChartPen(OwnRefluxOrange, 2), QStringLiteral("R задачи")});
        if (tried)
            marks.append({tried->R, ChartPen(TriedRed, 1.5), QStringLiteral("пробное R")});
        drawMarkLines(painter, axes, marks, drawing);

        painter.setPen(ChartPen(ConstantFlowBlack, 1.5));
        const int constantFlow = drawCount(painter, axes, curve, &RefluxPoint::constantFlowStages);
        painter.setPen(ChartPen(ExactGreen, 2));
        const int exact = drawCount(painter, axes, curve, &RefluxPoint::exactStages);
        if (drawing) {
            drawing->constantFlowSteps = constantFlow;
            drawing->exactSteps = exact;
        }
        if (tried)
            drawTriedStages(painter, axes, *tried);
        writeMarkNames(painter, axes, marks);
        painter.restore();
    }

    const double legendTop = frame.bottom() + ChartTickLabelHeight + ChartAxisTitleHeight + 2;
    DrawChartLegend(painter, QPointF(frame.left(), legendTop),
                    {{{ChartPen(ConstantFlowBlack, 1.5), QStringLiteral("N, пост. мольн. расходы")},
                      {ChartPen(ExactGreen, 2), QStringLiteral("N, точный расчёт")},
                      {ChartPen(ChartGuideGrey, 1.2, Qt::DashLine), QStringLiteral("Nmin")}},
                     {{ChartPen(OwnRefluxOrange, 2), QStringLiteral("R задачи")},
                      {ChartPen(TriedRed, 1.5), QStringLiteral("пробное R")},
                      {ChartPen(UsualBand.darker(115), 8), QStringLiteral("R = 1.2–1.5·Rmin")}}});
    painter.setFont(ChartFont(11, !studied));
    painter.setPen(studied ? Qt::black : ChartFailureRed);
    const double textTop = legendTop + LegendLines * ChartLegendLineHeight + 2;
    painter.drawText(QRectF(area.left() + 8, textTop, area.width() - 16, area.bottom() - textTop),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, RefluxStudyText(curve, tried));
    painter.restore();
}
