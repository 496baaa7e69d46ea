#include "stage_count.h"

#include "properties.h"
#include "regula_falsi.h"

#include <array>
#include <bit>

namespace {

// The root finder asks for the same points again and again. A function that
// works through the equilibrium lookup is remembered here together with
// what the lookup left in the shared stage variables, so a repeated point
// costs nothing and leaves exactly the state a fresh call would leave.
// Outside the table the lookup keeps the temperature of the call before,
// which the function then uses; there that temperature is part of the key.
template <typename Function> class RememberedLookups {
public:
    RememberedLookups(ProblemData &data, bool fromVapour, Function function)
        : data(data)
        , fromVapour(fromVapour)
        , function(function)
    {
    }

    float operator()(float x)
    {
        StageState &stage = data.Stage;
        float &composition = fromVapour ? stage.StageX : stage.StageY;
        for (int i = 0; i < count; ++i) {
            const Entry &entry = entries[i];
            if (same(entry.x, x) && (entry.inside || same(entry.temperatureBefore, stage.EqTemperature))) {
                stage.EqTemperature = entry.temperatureAfter;
                composition = entry.composition;
                return entry.value;
            }
        }
        Entry entry;
        entry.x = x;
        entry.inside = EquilibriumInsideTable(data, fromVapour, MassToMoleFraction(data, x));
        entry.temperatureBefore = stage.EqTemperature;
        entry.value = function(x);
        entry.temperatureAfter = stage.EqTemperature;
        entry.composition = composition;
        entries[next] = entry;
        next = (next + 1) % int(entries.size());
        count = std::min(count + 1, int(entries.size()));
        return entry.value;
    }

private:
    struct Entry {
        float x = 0.0f;
        bool inside = false;
        float temperatureBefore = 0.0f, temperatureAfter = 0.0f;
        float composition = 0.0f;
        float value = 0.0f;
    };
    static bool same(float a, float b)
    {
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    }

    ProblemData &data;
    bool fromVapour;
    Function function;
    std::array<Entry, 4> entries;
    int count = 0, next = 0;
};

double result(const ProblemData &data, ResultElement element)
{
    return data.Results(element);
}

double feed(const ProblemData &data, FeedElement element)
{
    return data.Feed.Value[element];
}

// The vapour ordinate above which the rectifying section begins.
float feedSwitchY(ProblemData &data, bool exactMode)
{
    if (exactMode) {
        RememberedLookups feedLine(data, true, [&](float y) { return FeedLineFunction(data, y); });
        const float ys = SolveRegulaFalsi(feedLine, data.Results(ResWF), data.Feed.Value[FeedXD]);
        return MassToMoleFraction(data, ys);
    }
    const double FI = result(data, ResFI);
    const double R = feed(data, FeedR);
    return float(((1.0 - FI) * result(data, ResXDm) + R * result(data, ResXF)) / (R + 1.0 - FI));
}

// Molar feed flow over molar distillate flow.
float feedToDistillateRatio(const ProblemData &data)
{
    const double molarFeed = result(data, ResF) / MixtureMolarMass(data, data.Results(ResWF));
    const double molarDistillate = result(data, ResD) / MixtureMolarMass(data, data.Feed.Value[FeedXD]);
    return float(molarFeed / molarDistillate);
}

// The bodies of OperatingLineLiquid and TopPoleEnthalpy, kept inline for
// the stage loop.
inline float operatingLineLiquid(const ProblemData &data, float vapour, bool rectifying,
                                 float feedToDistillate)
{
    const double y = vapour;
    const double R = feed(data, FeedR);
    if (rectifying)
        return float(((R + 1.0) * y - result(data, ResXDm)) / R);
    const double f = feedToDistillate;
    const double FI = result(data, ResFI);
    return float(((R + 1.0 - f * FI) * y + (f - 1.0) * result(data, ResXWm)) / (R + f * (1.0 - FI)));
}

inline double topPoleEnthalpy(const ProblemData &data)
{
    return result(data, ResHD) + result(data, ResQc) / result(data, ResD);
}

// McCabe–Thiele: the operating line of the section the stage belongs to.
float constantFlowNextLiquid(const ProblemData &data)
{
    const StageState &stage = data.Stage;
    return operatingLineLiquid(data, stage.StageY, stage.PastFeed, stage.FeedToDistillateRatio);
}

// Ponchon–Savarit: the liquid on the line through the pole and the vapour.
float exactNextLiquid(ProblemData &data)
{
    StageState &stage = data.Stage;
    PoleLine line;
    line.vapourFraction = MoleToMassFraction(data, stage.StageY);
    line.vapourEnthalpy = VapourEnthalpy(data, line.vapourFraction, stage.EqTemperature);
    stage.StageVapourEnthalpy = line.vapourEnthalpy;

    const double ym = line.vapourFraction;
    const double HV = line.vapourEnthalpy;
    if (stage.PastFeed) {
        line.slope = float((HV - topPoleEnthalpy(data)) / (ym - feed(data, FeedXD)));
    } else {
        // Bottom pole (xW, hW − Qw/W).
        line.slope = float((result(data, ResQw) / result(data, ResW) + HV - result(data, ResHW)) /
                           (ym - feed(data, FeedXW)));
    }
    stage.PoleLineSlope = line.slope;

    RememberedLookups poleLine(data, false, [&](float x) { return PoleLineFunction(data, line, x); });
    const float xm = SolveRegulaFalsi(poleLine, MoleToMassFraction(data, stage.StageX), line.vapourFraction);
    return MassToMoleFraction(data, xm);
}

// Keeps what the count computed for stage n. The liquid is the one the
// stage's equilibrium was looked up for; the vapour and its temperature are
// what that lookup gave, before the next liquid's search moved them.
class ProfileRecorder {
public:
    ProfileRecorder(StageProfile *profile, const StageState &stage)
        : profile(profile)
    {
        if (!profile)
            return;
        profile->Ran = true;
        profile->ReachedTop = false;
        profile->Count = 0;
        profile->FeedStage = 0;
        profile->FeedSwitchY = stage.FeedSwitchY;
        profile->FeedToDistillateRatio = stage.FeedToDistillateRatio;
    }

