// The product skin: the committed files are what the generator draws, and
// the skin carries the records and values the browser window, its dialogs,
// menus and hints rely on, with every rectangle inside its picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "SkinGen.h"
#include "SkinTextReader.h"

namespace {

using art::AssetFile;
using gfx::Point;
using gfx::Rect;

const std::string kSkinDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin";

const std::vector<AssetFile>& Skin() {
  static const std::vector<AssetFile> files = skingen::GenerateSkin();
  return files;
}

const AssetFile& File(const std::string& name) {
  for (const AssetFile& f : Skin())
    if (f.name == name)
      return f;
  static const AssetFile none;
  ADD_FAILURE() << name << " is not generated";
  return none;
}

const art::SkinTextReader& Text() {
  static const art::SkinTextReader reader(File("skin.ini").text);
  return reader;
}

const gfx::Bitmap& Active(int index) {
  return *File(Text().Text("PICTURES", std::to_string(index))).picture;
}

struct Entry {
  std::string name, type;
  bool object;
};

std::vector<Entry> Entries() {
  std::vector<Entry> entries;
  for (const char* list : {"SKINOBJECTS", "SKINCONTROLS"}) {
    const int count = Text().Int(list, "count");
    for (int i = 0; i < count; ++i) {
      const std::string value = Text().Text(list, std::to_string(i));
      const auto colon = value.find(':');
      entries.push_back(
          {value.substr(0, colon), value.substr(colon + 1), std::string(list) == "SKINOBJECTS"});
    }
  }
  return entries;
}

Rect Bounds(const gfx::Bitmap& b) {
  return b.Bounds();
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(ProductSkin, CommittedFilesAreWhatTheGeneratorDraws) {
  std::set<std::string> generated;
  for (const AssetFile& file : Skin()) {
    EXPECT_EQ(art::CompareWithCommitted(file, kSkinDir), "");
    generated.insert(file.name);
  }
  // A picture left over from an older layout would only confuse authors.
  for (const auto& entry : std::filesystem::directory_iterator(kSkinDir))
    EXPECT_TRUE(generated.contains(entry.path().filename().string()))
        << entry.path() << " is not made by the generator";
}

TEST(ProductSkin, TextIsAWellFormedSkin) {
  EXPECT_TRUE(Text().StrayLines().empty());
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS",
                              "POPUPWINDOW", "HINTWINDOW"})
    EXPECT_TRUE(Text().HasSection(section)) << section;
  std::set<std::string> names;
  for (const Entry& e : Entries()) {
    EXPECT_TRUE(Text().HasSection(e.name)) << e.name;
    EXPECT_TRUE(names.insert(e.name).second) << e.name << " is listed twice";
  }
  EXPECT_EQ(Text().Int("PICTURES", "activepicturescount"), skingen::kActivePictureCount);
  EXPECT_TRUE(File(Text().Text("PICTURES", "picture")).picture);
  EXPECT_TRUE(File(Text().Text("PICTURES", "mask")).picture);
  for (int i = 0; i < skingen::kActivePictureCount; ++i)
    EXPECT_TRUE(File(Text().Text("PICTURES", std::to_string(i))).picture) << i;
}

TEST(ProductSkin, CoversEveryTypeWordOfTheFormat) {
  std::set<std::string> objects, controls;
  for (const Entry& e : Entries())
    (e.object ? objects : controls).insert(e.type);
  for (const char* type :
       {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "caption"})
    EXPECT_TRUE(objects.contains(type)) << type;
  for (const char* type :
       {"panel",    "expanel",     "menubutton", "button",   "checkradio", "gauge",
        "splitter", "trackbar",    "label",      "stdlabel", "updown",     "grid",
        "tab",      "mainmenubar", "controlbar", "memo",     "edit",       "checklistbox",
        "listbox",  "combobox",    "scrollbar",  "spinedit", "scrollbox",  "treeview",
        "bevel",    "slider",      "listview",   "richedit"})
    EXPECT_TRUE(controls.contains(type)) << type;
}

