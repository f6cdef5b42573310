#include "catalogue/Switches.h"

bool IgnoreErrors = false;
