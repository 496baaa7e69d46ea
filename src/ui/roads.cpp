#include "roads.h"

#include <QtGlobal>

namespace {

// A road followed before the shell installed it is a fault of the program,
// not of the student: it stops loudly instead of leaving a window hanging.
[[noreturn]] void missingRoad()
{
    qFatal("a road between the screens was followed before the shell installed it");
}

Roads &installed()
{
    static Roads current{[](RoadStep) { missingRoad(); }, [] { missingRoad(); }, [] { missingRoad(); }};
    return current;
}

} // namespace

const Roads &roads()
{
    return installed();
}

void installRoads(Roads next)
{
    installed() = std::move(next);
}
