#include "calculation.h"

#include "feed_derivations.h"
#include "properties.h"
#include "stage_count.h"

#include "model/text.h"

#include <cmath>

namespace {

// Why a calculation cannot go on with these data.
const QString ZeroFeedReason = QStringLiteral("Расход питания равен нулю: колонну рассчитать нельзя.");
const QString EqualProductsReason =
    QStringLiteral("Составы дистиллята и кубового остатка совпадают: материальный баланс не определён.");
const QString ZeroDistillateReason =
    QStringLiteral("Расход дистиллята равен нулю (состав кубового остатка равен составу питания).");
const QString ZeroBottomsReason =
    QStringLiteral("Расход кубового остатка равен нулю (состав дистиллята равен составу питания).");
const QString ZeroRefluxReason =
    QStringLiteral("Флегмовое число равно нулю: рабочая линия укрепляющей части не определена.");
const QString UndefinedReason =
    QStringLiteral("При этих исходных данных получаются неопределённые величины (деление на ноль).");

double feed(const ProblemData &data, FeedElement element)
{
    return data.Feed.Value[element];
}

// The column calculation, step by step. Each step returns false when the
// data leave the rest of the calculation undefined; `reason` then says why.
class ColumnCalculation {
public:
    explicit ColumnCalculation(ProblemData &data)
        : data(data)
        , results(data.Results)
    {
    }

    // Everything before the stage counts; false when the data leave the
    // balance undefined.
    bool balance()
    {
        if (!deriveFeed() || !materialBalance())
            return false;
        feedEnthalpies();
        feedConditionCoefficient();
        productEnthalpies();
        duties();
        return true;
    }

    CalculationOutcome run()
    {
        if (!balance())
            return CalculationOutcome::InvalidData;
        if (!(results(ResQw) > 0.0f))
            return CalculationOutcome::HeatBalanceFailure;
        if (!allResultsFinite())
            return invalid(UndefinedReason);

        const bool constantFlowReachedTop = CountStages(data, false, &data.Profiles.ConstantFlow);
        // The report keeps the constant-molar-flow numbers after the exact
        // count has overwritten them.
        data.Stage.SavedStageCount = results(ResN);
        data.Stage.SavedFeedStage = results(ResNf);
        if (!constantFlowReachedTop)
            return CalculationOutcome::RefluxBelowMinimum;

        if (CountStages(data, true, &data.Profiles.Exact))
            return CalculationOutcome::Complete;
        QString whyNot;
        const std::optional<float> minimumReflux = MinimumRefluxRatio(data, &whyNot);
        if (!minimumReflux)
            return invalid(whyNot);
        results(ResN) = *minimumReflux;
        data.MinimumReflux = *minimumReflux;
        return CalculationOutcome::ExactRefluxBelowMinimum;
    }

    bool balanceIsFinite() const { return allResultsFinite(); }

    QString reason;

private:
    CalculationOutcome invalid(const QString &why)
    {
        reason = why;
        return CalculationOutcome::InvalidData;
    }

    bool fail(const QString &why)
    {
        reason = why;
        return false;
    }

    // The derivations of the feed checks, without the checks.
    bool deriveFeed()
    {
        FeedSpec &entered = data.Feed;
        switch (entered.Condition) {
        case BoilingLiquidFeed:
            StoreFeedComposition(data, entered.Value[FeedXFl], entered.Text[FeedXFl]);
            DeriveBoilingTemperature(data);
            break;
        case VapourFeed:
            RaiseVapourToDewPoint(data);
            StoreFeedComposition(data, entered.Value[FeedXFv], entered.Text[FeedXFv]);
            entered.Value[FeedFl] = 0.0f;
            break;
        case MixtureFeed: {
            RaiseVapourToDewPoint(data);
            if (feed(data, FeedFv) + feed(data, FeedFl) == 0.0)
                return fail(ZeroFeedReason);
            const float wF = MixtureFeedComposition(data);
            StoreFeedComposition(data, wF, FormatFixed(wF, 9, 6));
            break;
        }
        default:
            StoreFeedComposition(data, entered.Value[FeedXFl], FormatFixed(entered.Value[FeedXFl], 9, 6));
            break;
        }
        return true;
    }

    // The lever rule on mass fractions.
    bool materialBalance()
    {
        data.BadPointIndex = 0;
        results(ResF) = float(feed(data, FeedFv) + feed(data, FeedFl));
        if (results(ResF) == 0.0f)
            return fail(ZeroFeedReason);
        const double wF = results(ResWF);
        const double xD = feed(data, FeedXD);
        const double xW = feed(data, FeedXW);
        if (xD == xW)
            return fail(EqualProductsReason);
        results(ResD) = float((wF - xW) * results(ResF) / (xD - xW));
        results(ResW) = float(double(results(ResF)) - results(ResD));
        results(ResXF) = MassToMoleFraction(data, results(ResWF));
        results(ResXDm) = MassToMoleFraction(data, data.Feed.Value[FeedXD]);
        results(ResXWm) = MassToMoleFraction(data, data.Feed.Value[FeedXW]);
        if (results(ResD) == 0.0f)
            return fail(ZeroDistillateReason);
        if (results(ResW) == 0.0f)
            return fail(ZeroBottomsReason);
        if (feed(data, FeedR) == 0.0)
            return fail(ZeroRefluxReason);
        return true;
    }

