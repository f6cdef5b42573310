#include "platform/gfx/BidiOrder.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>

#include <cstdint>
#include <memory>

#include "platform/gfx/Utf16.h"

namespace gfx {

namespace {

bool IsRightToLeft(char32_t c) {
  switch (u_charDirection(static_cast<UChar32>(c))) {
    case U_RIGHT_TO_LEFT:
    case U_RIGHT_TO_LEFT_ARABIC:
    case U_RIGHT_TO_LEFT_EMBEDDING:
    case U_RIGHT_TO_LEFT_OVERRIDE:
    case U_RIGHT_TO_LEFT_ISOLATE:
      return true;
    default:
      return false;
  }
}

struct BidiRelease {
  void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};

VisualLine LogicalOrder(const std::u32string& text) {
  VisualLine line;
  line.chars = text;
  line.order.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    line.order[i] = i;
  return line;
}

}  // namespace

bool HasRightToLeft(const std::u32string& text) {
  for (char32_t c : text)
    // Everything below the Hebrew block is written left to right.
    if (c >= 0x0590 && IsRightToLeft(c))
      return true;
  return false;
}

VisualLine VisualOrder(const std::u32string& text) {
  // The algorithm runs on UTF-16; each unit remembers its character.
  std::vector<std::size_t> characterOf;
  const std::u16string units = ToUtf16(text, &characterOf);
  if (units.size() > static_cast<std::size_t>(INT32_MAX))
    return LogicalOrder(text);
  const auto length = static_cast<int32_t>(units.size());
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UBiDi, BidiRelease> bidi(ubidi_openSized(length, 0, &status));
  if (U_FAILURE(status) || !bidi)
    return LogicalOrder(text);
  ubidi_setPara(bidi.get(), reinterpret_cast<const UChar*>(units.data()), length, UBIDI_LTR,
                nullptr, &status);
  std::vector<int32_t> map(units.size());
  if (U_SUCCESS(status))
    ubidi_getVisualMap(bidi.get(), map.data(), &status);
  if (U_FAILURE(status))
    return LogicalOrder(text);

  VisualLine line;
  line.order.reserve(text.size());
  line.chars.reserve(text.size());
  std::vector<bool> placed(text.size(), false);
  for (int32_t unit : map) {
    if (unit < 0 || unit >= length)
      continue;
    // The two units of a character beyond the first plane come in either
    // order; the character is placed once.
    const std::size_t i = characterOf[static_cast<std::size_t>(unit)];
    if (placed[i])
      continue;
    placed[i] = true;
    char32_t c = text[i];
    if (ubidi_getLevelAt(bidi.get(), unit) & 1)
      c = static_cast<char32_t>(u_charMirror(static_cast<UChar32>(c)));
    line.order.push_back(i);
    line.chars.push_back(c);
  }
  // Every character has its place, whatever the map held.
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!placed[i]) {
      line.order.push_back(i);
      line.chars.push_back(text[i]);
    }
  return line;
}

}  // namespace gfx
