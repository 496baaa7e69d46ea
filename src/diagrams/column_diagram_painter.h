#pragma once

#include "engine/column_diagrams.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPainter;

// Painter code for the diagrams of the stage counts. It draws on any paint
// device (the diagram window, the printer, SVG, PNG and PDF files), so every
// one of them shows the very same picture. Sizes are in the painter's
// logical pixels; fonts are set in pixels, so a scaled painter scales them.

enum class ColumnDiagramKind { McCabeThiele, Enthalpy };

// Where a drawing put its pieces, in painter coordinates: for a test of the
// picture's structure and for answering the mouse.
struct DiagramDrawing {
    QRectF axes;               // the plot frame
    int steps = 0;             // staircase steps or tie lines drawn
    QList<int> numberedStages; // stage numbers written beside them
    int feedStageMarked = 0;   // the stage drawn as the feed stage
    QList<QPointF> marks;      // products, feed point, poles, azeotrope
};

// One diagram with its title, axes, legend and the count's verdict in words,
// filling area.
void DrawColumnDiagram(QPainter &painter, ColumnDiagramKind kind, const QRectF &area,
                       const ColumnDiagrams &diagrams, DiagramDrawing *drawing = nullptr);

// The stages of both counts (n, x, y, t), side by side, the feed stage
// marked. Stages that do not fit are left out in the middle of a count, so
// that its first and last stages show.
void DrawStageTables(QPainter &painter, const QRectF &area, const ColumnDiagrams &diagrams);

// The page of the print-out and of the picture files: a heading, both
// diagrams side by side and the stage tables below them, scaled to fit page.
inline constexpr QSizeF ColumnSheetSize(1122, 794); // A4 landscape at 96 dpi
void DrawColumnSheet(QPainter &painter, const QRectF &page, const ColumnDiagrams &diagrams);

// The size one diagram is drawn at in a picture file of its own.
inline constexpr QSizeF ColumnDiagramSize(560, 600);

// What became of a count, in words: the stages and the feed stage, or why
// there are none.
QString ConstantFlowVerdict(const ColumnDiagrams &diagrams);
QString ExactVerdict(const ColumnDiagrams &diagrams);

// The texts of a stage's row in the stage tables: x, y (four decimals) and
// t (two decimals).
QStringList StageRowTexts(const ProfileStage &stage);
