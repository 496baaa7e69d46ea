#pragma once

#include "model/problem_data.h"

// The hand-over points between the screens of the two roads. Each is
// implemented by the folder that owns the next screen.

// The first-entry road goes on after the step just accepted: with the
// control screen of the first data set typed earlier that fails its check,
// otherwise with the first one not typed yet, and with the calculation once
// every data set is there (app/first_road.cpp). On a road typed from its
// start that is simply the next data set; a problem opened from a file goes
// on from where its typing ended.
void ContinueFirstRoad(RoadStep after);

// The control screens of data sets typed earlier (a problem opened from a
// file), shown as right after their last value was typed.
void ShowTypedEquilibriumTable(); // Form2
void ShowTypedFeedParameters();   // Form7
// Form9, Form12, Form15 or Form20 for the heats of mixing, the vapour heat
// capacity or the heat of vaporization of a component, or solution table j.
void ShowTypedThermalTable(RoadStep step);
// The entry of a thermal step: the question of an optional set, the table of
// a component or of a solution temperature, the solution temperatures.
void EnterThermalStep(RoadStep step);

// Loads the data-entry window Form2 with its caption "   ВВОД ИСХОДНОЙ
// ИНФОРМАЦИИ", its buttons, list and labels hidden, and shows it over the
// start screen while the identity is asked.
void PrepareEquilibriumWindow();

// Equilibrium data entry on Form2, right after the identity prompts.
void EnterEquilibriumData();

// The feed-condition window Form6 with the equilibrium diagram, once the
// equilibrium table has been accepted on the first-entry road.
void ShowFeedConditionWindow();

// The heat-of-mixing question Form9, once the feed data have been accepted
// on the first-entry road; the thermal data sets follow one another from there.
void AskMixingHeatQuestion();

// Closes the entry windows, calculates and shows the results window Form23.
void RunCalculation();

// The change-data menu Form24 of the change road.
void ShowChangeDataMenu();