    void lookedUp(int n, float liquid, const StageState &stage)
    {
        if (!profile)
            return;
        ProfileStage &entry = profile->Stages[n];
        entry.X = liquid;
        entry.Y = stage.StageY;
        entry.T = stage.EqTemperature;
        entry.VapourEnthalpy = 0.0f;
        entry.Pole = StagePole::None;
        profile->Count = n;
        if (stage.PastFeed && profile->FeedStage == 0)
            profile->FeedStage = n;
    }

    // The exact count's pole line out of stage n.
    void steppedUp(int n, const StageState &stage)
    {
        if (!profile)
            return;
        ProfileStage &entry = profile->Stages[n];
        entry.VapourEnthalpy = stage.StageVapourEnthalpy;
        entry.Pole = stage.PastFeed ? StagePole::Top : StagePole::Bottom;
    }

    // The count needs no pole line out of the top stage, but its vapour
    // point belongs on the diagram: its enthalpy as the count would take it.
    void reachedTop(const ProblemData &data, bool exactMode)
    {
        if (!profile)
            return;
        profile->ReachedTop = true;
        if (!exactMode)
            return;
        ProfileStage &top = profile->Stages[profile->Count];
        top.VapourEnthalpy = VapourEnthalpy(data, MoleToMassFraction(data, top.Y), top.T);
    }

private:
    StageProfile *profile;
};

} // namespace

float OperatingLineLiquid(const ProblemData &data, float vapour, bool rectifying, float feedToDistillate)
{
    return operatingLineLiquid(data, vapour, rectifying, feedToDistillate);
}

double TopPoleEnthalpy(const ProblemData &data)
{
    return topPoleEnthalpy(data);
}

double BottomPoleEnthalpy(const ProblemData &data)
{
    return result(data, ResHW) - result(data, ResQw) / result(data, ResW);
}