    // An enthalpy the condition does not compute keeps its earlier value;
    // its flow is zero.
    void feedEnthalpies()
    {
        const FeedSpec &entered = data.Feed;
        if (entered.Condition != VapourFeed)
            results(ResHFl) = LiquidEnthalpy(data, entered.Value[FeedXFl], entered.Value[FeedTl]);
        if (entered.Condition == VapourFeed || entered.Condition == MixtureFeed)
            results(ResHFv) = VapourEnthalpy(data, entered.Value[FeedXFv], entered.Value[FeedTv]);
        results(ResHF) = float((feed(data, FeedFv) * results(ResHFv) + feed(data, FeedFl) * results(ResHFl)) /
                               results(ResF));
    }

    // FI: where the feed's enthalpy lies between the boiling liquid and the
    // saturated vapour, both at the feed's boiling temperature.
    void feedConditionCoefficient()
    {
        EquilibriumPoint(data, false, results(ResXF));
        const float Tb = data.Stage.EqTemperature;
        const double hb = LiquidEnthalpy(data, results(ResWF), Tb);
        const double Hb = VapourEnthalpy(data, results(ResWF), Tb);
        results(ResFI) = float((results(ResHF) - hb) / (Hb - hb));
    }

    void productEnthalpies()
    {
        EquilibriumPoint(data, false, results(ResXDm));
        results(ResHD) = LiquidEnthalpy(data, data.Feed.Value[FeedXD], data.Stage.EqTemperature);
        results(ResTD) = data.Stage.EqTemperature;
        EquilibriumPoint(data, false, results(ResXWm));
        results(ResHW) = LiquidEnthalpy(data, data.Feed.Value[FeedXW], data.Stage.EqTemperature);
        results(ResTW) = data.Stage.EqTemperature;
    }

    void duties()
    {
        // The whole top vapour, (R + 1)·D, condenses from saturated vapour to
        // boiling liquid at the distillate's temperature.
        const double topVapour = VapourEnthalpy(data, data.Feed.Value[FeedXD], results(ResTD));
        results(ResQc) = float((feed(data, FeedR) + 1.0) * results(ResD) * (topVapour - results(ResHD)));
        // The overall heat balance of the column.
        results(ResQw) =
            float(double(results(ResHD)) * results(ResD) + results(ResQc) +
                  double(results(ResHW)) * results(ResW) - double(results(ResHF)) * results(ResF));
    }

    bool allResultsFinite() const
    {
        for (int i = 1; i <= ResultCount; ++i)
            if (!std::isfinite(results.Value[i]))
                return false;
        return true;
    }

    ProblemData &data;
    CalculationResults &results;
};

// A refused calculation leaves no result behind, neither its own first
// steps nor an earlier run's: only the reference temperature T0, which is
// entered data.
void clearResults(ProblemData &data)
{
    for (int i = 1; i <= ResultCount; ++i) {
        if (i == ResT0)
            continue;
        data.Results.Value[i] = 0.0f;
        data.Results.Text[i].clear();
    }
    data.Stage.SavedStageCount = data.Stage.SavedFeedStage = 0.0f;
}

// No infinity or NaN is ever left in the results record.
bool clearUndefinedResults(CalculationResults &results)
{
    bool cleared = false;
    for (int i = 1; i <= ResultCount; ++i) {
        if (!std::isfinite(results.Value[i])) {
            results.Value[i] = 0.0f;
            cleared = true;
        }
    }
    return cleared;
}

} // namespace

bool BalanceColumn(ProblemData &data)
{
    ColumnCalculation calculation(data);
    return calculation.balance() && calculation.balanceIsFinite();
}

CalculationOutcome CalculateColumn(ProblemData &data)
{
    data.CalculationDone = true;
    data.InvalidReason.clear();
    data.MinimumReflux = 0.0f;
    data.Profiles.ConstantFlow.Ran = false;
    data.Profiles.Exact.Ran = false;

    ColumnCalculation calculation(data);
    CalculationOutcome outcome = calculation.run();
    if (clearUndefinedResults(data.Results) && outcome != CalculationOutcome::InvalidData) {
        outcome = CalculationOutcome::InvalidData;
        calculation.reason = UndefinedReason;
    }
    if (outcome == CalculationOutcome::InvalidData) {
        data.InvalidReason = calculation.reason;
        clearResults(data);
    }
    data.BadPointIndex = outcome == CalculationOutcome::Complete ? 0 : FailedCalculationMark;
    data.Outcome = outcome;
    return outcome;
}
