#include "equilibrium_values.h"

#include "model/problem_data.h"
#include "model/text.h"
#include "ui/typed_point_value.h"

namespace {

struct ValueSlot {
    QString &text;
    float &number;
    ValueRange range;
};

ValueSlot slotOf(EquilibriumTable &table, int i, int column)
{
    switch (column) {
    case XColumn:
        return {table.XText[i], table.X[i], MoleFractionRange};
    case YColumn:
        return {table.YText[i], table.Y[i], MoleFractionRange};
    default:
        return {table.TText[i], table.T[i], EquilibriumTemperatureRange};
    }
}

} // namespace

void StoreEquilibriumValue(ProblemData &data, int i, int column, const QString &typed)
{
    ValueSlot slot = slotOf(data.Equilibrium, i, column);
    StoreTypedPointValue(typed, slot.range, slot.text, slot.number);
}

void RereadEquilibriumPoint(ProblemData &data, int i)
{
    EquilibriumTable &table = data.Equilibrium;
    table.X[i] = StoredNumber(table.XText[i]);
    table.Y[i] = StoredNumber(table.YText[i]);
    table.T[i] = StoredNumber(table.TText[i]);
}

QString EquilibriumValueText(const ProblemData &data, int i, int column)
{
    const EquilibriumTable &table = data.Equilibrium;
    return column == XColumn ? table.XText[i] : column == YColumn ? table.YText[i] : table.TText[i];
}
