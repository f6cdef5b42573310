// Feeds arbitrary bytes to the profile-file parser and editor, and checks
// what must hold for any file: a written key reads back as written, and
// writing one key changes no other key's value, and setting several keys at
// once leaves the bytes that setting them one after the other does.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/ProfileEdit.h"
#include "platform/sys/ProfileText.h"

namespace {

std::string Read(const sys::ProfileDocument& doc, std::string_view section, std::string_view key) {
  auto value = doc.Find(section, key);
  return value ? std::string(*value) : std::string("\x01missing");
}

void Check(bool condition) {
  if (!condition)
    std::abort();
}

void EditAndCheck(std::string_view bytes, std::string_view section, std::string_view key,
                  std::string_view value, std::string_view otherSection,
                  std::string_view otherKey) {
  sys::ProfileDocument before = sys::ProfileDocument::FromBytes(bytes);
  std::optional<std::string> edited = sys::EditProfile(bytes, section, key, value);
  Check(edited.has_value());
  sys::ProfileDocument after = sys::ProfileDocument::FromBytes(*edited);
  Check(Read(after, section, key) == value);
  Check(Read(after, otherSection, otherKey) == Read(before, otherSection, otherKey));
}

void CheckBatch(std::string_view bytes, const std::vector<sys::ProfileEntry>& entries) {
  std::optional<std::string> oneByOne = std::string(bytes);
  for (const sys::ProfileEntry& entry : entries)
    if (oneByOne)
      oneByOne = sys::EditProfile(*oneByOne, entry.section, entry.key, entry.value);
  Check(sys::EditProfile(bytes, entries) == oneByOne);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  sys::ProfileDocument doc = sys::ProfileDocument::FromBytes(bytes);
  for (std::string_view key : {"name", "file", "preview", "puzzles"})
    (void)doc.Find("Package", key);
  EditAndCheck(bytes, "Severity", "puzzle_1", "4", "Package", "name");
  EditAndCheck(bytes, "User", "last_puzzle", "12", "Severity", "puzzle_1");
  EditAndCheck(bytes, "Package", "name", "Größe & Co", "User", "last_puzzle");
  CheckBatch(bytes, {{"Severity", "puzzle_1", "4"},
                     {"severity", "Puzzle_2", " 5"},
                     {"User", "last_puzzle", "12"},
                     {"Severity", "PUZZLE_1", "3"},
                     {" New ", "key", "value"}});
  CheckBatch(bytes, {{"Package", "name", "Größe & Co"}, {"Package", "puzzles", "2"}});
  return 0;
}
