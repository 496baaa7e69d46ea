#pragma once

// The hand-over points between the screens of the two roads. Each is
// implemented by the folder that owns the next screen.

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
