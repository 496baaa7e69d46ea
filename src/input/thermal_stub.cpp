#include "app/flow.h"

// Hand-over point until the heat-of-mixing screens exist.
void AskMixingHeatQuestion()
{
}
