// Geometry is header-only; this unit keeps the library non-empty until the
// rest of the graphics layer arrives, and checks the header compiles alone.
#include "platform/gfx/Geometry.h"
