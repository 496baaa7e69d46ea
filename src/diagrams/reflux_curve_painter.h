#pragma once

#include "engine/reflux_study.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// Painter code for the design study: the number of stages of both counts
// against the reflux ratio, with R/Rmin along the top, the minimum reflux
// ratios, the fewest stages at total reflux, the problem's own reflux ratio
// and the one being tried.

// Where a drawing put its pieces, in painter coordinates.
struct RefluxCurveDrawing {
    QRectF axes;
    int constantFlowSteps = 0, exactSteps = 0; // stretches of the N(R) lines drawn
    QList<double> markedReflux;                // x of each vertical mark
};

// The chart with its legend and its numbers in words below, filling area.
// `tried` is the calculation at the reflux ratio being tried, if any.
void DrawRefluxCurve(QPainter &painter, const QRectF &area, const RefluxCurve &curve,
                     const RefluxPoint *tried, RefluxCurveDrawing *drawing = nullptr);

// The numbers of the study in words: the minimum reflux ratios, the fewest
// stages, and what the tried reflux ratio gives.
QString RefluxStudyText(const RefluxCurve &curve, const RefluxPoint *tried);
