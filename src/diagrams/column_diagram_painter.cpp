#include "column_diagram_painter.h"
#include "chart_drawing.h"

#include "equilibrium/equilibrium_diagram.h"
#include "model/text.h"
#include "ui/look.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The equilibrium curve and its points keep the colours of the equilibrium
// diagram.
const QColor CurveGreen = VbColor(45056);
const QColor PointRed = VbColor(VbRed);
const QColor OperatingBlue(0, 0, 220);
const QColor FeedMagenta(200, 0, 200);
const QColor FeedStageOrange(235, 110, 0);
const QColor LiquidBlue = VbColor(VbBlue);
const QColor VapourRed(210, 0, 0);
const QColor TieGreen(0, 140, 0);
const QColor FeedStageShade(255, 236, 200);

constexpr int LeftMargin = 62, RightMargin = 14;
constexpr int LegendLines = 2, VerdictLines = 3;
constexpr int BottomMargin =
    ChartTickLabelHeight + ChartAxisTitleHeight + LegendLines * ChartLegendLineHeight + VerdictLines * 13 + 6;
// The line under the stage tables that explains the mark.
constexpr int NoteHeight = 16;
// Room kept free around a stage number.
constexpr double LabelGap = 1.0;

// The square plot frame of a diagram in its area, below the title and above
// the tick labels, axis title, legend and verdict.
QRectF plotFrame(const QRectF &area)
{
    const double side = std::max(40.0, std::min(area.width() - LeftMargin - RightMargin,
                                                area.height() - ChartTitleHeight - BottomMargin));
    const double left = area.left() + LeftMargin + (area.width() - LeftMargin - RightMargin - side) / 2;
    return QRectF(left, area.top() + ChartTitleHeight, side, side);
}

// A stage number to write beside its stage.
struct StageLabel {
    int stage;
    QPointF centre;
};

// Writes the stage numbers inside the frame without letting them cover one
// another: the lowest stage, the feed stage and the top one first, always,
// then every other one that finds room. The feed stage's number is bold in
// the feed stage's colour.
void writeStageLabels(QPainter &painter, const QRectF &frame, const QList<StageLabel> &labels,
                      const CountSummary &count, const QColor &colour, DiagramDrawing *drawing)
{
    QList<QRectF> taken;
    const QFont plain = ChartFont(10), bold = ChartFont(10, true);
    const QFontMetricsF plainMetrics(plain), boldMetrics(bold);
    auto write = [&](const StageLabel &label, bool forced) {
        const bool feed = label.stage == count.feedStage;
        const QFontMetricsF &metrics = feed ? boldMetrics : plainMetrics;
        const QString text = QString::number(label.stage);
        const double width = metrics.horizontalAdvance(text) + 2 * LabelGap;
        const double x =
            std::max(frame.left(), std::min(label.centre.x() - width / 2, frame.right() - width));
        const double y = std::max(frame.top(), std::min(label.centre.y() - metrics.height() / 2,
                                                        frame.bottom() - metrics.height()));
        const QRectF box(x, y, width, metrics.height());
        if (!forced)
            for (const QRectF &other : taken)
                if (other.intersects(box))
                    return;
        taken << box;
        painter.setFont(feed ? bold : plain);
        painter.setPen(feed ? FeedStageOrange : colour);
        painter.drawText(QPointF(box.left() + LabelGap, box.top() + metrics.ascent()), text);
        if (drawing)
            drawing->numberedStages << label.stage;
    };
    auto always = [&](int n) { return n == 1 || n == count.feedStage || n == count.stages; };
    for (const StageLabel &label : labels)
        if (always(label.stage))
            write(label, true);
    for (const StageLabel &label : labels)
        if (!always(label.stage))
            write(label, false);
}

// What one stage adds to a diagram: its step or tie line, and the point
// its number is written beside.
struct StageFigure {
    int stage;
    QList<QPointF> line;
    QPointF numbered, offset; // data units; pixels from the point
};

