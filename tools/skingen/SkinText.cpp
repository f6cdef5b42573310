#include "SkinText.h"

namespace skingen {

void SkinText::Section(const std::string& name) {
  if (!lines_.empty())
    lines_.emplace_back();
  lines_.push_back("[" + name + "]");
}

void SkinText::Text(const std::string& key, const std::string& value) {
  lines_.push_back(key + "=" + value);
}

void SkinText::Int(const std::string& key, int value) {
  Text(key, std::to_string(value));
}

void SkinText::Flag(const std::string& key, bool value) {
  Text(key, value ? "1" : "0");
}

void SkinText::Color(const std::string& key, gfx::ColorRef value) {
  Text(key, std::to_string(value));
}

void SkinText::Rect(const std::string& key, const gfx::Rect& r) {
  Text(key, std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                "," + std::to_string(r.bottom));
}

void SkinText::Point(const std::string& key, const gfx::Point& p) {
  Text(key, std::to_string(p.x) + "," + std::to_string(p.y));
}

void SkinText::Font(const std::string& name, int height, const std::string& style,
                    gfx::ColorRef color) {
  Text("fontname", name);
  Int("fontheight", height);
  Text("fontstyle", style);
  Color("fontcolor", color);
}

bool SkinText::CopySection(const std::string& from, const std::string& to,
                           const std::vector<std::pair<std::string, std::string>>& overrides) {
  std::vector<std::string> keys;
  bool inside = false;
  for (const std::string& line : lines_) {
    if (!line.empty() && line.front() == '[')
      inside = line == "[" + from + "]";
    else if (inside && !line.empty())
      keys.push_back(line);
  }
  if (keys.empty())
    return false;
  std::size_t used = 0;
  for (std::string& line : keys)
    for (const auto& [key, value] : overrides)
      if (line.compare(0, key.size() + 1, key + "=") == 0) {
        line = key + "=" + value;
        ++used;
      }
  if (used != overrides.size())
    return false;
  Section(to);
  lines_.insert(lines_.end(), keys.begin(), keys.end());
  return true;
}

void SkinText::Append(const SkinText& other) {
  if (!lines_.empty() && !other.lines_.empty())
    lines_.emplace_back();
  lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end());
}

std::string SkinText::ToString() const {
  std::string text;
  for (const std::string& line : lines_)
    text += line + "\r\n";
  return text;
}

}  // namespace skingen
