#include "platform/sys/Encoding.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>

namespace sys {
namespace {

// The bytes 0x80 to 0x9F of Windows-1252; 0 marks the five unassigned ones,
// which keep their own value as a C1 control.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Windows1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
    return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Steps through UTF-8 text one code point at a time. An ill-formed sequence
// reads as a negative value and is stepped over, so every loop ends.
class CodePointReader {
 public:
  explicit CodePointReader(std::string_view text)
      : s_(reinterpret_cast<const uint8_t*>(text.data())),
        length_(static_cast<int32_t>(text.size())) {}

  bool AtEnd() const { return i_ >= length_; }

  UChar32 Next() {
    UChar32 c;
    U8_NEXT(s_, i_, length_, c);
    return c;
  }

 private:
  const uint8_t* s_;
  int32_t length_;
  int32_t i_ = 0;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
    return false;
  CodePointReader reader(bytes);
  while (!reader.AtEnd())
    if (reader.Next() < 0)
      return false;
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes)
    AppendUtf8(out, Windows1252CodePoint(static_cast<unsigned char>(b)));
  return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  CodePointReader reader(text);
  while (!reader.AtEnd()) {
    UChar32 c = reader.Next();
    if (c < 0)
      return std::nullopt;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out += static_cast<char>(c);
      continue;
    }
    bool found = false;
    for (int b = 0x80; b <= 0x9F && !found; ++b) {
      if (Windows1252CodePoint(static_cast<unsigned char>(b)) == static_cast<char32_t>(c)) {
        out += static_cast<char>(b);
        found = true;
      }
    }
    if (!found)
      return std::nullopt;
  }
  return out;
}

std::string DecodeFileText(std::string_view bytes) {
  if (IsValidUtf8(bytes))
    return std::string(bytes);
  // A byte-order mark stays one, so that the first line reads the same
  // whatever the rest of the file holds.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark))
    return std::string(kByteOrderMark) + Windows1252ToUtf8(bytes.substr(kByteOrderMark.size()));
  return Windows1252ToUtf8(bytes);
}

std::string_view TruncateUtf8(std::string_view text, std::size_t maxChars) {
  if (text.size() <= maxChars)
    return text;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Continuation bytes belong to the character before them.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
      continue;
    if (chars == maxChars)
      return text.substr(0, i);
    ++chars;
  }
  return text;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    if (a.size() != b.size())
      return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (AsciiLower(a[i]) != AsciiLower(b[i]))
        return false;
    return true;
  }
  CodePointReader ra(a), rb(b);
  while (!ra.AtEnd() && !rb.AtEnd())
    if (u_foldCase(ra.Next(), U_FOLD_CASE_DEFAULT) != u_foldCase(rb.Next(), U_FOLD_CASE_DEFAULT))
      return false;
  return ra.AtEnd() && rb.AtEnd();
}

std::string EncodeUtf8(char32_t codePoint) {
  std::string out;
  if (codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF))
    AppendUtf8(out, codePoint);
  return out;
}

std::string FoldCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  if (IsAscii(text)) {
    for (char c : text)
      out += AsciiLower(c);
    return out;
  }
  CodePointReader reader(text);
  while (!reader.AtEnd()) {
    UChar32 c = reader.Next();
    if (c < 0)
      c = 0xFFFD;
    AppendUtf8(out, static_cast<char32_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT)));
  }
  return out;
}

}  // namespace sys
