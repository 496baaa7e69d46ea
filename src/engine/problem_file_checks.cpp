#include "problem_file_checks.h"
#include "problem_json.h"

#include "equilibrium_table.h"
#include "feed_checks.h"
#include "problem_file_keys.h"
#include "road_steps.h"
#include "thermal_tables.h"
#include "model/text.h"
#include "model/typed_value.h"

#include <span>

using namespace problem_json;

namespace {

QString faultyPoint(int point, const char *first, const QString &firstText, const char *second,
                    const QString &secondText)
{
    return QStringLiteral("point %1 fails the check (%2[%1] = %3, %4[%1] = %5)")
        .arg(QString::number(point), QLatin1String(first), firstText, QLatin1String(second), secondText);
}

// The element of parameter number (1-based, in prompt order), 0 for none.
int parameterElement(int condition, int number)
{
    const std::span<const int> parameters = FeedParameterElements(condition);
    if (number < 1 || std::size_t(number) > parameters.size())
        return 0;
    return parameters[number - 1];
}

} // namespace

void SettleEquilibrium(ProblemData &data, const DeclaredAzeotrope &declared)
{
    EquilibriumTable &table = data.Equilibrium;
    SortEquilibriumTable(data);
    if (!DetectAzeotrope(data) && declared) {
        const QString text = NormalizeDecimal(*declared);
        const float composition = StoredNumber(text);
        // A composition the editor refused is kept as "???", which its
        // check reports.
        if (text != RefusedValueText && !(composition > 0.0f && composition < 1.0f))
            refuse(QStringLiteral("equilibrium.azeotrope"),
                   QStringLiteral("%1, a mole fraction between 0 and 1 (both excluded) expected").arg(text),
                   QStringLiteral("%1, а мольная доля азеотропа должна быть больше 0 и меньше 1").arg(text));
        table.Azeotropic = true;
        table.AzeotropeXText = text;
        table.AzeotropeX = text == RefusedValueText ? 0.0f : composition;
    }

    // The control table reads the numbers back from the texts, so that a
    // value the sort marked "???" counts as 0 like a rejected one.
    for (int i = 1; i <= table.N; ++i) {
        table.X[i] = StoredNumber(table.XText[i]);
        table.Y[i] = StoredNumber(table.YText[i]);
        table.T[i] = StoredNumber(table.TText[i]);
    }
}

// Every table typed is put in order, as its screen does once it is typed.
void SortTypedTables(ProblemData &data, bool unfinished)
{
    if (data.MixingHeat.Present && data.MixingHeat.N > 0)
        SortMixingHeatTable(data);
    for (int k = 1; k <= MaxComponents; ++k) {
        if (data.VaporHeatCapacity.Present && data.VaporHeatCapacity.N[k] > 0)
            SortVaporHeatCapacityTable(data, k);
        if (data.VaporizationHeat.N[k] > 0)
            SortVaporizationHeatTable(data, k);
    }
    // The temperatures are ordered before their tables are taken, each table
    // moving with its temperature. On an unfinished road the tables are
    // typed in the order the temperatures stand in, which stays as it is.
    SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    if (!unfinished)
        SortSolutionTemperatures(data);
    for (int j = 1; j <= set.NT; ++j)
        if (set.N[j] > 0)
            SortSolutionHeatCapacityTable(data, j);
}

// The message of a step whose check failed, with the first faulty point its
// screen would report.
QString CheckFailure(ProblemData &data, RoadStep step, bool declaredAzeotrope)
{
    const int bad = CheckRoadStep(data, step);
    const int k = step.sub;
    const auto failure = [](const QString &key, const QString &reason) {
        return key + QStringLiteral(": ") + reason;
    };
    switch (step.set) {
    case RoadSet::Equilibrium: {
        const EquilibriumTable &table = data.Equilibrium;
        if (bad > table.N)
            return failure(
                declaredAzeotrope ? QStringLiteral("equilibrium.azeotrope")
                                  : QStringLiteral("equilibrium.points"),
                QStringLiteral("the azeotrope composition %1 fails the check").arg(table.AzeotropeXText));
        return failure(QStringLiteral("equilibrium.points"),
                       QStringLiteral("point %1 fails the check (X[%1] = %2, Y[%1] = %3, T[%1] = %4)")
                           .arg(QString::number(bad), table.XText[bad], table.YText[bad], table.TText[bad]));
    }
    case RoadSet::Feed: {
        const int element = parameterElement(data.Feed.Condition, bad);
        if (element == 0)
            return failure(QStringLiteral("feed.values"),
                           QStringLiteral("parameter %1 fails the check").arg(bad));
        const QLatin1String symbol = FeedSymbol(element);
        return failure(QStringLiteral("feed.values.") + symbol,
                       QStringLiteral("parameter %1 fails the check (%2 = %3)")
                           .arg(QString::number(bad), symbol, data.Feed.Text[element]));
    }
    case RoadSet::MixingHeat: {
        const MixingHeatTable &table = data.MixingHeat;
        return failure(QStringLiteral("mixing_heat.points"),
                       faultyPoint(bad, "X", table.XText[bad], "DH", table.DHText[bad]));
    }
    case RoadSet::VaporHeatCapacity: {
        const VaporHeatCapacityTable &table = data.VaporHeatCapacity;
        return failure(componentKey("vapour_heat_capacity", k),
                       faultyPoint(bad, "T", table.TText[k][bad], "C", table.CText[k][bad]));
    }
    case RoadSet::VaporizationHeat: {
        const VaporizationHeatTable &table = data.VaporizationHeat;
        return failure(componentKey("vaporization_heat", k),
                       faultyPoint(bad, "T", table.TText[k][bad], "R", table.RText[k][bad]));
    }
    case RoadSet::SolutionHeatCapacity: {
        const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
        return failure(QStringLiteral("solution_heat_capacity (temperature %1)").arg(set.TText[k]),
                       faultyPoint(bad, "X", set.XText[k][bad], "C", set.CText[k][bad]));
    }
    default:
        return QStringLiteral("the data fail their check");
    }
}

// The key of the first step an unfinished problem lacks.
QString MissingStepKey(const ProblemData &data, RoadStep step)
{
    switch (step.set) {
    case RoadSet::Student:
        return QStringLiteral("student");
    case RoadSet::Components:
        return QStringLiteral("components");
    case RoadSet::Equilibrium:
        return QStringLiteral("equilibrium");
    case RoadSet::Feed:
        return QStringLiteral("feed");
    case RoadSet::MixingHeat:
        return QStringLiteral("mixing_heat");
    case RoadSet::VaporHeatCapacity:
        return step.sub == 1 ? QStringLiteral("vapour_heat_capacity")
                             : componentKey("vapour_heat_capacity", step.sub);
    case RoadSet::VaporizationHeat:
        return step.sub == 1 ? QStringLiteral("vaporization_heat")
                             : componentKey("vaporization_heat", step.sub);
    case RoadSet::SolutionHeatCapacity:
        return QStringLiteral("solution_heat_capacity[%1].points (temperature %2)")
            .arg(step.sub - 1)
            .arg(data.SolutionHeatCapacity.TText[step.sub]);
    default:
        return QStringLiteral("solution_heat_capacity");
    }
}