// The stages' figures, the feed stage's in its own colour, and their numbers.
void drawStageFigures(QPainter &painter, const ChartAxes &axes, const QList<StageFigure> &figures,
                      const CountSummary &count, const QPen &plain, const QColor &numberColour,
                      DiagramDrawing *drawing)
{
    for (const StageFigure &figure : figures) {
        const bool feed = figure.stage == count.feedStage;
        painter.setPen(feed ? ChartPen(FeedStageOrange, 2.5) : plain);
        DrawChartPolyline(painter, axes, figure.line);
        if (drawing) {
            ++drawing->steps;
            if (feed)
                drawing->feedStageMarked = figure.stage;
        }
    }
    QList<StageLabel> labels;
    for (const StageFigure &figure : figures)
        if (IsFinitePoint(figure.numbered))
            labels.append({figure.stage, axes.map(figure.numbered) + figure.offset});
    writeStageLabels(painter, axes.frame, labels, count, numberColour, drawing);
}

// The legend and the verdict below the axes.
void drawFooter(QPainter &painter, const QRectF &area, const QRectF &frame,
                const QList<QList<ChartLegendEntry>> &legend, const QString &verdict, bool failed)
{
    const double legendTop = frame.bottom() + ChartTickLabelHeight + ChartAxisTitleHeight + 2;
    DrawChartLegend(painter, QPointF(frame.left(), legendTop), legend);
    painter.setFont(ChartFont(11, failed));
    painter.setPen(failed ? ChartFailureRed : Qt::black);
    const double verdictTop = legendTop + LegendLines * ChartLegendLineHeight + 2;
    painter.drawText(QRectF(area.left() + 8, verdictTop, area.width() - 16, area.bottom() - verdictTop),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, verdict);
}

// A product's composition: a dotted line from the axis up to its point on
// the diagonal or its pole, and its name beside the axis.
void drawComposition(QPainter &painter, const ChartAxes &axes, double x, double top, const QString &name,
                     int nameRow)
{
    if (!std::isfinite(x) || !std::isfinite(top))
        return;
    painter.setPen(ChartPen(ChartGuideGrey, 1, Qt::DotLine));
    const QPointF foot = axes.map(QPointF(x, axes.yLow));
    const QPointF head = axes.map(QPointF(x, top));
    painter.drawLine(foot, head);
    painter.setFont(ChartFont(10, true));
    painter.setPen(ChartGuideGrey.darker(150));
    // Beside the line, on its left where the frame ends to its right.
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(name);
    const double left = foot.x() + 3 + width <= axes.frame.right() ? foot.x() + 3 : foot.x() - 3 - width;
    painter.drawText(QPointF(left, foot.y() - 4 - nameRow * 11), name);
}

void drawMark(QPainter &painter, QPointF centre, const QColor &colour, bool square, DiagramDrawing *drawing)
{
    painter.setPen(ChartPen(Qt::black, 1));
    painter.setBrush(colour);
    const QRectF box(centre.x() - 4, centre.y() - 4, 8, 8);
    if (square) {
        painter.drawRect(box);
    } else {
        const QPointF diamond[] = {QPointF(centre.x(), centre.y() - 5), QPointF(centre.x() + 5, centre.y()),
                                   QPointF(centre.x(), centre.y() + 5), QPointF(centre.x() - 5, centre.y())};
        painter.drawPolygon(diamond, 4);
    }
    painter.setBrush(Qt::NoBrush);
    if (drawing)
        drawing->marks << centre;
}

bool countFailed(const CountSummary &count)
{
    return !count.ran || !count.reachedTop;
}

