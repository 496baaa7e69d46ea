#pragma once

#include "model/problem_data.h"

#include <QString>

#include <optional>
#include <vector>

// The design study over the reflux ratio: the whole calculation repeated at
// other reflux ratios, the fewest stages at total reflux and the smallest
// reflux ratio at which each stage count reaches the distillate. None of it
// touches the student's problem: every calculation runs on a private copy.

// What the whole calculation gives at one reflux ratio. The stage numbers
// are there only where their count reached the top, as in the results.
struct RefluxPoint {
    float R = 0.0f;
    CalculationOutcome outcome = CalculationOutcome::NotCalculated;
    std::optional<int> constantFlowStages, constantFlowFeedStage;
    std::optional<int> exactStages, exactFeedStage;
    float Qc = 0.0f, Qw = 0.0f;
    float minimumReflux = 0.0f; // ExactRefluxBelowMinimum only
    QString invalidReason;      // InvalidData only
};

// Reflux ratios the student's problem is calculated at, one private copy
// reused for all of them. Every calculation starts from the problem's own
// state, so its numbers are those of the problem calculated at that R.
class RefluxCalculator {
public:
    explicit RefluxCalculator(const ProblemData &problem);

    // The whole calculation at R; the copy keeps its results and profiles
    // until the next call.
    const ProblemData &calculate(float R);
    RefluxPoint point(float R);
    // One stage count alone, on the balance at R: whether it reaches the
    // distillate within its stages. As in the whole calculation, no count
    // runs unless the reboiler gives heat (Qw > 0).
    bool countReachesTop(float R, bool exactMode);

    const ProblemData &problem() const { return original; }

private:
    void startAt(float R);

    ProblemData original;
    ProblemData work;
};

// What a calculation at the reflux ratio in data gives, as a sweep row.
RefluxPoint RefluxPointOf(const ProblemData &data);

// COUNT reflux ratios evenly spaced from `from` to `to`, both included.
std::vector<float> EvenlySpacedReflux(double from, double to, int count);

// The whole calculation at each reflux ratio, in their order.
std::vector<RefluxPoint> SweepReflux(const ProblemData &problem, const std::vector<float> &ratios);

// The number of stages at total reflux: both operating lines on the
// diagonal, stage 1 at the bottoms, up to the first stage whose vapour is
// richer than the distillate. Empty when MaxStages stages do not get there.
std::optional<int> MinimumStageCount(const ProblemData &problem);

// The smallest reflux ratio, up to MaxStudiedReflux, at which the count
// reaches the distillate within MaxStages stages, to a relative 1e-4 and
// better. Empty when none does.
inline constexpr double MaxStudiedReflux = 1000.0;
std::optional<float> MinimumRefluxFor(RefluxCalculator &calculator, bool exactMode);

// The three numbers the design study rests on.
struct RefluxLimits {
    std::optional<int> minimumStages;
    std::optional<float> minimumRefluxConstantFlow, minimumRefluxExact;
};
RefluxLimits StudyRefluxLimits(const ProblemData &problem);

// The reflux ratio the design study measures R against: the larger of the
// two minimum reflux ratios, above which both counts reach the distillate.
std::optional<float> ReferenceMinimumReflux(const RefluxLimits &limits);

// What the design study draws: N(R) of both counts over a range that holds
// both minimum reflux ratios and the range the student may try reflux
// ratios in, about 1.05 to 5 times the minimum, widened to the problem's own
// reflux ratio when that lies not too far beyond. Without a minimum reflux
// ratio there is nothing to study and no point.
struct RefluxCurve {
    RefluxLimits limits;
    std::optional<float> minimumReflux; // ReferenceMinimumReflux
    float problemReflux = 0.0f;
    double low = 0.0, high = 0.0;             // drawn
    double whatIfLow = 0.0, whatIfHigh = 0.0; // tried
    std::vector<RefluxPoint> points;          // over the drawn range, closer near its start
};
inline constexpr int RefluxCurvePoints = 240;
RefluxCurve StudyRefluxCurve(const ProblemData &problem, int points = RefluxCurvePoints);
