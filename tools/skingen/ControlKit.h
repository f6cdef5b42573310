#pragma once

// Shared state of the control records while the atlas is drawn: looks that
// several records use (check marks, small buttons) are drawn once.

#include <stdexcept>

#include "ControlAtlas.h"
#include "SkinGen.h"
#include "SkinLook.h"

namespace skingen {

struct CheckImages {
  Rect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck;
};

struct ListLooks {
  Rect skin, item, active, focus;
};

struct ControlKit {
  Atlas& atlas;
  SkinParts& parts;
  CheckImages checks{};
  CheckImages radios{};
  // The combo box's small teal drop button in its hover, pressed and
  // disabled looks (13 x 14), shared with the edit records.
  Rect dropHover{}, dropDown{}, dropDisabled{};
  ListLooks list{};

  SkinText& Ini() { return parts.records; }
  // A further record with the keys of an existing one, some values changed.
  void Variant(const std::string& name, const std::string& type, const std::string& from,
               const std::vector<std::pair<std::string, std::string>>& overrides = {}) {
    if (!parts.records.CopySection(from, name, overrides))
      throw std::logic_error("cannot make " + name + " from " + from);
    parts.controls.push_back(name + ":" + type);
  }
  void Head(const std::string& name, const std::string& type, int picture, int mask,
            const Rect& skin) {
    ControlHead(parts.records, parts.controls, name, type, picture, mask, skin);
  }
};

// The tone drawn round unmasked controls' cut corners: halfway between the
// walnut panel and the cream paper they sit on, so it reads as a soft edge
// on either.
inline constexpr gfx::ColorRef kSoftCorner = gfx::RGB(170, 150, 130);

// The records the browser window and its dialogs bind to, then the others.
void AddBrowserControls(ControlKit& kit);
void AddOtherControls(ControlKit& kit);
void AddPanelsAndViews(ControlKit& kit);
// Further records of existing type words: tool buttons, bars, group boxes,
// label styles and the like, as applications of the skin expect them.
void AddVariantControls(ControlKit& kit);

// The keys of a list box record after its first three, shared by the check
// list box.
void WriteListBoxKeys(ControlKit& kit);

}  // namespace skingen
