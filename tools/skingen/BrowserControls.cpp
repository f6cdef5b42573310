// The control records the browser window and the message dialog bind to:
// push buttons, the combo box with its list and scroll bars, the up-downs,
// the label and the bevel.

#include "ControlKit.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using gfx::Point;

namespace {

// `button`: the dialog button, 20 high, its middle repeating sideways, its
// corners cut by the button mask. It sits at the atlas origin, so the mask
// lines up with it whether it is read from its own origin or in atlas
// coordinates.
void Button(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect normal = kit.atlas.Place(30, 20, "button");
  const Rect hover = kit.atlas.Place(30, 20, "button hover");
  const Rect down = kit.atlas.Place(30, 20, "button down");
  ButtonFace(p, normal, State::Normal, 2, kCream);
  ButtonFace(p, hover, State::Hover, 2, kCream);
  ButtonFace(p, down, State::Down, 2, kCream);

  gfx::Bitmap mask(30, 20, gfx::clBlack);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      if (!InCutShape(mask.Bounds(), 2, x, y))
        mask.SetPixel(x, y, gfx::clWhite);
  kit.parts.active[kButtonMask] = {.name = "buttonmask.bmp", .picture = std::move(mask)};

  SkinText& ini = kit.Ini();
  kit.Head("button", "button", kControlsPicture, kButtonMask, normal);
  TileKeys(ini, {4, 0}, {26, 0}, {0, 0}, {0, 0}, {3, 2, 27, 18});
  ButtonKeys(ini, 8421504, hover, down, {}, true);
}

// `resizebutton`: the window's buttons, any size; the picture's edges
// repeat along each side and the face fills the middle.
void ResizeButton(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const State states[] = {State::Normal, State::Hover, State::Down, State::Disabled};
  const char* labels[] = {"resizebutton", "resizebutton hover", "resizebutton down",
                          "resizebutton disabled"};
  Rect looks[4];
  for (int i = 0; i < 4; ++i) {
    looks[i] = kit.atlas.Place(28, 22, labels[i]);
    ButtonFace(p, looks[i], states[i], 1, kSoftCorner);
  }
  SkinText& ini = kit.Ini();
  kit.Head("resizebutton", "button", kControlsPicture, -1, looks[0]);
  TileKeys(ini, {4, 4}, {22, 4}, {4, 18}, {22, 18}, {4, 4, 24, 18});
  ButtonKeys(ini, looks, false);
}

void DropButton(Painter& p, const Rect& r, State state) {
  TealFace(p, r, state);
  const int shift = state == State::Down ? 1 : 0;
  const ColorRef arrow = state == State::Disabled ? kMutedText : kHighlight;
  DrawArrow(p, r.Offset(shift, shift), Direction::Down, arrow);
}

// `combobox`: a cream field with a teal drop button in its fixed right part.
void ComboBox(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(41, 18, "combobox");
  FieldFace(p, skin, false, kSoftCorner);
  DropButton(p, {skin.left + 26, skin.top + 2, skin.left + 39, skin.top + 16}, State::Normal);
  kit.dropHover = kit.atlas.Place(13, 14, "drop hover");
  kit.dropDown = kit.atlas.Place(13, 14, "drop down");
  kit.dropDisabled = kit.atlas.Place(13, 14, "drop disabled");
  DropButton(p, kit.dropHover, State::Hover);
  DropButton(p, kit.dropDown, State::Down);
  DropButton(p, kit.dropDisabled, State::Disabled);
  // The item area's backgrounds: the field as it is (its top row carries
  // the field's inner shadow), and with a teal focus ring.
  const Rect item = kit.atlas.Place(20, 16, "combo item");
  const Rect focus = kit.atlas.Place(20, 16, "combo focus");
  p.Fill(item, kField);
  p.HLine(item.left, item.right, item.top, p.Get(skin.left + 5, skin.top + 1));
  CutPlate(p, focus, 1, kField, kField, kTeal, kField);

  SkinText& ini = kit.Ini();
  kit.Head("combobox", "combobox", kControlsPicture, -1, skin);
  TileKeys(ini, {3, 0}, {21, 0}, {0, 0}, {0, 0}, {1, 1, 24, 17});
  ini.Rect("itemrect", item);
  ini.Rect("focusitemrect", focus);
  ini.Int("itemleftoffset", 2);
  ini.Int("itemrightoffset", 2);
  ini.Rect("itemtextrect", {2, 0, 18, 16});
  ini.Font("Arial", 14, "", kInk);
  ini.Color("focusfontcolor", kInk);
  ini.Text("listboxname", "listbox");
  ini.Rect("buttonrect", {26, 2, 39, 16});
  ini.Rect("activebuttonrect", kit.dropHover);
  ini.Rect("downbuttonrect", kit.dropDown);
  ini.Rect("unenabledbuttonrect", kit.dropDisabled);
}

// `listbox`: the drop-down list; the frame is two pixels on every side, so
// the picture is four pixels higher than its client area.
void ListBox(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(40, 56, "listbox");
  CutPlate(p, skin, 1, kField, kField, kWalnut, kSoftCorner);
  p.Frame({skin.left + 1, skin.top + 1, skin.right - 1, skin.bottom - 1},
          Mix(kField, kPaperShadow, 120));
  const Rect item = kit.atlas.Place(20, 18, "list item");
  const Rect active = kit.atlas.Place(20, 18, "list item selected");
  const Rect focus = kit.atlas.Place(20, 18, "list item focused");
  p.Fill(item, kField);
  CutPlate(p, active, 1, kPaleTeal, kPaleTeal, Mix(kTeal, kField, 150), kField);
  // The chosen row is a pale teal band rather than a dark one: the severity
  // list's star strips keep their own field-coloured background, and on a
  // pale band they read as part of the row instead of as a patch.
  CutPlate(p, focus, 1, gfx::RGB(222, 238, 233), gfx::RGB(190, 222, 216), kTeal, kField);
  kit.list = {skin, item, active, focus};
  kit.Head("listbox", "listbox", kControlsPicture, -1, skin);
  WriteListBoxKeys(kit);
}

}  // namespace

