// Further records of existing type words, so that the skin serves more
// than the browser's own window: flat tool buttons, a default button, bars,
// group boxes, label styles and second names of the common controls.

#include "ControlKit.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using gfx::Point;

namespace {

std::string RectText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string ColorText(ColorRef c) {
  return std::to_string(c);
}

// Tool buttons lie flat on their bar until the pointer comes.
void ToolButton(ControlKit& kit, const std::string& name, int size, int edge) {
  Painter& p = kit.atlas.Paint();
  const State states[] = {State::Normal, State::Hover, State::Down, State::Disabled};
  Rect looks[4];
  for (int i = 0; i < 4; ++i) {
    looks[i] = kit.atlas.Place(size, size, name);
    if (states[i] == State::Normal || states[i] == State::Disabled)
      p.Fill(looks[i], kCream);
    else
      ButtonFace(p, looks[i], states[i], 2, kCream);
  }
  kit.Head(name, "button", kControlsPicture, -1, looks[0]);
  TileKeys(kit.Ini(), {edge, edge}, {size - edge, edge}, {edge, size - edge},
           {size - edge, size - edge}, {edge, edge, size - edge, size - edge});
  ButtonKeys(kit.Ini(), looks, true);
}

// The button Enter presses: the push button with a teal rim.
void DefaultButton(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const State states[] = {State::Normal, State::Hover, State::Down, State::Disabled};
  Rect looks[4];
  for (int i = 0; i < 4; ++i) {
    looks[i] = kit.atlas.Place(28, 22, "defaultbutton");
    ButtonFace(p, looks[i], states[i], 1, kSoftCorner, i == 3 ? Mix(kWalnut, kCream, 130) : kTeal);
  }
  kit.Head("defaultbutton", "button", kControlsPicture, -1, looks[0]);
  TileKeys(kit.Ini(), {4, 4}, {22, 4}, {4, 18}, {22, 18}, {4, 4, 24, 18});
  ButtonKeys(kit.Ini(), looks, false);
}

// A strip that repeats sideways with fixed ends three pixels wide.
void Bar(ControlKit& kit, const std::string& name, int height, bool sunken) {
  Painter& p = kit.atlas.Paint();
  const Rect r = kit.atlas.Place(40, height, name);
  if (sunken) {
    FieldFace(p, r, false, kCream);
  } else {
    p.VGradient(r, kHighlight, Mix(kCream, kPaperShadow, 90));
    p.HLine(r.left, r.right, r.bottom - 1, kPaperShadow);
  }
  kit.Head(name, "panel", kControlsPicture, -1, r);
  TileKeys(kit.Ini(), {3, 2}, {37, 2}, {3, height - 2}, {37, height - 2}, {3, 2, 37, height - 2});
  SkinText& ini = kit.Ini();
  ini.Int("bgpictureindex", -1);
  ini.Rect("captionrect", {3, 0, 37, height});
  ini.Text("alignment", "taleftjustify");
  ini.Font("Arial", 14, "", kInk);
  ini.Rect("checkimagerect", {});
  ini.Rect("uncheckimagerect", {});
}

void HSplitter(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(24, 6, "hsplitter");
  p.Fill(skin, kCream);
  p.HLine(skin.left, skin.right, skin.top + 2, Mix(kWalnut, kCream, 100));
  p.HLine(skin.left, skin.right, skin.top + 3, kHighlight);
  kit.Head("hsplitter", "splitter", kControlsPicture, -1, skin);
  TileKeys(kit.Ini(), {4, 0}, {20, 0}, {}, {}, {4, 0, 20, 6});
}

void VGauge(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(14, 40, "vgauge");
  FieldFace(p, skin, false, kSoftCorner);
  const Rect progress = kit.atlas.Place(10, 10, "vgauge progress");
  CutPlate(p, progress, 1, kTealLight, kTeal, Mix(kTeal, kWalnutDark, 60), kField);
  SkinText& ini = kit.Ini();
  kit.Head("vgauge", "gauge", kControlsPicture, -1, skin);
  TileKeys(ini, {0, 3}, {}, {0, 37}, {}, {2, 2, 12, 38});
  ini.Rect("progressarea", {2, 2, 12, 38});
  ini.Rect("progressrect", progress);
  ini.Int("beginoffset", 2);
  ini.Int("endoffset", 2);
  ini.Flag("vertical", true);
  ini.Font("Arial", 14, "fsbold", kInk);
}

}  // namespace

void AddVariantControls(ControlKit& kit) {
  ToolButton(kit, "toolbutton", 22, 4);
  ToolButton(kit, "bigtoolbutton", 40, 6);
  DefaultButton(kit);
  Bar(kit, "statusbar", 20, false);
  Bar(kit, "toolbar", 26, false);
  Bar(kit, "statuspanel", 20, true);
  HSplitter(kit);
  VGauge(kit);

  kit.Variant("groupbox", "panel", "panel", {{"alignment", "taleftjustify"}});
  kit.Variant("checkgroupbox", "panel", "panel", {{"alignment", "taleftjustify"}});
  kit.Variant("radiogroup", "panel", "panel",
              {{"alignment", "taleftjustify"},
               {"checkimagerect", RectText(kit.radios.check)},
               {"uncheckimagerect", RectText(kit.radios.uncheck)}});
  kit.Variant("scrollpanel", "scrollbox", "scrollbox");
  kit.Variant("stringgrid", "grid", "grid");
  kit.Variant("drawgrid", "grid", "grid");
  kit.Variant("buttonedit", "edit", "edit");
  kit.Variant("passwordedit", "edit", "edit");
  kit.Variant("captionlabel", "stdlabel", "stdlabel",
              {{"fontname", "Arial"}, {"fontstyle", "fsbold"}, {"fontcolor", ColorText(kInk)}});
  kit.Variant("linklabel", "stdlabel", "stdlabel",
              {{"fontname", "Arial"},
               {"fontstyle", "fsunderline"},
               {"fontcolor", ColorText(kTeal)},
               {"activefontcolor", ColorText(Mix(kTeal, kWalnutDark, 110))}});
  kit.Variant("hintlabel", "stdlabel", "stdlabel", {{"fontcolor", ColorText(kMutedText)}});
  kit.Variant("toolmenubutton", "menubutton", "menubutton");
  kit.Variant("lightbevel", "bevel", "bevel",
              {{"lightcolor", ColorText(kHighlight)}, {"darkcolor", ColorText(kPaperShadow)}});
  kit.Variant("notebook", "tab", "tab");
  kit.Variant("imagelistbox", "listbox", "listbox");
}

}  // namespace skingen