void drawMcCabeThiele(QPainter &painter, const QRectF &area, const ColumnDiagrams &diagrams,
                      DiagramDrawing *drawing)
{
    const McCabeThieleDiagram &d = diagrams.mccabeThiele;
    const CountSummary &count = diagrams.constantFlow;
    DrawChartTitle(painter, area, QStringLiteral("Диаграмма y–x (постоянство мольных расходов)"));
    const ChartAxes axes(plotFrame(area), 0.0, 1.0, 0.0, 1.0);
    const QList<double> ticks = RoundTicks(0.0, 1.0, 5);
    DrawChartAxes(painter, axes, ticks, ticks, QStringLiteral("x, мольн. доли"),
                  QStringLiteral("y, мольн. доли"));
    if (drawing)
        drawing->axes = axes.frame;

    painter.save();
    painter.setClipRect(axes.frame.adjusted(-1, -1, 1, 1));
    painter.setPen(ChartPen(Qt::black, 1, Qt::DashDotLine));
    DrawChartLine(painter, axes, QLineF(0, 0, 1, 1));
    drawComposition(painter, axes, d.xW, d.xW, QStringLiteral("xW"), 0);
    drawComposition(painter, axes, d.xF, d.xF, QStringLiteral("xF"), 0);
    drawComposition(painter, axes, d.xD, d.xD, QStringLiteral("xD"), 1);

    painter.setPen(ChartPen(CurveGreen, 2));
    DrawChartPolyline(painter, axes, d.equilibriumCurve);
    for (const QPointF &p : d.tablePoints)
        if (IsFinitePoint(p))
            DrawPointMarker(painter, axes.map(p).toPoint(), PointRed);

    painter.setPen(ChartPen(OperatingBlue, 1.5));
    DrawChartLine(painter, axes, d.rectifyingLine);
    DrawChartLine(painter, axes, d.strippingLine);
    painter.setPen(ChartPen(FeedMagenta, 1.5, Qt::DashLine));
    DrawChartLine(painter, axes, d.feedLine);

    QList<StageFigure> steps;
    for (const StaircaseStep &step : d.steps)
        steps.append({step.stage, {step.from, step.corner, step.to}, step.corner, QPointF(-8, -8)});
    drawStageFigures(painter, axes, steps, count, ChartPen(Qt::black, 1), Qt::black, drawing);
    painter.restore();

    // The marks after the clip, so that a mark on the frame shows whole.
    for (const double x : {d.xW, d.xF, d.xD})
        if (std::isfinite(x) && drawing)
            drawing->marks << axes.map(QPointF(x, x));
    if (d.azeotropic && d.azeotropeX >= 0.0 && d.azeotropeX <= 1.0) {
        const QPointF point = axes.map(QPointF(d.azeotropeX, d.azeotropeX));
        drawMark(painter, point, Qt::white, false, drawing);
        painter.setFont(ChartFont(10));
        painter.setPen(Qt::black);
        painter.drawText(point + QPointF(-70, 14), QStringLiteral("азеотроп"));
    }

    drawFooter(painter, area, axes.frame,
               {{{ChartPen(CurveGreen, 2), QStringLiteral("равновесие")},
                 {ChartPen(OperatingBlue, 1.5), QStringLiteral("рабочие линии")},
                 {ChartPen(FeedMagenta, 1.5, Qt::DashLine), QStringLiteral("линия питания")}},
                {{ChartPen(Qt::black, 1), QStringLiteral("ступени")},
                 {ChartPen(FeedStageOrange, 2.5), QStringLiteral("ступень питания")},
                 {ChartPen(Qt::black, 1, Qt::DashDotLine), QStringLiteral("y = x")}}},
               ConstantFlowVerdict(diagrams), countFailed(count));
}

// The enthalpy range that holds the curves, the feed, both poles and every
// stage point.
void enthalpyRange(const EnthalpyDiagram &d, double &low, double &high)
{
    low = std::numeric_limits<double>::max();
    high = std::numeric_limits<double>::lowest();
    auto take = [&](QPointF p) {
        if (!IsFinitePoint(p))
            return;
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    };
    for (const QPointF &p : d.liquidCurve)
        take(p);
    for (const QPointF &p : d.vapourCurve)
        take(p);
    for (const QPointF &p : {d.feedPoint, d.topPole, d.bottomPole})
        take(p);
    for (const EnthalpyStage &stage : d.stages) {
        take(stage.liquid);
        take(stage.vapour);
    }
    if (low > high) {
        low = 0.0;
        high = 1.0;
    }
    if (high - low < 1.0) {
        low -= 0.5;
        high += 0.5;
    }
}