void WriteListBoxKeys(ControlKit& kit) {
  SkinText& ini = kit.Ini();
  TileKeys(ini, {2, 2}, {38, 2}, {2, 54}, {38, 54}, {2, 2, 38, 54});
  ini.Rect("itemrect", kit.list.item);
  ini.Rect("activeitemrect", kit.list.active);
  ini.Rect("focusitemrect", kit.list.focus);
  ini.Int("itemleftoffset", 2);
  ini.Int("itemrightoffset", 2);
  ini.Rect("itemtextrect", {2, 0, 18, 18});
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("focusfontcolor", kInk);
  ini.Rect("captionrect", {});
  ini.Text("captionfontname", "Arial");
  ini.Int("captionfontheight", 14);
  ini.Text("captionfontstyle", "fsbold");
  ini.Color("captionfontcolor", kInk);
  for (const char* key : {"upbuttonrect", "activeupbuttonrect", "downupbuttonrect",
                          "downbuttonrect", "activedownbuttonrect", "downdownbuttonrect",
                          "checkbuttonrect", "activecheckbuttonrect", "downcheckbuttonrect"})
    ini.Rect(key, {});
  ini.Text("vscrollbarname", "vscrollbar");
  ini.Text("hscrollbarname", "hscrollbar");
  ini.Text("bothhscrollbarname", "bothhscrollbar");
}

