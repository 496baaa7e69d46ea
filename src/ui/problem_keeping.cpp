#include "problem_keeping.h"

namespace {

ProblemKeeping &installed()
{
    static ProblemKeeping current{[](RoadStep) {}, [] {}, [] {}, [] {}};
    return current;
}

template <typename Hook> void keepOrIgnore(Hook &hook, Hook &&next)
{
    if (next)
        hook = std::move(next);
    else
        hook = [](auto...) {};
}

} // namespace

const ProblemKeeping &keeping()
{
    return installed();
}

void installProblemKeeping(ProblemKeeping next)
{
    ProblemKeeping &current = installed();
    keepOrIgnore(current.dataSetTyped, std::move(next.dataSetTyped));
    keepOrIgnore(current.calculated, std::move(next.calculated));
    keepOrIgnore(current.saveAs, std::move(next.saveAs));
    keepOrIgnore(current.keep, std::move(next.keep));
}
