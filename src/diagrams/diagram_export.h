#pragma once

#include "column_diagram_painter.h"
#include "picture_format.h"

#include <QString>
#include <functional>

class QPainter;
struct ProblemData;

// Pictures in files: PNG, SVG or PDF, chosen by the file's extension.

// Draws a picture of the given logical size into path; draw paints into
// that size, the painter scaled to the file's resolution. False with the
// reason in error when the file cannot be written.
using PictureDrawing = std::function<void(QPainter &, const QRectF &)>;
bool WritePicture(const QString &path, const QSizeF &size, const PictureDrawing &draw, QString *error);

// Both diagrams and the stage tables, as printed.
bool WriteColumnSheet(const QString &path, const ColumnDiagrams &diagrams, QString *error);
// The same of the last calculation in data.
bool WriteDiagramsFile(const QString &path, const ProblemData &data, QString *error);
// One diagram alone.
bool WriteColumnDiagram(const QString &path, ColumnDiagramKind kind, const ColumnDiagrams &diagrams,
                        QString *error);
