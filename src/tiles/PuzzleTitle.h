#pragma once

// The name a puzzle goes by in its window: the title its package gives it
// in the puzzle's detail file ("<file>-<n>.ini", section Image, key Name),
// the same title the browser's author button shows, or else the file base
// name and the number.

#include <string>

#include "tiles/PuzzleName.h"

std::string PuzzleTitle(const TPuzzleName& Name);
