#pragma once

#include "model/problem_data.h"

#include <functional>

// The ways out of a screen into a screen that a folder above it owns. The
// shell builds them and installs them at start-up; a screen follows a road
// and never calls a function of a folder above its own.
struct Roads {
    // The first-entry road goes on after the step just accepted: with the
    // control screen of the first data set typed earlier that fails its
    // check, otherwise with the first one not typed yet, and with the
    // calculation once every data set is there.
    std::function<void(RoadStep after)> continueFirstRoad;
    // The change-data menu Form24, where every accepted change comes back to.
    std::function<void()> showChangeDataMenu;
    // The diagrams of the stages just counted, over the results window.
    std::function<void()> showStageDiagrams;
};

// The roads the shell installed.
const Roads &roads();
void installRoads(Roads next);
