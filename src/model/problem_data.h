#pragma once

#include "stage_profile.h"

#include <QString>

// The one problem state of a run. Every table is 1-based: element 0 of each
// array is never used, so that point i of the student's table is X[i] here
// too. Counts say how many leading points are valid; points beyond a count
// keep whatever they held and are never shown or used.

inline constexpr int MaxPoints = 20;
inline constexpr int MaxComponents = 2;
inline constexpr int MaxTemperatures = 5;
inline constexpr int ResultCount = 20;
inline constexpr int FeedValueCount = 20;

// No azeotrope: a mole fraction greater than any real one.
inline constexpr float NoAzeotropeX = 55.0f;
// BadPointIndex after a failed calculation.
inline constexpr int FailedCalculationMark = 77;

enum FeedCondition { BoilingLiquidFeed = 0, VapourFeed = 1, MixtureFeed = 2, LiquidFeed = 3 };

struct EquilibriumTable {
    int N = 0;
    QString XText[MaxPoints + 1], YText[MaxPoints + 1], TText[MaxPoints + 1];
    float X[MaxPoints + 1] = {}, Y[MaxPoints + 1] = {}, T[MaxPoints + 1] = {};
    bool Azeotropic = false;
    float AzeotropeX = 0.0f;
    QString AzeotropeXText;
    bool CheckFailed = false;
    int BadPoint = 0;
};

inline constexpr int MaxFeedParameters = 11;

struct FeedSpec {
    int Condition = BoilingLiquidFeed;
    QString Text[FeedValueCount + 1];
    float Value[FeedValueCount + 1] = {};
    // The prompts of the chosen condition and the answers in prompt order,
    // before they are copied into Text and Value.
    QString Label[MaxFeedParameters + 1];
    QString EntryText[MaxFeedParameters + 1];
    float EntryValue[MaxFeedParameters + 1] = {};
};

// Element numbers of FeedSpec.Value / FeedSpec.Text.
enum FeedElement {
    FeedMA = 1,
    FeedMB = 2,
    FeedFv = 4,
    FeedFl = 5,
    FeedXFv = 6,
    FeedXFl = 7,
    FeedTv = 8,
    FeedTl = 9,
    FeedXD = 10,
    FeedXW = 11,
    FeedR = 12
};

struct MixingHeatTable {
    bool Present = false;
    int N = 0;
    QString XText[MaxPoints + 1], DHText[MaxPoints + 1];
    float X[MaxPoints + 1] = {}, DH[MaxPoints + 1] = {};
    // The temperature of these data lives in CalculationResults element 10.
};

// Component k = 1 is the more volatile one, k = 2 the less volatile one.
struct VaporHeatCapacityTable {
    bool Present = false;
    int N[MaxComponents + 1] = {};
    QString TText[MaxComponents + 1][MaxPoints + 1], CText[MaxComponents + 1][MaxPoints + 1];
    float T[MaxComponents + 1][MaxPoints + 1] = {}, C[MaxComponents + 1][MaxPoints + 1] = {};
};

struct VaporizationHeatTable {
    int N[MaxComponents + 1] = {};
    QString TText[MaxComponents + 1][MaxPoints + 1], RText[MaxComponents + 1][MaxPoints + 1];
    float T[MaxComponents + 1][MaxPoints + 1] = {}, R[MaxComponents + 1][MaxPoints + 1] = {};
};

struct SolutionHeatCapacitySet {
    int NT = 0;
    QString TText[MaxTemperatures + 1];
    float T[MaxTemperatures + 1] = {};
    int N[MaxTemperatures + 1] = {};
    QString XText[MaxTemperatures + 1][MaxPoints + 1], CText[MaxTemperatures + 1][MaxPoints + 1];
    float X[MaxTemperatures + 1][MaxPoints + 1] = {}, C[MaxTemperatures + 1][MaxPoints + 1] = {};
};

// Element numbers of CalculationResults.
enum ResultElement {
    ResF = 1,
    ResD,
    ResW,
    ResWF,
    ResXF,
    ResXDm,
    ResXWm,
    ResTD,
    ResTW,
    ResT0,
    ResHFv,
    ResHFl,
    ResHF,
    ResHD,
    ResHW,
    ResFI,
    ResQc,
    ResQw,
    ResN,
    ResNf
};

struct CalculationResults {
    float Value[ResultCount + 1] = {};
    QString Text[ResultCount + 1];
    float &operator()(int element) { return Value[element]; }
    float operator()(int element) const { return Value[element]; }
};

// Variables the stage-by-stage calculation shares between its steps and
// leaves behind for the results screen and the report.
struct StageState {
    float StageX = 0.0f, StageY = 0.0f, EqTemperature = 0.0f;
    float FeedSwitchY = 0.0f;
    float FeedToDistillateRatio = 0.0f;
    float StageVapourEnthalpy = 0.0f;
    float PoleLineSlope = 0.0f;
    float PinchLiquidEnthalpy = 0.0f;
    bool PastFeed = false;
    bool ReachedTop = false;
    // N and Nf of the constant-molar-flow count, kept for the report after
    // the exact count has overwritten result elements 19 and 20.
    float SavedStageCount = 0.0f, SavedFeedStage = 0.0f;
};

// How the last calculation ended.
enum class CalculationOutcome {
    NotCalculated,
    Complete,
    HeatBalanceFailure,      // Qw <= 0
    RefluxBelowMinimum,      // the constant-molar-flow count did not reach the top
    ExactRefluxBelowMinimum, // the exact count did not; MinimumReflux holds Rmin
    InvalidData,             // data the calculation cannot handle (see InvalidReason)
};

// The data sets of the first-entry road, in the order the road asks for
// them. The sets kept per component or per temperature are typed table by
// table, so a step of the road is a set and, for those, the number of its
// table.
enum class RoadSet {
    None,
    Student,
    Components,
    Equilibrium,
    Feed,
    MixingHeat,
    VaporHeatCapacity, // sub: component 1 or 2
    VaporizationHeat,  // sub: component 1 or 2
    SolutionTemperatures,
    SolutionHeatCapacity, // sub: temperature 1..NT
    Calculation,          // every data set is there
};

struct RoadStep {
    RoadSet set = RoadSet::None;
    int sub = 0;
    auto operator<=>(const RoadStep &) const = default;
};

struct ProblemData {
    QString Names[4]; // 1: student and group, 2: more volatile, 3: less volatile component
    EquilibriumTable Equilibrium;
    FeedSpec Feed;
    MixingHeatTable MixingHeat;
    VaporHeatCapacityTable VaporHeatCapacity;
    VaporizationHeatTable VaporizationHeat;
    SolutionHeatCapacitySet SolutionHeatCapacity;
    CalculationResults Results;
    StageState Stage;
    ColumnProfiles Profiles; // the stages of the last calculation's counts

    CalculationOutcome Outcome = CalculationOutcome::NotCalculated;
    QString InvalidReason; // the message for CalculationOutcome::InvalidData
    float MinimumReflux = 0.0f;
    bool CalculationDone = false; // a calculation ran and its report is not printed yet

    int BadPointIndex = 0;    // verdict of the last thermal-table or feed check
    int CurrentComponent = 1; // component, or solution temperature, on screen
    int RemovalPoint = 0;     // point offered in the removal dialog

    // The last step of the first-entry road whose values are all typed:
    // what a problem file of an unfinished problem holds.
    RoadStep Entered;
};

// The problem state of this run of the program.
ProblemData &problem();

// Empties the problem state when the student starts the work.
void ResetProblemState(ProblemData &data);
