#include "reflux_adoption.h"

#include "input/feed_parameters.h"
#include "model/problem_data.h"
#include "results/results_screens.h"
#include "ui/platform.h"

bool TakeRefluxIntoProblem(const QString &typed)
{
    ProblemData &data = problem();
    const int condition = data.Feed.Condition;
    int parameter = FeedParameterCount(condition);
    while (parameter > 0 && FeedParameterElement(condition, parameter) != FeedR)
        --parameter;
    if (parameter == 0)
        return false;
    const FeedSpec before = data.Feed;
    const int verdictBefore = data.BadPointIndex;
    StoreFeedCorrection(data.Feed, parameter, typed);
    if (CheckFeedParameters(data) != 0) {
        data.Feed = before;
        data.BadPointIndex = verdictBefore;
        platform().showMessage(
            QStringLiteral("Флегмовое число"),
            QStringLiteral("Флегмовое число %1 не принято: оно вне допустимых пределов.").arg(typed));
        return false;
    }
    RunCalculation();
    return true;
}
