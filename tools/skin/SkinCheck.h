#pragma once

// The skin check: what a skin author should fix although the engine loads
// the skin. Each finding names the section and key it is about.

#include <string>
#include <vector>

#include "skin/data/SkinData.h"

struct SkinFinding {
  std::string section;
  std::string key;  // empty for a finding about a whole section
  std::string message;
};

// Checks a loaded skin and the text it was read from (the container drops
// entries of unknown types, the text still has them). Findings come in
// section order: the entry lists, FORMINFO, the window records, the
// objects, the controls, then the records the browser window needs.
std::vector<SkinFinding> CheckSkin(TbsSkinData& data, const std::vector<std::string>& text);

// "[section] key: message"
std::string FormatFinding(const SkinFinding& finding);