void drawEnthalpy(QPainter &painter, const QRectF &area, const ColumnDiagrams &diagrams,
                  DiagramDrawing *drawing)
{
    const EnthalpyDiagram &d = diagrams.enthalpy;
    const CountSummary &count = diagrams.exact;
    DrawChartTitle(painter, area, QStringLiteral("Диаграмма H–x (точный расчёт)"));
    double low = 0.0, high = 0.0;
    enthalpyRange(d, low, high);
    const double margin = (high - low) * 0.04;
    const QList<double> hTicks = RoundTicks(low - margin, high + margin, 6);
    const ChartAxes axes(plotFrame(area), 0.0, 1.0, hTicks.first(), std::max(hTicks.last(), high + margin));
    DrawChartAxes(painter, axes, RoundTicks(0.0, 1.0, 5), hTicks, QStringLiteral("x, y, масс. доли"),
                  QStringLiteral("h, H, кДж/кг"));
    if (drawing)
        drawing->axes = axes.frame;

    painter.save();
    painter.setClipRect(axes.frame.adjusted(-1, -1, 1, 1));
    drawComposition(painter, axes, d.xW, d.bottomPole.y(), QStringLiteral("xW"), 0);
    drawComposition(painter, axes, d.xF, d.feedPoint.y(), QStringLiteral("xF"), 0);
    drawComposition(painter, axes, d.xD, d.topPole.y(), QStringLiteral("xD"), 1);

    painter.setPen(ChartPen(ChartGuideGrey, 0.8, Qt::DashLine));
    for (const EnthalpyStage &stage : d.stages)
        if (stage.hasPoleLine)
            DrawChartLine(painter, axes, stage.poleLine);
    painter.setPen(ChartPen(LiquidBlue, 2));
    DrawChartPolyline(painter, axes, d.liquidCurve);
    painter.setPen(ChartPen(VapourRed, 2));
    DrawChartPolyline(painter, axes, d.vapourCurve);

    QList<StageFigure> tieLines;
    for (const EnthalpyStage &stage : d.stages)
        tieLines.append({stage.stage, {stage.liquid, stage.vapour}, stage.vapour, QPointF(0, -9)});
    drawStageFigures(painter, axes, tieLines, count, ChartPen(TieGreen, 1), TieGreen.darker(130), drawing);
    painter.restore();

    struct NamedMark {
        QPointF point;
        QColor colour;
        bool square;
        QString name;
    };
    const NamedMark marks[] = {{d.feedPoint, FeedMagenta, false, QStringLiteral("F")},
                               {d.topPole, Qt::black, true, QStringLiteral("полюс верха")},
                               {d.bottomPole, Qt::black, true, QStringLiteral("полюс низа")}};
    painter.setFont(ChartFont(10, true));
    for (const NamedMark &mark : marks) {
        if (!IsFinitePoint(mark.point))
            continue;
        const QPointF centre = axes.map(mark.point);
        drawMark(painter, centre, mark.colour, mark.square, drawing);
        const QFontMetricsF metrics(painter.font());
        // The name on the side of the mark that has room inside the frame.
        const double width = metrics.horizontalAdvance(mark.name);
        const double x =
            centre.x() + 8 + width < axes.frame.right() ? centre.x() + 8 : centre.x() - 8 - width;
        const double y = centre.y() - 6 < axes.frame.top() + metrics.ascent()
                             ? centre.y() + metrics.ascent() + 4
                             : centre.y() - 6;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, y), mark.name);
    }

    drawFooter(painter, area, axes.frame,
               {{{ChartPen(LiquidBlue, 2), QStringLiteral("кипящая жидкость")},
                 {ChartPen(VapourRed, 2), QStringLiteral("насыщенный пар")}},
                {{ChartPen(TieGreen, 1), QStringLiteral("ступени")},
                 {ChartPen(ChartGuideGrey, 0.8, Qt::DashLine), QStringLiteral("линии полюсов")},
                 {ChartPen(FeedStageOrange, 2.5), QStringLiteral("ступень питания")}}},
               ExactVerdict(diagrams), countFailed(count));
}

