#include "platform/gfx/Font.h"

#include "platform/gfx/FontFace.h"

namespace gfx {

Font::Font() : Font(LogFont{}) {}

Font::Font(const LogFont& logFont) : logFont_(logFont), face_(FontFace::Get(logFont)) {}

const TextMetrics& Font::GetMetrics() const {
  return face_->Metrics();
}

std::string Font::ResolvedFamily() const {
  return face_->Family();
}

}  // namespace gfx
