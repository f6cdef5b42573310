#pragma once

// The icons of the message dialog's kinds: warning, error, information and
// confirmation, 32 x 32 pixels, carried inside the program. Their corners
// are the key colour of the bottom-left pixel, drawn transparently.

#include "platform/gfx/Bitmap.h"

enum TMsgDlgType : int;

// The icon of a kind, or null for a kind without one (custom).
const gfx::Bitmap* StandardMessageIcon(TMsgDlgType Kind);
