// The control records the browser does not use but a complete skin has:
// one or more for every remaining type word, in the same walnut, cream and
// teal.

#include "ControlKit.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using gfx::Point;

namespace {

CheckImages CheckLooks(ControlKit& kit, bool radio) {
  Painter& p = kit.atlas.Paint();
  const std::string kind = radio ? "radio" : "check";
  CheckImages c{};
  Rect* slots[] = {&c.check,         &c.uncheck,       &c.activeCheck,
                   &c.activeUncheck, &c.disabledCheck, &c.disabledUncheck};
  for (int i = 0; i < 6; ++i) {
    const Rect r = *slots[i] = kit.atlas.Place(13, 13, kind);
    const bool active = i == 2 || i == 3;
    const bool disabled = i >= 4;
    const bool checked = i % 2 == 0;
    const ColorRef rim = disabled ? Mix(kWalnut, kCream, 140) : active ? kTeal : kWalnut;
    const ColorRef face = active ? kPaleTeal : disabled ? gfx::RGB(238, 232, 220) : kField;
    p.Fill(r, kCream);
    if (radio) {
      p.Disc(r.left + 6.5, r.top + 6.5, 6.3, rim);
      p.Disc(r.left + 6.5, r.top + 6.5, 5.2, face);
    } else {
      CutPlate(p, r, 1, face, face, rim, kCream);
    }
    const ColorRef mark = disabled ? kMutedText : kTeal;
    if (checked && radio)
      DrawDot(p, r, mark);
    else if (checked)
      DrawCheck(p, r, mark);
  }
  return c;
}

void CheckRadio(ControlKit& kit, const std::string& name, const CheckImages& c) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(60, 20, name);
  const Rect active = kit.atlas.Place(60, 20, name + " hover");
  p.Fill(skin, kCream);
  CutPlate(p, active, 2, Mix(kCream, kPaleTeal, 160), Mix(kCream, kPaleTeal, 160),
           Mix(kTeal, kCream, 150), kCream);
  SkinText& ini = kit.Ini();
  kit.Head(name, "checkradio", kControlsPicture, kCheckRadioMask, skin);
  TileKeys(ini, {20, 0}, {40, 0}, {}, {}, {18, 0, 58, 20});
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("unenabledfontcolor", kMutedText);
  ini.Color("framefontcolor", kWalnut);
  ini.Rect("activeskinrect", active);
  ini.Rect("checkimagearea", {3, 3, 16, 16});
  ini.Rect("textarea", {20, 0, 58, 20});
  ini.Rect("checkimagerect", c.check);
  ini.Rect("uncheckimagerect", c.uncheck);
  ini.Rect("activecheckimagerect", c.activeCheck);
  ini.Rect("activeuncheckimagerect", c.activeUncheck);
  ini.Rect("unenabledcheckimagerect", c.disabledCheck);
  ini.Rect("unenableduncheckimagerect", c.disabledUncheck);
  ini.Flag("morphing", true);
  ini.Text("morphkind", "mkdefault");
}

// A mask the size of a record's picture with the buttons' soft corners.
gfx::Bitmap CornerMask(int w, int h) {
  gfx::Bitmap mask(w, h, gfx::clBlack);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!InCutShape(mask.Bounds(), 2, x, y))
        mask.SetPixel(x, y, gfx::clWhite);
  return mask;
}

void MenuButton(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const State states[] = {State::Normal, State::Hover, State::Down, State::Disabled};
  Rect looks[4];
  for (int i = 0; i < 4; ++i) {
    looks[i] = kit.atlas.Place(36, 22, "menubutton");
    ButtonFace(p, looks[i], states[i], 1, kSoftCorner);
    p.VLine(looks[i].left + 24, looks[i].top + 4, looks[i].top + 18, Mix(kWalnut, kCream, 120));
    DrawArrow(p, {looks[i].left + 25, looks[i].top + 4, looks[i].right - 1, looks[i].top + 13},
              Direction::Down, states[i] == State::Disabled ? kMutedText : kWalnut, true);
  }
  SkinText& ini = kit.Ini();
  kit.Head("menubutton", "menubutton", kControlsPicture, -1, looks[0]);
  TileKeys(ini, {4, 4}, {22, 14}, {4, 18}, {22, 18}, {4, 4, 22, 18});
  ButtonKeys(ini, looks, false);
  ini.Rect("trackbuttonrect", {24, 0, 36, 22});
}

