#pragma once

#include "model/problem_data.h"

// Sorting and checking of the thermal property tables. Every check stores its
// verdict in BadPointIndex (the first faulty point, 0 when valid) and returns it.

// Limits of the checks, compared as single-precision numbers.
inline constexpr float MaxMixingHeat = 30000.0f;            // kJ/kmol, either sign
inline constexpr float VaporHeatCapacityLowestT = -283.14f; // °C
inline constexpr float LowestVaporHeatCapacity = 0.39999f;  // kJ/(kg·K)
inline constexpr float HighestVaporHeatCapacity = 4.0f;
inline constexpr float VaporizationHeatLowestT = -273.14f; // °C
inline constexpr float LowestVaporizationHeat = 20.0f;     // kJ/kg
inline constexpr float HighestVaporizationHeat = 3000.0f;
inline constexpr float LowestSolutionHeatCapacity = 5.0f; // kJ/(kmol·K)
inline constexpr float HighestSolutionHeatCapacity = 3000.0f;
inline constexpr float HighestTableT = 400.0f; // °C, every table
// A solution temperature as first typed, and any other single temperature
// typed on a table screen (the heat-of-mixing temperature, a corrected
// solution temperature).
inline constexpr float LowestSolutionTemperature = -273.15f;
inline constexpr float LowestTableTemperature = -273.0f;

void SortMixingHeatTable(ProblemData &data);
int CheckMixingHeatTable(ProblemData &data);

void SortVaporHeatCapacityTable(ProblemData &data, int component);
int CheckVaporHeatCapacityTable(ProblemData &data, int component);

void SortVaporizationHeatTable(ProblemData &data, int component);
int CheckVaporizationHeatTable(ProblemData &data, int component);

// Orders the solution temperatures, each carrying its table along.
void SortSolutionTemperatures(ProblemData &data);
void SortSolutionHeatCapacityTable(ProblemData &data, int temperature);
int CheckSolutionHeatCapacityTable(ProblemData &data, int temperature);
// Temperature j leaves the set with its table; the later temperatures move
// up one place with theirs, and the freed last place is emptied.
void RemoveSolutionTemperature(ProblemData &data, int j);

// The ranges of single temperatures that are asked again until they fit.
bool SolutionTemperatureInRange(float celsius);
bool TableTemperatureInRange(float celsius);
