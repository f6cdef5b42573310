// Containers and views: panels, the roll-up panel, scroll box, control bar,
// tabs, grid, main menu bar, the text views and the slider.

#include "ControlKit.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using gfx::Point;

namespace {

// A cream panel with a walnut rim: panels, scroll boxes, control bars, pages.
Rect PanelLook(ControlKit& kit, const std::string& label) {
  const Rect r = kit.atlas.Place(40, 40, label);
  Painter& p = kit.atlas.Paint();
  CutPlate(p, r, 1, kCream, kCream, Mix(kWalnut, kCream, 70), kSoftCorner);
  p.HLine(r.left + 1, r.right - 1, r.top + 1, kHighlight);
  return r;
}

void PanelTiles(SkinText& ini) {
  TileKeys(ini, {3, 3}, {37, 3}, {3, 37}, {37, 37}, {3, 3, 37, 37});
}

void Panels(ControlKit& kit) {
  const Rect panel = PanelLook(kit, "panel");
  SkinText& ini = kit.Ini();
  kit.Head("panel", "panel", kControlsPicture, -1, panel);
  PanelTiles(ini);
  ini.Int("bgpictureindex", -1);
  ini.Rect("captionrect", {4, 2, 36, 18});
  ini.Text("alignment", "tacenter");
  ini.Font("Arial", 14, "fsbold", kInk);
  ini.Rect("checkimagerect", kit.checks.check);
  ini.Rect("uncheckimagerect", kit.checks.uncheck);

  kit.Head("scrollbox", "scrollbox", kControlsPicture, -1, panel);
  PanelTiles(ini);
  ini.Int("bgpictureindex", -1);

  Painter& p = kit.atlas.Paint();
  const Rect grip = kit.atlas.Place(10, 24, "controlbar band");
  p.Fill(grip, kCream);
  DrawGrip(p, grip, false, Mix(kWalnut, kCream, 90), kHighlight);
  kit.Head("controlbar", "controlbar", kControlsPicture, -1, panel);
  PanelTiles(ini);
  ini.Rect("itemrect", grip);
  ini.Int("bgpictureindex", -1);
}

// A 13 x 13 glyph button of the roll-up panel's walnut header.
Rect HeaderButton(ControlKit& kit, Glyph glyph, State state) {
  const Rect r = kit.atlas.Place(13, 13, "expanel button");
  Painter& p = kit.atlas.Paint();
  p.Fill(r, kWalnut);
  if (state == State::Hover)
    CutPlate(p, r, 2, gfx::RGB(96, 166, 168), kTeal, Mix(kTeal, kWalnutDark, 130), kWalnut);
  if (state == State::Down)
    CutPlate(p, r, 2, gfx::RGB(26, 72, 78), gfx::RGB(40, 100, 108), kWalnutDark, kWalnut);
  const int shift = state == State::Down ? 1 : 0;
  DrawGlyph(p, r.left - 1 + shift, r.top - 2 + shift, glyph, kCream);
  return r;
}

void ExPanel(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect skin = kit.atlas.Place(60, 60, "expanel");
  CutPlate(p, skin, 1, kCream, kCream, kWalnut, kSoftCorner);
  const Rect header{skin.left + 1, skin.top + 1, skin.right - 1, skin.top + 20};
  p.VGradient(header, art::Shade(kWalnut, 14), art::Shade(kWalnut, -8));
  p.HLine(header.left, header.right, header.bottom, kWalnutDark);
  const Rect rolledV = kit.atlas.Place(20, 60, "expanel rolled");
  CutPlate(p, rolledV, 1, kWalnut, kWalnut, kWalnutDark, kSoftCorner);

  const Glyph glyphs[] = {Glyph::Close, Glyph::RollUp, Glyph::RollDown, Glyph::Minimize,
                          Glyph::Maximize};
  const State states[] = {State::Normal, State::Hover, State::Down};
  Rect cells[5][3];
  for (int g = 0; g < 5; ++g)
    for (int s = 0; s < 3; ++s)
      cells[g][s] = HeaderButton(kit, glyphs[g], states[s]);

  SkinText& ini = kit.Ini();
  kit.Head("expanel", "expanel", kControlsPicture, -1, skin);
  TileKeys(ini, {4, 22}, {56, 22}, {4, 56}, {56, 56}, {2, 22, 58, 58});
  ini.Rect("rollhskinrect", {skin.left, skin.top, skin.right, skin.top + 22});
  ini.Rect("rollvskinrect", rolledV);
  ini.Int("rollleftoffset", 4);
  ini.Int("rollrightoffset", 4);
  ini.Int("rolltopoffset", 4);
  ini.Int("rollbottomoffset", 4);
  ini.Rect("rollvcaptionrect", {0, 20, 20, 56});
  ini.Rect("rollhcaptionrect", {4, 1, 40, 20});
  const char* names[] = {"closebutton", "hrollbutton", "hrestorebutton", "vrollbutton",
                         "vrestorebutton"};
  const char* suffixes[] = {"rect", "activerect", "downrect"};
  for (int g = 0; g < 5; ++g)
    for (int s = 0; s < 3; ++s)
      ini.Rect(std::string(names[g]) + suffixes[s], cells[g][s]);
  ini.Rect("captionrect", {4, 1, 40, 20});
  ini.Font("Arial", 14, "fsbold", kCream);
}

void Tabs(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect page = PanelLook(kit, "tab page");
  const char* labels[] = {"tab", "tab active", "tab focused", "tab hover"};
  Rect tabs[4];
  for (int i = 0; i < 4; ++i) {
    tabs[i] = kit.atlas.Place(30, 20, labels[i]);
    const ColorRef top = i == 1 || i == 2 ? kHighlight : i == 3 ? kPaleTeal : kCream;
    const ColorRef bottom = i == 1 || i == 2 ? kCream : Mix(kCream, kPaperShadow, 110);
    p.Fill(tabs[i], kCream);
    CutPlate(p, {tabs[i].left, tabs[i].top, tabs[i].right, tabs[i].bottom + 2}, 2, top, bottom,
             Mix(kWalnut, kCream, 70), kCream);
    if (i == 2)
      p.HLine(tabs[i].left + 2, tabs[i].right - 2, tabs[i].top + 1, kTeal);
  }
  const Rect strip = kit.atlas.Place(20, 20, "tabs background");
  p.Fill(strip, kCream);

  SkinText& ini = kit.Ini();
  kit.Head("tab", "tab", kControlsPicture, -1, page);
  ini.Rect("tabrect", tabs[0]);
  ini.Rect("activetabrect", tabs[1]);
  ini.Rect("focustabrect", tabs[2]);
  ini.Rect("mouseintabrect", tabs[3]);
  ini.Rect("clientrect", {3, 3, 37, 37});
  ini.Int("bgpictureindex", -1);
  ini.Point("lefttoppoint", {3, 3});
  ini.Point("righttoppoint", {37, 3});
  ini.Point("leftbottompoint", {3, 37});
  ini.Point("rightbottompoint", {37, 37});
  ini.Int("tableftoffset", 4);
  ini.Int("tabrightoffset", 4);
  ini.Rect("tabsbgrect", strip);
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("focusfontcolor", kTeal);
  ini.Color("mouseinfontcolor", kInk);
  ini.Text("updown", "hupdown");
}

void Grid(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect fixed = kit.atlas.Place(20, 18, "grid fixed cell");
  const Rect select = kit.atlas.Place(20, 18, "grid selected cell");
  const Rect focus = kit.atlas.Place(20, 18, "grid focused cell");
  p.VGradient(fixed, kHighlight, Mix(kCream, kPaperShadow, 120));
  p.HLine(fixed.left, fixed.right, fixed.bottom - 1, kPaperShadow);
  p.VLine(fixed.right - 1, fixed.top, fixed.bottom, kPaperShadow);
  p.Fill(select, kTeal);
  CutPlate(p, focus, 0, kTeal, kTeal, kTealLight);
  SkinText& ini = kit.Ini();
  kit.Head("grid", "grid", kControlsPicture, -1, kit.list.skin);
  ini.Rect("fixedcellrect", fixed);
  ini.Rect("selectcellrect", select);
  ini.Rect("focuscellrect", focus);
  ini.Int("fixedcellleftoffset", 2);
  ini.Int("fixedcellrightoffset", 2);
  ini.Rect("fixedcelltextrect", {2, 0, 18, 18});
  ini.Int("cellleftoffset", 2);
  ini.Int("cellrightoffset", 2);
  ini.Rect("celltextrect", {2, 0, 18, 18});
  ini.Color("linescolor", kPaperShadow);
  ini.Color("bgcolor", kField);
  ini.Font("Arial", 14, "", kInk);
  ini.Color("selectfontcolor", kHighlight);
  ini.Color("focusfontcolor", kHighlight);
  ini.Text("fixedfontname", "Arial");
  ini.Int("fixedfontheight", 14);
  ini.Text("fixedfontstyle", "fsbold");
  ini.Color("fixedfontcolor", kInk);
}

void MainMenuBar(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect bar = kit.atlas.Place(40, 20, "mainmenubar");
  p.Fill(bar, kCream);
  p.HLine(bar.left, bar.right, bar.bottom - 1, kPaperShadow);
  SkinText& ini = kit.Ini();
  kit.Head("mainmenubar", "mainmenubar", kControlsPicture, -1, bar);
  ini.Rect("itemsrect", {0, 0, 40, 19});
  ini.Text("menubaritem", "menubaritem");
  ini.Text("closebutton", "mbclosebutton");
  ini.Text("minbutton", "mbminbutton");
  ini.Text("maxbutton", "mbmaxbutton");
  ini.Text("sysmenubutton", "mbsysmenubutton");
  ini.Color("trackmarkcolor", kWalnut);
  ini.Color("trackmarkactivecolor", kTeal);
}

void Views(ControlKit& kit) {
  SkinText& ini = kit.Ini();
  for (const char* name : {"treeview", "listview", "richedit"}) {
    kit.Head(name, name, -1, -1, {});
    ini.Font("Arial", 14, "", kInk);
    ini.Color("bgcolor", kField);
  }
}

void Slider(ControlKit& kit) {
  Painter& p = kit.atlas.Paint();
  const Rect hRuler = kit.atlas.Place(40, 6, "slider ruler");
  const Rect vRuler = kit.atlas.Place(6, 40, "slider ruler");
  const Rect hThumb = kit.atlas.Place(11, 16, "slider thumb");
  const Rect vThumb = kit.atlas.Place(16, 11, "slider thumb");
  for (const Rect& r : {hRuler, vRuler}) {
    p.Fill(r, kCream);
    CutPlate(p, r, 1, kWalnut, art::Shade(kWalnut, 12), kWalnutDark, kCream);
  }
  ButtonFace(p, hThumb, State::Normal, 2, kCream);
  ButtonFace(p, vThumb, State::Normal, 2, kCream);
  SkinText& ini = kit.Ini();
  kit.Head("slider", "slider", kControlsPicture, -1, {});
  ini.Color("bgcolor", kCream);
  ini.Rect("hrulerrect", hRuler);
  ini.Rect("hthumbrect", hThumb);
  ini.Rect("vrulerrect", vRuler);
  ini.Rect("vthumbrect", vThumb);
  ini.Int("edgesize", 3);
  ini.Color("pointscolor", kWalnut);
}

}  // namespace

void AddPanelsAndViews(ControlKit& kit) {
  Panels(kit);
  ExPanel(kit);
  Tabs(kit);
  Grid(kit);
  MainMenuBar(kit);
  Views(kit);
  Slider(kit);
}

}  // namespace skingen
