#pragma once

#include "model/problem_data.h"

#include <QString>

// The machine-readable results of batch mode, as JSON texts.

// A stored single as the shortest decimal that reads back as the same
// single; null for an infinity or NaN, which JSON has not.
QString StoredFloatJson(float value);
// A stage number, rounded; null when it is not a number.
QString StageNumberJson(float value);
// A string, quoted and escaped.
QString JsonText(const QString &text);
// The name of an outcome: complete, heat_balance_error, ...
const char *OutcomeName(CalculationOutcome outcome);

// {"outcome": "invalid", "error": ...} and a new line.
QString InvalidJson(const QString &error);
// The results object of the last calculation and a new line.
QString ResultsJson(const ProblemData &data);
