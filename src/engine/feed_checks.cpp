#include "feed_checks.h"
#include "feed_derivations.h"
#include "properties.h"

#include "model/text.h"
#include "model/typed_value.h"

namespace {

// Upper limits of a mass fraction in the feed and of a temperature.
constexpr double FeedFractionMax = 0.999999;
constexpr double NonAzeotropicDistillateMax = 0.99999;
constexpr double SmallestFraction = 1e-7;
constexpr double FlowMax = 400.0;
constexpr double TemperatureMax = 400.0;
constexpr double LiquidFeedTemperatureMax = 401.0;
constexpr double LowestTemperature = -273.12;
constexpr double RefluxMax = 30000.0;

bool within(double value, double low, double high)
{
    return low <= value && value <= high;
}

QString temperatureText(float value)
{
    return FormatFixed(value, 9, 6);
}

float value(const ProblemData &data, FeedElement element)
{
    return data.Feed.Value[element];
}

// The checks stop at the first failure; each returns the verdict it stored.
class FeedCheck {
public:
    explicit FeedCheck(ProblemData &data)
        : data(data)
    {
        data.BadPointIndex = 0;
    }

    // Parameter number `number` must lie in low..high.
    bool require(int number, double v, double low, double high)
    {
        return require(number, within(v, low, high));
    }
    bool require(int number, bool passes)
    {
        if (!passes)
            data.BadPointIndex = number;
        return passes;
    }

    // xD, xW and R, numbered from `first` on, against the mean feed
    // composition just stored.
    int productChecks(int first)
    {
        const float wF = data.Results(ResWF);
        const double distillateMax = data.Equilibrium.Azeotropic
                                         ? double(MoleToMassFraction(data, data.Equilibrium.AzeotropeX))
                                         : NonAzeotropicDistillateMax;
        if (require(first, value(data, FeedXD), wF, distillateMax) &&
            require(first + 1, value(data, FeedXW), SmallestFraction, wF))
            require(first + 2, value(data, FeedR), 0.0, RefluxMax);
        return data.BadPointIndex;
    }

    int verdict() const { return data.BadPointIndex; }

    // A parameter typed with no number in it reads as 0, which several
    // ranges hold: its text "???" tells that it is missing.
    bool anyRefused(int condition)
    {
        const std::span<const int> elements = FeedParameterElements(condition);
        for (std::size_t i = 0; i < elements.size(); ++i)
            if (!require(int(i) + 1, data.Feed.Text[elements[i]] != RefusedValueText))
                return true;
        return false;
    }

private:
    ProblemData &data;
};

// Vapour checks shared by the vapour and the mixture feed: Tv is raised to
// the dew point first, so only its upper bound can fail.
bool checkVapourTemperature(ProblemData &data, FeedCheck &check, int number)
{
    const double dewTemperature = RaiseVapourToDewPoint(data);
    return check.require(number, value(data, FeedTv), dewTemperature - 1.0, TemperatureMax);
}

} // namespace

std::span<const int> FeedParameterElements(int condition)
{
    static constexpr int BoilingLiquid[] = {FeedMA, FeedMB, FeedFl, FeedXFl, FeedXD, FeedXW, FeedR};
    static constexpr int Vapour[] = {FeedMA, FeedMB, FeedFv, FeedXFv, FeedTv, FeedXD, FeedXW, FeedR};
    static constexpr int Mixture[] = {FeedMA, FeedMB, FeedFv, FeedFl, FeedXFv, FeedXFl,
                                      FeedTv, FeedTl, FeedXD, FeedXW, FeedR};
    static constexpr int Liquid[] = {FeedMA, FeedMB, FeedFl, FeedXFl, FeedTl, FeedXD, FeedXW, FeedR};
    switch (condition) {
    case BoilingLiquidFeed:
        return BoilingLiquid;
    case VapourFeed:
        return Vapour;
    case MixtureFeed:
        return Mixture;
    case LiquidFeed:
        return Liquid;
    }
    return {};
}

void DeriveBoilingTemperature(ProblemData &data)
{
    EquilibriumPoint(data, false, MassToMoleFraction(data, value(data, FeedXFl)));
    data.Feed.Value[FeedTl] = data.Stage.EqTemperature;
    data.Feed.Text[FeedTl] = temperatureText(data.Feed.Value[FeedTl]);
}

