#include "data_set_checks.h"

#include "equilibrium_table.h"
#include "feed_checks.h"
#include "thermal_tables.h"

namespace {

bool solutionTablesFail(ProblemData &data)
{
    for (int j = 1; j <= data.SolutionHeatCapacity.NT; ++j)
        if (CheckSolutionHeatCapacityTable(data, j) != 0)
            return true;
    return false;
}

} // namespace

QList<DataSet> FailingDataSets(ProblemData &data)
{
    QList<DataSet> failing;
    const auto verdict = [&failing](DataSet set, bool fails) {
        if (fails)
            failing << set;
    };
    verdict(DataSet::Equilibrium, CheckEquilibriumTable(data) != 0);
    verdict(DataSet::Feed, CheckFeed(data) != 0);
    verdict(DataSet::MixingHeat, data.MixingHeat.Present && CheckMixingHeatTable(data) != 0);
    const bool vapour = data.VaporHeatCapacity.Present;
    verdict(DataSet::VaporHeatCapacity1, vapour && CheckVaporHeatCapacityTable(data, 1) != 0);
    verdict(DataSet::VaporHeatCapacity2, vapour && CheckVaporHeatCapacityTable(data, 2) != 0);
    verdict(DataSet::VaporizationHeat1, CheckVaporizationHeatTable(data, 1) != 0);
    verdict(DataSet::VaporizationHeat2, CheckVaporizationHeatTable(data, 2) != 0);
    verdict(DataSet::SolutionHeatCapacity, solutionTablesFail(data));
    return failing;
}
