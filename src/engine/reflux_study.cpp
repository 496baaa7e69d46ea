#include "reflux_study.h"

#include "calculation.h"
#include "properties.h"
#include "stage_count.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

// The minimum reflux search first walks up a geometric grid from a reflux
// ratio no column runs at to MaxStudiedReflux, then halves the step it
// found the count start to reach the top in.
constexpr double LowestStudiedReflux = 1e-4;
constexpr int GridSteps = 40;
constexpr double SearchPrecision = 1e-6; // relative; the promise is 1e-4
constexpr int MaxHalvings = 80;

// Below this many ratios a second thread costs more than it saves.
constexpr std::size_t PointsWorthAThread = 256;

std::optional<int> stageNumber(float value)
{
    return int(std::lround(value));
}

} // namespace

RefluxCalculator::RefluxCalculator(const ProblemData &problem)
    : original(problem)
    , work(problem)
{
}

// What a calculation reads and also writes goes back to the problem's own
// values, so that no calculation depends on the one before.
void RefluxCalculator::startAt(float R)
{
    std::memcpy(work.Feed.Value, original.Feed.Value, sizeof work.Feed.Value);
    std::memcpy(work.Results.Value, original.Results.Value, sizeof work.Results.Value);
    work.Stage = original.Stage;
    work.Feed.Value[FeedR] = R;
}

const ProblemData &RefluxCalculator::calculate(float R)
{
    startAt(R);
    CalculateColumn(work);
    return work;
}

RefluxPoint RefluxCalculator::point(float R)
{
    return RefluxPointOf(calculate(R));
}

RefluxPoint RefluxPointOf(const ProblemData &data)
{
    RefluxPoint point;
    point.R = data.Feed.Value[FeedR];
    point.outcome = data.Outcome;
    const bool constantFlowReachedTop = data.Outcome == CalculationOutcome::Complete ||
                                        data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum;
    if (constantFlowReachedTop) {
        point.constantFlowStages = stageNumber(data.Stage.SavedStageCount);
        point.constantFlowFeedStage = stageNumber(data.Stage.SavedFeedStage);
    }
    if (data.Outcome == CalculationOutcome::Complete) {
        point.exactStages = stageNumber(data.Results(ResN));
        point.exactFeedStage = stageNumber(data.Results(ResNf));
    }
    if (data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum)
        point.minimumReflux = data.MinimumReflux;
    if (data.Outcome == CalculationOutcome::InvalidData)
        point.invalidReason = data.InvalidReason;
    point.Qc = data.Results(ResQc);
    point.Qw = data.Results(ResQw);
    return point;
}

bool RefluxCalculator::countReachesTop(float R, bool exactMode)
{
    startAt(R);
    // Where the reboiler would take heat away rather than give it, the
    // column is no column: the calculation stops there, and so does each
    // count. Below that reflux ratio the operating lines of a superheated
    // vapour feed lose their meaning and can run past the distillate.
    if (!BalanceColumn(work) || !(work.Results(ResQw) > 0.0f))
        return false;
    return CountStages(work, exactMode);
}

std::vector<float> EvenlySpacedReflux(double from, double to, int count)
{
    std::vector<float> ratios;
    if (count < 1)
        return ratios;
    ratios.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        ratios.push_back(i == count - 1 ? float(to) : float(from + (to - from) * i / (count - 1)));
    return ratios;
}

std::vector<RefluxPoint> SweepReflux(const ProblemData &problem, const std::vector<float> &ratios)
{
    std::vector<RefluxPoint> points(ratios.size());
    const auto sweep = [&](RefluxCalculator *calculator, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            points[i] = calculator->point(ratios[i]);
    };
    // Every point is calculated from the problem's own state, so the points
    // can be shared out between threads without changing a single number.
    const unsigned threads =
        ratios.size() < PointsWorthAThread ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<RefluxCalculator> calculators(threads, RefluxCalculator(problem));
    std::vector<std::thread> workers;
    const std::size_t share = (ratios.size() + threads - 1) / threads;
    for (unsigned t = 1; t < threads; ++t) {
        const std::size_t begin = std::min(ratios.size(), t * share);
        workers.emplace_back(sweep, &calculators[t], begin, std::min(ratios.size(), begin + share));
    }
    sweep(&calculators[0], 0, std::min(ratios.size(), share));
    for (std::thread &worker : workers)
        worker.join();
    return points;
}

