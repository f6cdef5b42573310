#pragma once

// Text encodings of the files the program reads. Inside the program text is
// UTF-8; files written by older tools are often Windows-1252, so a file that
// is not valid UTF-8 is taken as Windows-1252 instead of being rejected.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sys {

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character; the five unassigned bytes map to
// the C1 control of the same value, so no byte is ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);

// The UTF-8 text as Windows-1252, or nothing when a character has no
// Windows-1252 byte. Expects valid UTF-8.
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

// The file's bytes as UTF-8: unchanged when valid UTF-8, else decoded as
// Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// One code point as UTF-8; empty for a surrogate or a value above U+10FFFF,
// which no text can hold.
std::string EncodeUtf8(char32_t codePoint);

// The first maxChars characters of valid UTF-8 text, never splitting one.
std::string_view TruncateUtf8(std::string_view text, std::size_t maxChars);

// Case-insensitive equality by simple Unicode case folding, with a fast path
// for ASCII. Expects valid UTF-8.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The text with simple Unicode case folding applied, for use as a lookup key
// that matches regardless of letter case. Expects valid UTF-8.
std::string FoldCase(std::string_view text);

}  // namespace sys