namespace {

// An arrow button of a scroll bar or up-down: cream face, walnut arrow.
void ArrowButton(Painter& p, const Rect& r, Direction d, State state) {
  ButtonFace(p, r, state, 2, kSoftCorner);
  const int shift = state == State::Down ? 1 : 0;
  DrawArrow(p, r.Offset(shift, shift), d, state == State::Disabled ? kMutedText : kWalnut);
}

struct ArrowLooks {
  Rect hover, down;
};

ArrowLooks ArrowStates(ControlKit& kit, int w, int h, Direction d, const std::string& label) {
  ArrowLooks looks{kit.atlas.Place(w, h, label + " hover"), kit.atlas.Place(w, h, label + " down")};
  ArrowButton(kit.atlas.Paint(), looks.hover, d, State::Hover);
  ArrowButton(kit.atlas.Paint(), looks.down, d, State::Down);
  return looks;
}

// A scroll bar: a slim walnut groove on a paper track between two arrow
// buttons; the thumb is a cream plate whose ends stay fixed when it is
// stretched to the page size.
void ScrollBar(ControlKit& kit, const std::string& name, bool vertical, bool corner) {
  Painter& p = kit.atlas.Paint();
  const int length = 60 + (corner ? 16 : 0);
  const Rect skin =
      vertical ? kit.atlas.Place(16, length, name) : kit.atlas.Place(length, 16, name);
  const ColorRef track = Mix(kCream, kPaperShadow, 110);
  p.Fill(skin, track);
  // Coordinates along the bar (a) and across it (b), so one routine draws both.
  auto R = [&](int a0, int b0, int a1, int b1) {
    return vertical ? Rect{skin.left + b0, skin.top + a0, skin.left + b1, skin.top + a1}
                    : Rect{skin.left + a0, skin.top + b0, skin.left + a1, skin.top + b1};
  };
  p.Fill(R(16, 6, 44, 10), Mix(kWalnut, track, 60));
  p.Fill(R(16, 7, 44, 9), kWalnut);
  if (corner)
    CutPlate(p, R(60, 0, 76, 16), 2, track, track, Mix(kPaperShadow, kWalnut, 60));
  const Direction back = vertical ? Direction::Up : Direction::Left;
  const Direction ahead = vertical ? Direction::Down : Direction::Right;
  ArrowButton(p, R(0, 0, 16, 16), back, State::Normal);
  ArrowButton(p, R(44, 0, 60, 16), ahead, State::Normal);
  const ArrowLooks backLooks = ArrowStates(kit, 16, 16, back, name + " back");
  const ArrowLooks aheadLooks = ArrowStates(kit, 16, 16, ahead, name + " ahead");

  Rect thumbs[3];
  const State states[] = {State::Normal, State::Hover, State::Down};
  for (int i = 0; i < 3; ++i) {
    thumbs[i] = vertical ? kit.atlas.Place(12, 20, name + " thumb")
                         : kit.atlas.Place(20, 12, name + " thumb");
    // The thumb's middle repeats along the bar, so its face may change only
    // across it: a vertical thumb is the horizontal one turned.
    gfx::Bitmap face(20, 12, track);
    Painter facePainter(face);
    ButtonFace(facePainter, face.Bounds(), states[i], 2, track);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 20; ++x)
        if (vertical)
          p.Set(thumbs[i].left + y, thumbs[i].top + x, face.GetPixel(x, y));
        else
          p.Set(thumbs[i].left + x, thumbs[i].top + y, face.GetPixel(x, y));
  }
  Rect grips[3];
  for (int i = 0; i < 3; ++i) {
    grips[i] =
        vertical ? kit.atlas.Place(8, 7, name + " grip") : kit.atlas.Place(7, 8, name + " grip");
    const Rect& t = thumbs[i];
    const int cx = t.left + t.Width() / 2 - grips[i].Width() / 2;
    const int cy = t.top + t.Height() / 2 - grips[i].Height() / 2;
    p.CopyWithin(Rect::FromXYWH(cx, cy, grips[i].Width(), grips[i].Height()), grips[i].left,
                 grips[i].top);
    DrawGrip(p, grips[i], vertical, Mix(kWalnut, kCream, 60), kHighlight);
  }

