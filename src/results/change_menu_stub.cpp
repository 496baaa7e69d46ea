#include "app/flow.h"

// Hand-over point until the change-data menu exists.
void ShowChangeDataMenu()
{
}