TEST(ProductSkin, FrameHasTheGeometryTheWindowIsBuiltOn) {
  const gfx::Bitmap& main = *File(Text().Text("PICTURES", "picture")).picture;
  EXPECT_EQ(main.GetSize(), (gfx::Size{205, 167}));
  EXPECT_EQ(Text().Rect("FORMINFO", "clientrect"), (Rect{7, 30, 198, 160}));
  EXPECT_EQ(Text().Rect("FORMINFO", "buttonsrect"), (Rect{116, 7, 181, 23}));
  EXPECT_EQ(Text().Int("FORMINFO", "buttonsoffset"), 2);
  EXPECT_EQ(Text().Int("FORMINFO", "autorenderinginactiveimage"), 0);
  EXPECT_EQ(Text().Text("PICTURES", "inactivepicture"), "");

  // The caption starts in the top-left corner piece and ends in the
  // top-right one, so it widens with the window.
  const Rect caption = Text().Rect("caption1", "skinrect");
  EXPECT_EQ(caption, (Rect{55, 7, 91, 22}));
  const Point lt = Text().Point("FORMINFO", "lefttoppoint");
  const Point rt = Text().Point("FORMINFO", "righttoppoint");
  EXPECT_TRUE((Rect{0, 0, lt.x, lt.y}).Contains(caption.TopLeft()));
  EXPECT_TRUE((Rect{rt.x, 0, 205, rt.y}).Contains({caption.right, caption.bottom}));

  // The mask cuts the two top corners round and keeps everything else.
  const gfx::Bitmap& mask = *File(Text().Text("PICTURES", "mask")).picture;
  ASSERT_EQ(mask.GetSize(), main.GetSize());
  EXPECT_EQ(mask.GetPixel(0, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(204, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(6, 0), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(0, 6), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(0, 166), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(204, 166), gfx::clBlack);
}

TEST(ProductSkin, CaptionHasAVisiblyDifferentActiveLook) {
  EXPECT_EQ(Text().Int("caption1", "morphing"), 1);
  EXPECT_EQ(Text().Int("caption1", "fontcolor"), 12632256);
  EXPECT_EQ(Text().Int("caption1", "activefontcolor"), 0);
  const gfx::Bitmap& main = *File(Text().Text("PICTURES", "picture")).picture;
  const gfx::Bitmap& active = Active(Text().Int("caption1", "activepictureindex"));
  const Rect normalRect = Text().Rect("caption1", "skinrect");
  const Rect activeRect = Text().Rect("caption1", "activeskinrect");
  ASSERT_EQ(activeRect.GetSize(), normalRect.GetSize());
  long difference = 0;
  for (int y = 0; y < normalRect.Height(); ++y)
    for (int x = 0; x < normalRect.Width(); ++x) {
      const auto a = main.GetPixel(normalRect.left + x, normalRect.top + y);
      const auto b = active.GetPixel(activeRect.left + x, activeRect.top + y);
      difference += std::abs(gfx::GetGValue(a) - gfx::GetGValue(b));
    }
  EXPECT_GT(difference / (normalRect.Width() * normalRect.Height()), 40);
  // The repeated middle between the caption's fixed ends is at least a pixel.
  const int l = Text().Point("FORMINFO", "lefttoppoint").x - normalRect.left;
  const int r = normalRect.right - Text().Point("FORMINFO", "righttoppoint").x;
  EXPECT_GT(normalRect.Width() - l - r, 0);
}

TEST(ProductSkin, CaptionButtonsSitSeamlesslyOnTheBand) {
  const gfx::Bitmap& main = *File(Text().Text("PICTURES", "picture")).picture;
  const Rect row = Text().Rect("FORMINFO", "buttonsrect");
  for (const char* name : {"closebutton", "minbutton", "maxbutton", "rollupbutton"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Text().Int(name, "skinrectinapicture"), 1);
    const gfx::Bitmap& picture = Active(Text().Int(name, "activepictureindex"));
    const Rect cell = Text().Rect(name, "skinrect");
    EXPECT_EQ(cell.GetSize(), (gfx::Size{15, 16}));
    // The cut corners show the band exactly as the frame has it there.
    EXPECT_EQ(picture.GetPixel(cell.left, cell.top), main.GetPixel(row.left, row.top));
    EXPECT_EQ(picture.GetPixel(cell.right - 1, cell.bottom - 1),
              main.GetPixel(row.left, row.top + 15));
  }
  EXPECT_EQ(Text().Text("closebutton", "command"), "cmclose");
  EXPECT_EQ(Text().Text("rollupbutton", "command"), "cmrollup");
  EXPECT_EQ(Text().Text("systemmenubutton", "command"), "cmsysmenu");
  EXPECT_EQ(Text().Int("systemmenubutton", "skinrectinapicture"), 0);
}

TEST(ProductSkin, ControlRecordsHaveTheBrowsersValues) {
  const art::SkinTextReader& t = Text();
  EXPECT_EQ(t.Rect("button", "skinrect").Height(), 20);
  EXPECT_NE(t.Point("button", "righttoppoint"), Point{});
  EXPECT_EQ(t.Point("button", "rightbottompoint"), Point{});
  EXPECT_EQ(t.Int("button", "maskpictureindex"), 4);
  EXPECT_TRUE(t.Rect("button", "disabledskinrect").IsEmpty());
  EXPECT_EQ(t.Int("button", "disabledfontcolor"), 8421504);

  EXPECT_EQ(t.Rect("resizebutton", "skinrect").GetSize(), (gfx::Size{28, 22}));
  EXPECT_EQ(t.Point("resizebutton", "lefttoppoint").x, 4);
  EXPECT_EQ(t.Point("resizebutton", "righttoppoint").x, 22);
  EXPECT_NE(t.Point("resizebutton", "rightbottompoint").x, 0);
  EXPECT_NE(t.Point("resizebutton", "rightbottompoint").y, 0);
  EXPECT_EQ(t.Int("resizebutton", "morphing"), 0);

  EXPECT_EQ(t.Rect("combobox", "skinrect").GetSize(), (gfx::Size{41, 18}));
  EXPECT_EQ(t.Point("combobox", "righttoppoint").x, 21);
  EXPECT_EQ(t.Rect("combobox", "buttonrect"), (Rect{26, 2, 39, 16}));
  EXPECT_EQ(t.Rect("combobox", "clientrect"), (Rect{1, 1, 24, 17}));
  EXPECT_EQ(t.Text("combobox", "listboxname"), "listbox");

  EXPECT_EQ(t.Rect("listbox", "skinrect").Height() - t.Rect("listbox", "clientrect").Height(), 4);
  EXPECT_EQ(t.Rect("listbox", "itemrect").Height(), 18);
  EXPECT_NE(t.Point("listbox", "rightbottompoint").x, 0);

  EXPECT_EQ(t.Rect("vupdown", "skinrect").GetSize(), (gfx::Size{18, 36}));
  EXPECT_EQ(t.Rect("hupdown", "skinrect").GetSize(), (gfx::Size{36, 18}));

  EXPECT_EQ(t.Text("stdlabel", "fontname"), "MS Sans Serif");
  EXPECT_EQ(t.Int("stdlabel", "fontheight"), 14);
  EXPECT_EQ(t.Int("stdlabel", "fontcolor", -1), 0);
  EXPECT_EQ(t.Int("stdlabel", "activefontcolor"), 16744448);
  EXPECT_EQ(t.Int("bevel", "lightcolor", -1), 0);
  EXPECT_EQ(t.Int("bevel", "darkcolor"), 12632256);

  EXPECT_EQ(t.Int("HINTWINDOW", "windowpictureindex"), 8);
  EXPECT_EQ(t.Int("HINTWINDOW", "maskpictureindex"), -1);
  EXPECT_EQ(t.Rect("HINTWINDOW", "clientrect"), (Rect{8, 3, 39, 18}));
  EXPECT_EQ(t.Text("PICTURES", "8"), "hw.bmp");
  EXPECT_EQ(Active(8).GetSize(), (gfx::Size{47, 21}));
}

TEST(ProductSkin, SystemMenuMeasuresAsTheBrowserExpects) {
  // Width: widest text + 2 + glyph column 19 + 19 + the item's and the
  // window's margins, which the browser's menu puts at 55 in all.
  const art::SkinTextReader& t = Text();
  const Rect item = t.Rect("menuitem", "skinrect");
  const Rect text = t.Rect("menuitem", "textrect");
  const gfx::Bitmap& window = Active(t.Int("POPUPWINDOW", "windowpictureindex"));
  const Rect items = t.Rect("POPUPWINDOW", "itemsrect");
  EXPECT_EQ(19 + 19 + text.left + item.Width() - text.right + window.Width() - items.Width(), 55);
  // Height: three items, a divider and the window's rim make 68.
  EXPECT_EQ(3 * item.Height() + t.Rect("menuitem", "dividerrect").Height() + window.Height() -
                items.Height(),
            68);
}

// Keys whose rectangles are relative to the record's own picture rather
// than places in a picture. A few keys change meaning with the type word:
// an up-down's or scroll bar's "downbuttonrect" is where its down button
// is, a combo box's is the pressed look of its drop button.
bool IsRelative(const std::string& key, const std::string& type) {
  static const std::set<std::string> relative = {
      "clientrect",       "itemtextrect",      "textrect",      "captionrect",
      "progressarea",     "checkimagearea",    "textarea",      "trackbuttonrect",
      "itemsrect",        "fixedcelltextrect", "celltextrect",  "rollvcaptionrect",
      "rollhcaptionrect", "itemcheckrect",     "frametextrect", "trackarea"};
  const bool buttons = type == "updown" || type == "scrollbar" || type == "spinedit";
  if (key == "upbuttonrect" || key == "downbuttonrect")
    return buttons;
  if (key == "buttonrect")
    return type != "trackbar";
  return relative.contains(key);
}

bool IsRectKey(const std::string& section, const std::string& key) {
  const std::string v = Text().Text(section, key);
  return key.find("rect") != std::string::npos && std::count(v.begin(), v.end(), ',') == 3;
}

TEST(ProductSkin, EveryRectangleLiesInItsPicture) {
  const gfx::Bitmap& main = *File(Text().Text("PICTURES", "picture")).picture;
  for (const Entry& e : Entries()) {
    SCOPED_TRACE(e.name);
    const int index = Text().Int(e.name, e.object ? "activepictureindex" : "pictureindex", -1);
    if (index < 0)
      continue;
    ASSERT_LT(index, skingen::kActivePictureCount);
    const Rect picture = Bounds(Active(index));
    const Rect skin = Text().Rect(e.name, "skinrect");
    const bool skinInMain = e.object && Text().Int(e.name, "skinrectinapicture") == 0;
    EXPECT_TRUE(Inside(skin, skinInMain ? Bounds(main) : picture));
    for (const std::string& key : Text().Keys(e.name)) {
      if (key == "skinrect" || !IsRectKey(e.name, key))
        continue;
      const Rect r = Text().Rect(e.name, key);
      if (r.IsEmpty())
        continue;
      if (IsRelative(key, e.type))
        EXPECT_TRUE(Inside(r, {0, 0, skin.Width(), skin.Height()})) << key;
      else
        EXPECT_TRUE(Inside(r, picture)) << key;
    }
  }
}

TEST(ProductSkin, StateLooksHaveTheSizeOfTheirNormalLook) {
  const std::map<std::string, std::string> pairs = {{"activeskinrect", "skinrect"},
                                                    {"downskinrect", "skinrect"},
                                                    {"disabledskinrect", "skinrect"},
                                                    {"downrect", "skinrect"},
                                                    {"disableskinrsect", "skinrect"},
                                                    {"activeupbuttonrect", "upbuttonrect"},
                                                    {"downupbuttonrect", "upbuttonrect"},
                                                    {"activedownbuttonrect", "downbuttonrect"},
                                                    {"downdownbuttonrect", "downbuttonrect"},
                                                    {"activebuttonrect", "buttonrect"},
                                                    {"downbuttonrect", "buttonrect"},
                                                    {"activethumbrect", "thumbrect"},
                                                    {"downthumbrect", "thumbrect"},
                                                    {"activeitemrect", "itemrect"},
                                                    {"focusitemrect", "itemrect"},
                                                    {"restoreactiverect", "restorerect"},
                                                    {"restoredownrect", "restorerect"}};
  for (const Entry& e : Entries()) {
    for (const auto& [state, normal] : pairs) {
      const Rect s = Text().Rect(e.name, state);
      const Rect n = Text().Rect(e.name, normal);
      // The list box's own caption buttons are unused and empty.
      if (s.IsEmpty() || n.IsEmpty() || e.type == "expanel")
        continue;
      EXPECT_EQ(s.GetSize(), n.GetSize()) << e.name << " " << state;
    }
  }
}

TEST(ProductSkin, ButtonMaskFitsTheButtonWhereverItIsRead) {
  const Rect button = Text().Rect("button", "skinrect");
  const gfx::Bitmap& mask = Active(Text().Int("button", "maskpictureindex"));
  EXPECT_EQ(button.TopLeft(), (Point{0, 0}));
  ASSERT_EQ(mask.GetSize(), button.GetSize());
  EXPECT_EQ(mask.GetPixel(0, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(1, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(2, 0), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(15, 10), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(29, 19), gfx::clWhite);
}

}  // namespace