std::optional<int> MinimumStageCount(const ProblemData &problem)
{
    const float bottoms = MassToMoleFraction(problem, problem.Feed.Value[FeedXW]);
    const float distillate = MassToMoleFraction(problem, problem.Feed.Value[FeedXD]);
    float liquid = bottoms;
    for (int n = 1; n <= MaxStages; ++n) {
        const float vapour = EquilibriumLookup(problem, false, liquid).composition;
        if (vapour > distillate)
            return n;
        liquid = vapour; // on the diagonal
    }
    return std::nullopt;
}

std::optional<float> MinimumRefluxFor(RefluxCalculator &calculator, bool exactMode)
{
    const auto reaches = [&](double R) { return calculator.countReachesTop(float(R), exactMode); };
    const double ratio = std::pow(MaxStudiedReflux / LowestStudiedReflux, 1.0 / GridSteps);
    double below = 0.0, above = 0.0;
    for (int k = 0; k <= GridSteps; ++k) {
        const double R = k == GridSteps ? MaxStudiedReflux : LowestStudiedReflux * std::pow(ratio, k);
        if (reaches(R)) {
            above = R;
            break;
        }
        below = R;
    }
    if (above == 0.0)
        return std::nullopt;
    for (int i = 0; i < MaxHalvings && above - below > SearchPrecision * above; ++i) {
        const double middle = (below + above) / 2.0;
        if (float(middle) == float(below) || float(middle) == float(above))
            break;
        (reaches(middle) ? above : below) = middle;
    }
    return float(above);
}

RefluxLimits StudyRefluxLimits(const ProblemData &problem)
{
    RefluxLimits limits;
    limits.minimumStages = MinimumStageCount(problem);
    // The two searches share nothing but the problem, which neither writes.
    RefluxCalculator exactCalculator(problem);
    std::thread exactSearch([&] { limits.minimumRefluxExact = MinimumRefluxFor(exactCalculator, true); });
    RefluxCalculator constantFlowCalculator(problem);
    limits.minimumRefluxConstantFlow = MinimumRefluxFor(constantFlowCalculator, false);
    exactSearch.join();
    return limits;
}

std::optional<float> ReferenceMinimumReflux(const RefluxLimits &limits)
{
    const std::optional<float> &cmf = limits.minimumRefluxConstantFlow, &exact = limits.minimumRefluxExact;
    if (cmf && exact)
        return std::max(*cmf, *exact);
    return cmf ? cmf : exact;
}

RefluxCurve StudyRefluxCurve(const ProblemData &problem, int points)
{
    // The what-if range and how far beyond it the problem's own reflux ratio
    // still widens the picture, as multiples of the minimum.
    constexpr double WhatIfLowest = 1.05, WhatIfHighest = 5.0, OwnRefluxFarthest = 10.0;
    // The drawn range starts a little below the smaller minimum, so that the
    // counts are seen to stop there, and ends a little beyond the what-if
    // range, so that a mark at its end stands clear of the frame.
    constexpr double BelowMinimum = 0.9, BeyondWhatIf = 1.03;

    RefluxCurve curve;
    curve.problemReflux = problem.Feed.Value[FeedR];
    curve.limits = StudyRefluxLimits(problem);
    curve.minimumReflux = ReferenceMinimumReflux(curve.limits);
    if (!curve.minimumReflux)
        return curve;
    const double reference = *curve.minimumReflux;
    curve.whatIfLow = WhatIfLowest * reference;
    curve.whatIfHigh = WhatIfHighest * reference;
    const double own = curve.problemReflux;
    if (std::isfinite(own) && own > 0.0 && own <= OwnRefluxFarthest * reference) {
        curve.whatIfLow = std::min(curve.whatIfLow, own);
        curve.whatIfHigh = std::max(curve.whatIfHigh, own);
    }
    double lowestMinimum = reference;
    for (const std::optional<float> &minimum :
         {curve.limits.minimumRefluxConstantFlow, curve.limits.minimumRefluxExact})
        if (minimum)
            lowestMinimum = std::min(lowestMinimum, double(*minimum));
    curve.low = BelowMinimum * std::min(lowestMinimum, curve.whatIfLow);
    curve.high = BeyondWhatIf * curve.whatIfHigh;
    // Closer together near the minimum, where the stage numbers climb.
    const int count = std::max(points, 2);
    std::vector<float> ratios;
    ratios.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const double share = double(i) / (count - 1);
        ratios.push_back(float(curve.low + (curve.high - curve.low) * share * share));
    }
    ratios.back() = float(curve.high);
    // The problem's own reflux ratio among them, so that the curve passes
    // through its stage numbers.
    const float ownRatio = curve.problemReflux;
    if (ownRatio > ratios.front() && ownRatio < ratios.back())
        ratios.insert(std::lower_bound(ratios.begin(), ratios.end(), ownRatio), ownRatio);
    curve.points = SweepReflux(problem, ratios);
    return curve;
}
