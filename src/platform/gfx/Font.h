#pragma once

// Logical fonts. A Font is a cheap handle: copies share one resolved face
// and its glyph cache. Faces are resolved through the system's font
// configuration; the classic face names the skins ask for ("Arial",
// "MS Sans Serif") map to a metric-compatible sans face.

#include <memory>
#include <string>

namespace gfx {

enum FontWeight : int { FW_NORMAL = 400, FW_BOLD = 700 };

struct LogFont {
  std::string faceName = "MS Sans Serif";
  // Negative: the character height in pixels (cell height less internal
  // leading). Positive: the cell height. Zero: a default size.
  int height = -11;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  friend bool operator==(const LogFont&, const LogFont&) = default;
};

struct TextMetrics {
  int height = 0;  // ascent + descent: the cell height
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;  // cell height less character height
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
};

class FontFace;

class Font {
 public:
  // The default font (LogFont's defaults).
  Font();
  explicit Font(const LogFont& logFont);

  const LogFont& GetLogFont() const { return logFont_; }
  const TextMetrics& GetMetrics() const;
  // The family the face name resolved to, for diagnostics and tests.
  std::string ResolvedFamily() const;

  // The resolved face; shared by every Font made from an equal LogFont.
  // Resolved on first use, so that contexts which never draw text never
  // touch the font configuration.
  const FontFace& Face() const;

  friend bool operator==(const Font& a, const Font& b) { return a.logFont_ == b.logFont_; }

 private:
  LogFont logFont_;
  mutable std::shared_ptr<FontFace> face_;
};

// Starts reading the system's font configuration on a thread of its own,
// which takes a few milliseconds, so that a program can open its display
// and read its pictures meanwhile. The first font resolved waits for it.
// Without this call the first font reads the configuration itself.
void PrepareFontConfiguration();

}  // namespace gfx
