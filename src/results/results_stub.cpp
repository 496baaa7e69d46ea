#include "app/flow.h"

// Hand-over points until the results window and the menus exist.
void RunCalculation()
{
}

void ShowChangeDataMenu()
{
}
