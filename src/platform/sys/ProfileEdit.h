#pragma once

// Setting keys in the text of a profile file, in memory: every byte the edits
// do not touch stays as it was (see ProfileText.h for the text rules).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// One key to set.
struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};

// The file's bytes with section/key set to value: an existing key keeps its
// place and spelling, a new key follows the last key of its section, a new
// section is appended at the end; every other byte stays as it was. Names and
// the value are UTF-8 and are written in the file's own encoding. A
// Windows-1252 file that cannot hold them, or whose rest would read as UTF-8
// once the edit is made, is rewritten in UTF-8 instead, so that every other
// value reads as before. Nothing when a name or the value could inject lines.
std::optional<std::string> EditProfile(std::string_view bytes, std::string_view section,
                                       std::string_view key, std::string_view value);

// The bytes with every entry set in order, exactly as setting them one after
// the other would leave them, in time proportional to the file and the
// entries (one key at a time takes the file's length for each). Nothing when
// any entry is refused.
std::optional<std::string> EditProfile(std::string_view bytes,
                                       const std::vector<ProfileEntry>& entries);

}  // namespace sys
