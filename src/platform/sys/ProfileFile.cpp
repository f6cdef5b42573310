#include "platform/sys/ProfileFile.h"

#include <charconv>
#include <cstdint>

#include "platform/sys/Encoding.h"
#include "platform/sys/FileSystem.h"

namespace sys {

ProfileDocument ReadProfileDocument(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path, nullptr, kProfileFileMax);
  return bytes ? ProfileDocument::FromBytes(*bytes) : ProfileDocument{};
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path,
                                    std::size_t maxChars) {
  ProfileDocument doc = ReadProfileDocument(path);
  std::string_view value = doc.Find(section, key).value_or(defaultValue);
  return std::string(TruncateUtf8(value, maxChars));
}

std::optional<int> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  // from_chars would accept a second sign or stop early; only digits of the
  // chosen base may follow.
  if (text.empty() || text.front() == '+' || text.front() == '-')
    return std::nullopt;
  int64_t magnitude = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX)
    return std::nullopt;
  return static_cast<int>(value);
}

int ReadProfileInteger(const ProfileDocument& doc, std::string_view section, std::string_view key,
                       int defaultValue) {
  std::optional<std::string_view> value = doc.Find(section, key);
  if (!value)
    return defaultValue;
  return ParseProfileInteger(TruncateUtf8(*value, kProfileStringMax)).value_or(defaultValue);
}

int GetPrivateProfileInteger(std::string_view section, std::string_view key, int defaultValue,
                             const std::string& path) {
  return ReadProfileInteger(ReadProfileDocument(path), section, key, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               FileSystemCalls& calls) {
  return WritePrivateProfileStrings(
      {ProfileEntry{std::string(section), std::string(key), std::string(value)}}, path, calls);
}

bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, const std::string& path,
                                FileSystemCalls& calls) {
  std::string text;
  if (std::optional<std::string> bytes = ReadFileBytes(path, nullptr, kProfileFileMax)) {
    text = std::move(*bytes);
  } else if (FileExists(path) || DirectoryExists(path)) {
    // An unreadable existing file must not be replaced by one holding only
    // the new keys.
    return false;
  }
  std::optional<std::string> edited = EditProfile(text, entries);
  return edited && ReplaceFileAtomically(path, *edited, calls);
}

}  // namespace sys
