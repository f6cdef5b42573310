#pragma once

// Arabic letters take one of up to four shapes by the letters beside them,
// and lam followed by alef joins into one; the classic text functions draw
// them so. The shapes are the presentation forms of Unicode, which the
// fonts covering Arabic carry, so the text is shaped as characters before
// it is measured and drawn.

#include <string>

namespace gfx {

// The text with its Arabic letters in their joined forms; text without
// Arabic letters comes back as it was.
std::u32string ShapeArabic(std::u32string text);

}  // namespace gfx
