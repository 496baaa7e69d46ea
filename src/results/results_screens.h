#pragma once

// The results screens as the other screens and the shell reach them.

// Closes the entry windows, calculates and shows the results window Form23.
void RunCalculation();

// The change-data menu Form24 of the change road.
void ShowChangeDataMenu();
