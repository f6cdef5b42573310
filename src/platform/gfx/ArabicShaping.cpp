#include "platform/gfx/ArabicShaping.h"

#include <unicode/ushape.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Utf16.h"

namespace gfx {

namespace {

bool IsArabicLetterBlock(char32_t c) {
  return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) ||
         (c >= 0x08A0 && c <= 0x08FF);
}

}  // namespace

std::u32string ShapeArabic(std::u32string text) {
  if (std::none_of(text.begin(), text.end(), IsArabicLetterBlock))
    return text;
  const std::u16string units = ToUtf16(text);
  if (units.size() > static_cast<std::size_t>(INT32_MAX / 2))
    return text;
  // Shaping never lengthens the text: lam-alef pairs shrink it.
  std::u16string shaped(units.size(), u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = u_shapeArabic(
      reinterpret_cast<const UChar*>(units.data()), static_cast<int32_t>(units.size()),
      reinterpret_cast<UChar*>(shaped.data()), static_cast<int32_t>(shaped.size()),
      U_SHAPE_LETTERS_SHAPE | U_SHAPE_LENGTH_GROW_SHRINK | U_SHAPE_TEXT_DIRECTION_LOGICAL, &status);
  if (U_FAILURE(status) || length < 0 || static_cast<std::size_t>(length) > shaped.size())
    return text;
  std::u32string out;
  out.reserve(static_cast<std::size_t>(length));
  for (int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U16_NEXT(shaped.data(), i, length, c);
    out.push_back(static_cast<char32_t>(c));
  }
  return out;
}

}  // namespace gfx
