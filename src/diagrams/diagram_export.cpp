#include "diagram_export.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// A PNG holds twice the logical pixels, sharp enough to print.
constexpr double PngScale = 2.0;
constexpr int PdfResolution = 300;
// Logical pixels are 1/96 inch; PDF pages are measured in points.
constexpr double PointsPerPixel = 72.0 / 96.0;

const QString Creator = QStringLiteral("Тарелин-7");

void paintScaled(QPainter &painter, double scale, const QSizeF &size, const PictureDrawing &draw)
{
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    draw(painter, QRectF(QPointF(0, 0), size));
}

bool writePng(const QString &path, const QSizeF &size, const PictureDrawing &draw, QString *error)
{
    QImage image((size * PngScale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintScaled(painter, PngScale, size, draw);
    painter.end();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !image.save(&file, "PNG")) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writeSvg(const QString &path, const QSizeF &size, const PictureDrawing &draw, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(Creator);
    svg.setDescription(QStringLiteral("Диаграммы расчёта ступеней ректификационной колонны"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        *error = QStringLiteral("рисунок SVG не начат");
        return false;
    }
    paintScaled(painter, 1.0, size, draw);
    painter.end();
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writePdf(const QString &path, const QSizeF &size, const PictureDrawing &draw, QString *error)
{
    // The writer only says that it failed; the file says why.
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *error = file.errorString();
            return false;
        }
    }
    QPdfWriter pdf(path);
    pdf.setCreator(Creator);
    pdf.setTitle(QStringLiteral("Диаграммы расчёта ступеней"));
    pdf.setResolution(PdfResolution);
    pdf.setPageSize(QPageSize(size * PointsPerPixel, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        *error = QStringLiteral("документ PDF не начат");
        return false;
    }
    paintScaled(painter, pdf.width() / size.width(), size, draw);
    if (!painter.end()) {
        *error = QStringLiteral("документ PDF не дописан");
        return false;
    }
    return true;
}

} // namespace

bool WritePicture(const QString &path, const QSizeF &size, const PictureDrawing &draw, QString *error)
{
    QString reason;
    bool written = false;
    switch (PictureFormatOf(path).value_or(PictureFormat::Png)) {
    case PictureFormat::Png:
        written = writePng(path, size, draw, &reason);
        break;
    case PictureFormat::Svg:
        written = writeSvg(path, size, draw, &reason);
        break;
    case PictureFormat::Pdf:
        written = writePdf(path, size, draw, &reason);
        break;
    }
    if (!written && error)
        *error = reason;
    return written;
}

bool WriteColumnSheet(const QString &path, const ColumnDiagrams &diagrams, QString *error)
{
    return WritePicture(
        path, ColumnSheetSize,
        [&](QPainter &painter, const QRectF &area) { DrawColumnSheet(painter, area, diagrams); }, error);
}

bool WriteDiagramsFile(const QString &path, const ProblemData &data, QString *error)
{
    return WriteColumnSheet(path, BuildColumnDiagrams(data), error);
}

bool WriteColumnDiagram(const QString &path, ColumnDiagramKind kind, const ColumnDiagrams &diagrams,
                        QString *error)
{
    return WritePicture(
        path, ColumnDiagramSize,
        [&](QPainter &painter, const QRectF &area) { DrawColumnDiagram(painter, kind, area, diagrams); },
        error);
}
