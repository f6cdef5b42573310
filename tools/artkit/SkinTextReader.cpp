#include "SkinTextReader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace art {

namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos)
    return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The numbers of a point or rectangle value: digits build a number, a comma
// starts the next, everything else is skipped.
std::vector<int> Numbers(const std::string& value) {
  std::vector<int> numbers(1, 0);
  for (char c : value) {
    if (c == ',')
      numbers.push_back(0);
    else if (c >= '0' && c <= '9')
      numbers.back() = numbers.back() * 10 + (c - '0');
  }
  return numbers;
}

}  // namespace

SkinTextReader::SkinTextReader(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  Section* current = nullptr;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';')
      continue;
    if (line.front() == '[' && line.back() == ']') {
      // A later section of the same name hides the earlier one.
      Section& section = sections_[Lower(Trim(line.substr(1, line.size() - 2)))];
      section = {};
      current = &section;
      continue;
    }
    const auto eq = line.find('=');
    if (!current || eq == std::string::npos) {
      stray_.push_back(line);
      continue;
    }
    current->keys.emplace_back(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
  }
}

bool SkinTextReader::HasSection(const std::string& section) const {
  return sections_.contains(Lower(section));
}

std::optional<std::string> SkinTextReader::Value(const std::string& section,
                                                 const std::string& key) const {
  const auto it = sections_.find(Lower(section));
  if (it == sections_.end())
    return std::nullopt;
  const std::string name = Lower(key);
  std::optional<std::string> value;
  for (const auto& [k, v] : it->second.keys)
    if (k == name)
      value = v;  // the last one wins
  return value;
}

std::string SkinTextReader::Text(const std::string& section, const std::string& key) const {
  return Value(section, key).value_or("");
}

int SkinTextReader::Int(const std::string& section, const std::string& key, int fallback) const {
  const auto value = Value(section, key);
  if (!value || value->empty())
    return fallback;
  char* end = nullptr;
  const long n = std::strtol(value->c_str(), &end, 10);
  return *end == '\0' ? static_cast<int>(n) : fallback;
}

gfx::Rect SkinTextReader::Rect(const std::string& section, const std::string& key) const {
  const auto n = Numbers(Text(section, key));
  return n.size() == 4 ? gfx::Rect{n[0], n[1], n[2], n[3]} : gfx::Rect{};
}

gfx::Point SkinTextReader::Point(const std::string& section, const std::string& key) const {
  const auto n = Numbers(Text(section, key));
  return n.size() == 2 ? gfx::Point{n[0], n[1]} : gfx::Point{};
}

std::vector<std::string> SkinTextReader::Keys(const std::string& section) const {
  std::vector<std::string> keys;
  const auto it = sections_.find(Lower(section));
  if (it != sections_.end())
    for (const auto& [k, v] : it->second.keys)
      keys.push_back(k);
  return keys;
}

}  // namespace art
