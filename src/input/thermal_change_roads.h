#pragma once

#include "thermal_data_set.h"

// The table-screen descriptions of the change-road screens Form32 (heats of
// mixing), Form36 (vapour heat capacities) and Form39 (heats of
// vaporization). The screens are opened by the change-data menu through
// OpenMixingHeatChange, OpenVaporHeatCapacityChange and
// OpenVaporizationHeatChange (input_screens.h).
const ThermalDataSet &MixingHeatChangeDataSet();
const ThermalDataSet &VaporHeatCapacityChangeDataSet();
const ThermalDataSet &VaporizationHeatChangeDataSet();
