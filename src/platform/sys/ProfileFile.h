#pragma once

// The private profile functions: one key of an ini file read or written per
// call, with the classic semantics (see ProfileText.h for the text rules).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/ProfileEdit.h"
#include "platform/sys/ProfileText.h"

namespace sys {

// The longest string a read returns, in characters: the classic 2048-byte
// buffer less its terminator.
inline constexpr std::size_t kProfileStringMax = 2047;

// The largest ini file read: thousands of times what the program's own
// files hold. A larger one reads as empty and is never rewritten, so it is
// neither parsed for ages nor lost.
inline constexpr std::size_t kProfileFileMax = std::size_t{16} << 20;

// The parsed file; an empty document when the file is missing, unreadable or
// larger than kProfileFileMax.
ProfileDocument ReadProfileDocument(const std::string& path);

// The value of section/key, or defaultValue when the file, the section or the
// key is missing; either is cut to maxChars characters.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path,
                                    std::size_t maxChars = kProfileStringMax);

// A whole value as an integer: decimal with an optional sign, or hexadecimal
// after "0x" or "0X". Anything else (trailing characters, an empty value, a
// number outside 32 bits) gives nothing.
std::optional<int> ParseProfileInteger(std::string_view text);

// The value of section/key of a parsed file read as an integer, or
// defaultValue when it is missing or not a whole integer. The file reads of
// the profile functions and of the ini-file accessor both go through here.
int ReadProfileInteger(const ProfileDocument& doc, std::string_view section, std::string_view key,
                       int defaultValue);

int GetPrivateProfileInteger(std::string_view section, std::string_view key, int defaultValue,
                             const std::string& path);

// Sets section/key to value, keeping every other byte of the file, through an
// atomic replacement. False when the names or the value could inject lines
// or the file cannot be written; the old file is then intact.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               FileSystemCalls& calls = CurrentFileSystemCalls());

// Sets every entry, in order, in one atomic replacement: the file then holds
// all of them or, when any is refused or the file cannot be written, is left
// exactly as it was.
bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, const std::string& path,
                                FileSystemCalls& calls = CurrentFileSystemCalls());

}  // namespace sys
