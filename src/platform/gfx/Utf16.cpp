#include "platform/gfx/Utf16.h"

#include <unicode/utf16.h>

namespace gfx {

std::u16string ToUtf16(const std::u32string& text, std::vector<std::size_t>* characterOf) {
  std::u16string units;
  units.reserve(text.size());
  if (characterOf)
    characterOf->reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
      c = 0xFFFD;
    const int count = c > 0xFFFF ? 2 : 1;
    if (count == 2) {
      units.push_back(static_cast<char16_t>(U16_LEAD(c)));
      units.push_back(static_cast<char16_t>(U16_TRAIL(c)));
    } else {
      units.push_back(static_cast<char16_t>(c));
    }
    if (characterOf)
      characterOf->insert(characterOf->end(), count, i);
  }
  return units;
}

}  // namespace gfx
