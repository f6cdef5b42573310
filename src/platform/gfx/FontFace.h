#pragma once

// A resolved font at one size and style: its metrics and a cache of its
// rendered glyphs. Fonts share faces through a process-wide cache, so each
// distinct LogFont is opened and rasterised once. Used on the user
// interface thread only.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/Font.h"

namespace gfx {

class FontFace {
 public:
  // An anti-aliased glyph: coverage 0..255, one byte per pixel, rows
  // top-down. `left` and `top` place the image relative to the pen
  // position on the baseline (top is the distance above the baseline).
  struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<std::uint8_t> coverage;
  };

  // The shared face for a logical font; never null. When no font can be
  // opened at all the face still answers metrics and draws nothing.
  static std::shared_ptr<FontFace> Get(const LogFont& logFont);

  explicit FontFace(const LogFont& logFont);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const TextMetrics& Metrics() const { return metrics_; }
  const std::string& Family() const { return family_; }
  const Glyph& GetGlyph(char32_t codePoint) const;
  int Advance(char32_t codePoint) const { return GetGlyph(codePoint).advance; }

  // Underline and strike-out bars: the top edge relative to the baseline
  // (positive below it) and the thickness, both in pixels.
  int UnderlineOffset() const { return underlineOffset_; }
  int StrikeOutOffset() const { return strikeOutOffset_; }
  int LineThickness() const { return lineThickness_; }

 private:
  struct Impl;
  const Glyph& LoadGlyph(char32_t codePoint) const;
  void ComputeMetrics();
  void ComputeFallbackMetrics();

  LogFont logFont_;
  std::unique_ptr<Impl> impl_;
  std::string family_;
  TextMetrics metrics_;
  int underlineOffset_ = 1;
  int strikeOutOffset_ = -3;
  int lineThickness_ = 1;
  mutable std::unordered_map<char32_t, Glyph> glyphs_;
  // The glyphs of the first 256 code points met so far, found without
  // hashing; they point into glyphs_, whose elements never move.
  mutable std::array<const Glyph*, 256> latin1_{};
};

// Decodes UTF-8; each malformed byte becomes U+FFFD, so that damaged text
// still shows where it is damaged.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace gfx
