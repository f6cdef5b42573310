#include "platform/gfx/Font.h"

#include "platform/gfx/FontFace.h"

namespace gfx {

Font::Font() : Font(LogFont{}) {}

Font::Font(const LogFont& logFont) : logFont_(logFont) {}

const FontFace& Font::Face() const {
  if (!face_)
    face_ = FontFace::Get(logFont_);
  return *face_;
}

const TextMetrics& Font::GetMetrics() const {
  return Face().Metrics();
}

std::string Font::ResolvedFamily() const {
  return Face().Family();
}

}  // namespace gfx
