#include "calculation.h"

// Placeholders until the calculation lands.
CalculationOutcome CalculateColumn(ProblemData &data)
{
    data.Outcome = CalculationOutcome::NotCalculated;
    return data.Outcome;
}

QList<ResultLine> ResultScreenLines(const ProblemData &)
{
    return {};
}
