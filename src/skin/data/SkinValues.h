#pragma once

// The value kinds of the skin text and their readers and writers. Every
// reader takes the skin text, a section and a key and gives the kind's
// default when the key is absent.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Geometry.h"
#include "skin/data/SkinIni.h"

// A point or rectangle whose text has an empty or oversized number. The load
// that meets it stops, and the skin stays marked empty.
class TbsConvertError : public std::runtime_error {
 public:
  explicit TbsConvertError(const std::string& number);
};

struct TbsFontStyles {
  bool fsBold = false;
  bool fsItalic = false;
  bool fsUnderline = false;
  bool fsStrikeOut = false;

  friend bool operator==(const TbsFontStyles&, const TbsFontStyles&) = default;
};

enum class TbsAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TbsMorphKind {
  mkDefault,
  mkGradient,
  mkLeftGradient,
  mkRightGradient,
  mkLeftSlide,
  mkRightSlide,
  mkPush
};

enum class TbsInactiveEffect {
  ieBrightness,
  ieDarkness,
  ieGrayScale,
  ieNoise,
  ieSplitBlur,
  ieInvert
};

enum class TbsStdCommand {
  cmClose,
  cmMaximize,
  cmMinimize,
  cmSysMenu,
  cmDefault,
  cmRollUp,
  cmMinimizeToTray
};

// Parsing of the composite kinds on their own, for readers of other texts.
// A point needs two numbers and a rectangle four: see ReadRectValue.
gfx::Point ParsePointValue(std::string_view text);
gfx::Rect ParseRectValue(std::string_view text);
TbsFontStyles ParseFontStyleValue(std::string_view text);
TbsAlignment ParseAlignmentValue(std::string_view text);
TbsMorphKind ParseMorphKindValue(std::string_view text);
TbsInactiveEffect ParseInactiveEffectValue(std::string_view text);
TbsStdCommand ParseCommandValue(std::string_view text);

// Numbers of a point or rectangle are scanned character by character: ","
// ends a number, digits are appended, every other character is skipped, so
// "-3" reads as 3 and "1 2" as 12. Numbers beyond the needed count are
// ignored. An empty number raises TbsConvertError; an absent key reads as
// all zeros.
gfx::Rect ReadRectValue(const TbsSkinIni& ini, std::string_view section, std::string_view key);
gfx::Point ReadPointValue(const TbsSkinIni& ini, std::string_view section, std::string_view key);
// Exactly 1 is true; every other value and absence are false.
bool ReadFlagValue(const TbsSkinIni& ini, std::string_view section, std::string_view key);
TbsFontStyles ReadFontStyleValue(const TbsSkinIni& ini, std::string_view section,
                                 std::string_view key);
TbsAlignment ReadAlignmentValue(const TbsSkinIni& ini, std::string_view section,
                                std::string_view key);
TbsMorphKind ReadMorphKindValue(const TbsSkinIni& ini, std::string_view section,
                                std::string_view key);
TbsInactiveEffect ReadInactiveEffectValue(const TbsSkinIni& ini, std::string_view section,
                                          std::string_view key);
TbsStdCommand ReadCommandValue(const TbsSkinIni& ini, std::string_view section,
                               std::string_view key);

// The most names a list may announce. A larger count is a damaged text; the
// names are read up to this many so that a single number cannot make the
// loader allocate without bound.
inline constexpr int kMaxNameListCount = 4096;

// Reads the integer key prefix + "count" (default 0) and appends the texts
// of keys "0", "1", ... (default empty) to names.
void ReadNameList(const TbsSkinIni& ini, std::string_view section, std::string_view prefix,
                  std::vector<std::string>& names);

std::string RectToString(const gfx::Rect& r);
std::string PointToString(const gfx::Point& p);
std::string FontStyleToString(const TbsFontStyles& styles);
const char* AlignmentToString(TbsAlignment alignment);
const char* MorphKindToString(TbsMorphKind kind);
const char* InactiveEffectToString(TbsInactiveEffect effect);
const char* CommandToString(TbsStdCommand command);

void WriteRectValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                    const gfx::Rect& r);
void WritePointValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                     const gfx::Point& p);
void WriteFlagValue(TbsSkinIni& ini, std::string_view section, std::string_view key, bool flag);
void WriteFontStyleValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         const TbsFontStyles& styles);
void WriteAlignmentValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         TbsAlignment alignment);
void WriteMorphKindValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         TbsMorphKind kind);
void WriteInactiveEffectValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                              TbsInactiveEffect effect);
void WriteCommandValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                       TbsStdCommand command);
void WriteNameList(TbsSkinIni& ini, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& names);
