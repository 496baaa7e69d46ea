#include "app/flow.h"

// Hand-over point until the feed-condition window exists.
void ShowFeedConditionWindow()
{
}
