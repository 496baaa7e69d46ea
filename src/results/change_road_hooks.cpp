#include "app/flow.h"

// Change roads whose screens are not wired yet.
