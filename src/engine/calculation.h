#pragma once

#include "model/problem_data.h"

#include <QList>
#include <QString>

// The whole calculation on a filled problem state: feed derivations, material
// and heat balance, duties, the constant-molar-flow and the exact stage
// counts or the minimum reflux ratio. Stores the results, the outcome,
// MinimumReflux, SavedStageCount/SavedFeedStage, the stage profiles of the
// counts that ran, BadPointIndex (77 after a failure) and CalculationDone;
// never leaves an infinity or NaN in a result.
CalculationOutcome CalculateColumn(ProblemData &data);

// The part of CalculateColumn before the stage counts: the feed
// derivations, the balance and the duties, whatever the sign of Qw. True
// when every result is a number, so that a count can run on them.
bool BalanceColumn(ProblemData &data);

// A line of the results window: text printed at (x, y) twips.
struct ResultLine {
    int x = 0, y = 0;
    QString text;
    bool bold = false;
    bool red = false;
};

// What the results window shows after CalculateColumn: the heading, the
// result lines for the feed condition and the stage numbers, or the failure
// messages. The batch mode prints the same texts.
QList<ResultLine> ResultScreenLines(const ProblemData &data);