void Gauge(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(40, 14, "gauge");
  FieldFace(p, skin, false, kSoftCorner);
  const Rect progress = kit.atlas.Place(10, 10, "gauge progress");
  CutPlate(p, progress, 1, kTealLight, kTeal, Mix(kTeal, kWalnutDark, 60), kField);
  SkinText& ini = kit.Ini();
  kit.Head("gauge", "gauge", kControlsPicture, -1, skin);
  TileKeys(ini, {3, 0}, {37, 0}, {}, {}, {2, 2, 38, 12});
  ini.Rect("progressarea", {2, 2, 38, 12});
  ini.Rect("progressrect", progress);
  ini.Int("beginoffset", 2);
  ini.Int("endoffset", 2);
  ini.Flag("vertical", false);
  ini.Font("Arial", 14, "fsbold", kInk);
}

void Splitter(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(6, 24, "vsplitter");
  p.Fill(skin, kCream);
  p.VLine(skin.left + 2, skin.top, skin.bottom, Mix(kWalnut, kCream, 100));
  p.VLine(skin.left + 3, skin.top, skin.bottom, kHighlight);
  SkinText& ini = kit.Ini();
  kit.Head("vsplitter", "splitter", kControlsPicture, -1, skin);
  TileKeys(ini, {0, 4}, {}, {0, 20}, {}, {0, 4, 6, 20});
}

void TrackBar(ControlKit& kit, const std::string& name, bool vertical, int mask) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = vertical ? kit.atlas.Place(20, 60, name) : kit.atlas.Place(60, 20, name);
  p.Fill(skin, kCream);
  const Rect groove = vertical ? Rect{skin.left + 8, skin.top + 4, skin.left + 12, skin.bottom - 4}
                               : Rect{skin.left + 4, skin.top + 8, skin.right - 4, skin.top + 12};
  CutPlate(p, groove, 1, kWalnut, kWalnut, kWalnutDark, kCream);
  const Rect thumb = vertical ? kit.atlas.Place(18, 11, name + " thumb")
                              : kit.atlas.Place(11, 18, name + " thumb");
  const Rect hover = vertical ? kit.atlas.Place(18, 11, name + " thumb hover")
                              : kit.atlas.Place(11, 18, name + " thumb hover");
  ButtonFace(p, thumb, State::Normal, 2, kCream);
  ButtonFace(p, hover, State::Hover, 2, kCream);
  kit.parts.active[mask] = {.name = vertical ? "vtrackmask.bmp" : "htrackmask.bmp",
                            .picture = CornerMask(skin.Width(), skin.Height())};
  SkinText& ini = kit.Ini();
  kit.Head(name, "trackbar", kControlsPicture, mask, skin);
  if (vertical)
    TileKeys(ini, {0, 6}, {}, {0, 54}, {}, {0, 6, 20, 54});
  else
    TileKeys(ini, {6, 0}, {54, 0}, {}, {}, {6, 0, 54, 20});
  ini.Rect("trackarea", vertical ? Rect{0, 6, 20, 54} : Rect{6, 0, 54, 20});
  ini.Rect("buttonrect", thumb);
  ini.Rect("activebuttonrect", hover);
  ini.Flag("vertical", vertical);
}

void LabelPlate(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(30, 18, "label");
  CutPlate(p, skin, 2, kHighlight, Mix(kCream, kPaperShadow, 100), kPaperShadow, kCream);
  SkinText& ini = kit.Ini();
  kit.Head("label", "label", kControlsPicture, -1, skin);
  TileKeys(ini, {3, 0}, {27, 0}, {}, {}, {3, 1, 27, 17});
  ini.Font("Arial", 14, "", kInk);
}

// Edit fields: cream, a teal rim when focused; the small button reuses the
// combo box's drop button.
struct EditLooks {
  Rect normal, focused;
};

EditLooks EditFields(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  EditLooks e{kit.atlas.Place(40, 20, "edit"), kit.atlas.Place(40, 20, "edit focused")};
  FieldFace(p, e.normal, false, kSoftCorner);
  FieldFace(p, e.focused, true, kSoftCorner);
  return e;
}

