// The popup menu window, the menu items and the hint window.

#include "SkinGen.h"
#include "SkinLook.h"

namespace skingen {

using namespace art::palette;
using art::Mix;
using gfx::Point;

namespace {

// A cream panel with a walnut rim and a light inner line, the look shared
// by menus and hints.
void Panel(Painter& p, const Rect& r) {
  p.Fill(r, kCream);
  p.Frame(r, kWalnut);
  const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  p.HLine(inner.left, inner.right, inner.top, kHighlight);
  p.VLine(inner.left, inner.top, inner.bottom, kHighlight);
  p.HLine(inner.left, inner.right, inner.bottom - 1, Mix(kCream, kPaperShadow, 150));
  p.VLine(inner.right - 1, inner.top, inner.bottom, Mix(kCream, kPaperShadow, 150));
}

void Stretchless(SkinText& ini) {
  ini.Flag("leftstretch", false);
  ini.Flag("rightstretch", false);
  ini.Flag("topstretch", false);
  ini.Flag("bottomstretch", false);
}

void CornerPoints(SkinText& ini, Point lt, Point rt, Point lb, Point rb) {
  ini.Point("lefttoppoint", lt);
  ini.Point("righttoppoint", rt);
  ini.Point("leftbottompoint", lb);
  ini.Point("rightbottompoint", rb);
}

// Menu items are 40 pixels wide in the picture; the first and last three
// columns are fixed, the middle repeats to the item's width.
constexpr Rect kItem{0, 0, 40, 20}, kItemActive{0, 20, 40, 40}, kDivider{0, 40, 40, 44};
constexpr Rect kBarItem{0, 44, 40, 64}, kBarItemActive{0, 64, 40, 84}, kBarItemDown{0, 84, 40, 104};

gfx::Bitmap MenuItemPicture() {
  gfx::Bitmap bitmap(40, 104, kCream);
  Painter p(bitmap);
  CutPlate(p, {1, 21, 39, 39}, 2, gfx::RGB(220, 238, 232), gfx::RGB(186, 218, 212),
           Mix(kTeal, kCream, 100), kCream);
  p.HLine(3, 37, kDivider.top + 1, Mix(kPaperShadow, kWalnut, 60));
  p.HLine(3, 37, kDivider.top + 2, kHighlight);
  // The menu bar: cream strip items, teal when hot, deeper teal when open.
  p.Fill(kBarItem, kCream);
  CutPlate(p, {1, 65, 39, 83}, 2, kPaleTeal, gfx::RGB(190, 220, 214), Mix(kTeal, kCream, 100),
           kCream);
  CutPlate(p, {1, 85, 39, 103}, 2, gfx::RGB(90, 156, 158), kTeal, Mix(kTeal, kWalnutDark, 100),
           kCream);
  return bitmap;
}

// The popup window: 40 x 40 with a two-pixel rim; items fill 2,2,38,38.
gfx::Bitmap PopupPicture() {
  gfx::Bitmap bitmap(40, 40);
  Painter p(bitmap);
  Panel(p, bitmap.Bounds());
  return bitmap;
}

void MenuItemRecords(SkinParts& parts) {
  SkinText& ini = parts.records;
  parts.objects.push_back("menuitem:menuitem");
  ini.Section("menuitem");
  ini.Text("hint", "");
  ini.Int("activepictureindex", kMenuItemPicture);
  ini.Flag("skinrectinapicture", true);
  ini.Rect("skinrect", kItem);
  ini.Rect("activeskinrect", kItemActive);
  ini.Flag("morphing", true);
  ini.Text("morphkind", "mkdefault");
  ini.Int("itemleftoffset", 3);
  ini.Int("itemrightoffset", 3);
  ini.Rect("dividerrect", kDivider);
  ini.Int("dividerleftoffset", 3);
  ini.Int("dividerrightoffset", 3);
  ini.Rect("textrect", {6, 0, 33, 20});
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("unenabledfontcolor", kMutedText);

  parts.objects.push_back("menubaritem:mainmenubaritem");
  ini.Section("menubaritem");
  ini.Text("hint", "");
  ini.Int("activepictureindex", kMenuItemPicture);
  ini.Flag("skinrectinapicture", true);
  ini.Rect("skinrect", kBarItem);
  ini.Rect("activeskinrect", kBarItemActive);
  ini.Flag("morphing", false);
  ini.Text("morphkind", "mkdefault");
  ini.Int("itemleftoffset", 3);
  ini.Int("itemrightoffset", 3);
  ini.Rect("downrect", kBarItemDown);
  ini.Rect("textrect", {6, 0, 34, 20});
  ini.Font("Arial", 14, "", kInk);
  ini.Color("activefontcolor", kInk);
  ini.Color("downfontcolor", kCream);
  ini.Color("unenabledfontColor", kMutedText);
}

// The hint window: 47 x 21, text in 8,3,39,18, a teal accent down the left.
gfx::Bitmap HintPicture() {
  gfx::Bitmap bitmap(47, 21);
  Painter p(bitmap);
  Panel(p, bitmap.Bounds());
  p.Fill({3, 3, 5, 18}, kTeal);
  p.Blend(3, 2, kTeal, 110);
  p.Blend(4, 2, kTeal, 110);
  p.Blend(3, 18, kTeal, 110);
  p.Blend(4, 18, kTeal, 110);
  return bitmap;
}

}  // namespace

void AddMenuPictures(SkinParts& parts) {
  parts.active[kPopupPicture] = {.name = "popup.bmp", .picture = PopupPicture()};
  parts.active[kPopupPicture].annotations = {{{2, 2, 38, 38}, "itemsrect"}};
  parts.active[kMenuItemPicture] = {.name = "menuitem.bmp", .picture = MenuItemPicture()};
  parts.active[kMenuItemPicture].annotations = {
      {kItem, "item"},        {kItemActive, "active"},        {kDivider, "divider"},
      {kBarItem, "bar item"}, {kBarItemActive, "bar active"}, {kBarItemDown, "bar down"}};

  SkinText& ini = parts.head;
  ini.Section("POPUPWINDOW");
  ini.Int("windowpictureindex", kPopupPicture);
  ini.Int("maskpictureindex", -1);
  CornerPoints(ini, {4, 4}, {36, 4}, {4, 36}, {36, 36});
  ini.Rect("itemsrect", {2, 2, 38, 38});
  ini.Color("scrollmarkercolor", kWalnut);
  ini.Color("scrollmarkeractivecolor", kTeal);
  Stretchless(ini);
  MenuItemRecords(parts);
}

void AddHintPicture(SkinParts& parts) {
  parts.active[kHintPicture] = {.name = "hw.bmp", .picture = HintPicture()};
  parts.active[kHintPicture].annotations = {{{8, 3, 39, 18}, "clientrect"}};
  SkinText& ini = parts.head;
  ini.Section("HINTWINDOW");
  ini.Int("windowpictureindex", kHintPicture);
  ini.Int("maskpictureindex", -1);
  CornerPoints(ini, {8, 3}, {39, 3}, {8, 18}, {39, 18});
  ini.Rect("clientrect", {8, 3, 39, 18});
  ini.Font("Arial", 14, "", kInk);
  Stretchless(ini);
}

}  // namespace skingen
