#pragma once

#include "model/problem_data.h"

#include <functional>

// What the windows tell the shell so that it can keep the problem on the
// disk, and the saving a student asks for. The shell installs the hooks at
// start-up; until then, and for a hook it leaves empty, nothing is kept.
struct ProblemKeeping {
    // The values of a step of the first-entry road are all typed.
    std::function<void(RoadStep step)> dataSetTyped;
    // A calculation has run.
    std::function<void()> calculated;
    // Ctrl+S and "Сохранение задачи": the problem under a name the student
    // chooses.
    std::function<void()> saveAs;
    // After every handler: the problem written if it has changed.
    std::function<void()> keep;
};

// The hooks the shell installed.
const ProblemKeeping &keeping();
void installProblemKeeping(ProblemKeeping next);