void EditKeys(SkinText& ini, const ControlKit& kit, const Rect& focused) {
  TileKeys(ini, {3, 3}, {37, 3}, {3, 17}, {37, 17}, {3, 3, 37, 17});
  ini.Rect("activeskinrect", focused);
  ini.Font("Arial", 14, "", kInk);
  ini.Color("disabledfontcolor", kMutedText);
  ini.Color("activefontcolor", kInk);
  ini.Rect("buttonrect", {25, 3, 38, 17});
  ini.Rect("activebuttonrect", kit.dropHover);
  ini.Rect("downbuttonrect", kit.dropDown);
  ini.Rect("unenabledbuttonrect", kit.dropDisabled);
}

void Edits(ControlKit& kit) {
  const EditLooks e = EditFields(kit);
  SkinText& ini = kit.Ini();
  kit.Head("edit", "edit", kControlsPicture, -1, e.normal);
  EditKeys(ini, kit, e.focused);
  kit.Head("memo", "memo", kControlsPicture, -1, e.normal);
  EditKeys(ini, kit, e.focused);
  ini.Color("bgcolor", kField);
  ini.Color("activebgcolor", kField);

  // The spin edit keeps its two small arrow buttons in its fixed right part.
  Painter& p = kit.atlas.Paint();
  const Rect spin = kit.atlas.Place(40, 20, "spinedit");
  const Rect spinFocused = kit.atlas.Place(40, 20, "spinedit focused");
  const Rect up{27, 2, 38, 10}, down{27, 10, 38, 18};
  for (const Rect& r : {spin, spinFocused}) {
    FieldFace(p, r, r == spinFocused, kSoftCorner);
    ButtonFace(p, up.Offset(r.left, r.top), State::Normal, 1, kField);
    ButtonFace(p, down.Offset(r.left, r.top), State::Normal, 1, kField);
    DrawArrow(p, up.Offset(r.left, r.top), Direction::Up, kWalnut, true);
    DrawArrow(p, down.Offset(r.left, r.top), Direction::Down, kWalnut, true);
  }
  Rect looks[4];
  const State states[] = {State::Hover, State::Down, State::Hover, State::Down};
  for (int i = 0; i < 4; ++i) {
    looks[i] = kit.atlas.Place(11, 8, "spin button");
    p.Fill(looks[i], kField);
    ButtonFace(p, looks[i], states[i], 1, kField);
    DrawArrow(p, looks[i].Offset(i % 2, i % 2), i < 2 ? Direction::Up : Direction::Down, kWalnut,
              true);
  }
  kit.Head("spinedit", "spinedit", kControlsPicture, -1, spin);
  TileKeys(ini, {3, 0}, {24, 0}, {}, {}, {3, 3, 26, 17});
  ini.Rect("activeskinrect", spinFocused);
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("disabledfontcolor", kMutedText);
  ini.Rect("upbuttonrect", up);
  ini.Rect("activeupbuttonrect", looks[0]);
  ini.Rect("downupbuttonrect", looks[1]);
  ini.Rect("downbuttonrect", down);
  ini.Rect("activedownbuttonrect", looks[2]);
  ini.Rect("downdownbuttonrect", looks[3]);
}

void CheckListBox(ControlKit& kit) {
  kit.Head("checklistbox", "checklistbox", kControlsPicture, -1, kit.list.skin);
  WriteListBoxKeys(kit);
  SkinText& ini = kit.Ini();
  ini.Rect("itemcheckrect", {2, 2, 15, 15});
  ini.Rect("checkimagerect", kit.checks.check);
  ini.Rect("uncheckimagerect", kit.checks.uncheck);
}

}  // namespace

void AddOtherControls(ControlKit& kit) {
  kit.checks = CheckLooks(kit, false);
  kit.radios = CheckLooks(kit, true);
  CheckRadio(kit, "checkbox", kit.checks);
  CheckRadio(kit, "radiobox", kit.radios);
  kit.parts.active[kCheckRadioMask] = {.name = "checkmask.bmp", .picture = CornerMask(60, 20)};
  MenuButton(kit);
  Gauge(kit);
  Splitter(kit);
  TrackBar(kit, "htrackbar", false, kHTrackBarMask);
  TrackBar(kit, "vtrackbar", true, kVTrackBarMask);
  LabelPlate(kit);
  Edits(kit);
  CheckListBox(kit);
  AddPanelsAndViews(kit);
}

}  // namespace skingen
