#pragma once

// The thermal data sets of the first-entry road, one after the other. The
// road enters through AskMixingHeatQuestion (input_screens.h) and leaves through
// RunCalculation once the last solution table is accepted.

// Form12: are vapour heat capacities at hand?
void AskVaporHeatCapacityQuestion();
// Form15: the heats of vaporization of component k (1 more, 2 less volatile).
void StartVaporizationHeatEntry(int component);
// Form18: the temperatures of the solution heat capacities.
void EnterSolutionTemperatures();
// Form20: the solution table of temperature CurrentComponent.
void StartSolutionHeatCapacityEntry();