bool CountStages(ProblemData &data, bool exactMode, StageProfile *profile)
{
    StageState &stage = data.Stage;
    stage.ReachedTop = false;
    stage.PastFeed = false;
    stage.FeedSwitchY = feedSwitchY(data, exactMode);
    stage.FeedToDistillateRatio = feedToDistillateRatio(data);

    ProfileRecorder recorder(profile, stage);

    const float topVapour = data.Results(ResXDm);
    stage.StageX = data.Results(ResXWm); // the liquid leaving the lowest stage is the bottoms
    int n = 0;
    do {
        ++n;
        EquilibriumPoint(data, false, stage.StageX);
        // The feed test comes first: the top stage can be the feed stage too.
        if (!stage.PastFeed && stage.StageY > stage.FeedSwitchY) {
            stage.PastFeed = true;
            data.Results(ResNf) = float(n);
        }
        recorder.lookedUp(n, stage.StageX, stage);
        if (stage.StageY > topVapour) {
            data.Results(ResN) = float(n);
            stage.ReachedTop = true;
        }
        if (!stage.ReachedTop) {
            stage.StageX = NextStageLiquid(data, exactMode);
            if (exactMode)
                recorder.steppedUp(n, stage);
        }
    } while (n < MaxStages && !stage.ReachedTop);
    if (stage.ReachedTop)
        recorder.reachedTop(data, exactMode);
    return stage.ReachedTop;
}

float NextStageLiquid(ProblemData &data, bool exactMode)
{
    return exactMode ? exactNextLiquid(data) : constantFlowNextLiquid(data);
}

float PoleLineFunction(ProblemData &data, const PoleLine &line, float x)
{
    EquilibriumPoint(data, false, MassToMoleFraction(data, x));
    const double liquid = LiquidEnthalpy(data, x, data.Stage.EqTemperature);
    return float(line.vapourEnthalpy - double(line.slope) * (double(line.vapourFraction) - x) - liquid);
}

float FeedLineFunction(ProblemData &data, float y)
{
    EquilibriumPoint(data, true, MassToMoleFraction(data, y));
    const double H = VapourEnthalpy(data, y, data.Stage.EqTemperature);
    const double wF = result(data, ResWF);
    const double xD = feed(data, FeedXD);
    return float(topPoleEnthalpy(data) * (y - wF) - (y - xD) * result(data, ResHF) - (xD - wF) * H);
}

std::optional<float> MinimumRefluxRatio(ProblemData &data, QString *whyNot)
{
    const auto undefined = [whyNot](const char16_t *reason) -> std::optional<float> {
        if (whyNot)
            *whyNot = QString::fromUtf16(reason);
        return std::nullopt;
    };
    StageState &stage = data.Stage;
    const double x = MoleToMassFraction(data, stage.StageX);
    EquilibriumPoint(data, false, stage.StageX);
    const double y = MoleToMassFraction(data, stage.StageY);
    const float T = stage.EqTemperature;
    stage.PinchLiquidEnthalpy = LiquidEnthalpy(data, float(x), T);
    const double hL = stage.PinchLiquidEnthalpy;
    const double HV = stage.StageVapourEnthalpy;
    const double Qc = result(data, ResQc);
    if (y == x)
        return undefined(
            u"В точке касания составы пара и жидкости совпадают: мин. флегмовое число не определено.");
    if (Qc == 0.0)
        return undefined(u"Тепловая нагрузка дефлегматора равна нулю: мин. флегмовое число не определено.");
    // The top pole of the tie line through the pinch, at the distillate.
    const double hP = hL + (HV - hL) * (feed(data, FeedXD) - x) / (y - x);
    const double Rmin =
        (hP - result(data, ResHD)) * (feed(data, FeedR) + 1.0) * result(data, ResD) / Qc - 1.0;
    const float stored = float(Rmin);
    if (!std::isfinite(stored))
        return undefined(u"Минимальное флегмовое число найти не удалось: оно выходит за пределы чисел.");
    return stored;
}
