#pragma once

// The change roads of the thermal data sets, opened from the change-data
// menu; each ends by coming back through ShowChangeDataMenu.
void OpenMixingHeatChange();                     // Form32
void OpenVaporHeatCapacityChange(int component); // Form36
void OpenVaporizationHeatChange(int component);  // Form39
void OpenSolutionHeatCapacityChange();           // Form42
