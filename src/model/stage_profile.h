#pragma once

// What a stage count leaves behind for the diagrams and the machine-readable
// results: every stage it stepped, from the bottom of the column upwards,
// with the numbers exactly as the count computed them.

// A count gives up after this many stages.
inline constexpr int MaxStages = 300;

// Which pole the exact count drew the line through to find the liquid on the
// stage above: the top one for the rectifying section, the bottom one below
// the feed. The top stage needs none.
enum class StagePole : unsigned char { None, Top, Bottom };

struct ProfileStage {
    float X = 0.0f; // liquid mole fraction on the stage (StageX as looked up)
    float Y = 0.0f; // vapour mole fraction leaving it (StageY)
    float T = 0.0f; // its temperature (EqTemperature)
    // The exact count only: the vapour's enthalpy, kJ/kg, and the pole the
    // line to the liquid above runs through.
    float VapourEnthalpy = 0.0f;
    StagePole Pole = StagePole::None;
};

struct StageProfile {
    bool Ran = false;        // the count ran in the last calculation
    bool ReachedTop = false; // a stage's vapour exceeded the distillate
    int Count = 0;           // stages stepped: N at the top, MaxStages otherwise
    int FeedStage = 0;       // counted from the bottom; 0 when the feed was never passed
    float FeedSwitchY = 0.0f;
    float FeedToDistillateRatio = 0.0f;
    ProfileStage Stages[MaxStages + 1]; // 1-based, Count valid
};

// The profiles of the last calculation's two counts.
struct ColumnProfiles {
    StageProfile ConstantFlow;
    StageProfile Exact;
};