float RaiseVapourToDewPoint(ProblemData &data)
{
    EquilibriumPoint(data, true, MassToMoleFraction(data, value(data, FeedXFv)));
    const float dewTemperature = data.Stage.EqTemperature;
    if (value(data, FeedTv) < dewTemperature) {
        data.Feed.Value[FeedTv] = dewTemperature;
        data.Feed.Text[FeedTv] = temperatureText(dewTemperature);
    }
    return dewTemperature;
}

float MixtureFeedComposition(const ProblemData &data)
{
    const double Fv = value(data, FeedFv);
    const double Fl = value(data, FeedFl);
    return float((Fv * value(data, FeedXFv) + Fl * value(data, FeedXFl)) / (Fv + Fl));
}

void StoreFeedComposition(ProblemData &data, float wF, const QString &text)
{
    data.Results(ResWF) = wF;
    data.Results.Text[ResWF] = text;
}

int CheckFeedBoilingLiquid(ProblemData &data)
{
    FeedCheck check(data);
    if (check.anyRefused(BoilingLiquidFeed))
        return check.verdict();
    if (!check.require(3, value(data, FeedFl), 0.0, FlowMax) ||
        !check.require(4, value(data, FeedXFl), SmallestFraction, FeedFractionMax))
        return check.verdict();
    StoreFeedComposition(data, value(data, FeedXFl), data.Feed.Text[FeedXFl]);
    DeriveBoilingTemperature(data);
    return check.productChecks(5);
}

int CheckFeedVapour(ProblemData &data)
{
    FeedCheck check(data);
    if (check.anyRefused(VapourFeed))
        return check.verdict();
    if (!check.require(3, value(data, FeedFv), 0.0, FlowMax) ||
        !check.require(4, value(data, FeedXFv), SmallestFraction, FeedFractionMax) ||
        !checkVapourTemperature(data, check, 5))
        return check.verdict();
    StoreFeedComposition(data, value(data, FeedXFv), data.Feed.Text[FeedXFv]);
    return check.productChecks(6);
}

int CheckFeedMixture(ProblemData &data)
{
    FeedCheck check(data);
    if (check.anyRefused(MixtureFeed))
        return check.verdict();
    // Both flows 0 leave the mean composition undefined: the liquid flow,
    // the second one asked, is reported.
    if (!check.require(3, value(data, FeedFv), 0.0, FlowMax) ||
        !check.require(4, within(value(data, FeedFl), 0.0, FlowMax) &&
                              double(value(data, FeedFv)) + value(data, FeedFl) > 0.0) ||
        !check.require(5, value(data, FeedXFv), SmallestFraction, FeedFractionMax) ||
        !check.require(6, value(data, FeedXFl), 0.0, 1.0) || !checkVapourTemperature(data, check, 7) ||
        !check.require(8, value(data, FeedTl), LowestTemperature, TemperatureMax))
        return check.verdict();
    const float wF = MixtureFeedComposition(data);
    StoreFeedComposition(data, wF, FormatFixed(wF, 9, 6));
    return check.productChecks(9);
}

int CheckFeedLiquid(ProblemData &data)
{
    FeedCheck check(data);
    if (check.anyRefused(LiquidFeed))
        return check.verdict();
    if (!check.require(3, value(data, FeedFl), 0.0, FlowMax) ||
        !check.require(4, value(data, FeedXFl), 0.0, 1.0) ||
        !check.require(5, value(data, FeedTl), LowestTemperature, LiquidFeedTemperatureMax))
        return check.verdict();
    const float wF = value(data, FeedXFl);
    StoreFeedComposition(data, wF, FormatFixed(wF, 9, 6));
    return check.productChecks(6);
}

int CheckFeed(ProblemData &data)
{
    switch (data.Feed.Condition) {
    case VapourFeed:
        return CheckFeedVapour(data);
    case MixtureFeed:
        return CheckFeedMixture(data);
    case LiquidFeed:
        return CheckFeedLiquid(data);
    default:
        return CheckFeedBoilingLiquid(data);
    }
}

void ClearFeedValues(ProblemData &data)
{
    for (int i = 1; i <= FeedValueCount; ++i)
        data.Feed.Value[i] = 0.0f;
}
