#include "skin/data/SkinValues.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// The digits of one number's text, which is what a refused number names.
// A number of a million digits is named by its first few, so that the
// message stays one readable line.
std::string DigitsOf(std::string_view text) {
  constexpr size_t kShown = 32;
  std::string digits;
  for (char c : text) {
    if (c < '0' || c > '9')
      continue;
    if (digits.size() == kShown)
      return digits + "...";
    digits += c;
  }
  return digits;
}

// Scans N numbers by the point and rectangle rule; further numbers are read
// past and ignored. A number too large for an integer is refused like an
// empty one, naming its digits. The digits are added up as they come, so a
// value is scanned without copying it.
template <size_t N>
std::array<int, N> ScanNumbers(std::string_view text) {
  constexpr uint32_t kLargest = 0x7FFFFFFF;
  std::array<int, N> numbers{};
  size_t index = 0;
  size_t start = 0;  // where the current number's text begins
  uint32_t value = 0;
  bool digits = false;
  bool tooLarge = false;
  auto finish = [&](size_t end) {
    if (index < N) {
      if (!digits || tooLarge)
        throw TbsConvertError(DigitsOf(text.substr(start, end - start)));
      numbers[index] = static_cast<int>(value);
    }
    ++index;
    value = 0;
    digits = tooLarge = false;
    start = end + 1;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ',') {
      finish(i);
    } else if (c >= '0' && c <= '9') {
      digits = true;
      const uint32_t d = static_cast<uint32_t>(c - '0');
      if (value > (kLargest - d) / 10)
        tooLarge = true;
      else
        value = value * 10 + d;
    }
  }
  finish(text.size());
  if (index < N)
    throw TbsConvertError("");
  return numbers;
}

template <typename E, size_t N>
E FromWord(std::string_view text, const std::array<std::pair<const char*, E>, N>& table,
           E otherwise) {
  for (const auto& [word, value] : table)
    if (text == word)
      return value;
  return otherwise;
}

constexpr std::array<std::pair<const char*, TbsMorphKind>, 7> kMorphWords{{
    {"mkdefault", TbsMorphKind::mkDefault},
    {"mkgradient", TbsMorphKind::mkGradient},
    {"mkleftgradient", TbsMorphKind::mkLeftGradient},
    {"mkrightgradient", TbsMorphKind::mkRightGradient},
    {"mkleftslide", TbsMorphKind::mkLeftSlide},
    {"mkrightslide", TbsMorphKind::mkRightSlide},
    {"mkpush", TbsMorphKind::mkPush},
}};

constexpr std::array<std::pair<const char*, TbsInactiveEffect>, 6> kEffectWords{{
    {"iebrightness", TbsInactiveEffect::ieBrightness},
    {"iedarkness", TbsInactiveEffect::ieDarkness},
    {"iegrayscale", TbsInactiveEffect::ieGrayScale},
    {"ienoise", TbsInactiveEffect::ieNoise},
    {"iesplitblur", TbsInactiveEffect::ieSplitBlur},
    {"ieinvert", TbsInactiveEffect::ieInvert},
}};

constexpr std::array<std::pair<const char*, TbsStdCommand>, 7> kCommandWords{{
    {"cmclose", TbsStdCommand::cmClose},
    {"cmmaximize", TbsStdCommand::cmMaximize},
    {"cmminimize", TbsStdCommand::cmMinimize},
    {"cmsysmenu", TbsStdCommand::cmSysMenu},
    {"cmdefault", TbsStdCommand::cmDefault},
    {"cmrollup", TbsStdCommand::cmRollUp},
    {"cmminimizetotray", TbsStdCommand::cmMinimizeToTray},
}};

template <typename E, size_t N>
const char* ToWord(E value, const std::array<std::pair<const char*, E>, N>& table) {
  for (const auto& [word, v] : table)
    if (v == value)
      return word;
  return table[0].first;
}

}  // namespace

TbsConvertError::TbsConvertError(const std::string& number)
    : std::runtime_error("'" + number + "' is not a valid integer value") {}

gfx::Point ParsePointValue(std::string_view text) {
  auto n = ScanNumbers<2>(text);
  return {n[0], n[1]};
}

gfx::Rect ParseRectValue(std::string_view text) {
  auto n = ScanNumbers<4>(text);
  return {n[0], n[1], n[2], n[3]};
}

TbsFontStyles ParseFontStyleValue(std::string_view text) {
  auto has = [&](std::string_view word) { return text.find(word) != std::string_view::npos; };
  return {.fsBold = has("fsbold"),
          .fsItalic = has("fsitalic"),
          .fsUnderline = has("fsunderline"),
          .fsStrikeOut = has("fsstrikeout")};
}

TbsAlignment ParseAlignmentValue(std::string_view text) {
  if (text == "tacenter")
    return TbsAlignment::taCenter;
  if (text == "taleftjustify")
    return TbsAlignment::taLeftJustify;
  return TbsAlignment::taRightJustify;
}

TbsMorphKind ParseMorphKindValue(std::string_view text) {
  return FromWord(text, kMorphWords, TbsMorphKind::mkDefault);
}

