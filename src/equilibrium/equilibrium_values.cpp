#include "equilibrium_values.h"

#include "app/platform.h"
#include "app/typed_point_value.h"
#include "model/problem_data.h"
#include "model/text.h"

namespace {

struct ValueSlot {
    QString &text;
    float &number;
    float low, high;
};

ValueSlot slotOf(EquilibriumTable &table, int i, int column)
{
    switch (column) {
    case XColumn:
        return {table.XText[i], table.X[i], 0.0f, 1.0f};
    case YColumn:
        return {table.YText[i], table.Y[i], 0.0f, 1.0f};
    default:
        return {table.TText[i], table.T[i], -273.0f, 400.0f};
    }
}

} // namespace

void StoreEquilibriumValue(ProblemData &data, int i, int column, const QString &typed)
{
    ValueSlot slot = slotOf(data.Equilibrium, i, column);
    if (!StoreTypedPointValue(typed, slot.text, slot.number))
        return;
    if (slot.number > slot.high || slot.number < slot.low) {
        platform().beep();
        slot.text = RefusedValueText;
        slot.number = 0.0f;
    }
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
