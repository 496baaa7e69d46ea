#pragma once

#include <QString>

// The results screens as the other screens and the shell reach them.

// The design name of the results window.
inline const QString ResultsWindowName = QStringLiteral("Form23");

// Closes the entry windows, calculates and shows the results window Form23.
void RunCalculation();

// The change-data menu Form24 of the change road.
void ShowChangeDataMenu();