QString notCountedReason(const ColumnDiagrams &diagrams)
{
    switch (diagrams.outcome) {
    case CalculationOutcome::HeatBalanceFailure:
        return QStringLiteral("Ступени не рассчитывались: ошибка в исходной информации "
                              "(тепловая нагрузка кипятильника не больше нуля).");
    case CalculationOutcome::InvalidData:
        return QStringLiteral("Ступени не рассчитывались: ") + diagrams.invalidReason;
    default:
        break;
    }
    return QStringLiteral("Ступени не рассчитывались.");
}

QString reachedTopVerdict(const CountSummary &count)
{
    const QString stages = QStringLiteral("Ступеней: %1").arg(count.stages);
    if (count.feedStage == 0)
        return stages + QStringLiteral(", ступень питания не пройдена.");
    return stages + QStringLiteral(", ступень питания: %1 (считая снизу).").arg(count.feedStage);
}

const QString PinchVerdict =
    QStringLiteral("Флегмовое число меньше минимального: за %1 ступеней состав дистиллята не достигнут, "
                   "ступени сходятся к точке касания.")
        .arg(MaxStages);

// Rows of one count's table: all of them, or the first and the last ones
// around a row of dots when there are more than fit.
QList<int> shownRows(int stages, int room)
{
    QList<int> rows;
    if (stages <= room) {
        for (int n = 1; n <= stages; ++n)
            rows << n;
        return rows;
    }
    const int last = std::max(1, room / 3);
    const int first = std::max(1, room - 1 - last);
    for (int n = 1; n <= first; ++n)
        rows << n;
    rows << 0; // the dots
    for (int n = stages - last + 1; n <= stages; ++n)
        rows << n;
    return rows;
}

// A row of the printed table: the stage number in three characters, then
// each value right-aligned in eight.
QString tableRow(const QString &number, const QStringList &values)
{
    QString row = PadSpaces(number, 3) + number;
    for (const QString &value : values)
        row += PadSpaces(value, 8) + value;
    return row;
}

void drawCountTable(QPainter &painter, const QRectF &area, const QString &title, const CountSummary &count)
{
    painter.setFont(ChartFont(11, true));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left(), area.top() + 12), title);
    painter.setFont(ChartFont(10));
    const QFontMetricsF metrics(painter.font());
    const double rowHeight = metrics.height() + 1;
    const double blockWidth = metrics.horizontalAdvance(QString(30, u'0'));
    const QString header =
        tableRow(QStringLiteral("n"), {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("t, °C")});
    const double tableTop = area.top() + 18;
    const int blocks = std::max(1, int(area.width() / blockWidth));
    const int rowsPerBlock = std::max(1, int((area.bottom() - tableTop) / rowHeight) - 1);
    if (!count.ran)
        return;
    const QList<int> rows = shownRows(count.stages, blocks * rowsPerBlock);
    for (int b = 0; b < blocks && b * rowsPerBlock < rows.size(); ++b) {
        const double left = area.left() + b * blockWidth;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left, tableTop + metrics.ascent()), header);
        for (int r = 0; r < rowsPerBlock && b * rowsPerBlock + r < rows.size(); ++r) {
            const int n = rows[b * rowsPerBlock + r];
            const double top = tableTop + (r + 1) * rowHeight;
            if (n == 0) {
                painter.drawText(QPointF(left, top + metrics.ascent()), QStringLiteral("  …"));
                continue;
            }
            const bool feed = n == count.feedStage;
            if (feed)
                painter.fillRect(QRectF(left, top, blockWidth - 8, rowHeight), FeedStageShade);
            painter.setPen(feed ? FeedStageOrange.darker(130) : Qt::black);
            painter.drawText(QPointF(left, top + metrics.ascent()),
                             tableRow(QString::number(n), StageRowTexts(count.profile[n - 1])) +
                                 (feed ? QStringLiteral(" ◄") : QString()));
        }
    }
}

} // namespace

void DrawColumnDiagram(QPainter &painter, ColumnDiagramKind kind, const QRectF &area,
                       const ColumnDiagrams &diagrams, DiagramDrawing *drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    if (kind == ColumnDiagramKind::McCabeThiele)
        drawMcCabeThiele(painter, area, diagrams, drawing);
    else
        drawEnthalpy(painter, area, diagrams, drawing);
    painter.restore();
}

