#include "equilibrium_table.h"

#include "model/text.h"
#include "model/typed_value.h"

#include <utility>

namespace {

bool outsideFraction(float value)
{
    return value > 1.0f || value < 0.0f;
}

void swapPoints(EquilibriumTable &table, int a, int b)
{
    std::swap(table.X[a], table.X[b]);
    std::swap(table.Y[a], table.Y[b]);
    std::swap(table.T[a], table.T[b]);
    std::swap(table.XText[a], table.XText[b]);
    std::swap(table.YText[a], table.YText[b]);
    std::swap(table.TText[a], table.TText[b]);
}

void setAzeotrope(EquilibriumTable &table, double x)
{
    table.AzeotropeX = float(x);
    table.AzeotropeXText = GeneralNumberText(table.AzeotropeX);
    table.Azeotropic = true;
}

bool pointInRange(const EquilibriumTable &table, int i)
{
    return !outsideFraction(table.X[i]) && !outsideFraction(table.Y[i]) && table.T[i] >= -273.0f &&
           table.T[i] <= 400.0f;
}

// An azeotrope was declared, yet the curve stays above the diagonal right up
// to the last but one point, which lies beyond the declared composition.
bool declaredAzeotropeContradicted(const EquilibriumTable &table)
{
    const int n = table.N;
    if (n < 2 || !table.Azeotropic || table.X[n] != 1.0f || table.Y[n] != 1.0f)
        return false;
    int lastAbove = 0;
    for (int j = 1; j <= n - 1; ++j)
        if (table.X[j] < table.Y[j])
            lastAbove = j;
    return lastAbove == n - 1 && table.X[n - 1] > table.AzeotropeX;
}

} // namespace

void SortEquilibriumTable(ProblemData &data)
{
    EquilibriumTable &table = data.Equilibrium;
    // An exchange sort: equal compositions are never swapped with each other.
    for (int i = 1; i <= table.N; ++i)
        for (int j = i; j <= table.N; ++j)
            if (table.X[j] < table.X[i])
                swapPoints(table, i, j);

    // The numbers stay as they are; the texts show the check what is wrong.
    // Absolute zero itself is no boiling temperature, hence the "<=".
    for (int i = 1; i <= table.N; ++i) {
        if (outsideFraction(table.X[i]))
            table.XText[i] = RefusedValueText;
        if (outsideFraction(table.Y[i]))
            table.YText[i] = RefusedValueText;
        if (table.T[i] > 400.0f || table.T[i] <= -273.0f)
            table.TText[i] = RefusedValueText;
    }
}

bool DetectAzeotrope(ProblemData &data)
{
    EquilibriumTable &table = data.Equilibrium;
    table.Azeotropic = false;
    // The point before the current one that holds both compositions; a value
    // refused at entry reads as 0 and would fake a crossing of the diagonal.
    int previous = 0;
    for (int i = 1; i <= table.N; ++i) {
        if (table.XText[i] == RefusedValueText || table.YText[i] == RefusedValueText)
            continue;
        const double x = table.X[i], y = table.Y[i];
        if (x > y) {
            // A curve that starts below the diagonal has no segment that
            // crosses it; the point rule of the check reports point 1.
            if (previous == 0)
                return false;
            const double xPrev = table.X[previous], yPrev = table.Y[previous];
            // Where the segment from the previous point to this one meets Y = X.
            setAzeotrope(table, (yPrev * x - xPrev * y) / (x - y - xPrev + yPrev));
            return true;
        }
        if (x == y && x > 0.0 && x < 1.0) {
            setAzeotrope(table, x);
            return true;
        }
        previous = i;
    }
    return false;
}

bool IsEquilibriumPointSuspect(const ProblemData &data, int i)
{
    const EquilibriumTable &table = data.Equilibrium;
    const float x = table.X[i], y = table.Y[i], t = table.T[i];
    // Points at or beyond the azeotrope are not checked, while there is one:
    // the composition of an azeotrope given up exempts nothing.
    if (table.Azeotropic && x >= table.AzeotropeX)
        return false;
    if (i == 1)
        return (x == 0.0f && y != 0.0f) || x > y;
    return (x == y && x != 1.0f)  // on the diagonal only at the pure component
           || t >= table.T[i - 1] // the boiling temperature falls strictly
           || y <= table.Y[i - 1] // the vapour gets strictly richer
           || x == table.X[i - 1] // one composition, one point
           || x > y;              // the vapour is richer than the liquid
}

int CheckEquilibriumTable(ProblemData &data)
{
    EquilibriumTable &table = data.Equilibrium;
    const auto fail = [&table](int point) {
        table.CheckFailed = true;
        table.BadPoint = point;
        return point;
    };
    table.CheckFailed = false;
    table.BadPoint = 0;

    // Values refused at entry are reported before any numeric rule.
    for (int i = 1; i <= table.N; ++i)
        if (table.XText[i] == RefusedValueText || table.YText[i] == RefusedValueText ||
            table.TText[i] == RefusedValueText)
            return fail(i);

    for (int i = 1; i <= table.N; ++i)
        if (!pointInRange(table, i) || IsEquilibriumPointSuspect(data, i))
            return fail(i);

    // A refused azeotrope composition is held as "???" with the number 0,
    // which lies inside 0..1: the text tells that it is missing.
    if (table.Azeotropic && (outsideFraction(table.AzeotropeX) || table.AzeotropeXText == RefusedValueText))
        return fail(table.N + 1);

    if (declaredAzeotropeContradicted(table))
        return fail(table.N - 1);

    return 0;
}
