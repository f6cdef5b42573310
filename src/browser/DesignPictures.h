#pragma once

// The pictures of the window's design, carried inside the program: the
// 760 x 570 background and the five severity star strips. They are read
// back through the same picture readers a loaded form uses for its stored
// pictures.

#include <cstdint>
#include <span>

class TPicture;
class TImageList;

// The bytes of an embedded design file: 0 the background (a JPEG), 1 to 5
// the strips of one to five stars (BMP); empty for another index.
std::span<const std::uint8_t> EmbeddedDesignFile(int index);
inline constexpr int BackgroundDesignFile = 0;

// Puts the background picture into Picture; a damaged picture leaves it
// empty, so the window still works on its form colour.
void LoadBackgroundPicture(TPicture& Picture);

// Fills the severity image list with one to five stars, image i standing
// for severity i + 1.
void LoadSeverityImages(TImageList& Images);
