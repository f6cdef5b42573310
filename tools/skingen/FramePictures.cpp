// The window frame: main picture, mask, the objects' active picture, and the
// FORMINFO section with the frame's object records.

#include <cmath>

#include "SkinGen.h"
#include "SkinLook.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using art::Shade;
using gfx::Point;

namespace {

constexpr int kWidth = 205;
constexpr int kHeight = 167;
constexpr Rect kClient{7, 30, 198, 160};
constexpr Point kLeftTop{60, 30}, kRightTop{86, 30}, kLeftBottom{60, 160}, kRightBottom{145, 160};
constexpr Rect kCaption{55, 7, 91, 22};
constexpr Rect kButtons{116, 7, 181, 23};
constexpr Rect kSysMenu{9, 7, 25, 23};
constexpr int kCornerRadius = 6;

// Caption buttons are 15 x 16; the objects picture keeps one cell per
// state, a row per kind of look.
constexpr int kCellW = 15, kCellH = 16;
constexpr Rect Cell(int column, int row) {
  return Rect::FromXYWH(column * kCellW, row * kCellH, kCellW, kCellH);
}
constexpr Rect kSysMenuHover{0, 48, 16, 64}, kSysMenuDown{16, 48, 32, 64},
    kSysMenuDisabled{32, 48, 48, 64};
constexpr Rect kCaptionActive{0, 64, 36, 79};
constexpr int kMenuBarButtonsTop = 80;

// Whether a pixel of the top corners lies outside the rounded shape.
bool OutsideRoundCorner(int x, int y) {
  const int cx = x < kCornerRadius ? kCornerRadius : kWidth - kCornerRadius;
  if (y >= kCornerRadius || (x >= kCornerRadius && x < kWidth - kCornerRadius))
    return false;
  const double dx = x + 0.5 - cx, dy = y + 0.5 - kCornerRadius;
  return dx * dx + dy * dy > kCornerRadius * kCornerRadius;
}

ColorRef FramePixel(const Walnut& walnut, int x, int y) {
  const int mirrored = x <= kWidth / 2 ? x : kWidth - 1 - x;
  const bool outerEdge = mirrored == 0;
  if (y < kClient.top) {
    if (y == kClient.top - 1 && mirrored < 6)
      return walnut.Side(mirrored);
    if (outerEdge && y > 0)
      return walnut.Side(0);
    return walnut.Band(y);
  }
  if (y < kClient.bottom)
    return mirrored < 7 ? walnut.Side(mirrored) : kCream;
  if (y == kClient.bottom && mirrored < 6)
    return walnut.Side(mirrored);
  if (outerEdge)
    return walnut.Side(0);
  return walnut.Bottom(y - kClient.bottom);
}

gfx::Bitmap MainPicture(const Walnut& walnut) {
  gfx::Bitmap bitmap(kWidth, kHeight);
  Painter p(bitmap);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      p.Set(x, y, FramePixel(walnut, x, y));
  // Round the top corners; the rim of the curve carries the top highlight.
  for (int y = 0; y < kCornerRadius; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (OutsideRoundCorner(x, y))
        p.Set(x, y, kWalnutDark);
      else if ((x > 0 && OutsideRoundCorner(x - 1, y)) ||
               (x + 1 < kWidth && OutsideRoundCorner(x + 1, y)) ||
               (y > 0 && OutsideRoundCorner(x, y - 1)))
        p.Set(x, y, walnut.Band(0));
    }
  DrawEmblem(p, kSysMenu.left, kSysMenu.top, kCream, kTealLight, kWalnutDark);
  return bitmap;
}

gfx::Bitmap MaskPicture() {
  gfx::Bitmap bitmap(kWidth, kHeight, gfx::clBlack);
  for (int y = 0; y < kCornerRadius; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (OutsideRoundCorner(x, y))
        bitmap.SetPixel(x, y, gfx::clWhite);
  return bitmap;
}

// The band behind a cell whose top lies on frame row `frameTop`.
void BandBackground(Painter& p, const Walnut& walnut, const Rect& r, int frameTop) {
  for (int y = r.top; y < r.bottom; ++y)
    p.HLine(r.left, r.right, y, walnut.Band(frameTop + y - r.top));
}

void CaptionButton(Painter& p, const Walnut& walnut, const Rect& r, Glyph glyph, State state) {
  BandBackground(p, walnut, r, kButtons.top);
  switch (state) {
    case State::Normal:
    case State::Disabled:
      // An engraved plate: darker than the band, lit on its lower rim.
      CutPlate(p, r, 2, Shade(kWalnut, -16), Shade(kWalnut, -6), Mix(kWalnutDark, kWalnut, 50));
      p.HLine(r.left + 2, r.right - 2, r.bottom - 1, Shade(kWalnut, 20));
      DrawGlyph(p, r.left, r.top, glyph,
                state == State::Normal ? kCream : Mix(kWalnut, kCream, 90));
      break;
    case State::Hover:
      CutPlate(p, r, 2, gfx::RGB(96, 166, 168), kTeal, Mix(kTeal, kWalnutDark, 130));
      DrawGlyph(p, r.left, r.top, glyph, kHighlight);
      break;
    case State::Down:
      CutPlate(p, r, 2, gfx::RGB(26, 72, 78), gfx::RGB(40, 100, 108), kWalnutDark);
      DrawGlyph(p, r.left + 1, r.top + 1, glyph, kCream);
      break;
  }
}

// Menu-bar buttons sit on the cream menu bar: ink glyphs, teal on hover.
void MenuBarButton(Painter& p, const Rect& r, Glyph glyph, State state) {
  p.Fill(r, kCream);
  if (state == State::Hover)
    CutPlate(p, r, 2, kPaleTeal, gfx::RGB(190, 220, 214), Mix(kTeal, kCream, 80), kCream);
  if (state == State::Down)
    CutPlate(p, r, 2, gfx::RGB(150, 196, 194), kPaleTeal, kTeal, kCream);
  const int shift = state == State::Down ? 1 : 0;
  DrawGlyph(p, r.left + shift, r.top + shift, glyph, kInk);
}

void SysMenuCell(Painter& p, const Walnut& walnut, const Rect& r, State state) {
  BandBackground(p, walnut, r, kSysMenu.top);
  if (state == State::Hover) {
    CutPlate(p, r, 2, gfx::RGB(96, 166, 168), kTeal, Mix(kTeal, kWalnutDark, 130));
    DrawEmblem(p, r.left, r.top, kCream, kHighlight, kWalnutDark);
  } else if (state == State::Down) {
    CutPlate(p, r, 2, gfx::RGB(26, 72, 78), gfx::RGB(40, 100, 108), kWalnutDark);
    DrawEmblem(p, r.left + 1, r.top + 1, kCream, kTealLight, kWalnutDark);
  } else {
    DrawEmblem(p, r.left, r.top, Mix(kWalnut, kCream, 110), Mix(kWalnut, kTealLight, 110),
               kWalnutDark);
  }
}

// The caption's active look: a soft teal glow plate with rounded ends. Its
// first and last five columns are the fixed ends; the middle repeats.
void CaptionGlow(Painter& p, const Walnut& walnut, const Rect& r) {
  BandBackground(p, walnut, r, kCaption.top);
  const Rect plate{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const bool near =
          InCutShape({plate.left - 1, plate.top - 1, plate.right + 1, plate.bottom + 1}, 3, x, y);
      if (near && !InCutShape(plate, 3, x, y))
        p.Blend(x, y, kTealLight, 90);
    }
  CutPlate(p, plate, 3, gfx::RGB(180, 218, 212), gfx::RGB(116, 174, 172),
           Mix(kTeal, kWalnutDark, 60));
  p.HLine(plate.left + 3, plate.right - 3, plate.top + 1, gfx::RGB(206, 232, 226));
}

struct ButtonKind {
  const char* name;
  const char* hint;
  const char* command;
  Glyph glyph;
  Glyph restoreGlyph;
  int column;         // first cell of its three looks in the top row
  int restoreColumn;  // first cell of its restore looks, or -1
  int disabledColumn;
};

constexpr ButtonKind kButtonKinds[] = {
    {"closebutton", "Close", "cmclose", Glyph::Close, Glyph::Close, 0, -1, 0},
    {"maxbutton", "Maximize", "cmmaximize", Glyph::Maximize, Glyph::Restore, 3, 0, 1},
    {"minbutton", "Minimize", "cmminimize", Glyph::Minimize, Glyph::Restore, 6, 3, 2},
    {"rollupbutton", "Roll up", "cmrollup", Glyph::RollUp, Glyph::RollDown, 9, 6, 3},
};

void ObjectHead(SkinText& ini, const std::string& hint, bool inActivePicture, const Rect& skin,
                const Rect& active) {
  ini.Text("hint", hint);
  ini.Int("activepictureindex", kObjectsPicture);
  ini.Flag("skinrectinapicture", inActivePicture);
  ini.Rect("skinrect", skin);
  ini.Rect("activeskinrect", active);
  ini.Flag("morphing", true);
  ini.Text("morphkind", "mkdefault");
}

void StdButtonTail(SkinText& ini, const char* command, const Rect& restore,
                   const Rect& restoreActive, const Rect& restoreDown) {
  ini.Text("command", command);
  ini.Rect("restorerect", restore);
  ini.Rect("restoreactiverect", restoreActive);
  ini.Rect("restoredownrect", restoreDown);
  ini.Rect("restoreinactiverect", {});
}

gfx::Bitmap ObjectsPicture(const Walnut& walnut, SkinParts& parts) {
  gfx::Bitmap bitmap(12 * kCellW, kMenuBarButtonsTop + kCellH, kCream);
  Painter p(bitmap);
  std::vector<art::Annotation>& notes = parts.active[kObjectsPicture].annotations;
  const State looks[] = {State::Normal, State::Hover, State::Down};
  for (const ButtonKind& kind : kButtonKinds) {
    for (int s = 0; s < 3; ++s) {
      CaptionButton(p, walnut, Cell(kind.column + s, 0), kind.glyph, looks[s]);
      if (kind.restoreColumn >= 0)
        CaptionButton(p, walnut, Cell(kind.restoreColumn + s, 1), kind.restoreGlyph, looks[s]);
    }
    CaptionButton(p, walnut, Cell(kind.disabledColumn, 2), kind.glyph, State::Disabled);
    notes.push_back({Cell(kind.column, 0).Union(Cell(kind.column + 2, 0)), kind.name});
  }
  SysMenuCell(p, walnut, kSysMenuHover, State::Hover);
  SysMenuCell(p, walnut, kSysMenuDown, State::Down);
  SysMenuCell(p, walnut, kSysMenuDisabled, State::Disabled);
  CaptionGlow(p, walnut, kCaptionActive);
  notes.push_back({kCaptionActive, "caption1 active"});
  notes.push_back({kSysMenuHover.Union(kSysMenuDisabled), "systemmenubutton"});
  const Glyph barGlyphs[] = {Glyph::Close, Glyph::Maximize, Glyph::Minimize, Glyph::SysMenu};
  for (int k = 0; k < 4; ++k)
    for (int s = 0; s < 3; ++s)
      MenuBarButton(p, Cell(k * 3 + s, kMenuBarButtonsTop / kCellH), barGlyphs[k], looks[s]);
  return bitmap;
}

void FrameObjects(SkinParts& parts) {
  SkinText& ini = parts.records;
  parts.objects.push_back("caption1:caption");
  ini.Section("caption1");
  ObjectHead(ini, "", false, kCaption, kCaptionActive);
  ini.Rect("textrect", {6, 0, 30, 15});
  ini.Font("Arial", 14, "fsbold", 12632256);  // silver while the window is inactive
  ini.Color("activefontcolor", 0);            // black on the teal glow
  ini.Text("alignment", "tacenter");
  ini.Flag("shadow", true);
  ini.Color("shadowcolor", kWalnutDark);
  ini.Color("activeshadowcolor", gfx::RGB(200, 228, 222));
  ini.Rect("framerect", {});
  ini.Rect("activeframerect", {});
  ini.Rect("frametextrect", {});
  ini.Int("frameleftoffset", 0);
  ini.Int("framerightoffset", 0);

  for (const ButtonKind& kind : kButtonKinds) {
    parts.objects.push_back(std::string(kind.name) + ":stdbutton");
    ini.Section(kind.name);
    ObjectHead(ini, kind.hint, true, Cell(kind.column, 0), Cell(kind.column + 1, 0));
    ini.Rect("downrect", Cell(kind.column + 2, 0));
    ini.Rect("disableskinrsect", Cell(kind.disabledColumn, 2));
    if (kind.restoreColumn >= 0)
      StdButtonTail(ini, kind.command, Cell(kind.restoreColumn, 1), Cell(kind.restoreColumn + 1, 1),
                    Cell(kind.restoreColumn + 2, 1));
    else
      StdButtonTail(ini, kind.command, {}, {}, {});
  }

  parts.objects.push_back("systemmenubutton:stdbutton");
  ini.Section("systemmenubutton");
  ObjectHead(ini, "System menu", false, kSysMenu, kSysMenuHover);
  ini.Rect("downrect", kSysMenuDown);
  ini.Rect("disableskinrsect", kSysMenuDisabled);
  StdButtonTail(ini, "cmsysmenu", {}, {}, {});
}

// The main menu bar's buttons (not used by the browser, part of a complete
// skin): ink glyphs on the cream bar.
void MenuBarButtonObjects(SkinParts& parts) {
  struct Kind {
    const char* name;
    const char* hint;
    const char* command;
  };
  const Kind kinds[] = {{"mbclosebutton", "Close", "cmclose"},
                        {"mbmaxbutton", "Maximize", "cmmaximize"},
                        {"mbminbutton", "Minimize", "cmminimize"},
                        {"mbsysmenubutton", "System menu", "cmsysmenu"}};
  const int row = kMenuBarButtonsTop / kCellH;
  for (int k = 0; k < 4; ++k) {
    parts.objects.push_back(std::string(kinds[k].name) + ":mainmenubarbutton");
    SkinText& ini = parts.records;
    ini.Section(kinds[k].name);
    ObjectHead(ini, kinds[k].hint, true, Cell(k * 3, row), Cell(k * 3 + 1, row));
    ini.Rect("downrect", Cell(k * 3 + 2, row));
    ini.Rect("disableskinrsect", {});
    StdButtonTail(ini, kinds[k].command, {}, {}, {});
  }
}

void FormInfo(SkinText& ini) {
  ini.Section("FORMINFO");
  ini.Point("lefttoppoint", kLeftTop);
  ini.Point("righttoppoint", kRightTop);
  ini.Point("leftbottompoint", kLeftBottom);
  ini.Point("rightbottompoint", kRightBottom);
  ini.Rect("clientrect", kClient);
  ini.Int("bgpictureindex", -1);
  ini.Int("mdibgpictureindex", -1);
  ini.Flag("leftstretch", false);
  ini.Flag("rightstretch", false);
  ini.Flag("topstretch", false);
  ini.Flag("bottomstretch", false);
  ini.Rect("maskrectarea", kClient);
  ini.Point("hittestlefttoppoint", kLeftTop);
  ini.Point("hittestrighttoppoint", kRightTop);
  ini.Point("hittestleftbottompoint", kLeftBottom);
  ini.Point("hittestrightbottompoint", kRightBottom);
  ini.Rect("buttonsrect", kButtons);
  ini.Rect("captionrect", kCaption);
  ini.Int("buttonsoffset", 2);
  ini.Flag("buttonsinleft", false);
  ini.Flag("mainmenupopupup", false);
  ini.Int("borderwidth", 4);
  ini.Flag("autorenderinginactiveimage", false);
  ini.Text("inactiveeffect", "iebrightness");
}

}  // namespace

void AddFramePictures(SkinParts& parts) {
  const Walnut walnut;
  parts.picture = {.name = "frame.bmp", .picture = MainPicture(walnut)};
  parts.picture.annotations = {{kClient, "clientrect"},
                               {kCaption, "caption1"},
                               {kButtons, "buttonsrect"},
                               {kSysMenu, "systemmenubutton"}};
  parts.mask = {.name = "framemask.bmp", .picture = MaskPicture()};
  parts.active[kObjectsPicture].name = "objects.bmp";
  parts.active[kObjectsPicture].picture = ObjectsPicture(walnut, parts);
  FormInfo(parts.head);
  FrameObjects(parts);
}

void AddMenuBarButtons(SkinParts& parts) {
  MenuBarButtonObjects(parts);
}

}  // namespace skingen