TbsInactiveEffect ParseInactiveEffectValue(std::string_view text) {
  return FromWord(text, kEffectWords, TbsInactiveEffect::ieGrayScale);
}

TbsStdCommand ParseCommandValue(std::string_view text) {
  return FromWord(text, kCommandWords, TbsStdCommand::cmMinimizeToTray);
}

gfx::Rect ReadRectValue(const TbsSkinIni& ini, std::string_view section, std::string_view key) {
  return ParseRectValue(ini.FindValue(section, key).value_or("0,0,0,0"));
}

gfx::Point ReadPointValue(const TbsSkinIni& ini, std::string_view section, std::string_view key) {
  return ParsePointValue(ini.FindValue(section, key).value_or("0,0"));
}

bool ReadFlagValue(const TbsSkinIni& ini, std::string_view section, std::string_view key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

TbsFontStyles ReadFontStyleValue(const TbsSkinIni& ini, std::string_view section,
                                 std::string_view key) {
  return ParseFontStyleValue(ini.FindValue(section, key).value_or(""));
}

TbsAlignment ReadAlignmentValue(const TbsSkinIni& ini, std::string_view section,
                                std::string_view key) {
  return ParseAlignmentValue(ini.FindValue(section, key).value_or("tacenter"));
}

TbsMorphKind ReadMorphKindValue(const TbsSkinIni& ini, std::string_view section,
                                std::string_view key) {
  return ParseMorphKindValue(ini.FindValue(section, key).value_or("mkdefault"));
}

TbsInactiveEffect ReadInactiveEffectValue(const TbsSkinIni& ini, std::string_view section,
                                          std::string_view key) {
  return ParseInactiveEffectValue(ini.FindValue(section, key).value_or("iebrightness"));
}

TbsStdCommand ReadCommandValue(const TbsSkinIni& ini, std::string_view section,
                               std::string_view key) {
  return ParseCommandValue(ini.FindValue(section, key).value_or("cmdefault"));
}

void ReadNameList(const TbsSkinIni& ini, std::string_view section, std::string_view prefix,
                  std::vector<std::string>& names) {
  int count = ini.ReadInteger(section, std::string(prefix) + "count", 0);
  if (count > kMaxNameListCount)
    count = kMaxNameListCount;
  for (int k = 0; k < count; ++k)
    names.push_back(ini.ReadString(section, std::to_string(k), ""));
}

std::string RectToString(const gfx::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string PointToString(const gfx::Point& p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FontStyleToString(const TbsFontStyles& styles) {
  std::string text;
  auto add = [&](bool set, const char* word) {
    if (!set)
      return;
    if (!text.empty())
      text += ",";
    text += word;
  };
  add(styles.fsBold, "fsbold");
  add(styles.fsItalic, "fsitalic");
  add(styles.fsUnderline, "fsunderline");
  add(styles.fsStrikeOut, "fsstrikeout");
  return text;
}

const char* AlignmentToString(TbsAlignment alignment) {
  switch (alignment) {
    case TbsAlignment::taCenter:
      return "tacenter";
    case TbsAlignment::taLeftJustify:
      return "taleftjustify";
    case TbsAlignment::taRightJustify:
      break;
  }
  return "tarightjustify";
}

const char* MorphKindToString(TbsMorphKind kind) {
  return ToWord(kind, kMorphWords);
}

const char* InactiveEffectToString(TbsInactiveEffect effect) {
  return ToWord(effect, kEffectWords);
}

const char* CommandToString(TbsStdCommand command) {
  return ToWord(command, kCommandWords);
}

void WriteRectValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                    const gfx::Rect& r) {
  ini.WriteString(section, key, RectToString(r));
}

void WritePointValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                     const gfx::Point& p) {
  ini.WriteString(section, key, PointToString(p));
}

void WriteFlagValue(TbsSkinIni& ini, std::string_view section, std::string_view key, bool flag) {
  ini.WriteInteger(section, key, flag ? 1 : 0);
}

void WriteFontStyleValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         const TbsFontStyles& styles) {
  ini.WriteString(section, key, FontStyleToString(styles));
}

void WriteAlignmentValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         TbsAlignment alignment) {
  ini.WriteString(section, key, AlignmentToString(alignment));
}

void WriteMorphKindValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                         TbsMorphKind kind) {
  ini.WriteString(section, key, MorphKindToString(kind));
}

void WriteInactiveEffectValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                              TbsInactiveEffect effect) {
  ini.WriteString(section, key, InactiveEffectToString(effect));
}

void WriteCommandValue(TbsSkinIni& ini, std::string_view section, std::string_view key,
                       TbsStdCommand command) {
  ini.WriteString(section, key, CommandToString(command));
}

void WriteNameList(TbsSkinIni& ini, std::string_view section, std::string_view prefix,
                   const std::vector<std::string>& names) {
  ini.WriteInteger(section, std::string(prefix) + "count", static_cast<int>(names.size()));
  for (size_t k = 0; k < names.size(); ++k)
    ini.WriteString(section, std::to_string(k), names[k]);
}
