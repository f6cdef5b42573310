#pragma once

// Builds the skin text: sections of key=value lines written in the order
// the skin engine reads them, with the value spellings of the format
// (rectangles and points as comma-separated numbers, flags as 1 or 0).

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace skingen {

class SkinText {
 public:
  // Starts a section; a blank line separates it from the previous one.
  void Section(const std::string& name);
  void Text(const std::string& key, const std::string& value);
  void Int(const std::string& key, int value);
  void Flag(const std::string& key, bool value);
  void Color(const std::string& key, gfx::ColorRef value);
  void Rect(const std::string& key, const gfx::Rect& value);
  void Point(const std::string& key, const gfx::Point& value);
  // fontname, fontheight, fontstyle, fontcolor.
  void Font(const std::string& name, int height, const std::string& style, gfx::ColorRef color);

  // Appends a new section `to` with the keys of section `from` in their
  // order, the values of the keys named in `overrides` replaced. Returns
  // false when `from` is missing or an override names no key of it.
  bool CopySection(const std::string& from, const std::string& to,
                   const std::vector<std::pair<std::string, std::string>>& overrides);

  // Appends another builder's lines as they are.
  void Append(const SkinText& other);

  // The whole text with CR LF line ends, as skin files are written.
  std::string ToString() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace skingen