  SkinText& ini = kit.Ini();
  kit.Head(name, "scrollbar", kControlsPicture, -1, skin);
  if (vertical)
    TileKeys(ini, {0, 16}, {0, 0}, {0, 43}, {0, 0}, {0, 16, 16, 44});
  else
    TileKeys(ini, {16, 0}, {43, 0}, {0, 0}, {0, 0}, {16, 0, 44, 16});
  auto Local = [&](const Rect& r) { return r.Offset(-skin.left, -skin.top); };
  ini.Rect("trackarea", Local(R(16, 0, 44, 16)));
  ini.Rect("upbuttonrect", Local(R(44, 0, 60, 16)));
  ini.Rect("activeupbuttonrect", aheadLooks.hover);
  ini.Rect("downupbuttonrect", aheadLooks.down);
  ini.Rect("downbuttonrect", Local(R(0, 0, 16, 16)));
  ini.Rect("activedownbuttonrect", backLooks.hover);
  ini.Rect("downdownbuttonrect", backLooks.down);
  ini.Rect("thumbrect", thumbs[0]);
  ini.Rect("activethumbrect", thumbs[1]);
  ini.Rect("downthumbrect", thumbs[2]);
  ini.Int("thumboffset1", 4);
  ini.Int("thumboffset2", 4);
  ini.Rect("glyphrect", grips[0]);
  ini.Rect("activeglyphrect", grips[1]);
  ini.Rect("downglyphrect", grips[2]);
}

// The up-downs: two arrow buttons, never stretched.
void UpDown(ControlKit& kit, const std::string& name, bool vertical) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = vertical ? kit.atlas.Place(18, 36, name) : kit.atlas.Place(36, 18, name);
  const Rect first = Rect::FromXYWH(skin.left, skin.top, 18, 18);
  const Rect second = vertical ? first.Offset(0, 18) : first.Offset(18, 0);
  // Vertically the up button is on top; sideways the down button is left.
  const Direction firstArrow = vertical ? Direction::Up : Direction::Left;
  const Direction secondArrow = vertical ? Direction::Down : Direction::Right;
  ArrowButton(p, first, firstArrow, State::Normal);
  ArrowButton(p, second, secondArrow, State::Normal);
  const ArrowLooks firstLooks = ArrowStates(kit, 18, 18, firstArrow, name + " first");
  const ArrowLooks secondLooks = ArrowStates(kit, 18, 18, secondArrow, name + " second");
  const ArrowLooks& up = vertical ? firstLooks : secondLooks;
  const ArrowLooks& down = vertical ? secondLooks : firstLooks;
  const Rect upLocal = (vertical ? first : second).Offset(-skin.left, -skin.top);
  const Rect downLocal = (vertical ? second : first).Offset(-skin.left, -skin.top);

  SkinText& ini = kit.Ini();
  kit.Head(name, "updown", kControlsPicture, -1, skin);
  TileKeys(ini, {}, {}, {}, {}, {});
  ini.Rect("upbuttonrect", upLocal);
  ini.Rect("activeupbuttonrect", up.hover);
  ini.Rect("downupbuttonrect", up.down);
  ini.Rect("downbuttonrect", downLocal);
  ini.Rect("activedownbuttonrect", down.hover);
  ini.Rect("downdownbuttonrect", down.down);
}

void LabelAndBevel(ControlKit& kit) {
  SkinText& ini = kit.Ini();
  kit.Head("stdlabel", "stdlabel", -1, -1, {});
  ini.Font("MS Sans Serif", 14, "", 0);
  ini.Color("activefontcolor", 16744448);
  kit.Head("bevel", "bevel", -1, -1, {});
  ini.Color("lightcolor", 0);
  ini.Color("darkcolor", 12632256);
}

}  // namespace

void AddBrowserControls(ControlKit& kit) {
  Button(kit);
  ResizeButton(kit);
  ComboBox(kit);
  ListBox(kit);
  ScrollBar(kit, "vscrollbar", true, false);
  ScrollBar(kit, "hscrollbar", false, false);
  ScrollBar(kit, "bothhscrollbar", false, true);
  UpDown(kit, "vupdown", true);
  UpDown(kit, "hupdown", false);
  LabelAndBevel(kit);
}

}  // namespace skingen
