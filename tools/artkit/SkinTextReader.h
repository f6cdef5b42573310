#pragma once

// A small reader of skin texts for the generators' tests: sections of
// key=value lines, names matched without regard to case, the last section
// of a name and the last key of a section winning, as the skin engine reads
// them. It checks what the generator wrote; the engine has its own reader.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace art {

class SkinTextReader {
 public:
  explicit SkinTextReader(const std::string& text);

  bool HasSection(const std::string& section) const;
  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  std::string Text(const std::string& section, const std::string& key) const;
  int Int(const std::string& section, const std::string& key, int fallback = 0) const;
  gfx::Rect Rect(const std::string& section, const std::string& key) const;
  gfx::Point Point(const std::string& section, const std::string& key) const;
  // The keys of a section in the order they were written.
  std::vector<std::string> Keys(const std::string& section) const;
  // The lines that are neither blank, a section header nor key=value.
  const std::vector<std::string>& StrayLines() const { return stray_; }

 private:
  struct Section {
    std::vector<std::pair<std::string, std::string>> keys;  // lower-case names
  };
  std::map<std::string, Section> sections_;  // lower-case names
  std::vector<std::string> stray_;
};

}  // namespace art
