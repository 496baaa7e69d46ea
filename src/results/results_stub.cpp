#include "app/flow.h"

// Hand-over point until the results window exists.
void RunCalculation()
{
}
