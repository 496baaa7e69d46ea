#include "app/flow.h"

void PrepareEquilibriumWindow()
{
}

// Hand-over point until the equilibrium entry screen exists.
void EnterEquilibriumData()
{
}