void DrawStageTables(QPainter &painter, const QRectF &area, const ColumnDiagrams &diagrams)
{
    painter.save();
    const double half = area.width() / 2;
    const double height = area.height() - NoteHeight;
    drawCountTable(painter, QRectF(area.left(), area.top(), half - 10, height),
                   QStringLiteral("Постоянство мольных расходов"), diagrams.constantFlow);
    drawCountTable(painter, QRectF(area.left() + half, area.top(), half - 10, height),
                   QStringLiteral("Точный расчёт"), diagrams.exact);
    painter.setFont(ChartFont(10));
    painter.setPen(FeedStageOrange.darker(130));
    painter.drawText(QPointF(area.left(), area.bottom() - 2),
                     QStringLiteral("◄ ступень питания; x, y — мольные доли"));
    painter.restore();
}

void DrawColumnSheet(QPainter &painter, const QRectF &page, const ColumnDiagrams &diagrams)
{
    const double scale =
        std::min(page.width() / ColumnSheetSize.width(), page.height() / ColumnSheetSize.height());
    painter.save();
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-ColumnSheetSize.width() / 2, -ColumnSheetSize.height() / 2);
    const QRectF sheet(QPointF(0, 0), ColumnSheetSize);
    painter.fillRect(sheet, Qt::white);

    constexpr double margin = 20, headingHeight = 24, diagramHeight = 500;
    painter.setFont(ChartFont(12, true));
    painter.setPen(Qt::black);
    QString heading =
        QStringLiteral("Тарелин-7: диаграммы расчёта ступеней.  %1 — %2, R = %3")
            .arg(diagrams.moreVolatile, diagrams.lessVolatile, GeneralNumberText(diagrams.reflux));
    if (!diagrams.student.isEmpty())
        heading += QStringLiteral(".  ") + diagrams.student;
    painter.drawText(QRectF(margin, margin, sheet.width() - 2 * margin, headingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, heading);
    const double width = (sheet.width() - 2 * margin) / 2;
    const double top = margin + headingHeight;
    DrawColumnDiagram(painter, ColumnDiagramKind::McCabeThiele, QRectF(margin, top, width, diagramHeight),
                      diagrams);
    DrawColumnDiagram(painter, ColumnDiagramKind::Enthalpy, QRectF(margin + width, top, width, diagramHeight),
                      diagrams);
    const double tableTop = top + diagramHeight + 8;
    DrawStageTables(painter,
                    QRectF(margin, tableTop, sheet.width() - 2 * margin, sheet.height() - margin - tableTop),
                    diagrams);
    painter.restore();
}

QString ConstantFlowVerdict(const ColumnDiagrams &diagrams)
{
    const CountSummary &count = diagrams.constantFlow;
    if (!count.ran)
        return notCountedReason(diagrams);
    return count.reachedTop ? reachedTopVerdict(count) : PinchVerdict;
}

QString ExactVerdict(const ColumnDiagrams &diagrams)
{
    const CountSummary &count = diagrams.exact;
    if (!count.ran) {
        if (diagrams.constantFlow.ran && !diagrams.constantFlow.reachedTop)
            return QStringLiteral("Точный расчёт не выполнялся: при постоянстве мольных расходов "
                                  "состав дистиллята не достигнут.");
        return notCountedReason(diagrams);
    }
    if (count.reachedTop)
        return reachedTopVerdict(count);
    if (diagrams.outcome == CalculationOutcome::ExactRefluxBelowMinimum)
        return PinchVerdict + QStringLiteral(" Минимальное флегмовое число %1.")
                                  .arg(FormatFixed(diagrams.minimumReflux, 0, 4));
    return PinchVerdict + u' ' + diagrams.invalidReason;
}

QStringList StageRowTexts(const ProfileStage &stage)
{
    return {FormatFixed(stage.X, 0, 4), FormatFixed(stage.Y, 0, 4), FormatFixed(stage.T, 0, 2)};
}
