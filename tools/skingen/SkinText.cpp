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
