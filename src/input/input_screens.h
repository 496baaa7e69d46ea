#pragma once

#include "model/problem_data.h"

#include <QString>

// The feed and thermal data screens as the other screens and the shell
// reach them.

// The design names of the solution-temperature list and of the solution
// table of the first-entry road.
inline const QString SolutionTemperaturesName = QStringLiteral("Form18");
inline const QString SolutionTableName = QStringLiteral("Form20");

// The feed-condition window Form6 with the equilibrium diagram, once the
// equilibrium table has been accepted on the first-entry road.
void ShowFeedConditionWindow();
// The feed parameters Form7 typed earlier (a problem opened from a file),
// shown as right after their last value was typed.
void ShowTypedFeedParameters();

// The heat-of-mixing question Form9, once the feed data have been accepted
// on the first-entry road; the thermal data sets follow one another from there.
void AskMixingHeatQuestion();
// The entry of a thermal step: the question of an optional set, the table of
// a component or of a solution temperature, the solution temperatures.
void EnterThermalStep(RoadStep step);
// Form9, Form12, Form15 or Form20 for the heats of mixing, the vapour heat
// capacity or the heat of vaporization of a component, or solution table j,
// typed earlier and shown as right after their last value was typed.
void ShowTypedThermalTable(RoadStep step);

// The change roads of the thermal data sets, opened from the change-data
// menu; each ends by coming back to it.
void OpenMixingHeatChange();                     // Form32
void OpenVaporHeatCapacityChange(int component); // Form36
void OpenVaporizationHeatChange(int component);  // Form39
void OpenSolutionHeatCapacityChange();           // Form42
