// The product skin: the committed files are what the generator draws; the
// skin engine loads them completely, every section holds exactly the keys
// the engine reads; and the skin carries the records and values the browser
// window, its dialogs, menus and hints rely on, with every rectangle inside
// its picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "SkinGen.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinExtraControlRecords.h"
#include "skin/data/SkinValues.h"

namespace {

using art::AssetFile;
using gfx::Point;
using gfx::Rect;

const std::string kSkinDir = std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin";

// The committed skin as the program imports it: its text and pictures read
// by the stored skin and applied to a container.
struct LoadedSkin {
  TbsStoredSkin stored{nullptr};
  TbsSkinData data{nullptr};
  TbsSkinIni ini;
};

const LoadedSkin& Skin() {
  static LoadedSkin* skin = [] {
    auto* s = new LoadedSkin;
    s->stored.LoadFromSkinFile(kSkinDir + "/skin.ini");
    s->data.ApplyStoredSkin(&s->stored);
    s->ini.SetStrings(s->stored.IniStrings());
    return s;
  }();
  return *skin;
}

const TbsSkinData& Data() {
  return Skin().data;
}

template <typename Record>
Record& Control(const char* name) {
  const int i = Data().IndexOfControlRecord(name);
  if (i < 0)
    throw std::runtime_error(std::string("no control record ") + name);
  auto* record = dynamic_cast<Record*>(Data().ControlRecords[i].get());
  if (!record)
    throw std::runtime_error(std::string(name) + " has another record class");
  return *record;
}

template <typename Record>
Record& Object(const char* name) {
  const int i = Data().IndexOfObjectRecord(name);
  if (i < 0)
    throw std::runtime_error(std::string("no object record ") + name);
  auto* record = dynamic_cast<Record*>(Data().ObjectRecords[i].get());
  if (!record)
    throw std::runtime_error(std::string(name) + " has another record class");
  return *record;
}

// Collects a record's rectangles by key, in reading order.
class RectKeys : public TbsSkinKeyVisitor {
 public:
  std::vector<std::pair<std::string, gfx::Rect>> rects;
  std::map<std::string, gfx::Rect> byKey;

  void Integer(const char*, int&, int) override {}
  void Color(const char*, TbsColor&, TbsColor) override {}
  void Flag(const char*, bool&) override {}
  void Text(const char*, std::string&, const char*) override {}
  void Point(const char*, gfx::Point&) override {}
  void Rect(const char* key, gfx::Rect& value) override {
    rects.emplace_back(key, value);
    byKey[key] = value;
  }
  void FontStyle(const char*, TbsFontStyles&) override {}
  void Alignment(const char*, TbsAlignment&) override {}
  void MorphKind(const char*, TbsMorphKind&) override {}
  void InactiveEffect(const char*, TbsInactiveEffect&) override {}
  void Command(const char*, TbsStdCommand&) override {}
};

template <typename Record>
RectKeys RectsOf(Record& record) {
  RectKeys keys;
  record.VisitKeys(keys);
  return keys;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The lines of one section of a text, without its header.
std::vector<std::string> SectionLines(const std::vector<std::string>& lines,
                                      const std::string& name) {
  std::vector<std::string> section;
  bool inside = false;
  for (const std::string& line : lines) {
    if (!line.empty() && line.front() == '[')
      inside = line == "[" + name + "]";
    else if (inside && !line.empty())
      section.push_back(line);
  }
  return section;
}

TEST(ProductSkin, CommittedFilesAreWhatTheGeneratorDraws) {
  std::set<std::string> generated;
  for (const AssetFile& file : skingen::GenerateSkin()) {
    EXPECT_EQ(art::CompareWithCommitted(file, kSkinDir), "");
    generated.insert(file.name);
  }
  // A picture left over from an older layout would only confuse authors.
  for (const auto& entry : std::filesystem::directory_iterator(kSkinDir))
    EXPECT_TRUE(generated.contains(entry.path().filename().string()))
        << entry.path() << " is not made by the generator";
}

TEST(ProductSkin, EngineLoadsEveryRecordAndPicture) {
  ASSERT_FALSE(Data().Empty);
  const TbsSkinIni& ini = Skin().ini;
  // Every listed entry makes a record: no unknown type word.
  EXPECT_EQ(static_cast<int>(Data().ObjectRecords.size()),
            ini.ReadInteger("SKINOBJECTS", "count", 0));
  EXPECT_EQ(static_cast<int>(Data().ControlRecords.size()),
            ini.ReadInteger("SKINCONTROLS", "count", 0));
  // The counts the browser's skin is described with; toolbutton, resizebutton
  // and bigtoolbutton share the type word button.
  EXPECT_EQ(Data().ObjectRecords.size(), 12u);
  EXPECT_EQ(Data().ControlRecords.size(), 57u);
  for (const char* name : {"toolbutton", "resizebutton", "bigtoolbutton"})
    EXPECT_NO_THROW(Control<TbsDataSkinButtonControl>(name)) << name;
  EXPECT_EQ(Data().ActivePictures.size(), static_cast<std::size_t>(skingen::kActivePictureCount));
  EXPECT_EQ(Data().Picture.GetSize(), (gfx::Size{205, 167}));
  EXPECT_EQ(Data().MaskPicture.GetSize(), Data().Picture.GetSize());
  EXPECT_TRUE(Data().InactivePicture.IsEmpty());
  EXPECT_TRUE(ini.SectionExists("POPUPWINDOW"));
  EXPECT_TRUE(ini.SectionExists("HINTWINDOW"));
}

TEST(ProductSkin, CoversEveryTypeWordOfTheFormat) {
  std::set<std::string> objects, controls;
  for (const auto& r : Data().ObjectRecords)
    objects.insert(r->TypeWord());
  for (const auto& r : Data().ControlRecords)
    controls.insert(r->TypeWord());
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

TEST(ProductSkin, SectionsHoldExactlyTheKeysTheEngineReadsInItsOrder) {
  // Writing the loaded records back gives the generator's text line for line:
  // no key is misspelt, missing, extra or out of order.
  const std::vector<std::string> ours = Skin().ini.GetStrings();
  TbsSkinIni written;
  for (const auto& r : Data().ObjectRecords)
    r->SaveToIni(written);
  for (const auto& r : Data().ControlRecords)
    r->SaveToIni(written);
  Data().PopupWindowRecord->SaveToIni(written);
  Data().HintWindowRecord->SaveToIni(written);
  const std::vector<std::string> theirs = written.GetStrings();
  std::vector<std::string> names{"POPUPWINDOW", "HINTWINDOW"};
  for (const auto& r : Data().ObjectRecords)
    names.push_back(r->IDName);
  for (const auto& r : Data().ControlRecords)
    names.push_back(r->IDName);
  for (const std::string& name : names) {
    EXPECT_FALSE(SectionLines(ours, name).empty()) << name;
    EXPECT_EQ(SectionLines(ours, name), SectionLines(theirs, name)) << name;
  }
}

TEST(ProductSkin, FrameHasTheGeometryTheWindowIsBuiltOn) {
  EXPECT_EQ(Data().clientrect, (Rect{7, 30, 198, 160}));
  EXPECT_EQ(Data().buttonsrect, (Rect{116, 7, 181, 23}));
  EXPECT_EQ(Data().buttonsoffset, 2);
  EXPECT_FALSE(Data().autorenderinginactiveimage);

  // The caption starts in the top-left corner piece and ends in the
  // top-right one, so it widens with the window.
  const auto& caption = Object<TbsDataSkinCaption>("caption1");
  EXPECT_EQ(caption.skinrect, (Rect{55, 7, 91, 22}));
  const Point lt = Data().lefttoppoint, rt = Data().righttoppoint;
  EXPECT_TRUE((Rect{0, 0, lt.x, lt.y}).Contains(caption.skinrect.TopLeft()));
  EXPECT_TRUE(
      (Rect{rt.x, 0, 205, rt.y}).Contains({caption.skinrect.right, caption.skinrect.bottom}));

  // The mask cuts the two top corners round and keeps everything else.
  const gfx::Bitmap& mask = Data().MaskPicture;
  EXPECT_EQ(mask.GetPixel(0, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(204, 0), gfx::clWhite);
  EXPECT_EQ(mask.GetPixel(6, 0), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(0, 6), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(0, 166), gfx::clBlack);
  EXPECT_EQ(mask.GetPixel(204, 166), gfx::clBlack);
}

TEST(ProductSkin, CaptionHasAVisiblyDifferentActiveLook) {
  const auto& caption = Object<TbsDataSkinCaption>("caption1");
  EXPECT_TRUE(caption.morphing);
  EXPECT_EQ(caption.fontcolor, 12632256u);
  EXPECT_EQ(caption.activefontcolor, 0u);
  const gfx::Bitmap* active = Data().ActivePicture(caption.activepictureindex);
  ASSERT_NE(active, nullptr);
  const Rect n = caption.skinrect, a = caption.activeskinrect;
  ASSERT_EQ(a.GetSize(), n.GetSize());
  long difference = 0;
  for (int y = 0; y < n.Height(); ++y)
    for (int x = 0; x < n.Width(); ++x)
      difference += std::abs(gfx::GetGValue(Data().Picture.GetPixel(n.left + x, n.top + y)) -
                             gfx::GetGValue(active->GetPixel(a.left + x, a.top + y)));
  EXPECT_GT(difference / (n.Width() * n.Height()), 40);
  // The repeated middle between the caption's fixed ends is at least a pixel.
  const int l = Data().lefttoppoint.x - n.left, r = n.right - Data().righttoppoint.x;
  EXPECT_GT(n.Width() - l - r, 0);
}

TEST(ProductSkin, CaptionButtonsSitSeamlesslyOnTheBand) {
  const Rect row = Data().buttonsrect;
  for (const char* name : {"closebutton", "minbutton", "maxbutton", "rollupbutton"}) {
    SCOPED_TRACE(name);
    const auto& button = Object<TbsDataSkinStdButton>(name);
    EXPECT_TRUE(button.skinrectinapicture);
    const gfx::Bitmap* picture = Data().ActivePicture(button.activepictureindex);
    ASSERT_NE(picture, nullptr);
    const Rect cell = button.skinrect;
    EXPECT_EQ(cell.GetSize(), (gfx::Size{15, 16}));
    // The cut corners show the band exactly as the frame has it there.
    EXPECT_EQ(picture->GetPixel(cell.left, cell.top), Data().Picture.GetPixel(row.left, row.top));
    EXPECT_EQ(picture->GetPixel(cell.right - 1, cell.bottom - 1),
              Data().Picture.GetPixel(row.left, row.top + 15));
    EXPECT_FALSE(button.activeskinrect.IsEmpty());
    EXPECT_FALSE(button.downrect.IsEmpty());
  }
  EXPECT_EQ(Object<TbsDataSkinStdButton>("closebutton").command, TbsStdCommand::cmClose);
  EXPECT_EQ(Object<TbsDataSkinStdButton>("rollupbutton").command, TbsStdCommand::cmRollUp);
  const auto& sysmenu = Object<TbsDataSkinStdButton>("systemmenubutton");
  EXPECT_EQ(sysmenu.command, TbsStdCommand::cmSysMenu);
  EXPECT_FALSE(sysmenu.skinrectinapicture);
}

TEST(ProductSkin, ControlRecordsHaveTheBrowsersValues) {
  const auto& button = Control<TbsDataSkinButtonControl>("button");
  EXPECT_EQ(button.skinrect.Height(), 20);
  EXPECT_NE(button.righttoppoint, Point{});  // the middle repeats sideways
  EXPECT_EQ(button.rightbottompoint, Point{});
  EXPECT_EQ(button.maskpictureindex, 4);
  EXPECT_TRUE(button.disabledskinrect.IsEmpty());
  EXPECT_EQ(button.disabledfontcolor, 8421504u);

  const auto& resize = Control<TbsDataSkinButtonControl>("resizebutton");
  EXPECT_EQ(resize.skinrect.GetSize(), (gfx::Size{28, 22}));
  EXPECT_EQ(resize.lefttoppoint.x, 4);
  EXPECT_EQ(resize.righttoppoint.x, 22);
  EXPECT_TRUE(resize.rightbottompoint.x != 0 && resize.rightbottompoint.y != 0);
  EXPECT_FALSE(resize.morphing);

  const auto& combo = Control<TbsDataSkinComboBox>("combobox");
  EXPECT_EQ(combo.skinrect.GetSize(), (gfx::Size{41, 18}));
  EXPECT_EQ(combo.righttoppoint.x, 21);
  EXPECT_EQ(combo.buttonrect, (Rect{26, 2, 39, 16}));
  EXPECT_EQ(combo.clientrect, (Rect{1, 1, 24, 17}));
  EXPECT_EQ(combo.listboxname, "listbox");

  const auto& list = Control<TbsDataSkinListBox>("listbox");
  EXPECT_EQ(list.skinrect.Height() - list.clientrect.Height(), 4);
  EXPECT_EQ(list.itemrect.Height(), 18);
  EXPECT_TRUE(list.rightbottompoint.x != 0 && list.rightbottompoint.y != 0);
  for (const char* bar : {"vscrollbar", "hscrollbar", "bothhscrollbar"})
    EXPECT_NO_THROW(Control<TbsDataSkinScrollBarControl>(bar));

  EXPECT_EQ(Control<TbsDataSkinUpDownControl>("vupdown").skinrect.GetSize(), (gfx::Size{18, 36}));
  EXPECT_EQ(Control<TbsDataSkinUpDownControl>("hupdown").skinrect.GetSize(), (gfx::Size{36, 18}));

  const auto& label = Control<TbsDataSkinStdLabelControl>("stdlabel");
  EXPECT_EQ(label.fontname, "MS Sans Serif");
  EXPECT_EQ(label.fontheight, 14);
  EXPECT_EQ(label.fontcolor, 0u);
  EXPECT_EQ(label.activefontcolor, 16744448u);
  const auto& bevel = Control<TbsDataSkinBevel>("bevel");
  EXPECT_EQ(bevel.lightcolor, 0u);
  EXPECT_EQ(bevel.darkcolor, 12632256u);

  const auto& hint = *Data().HintWindowRecord;
  EXPECT_EQ(hint.windowpictureindex, 8);
  EXPECT_EQ(hint.maskpictureindex, -1);
  EXPECT_EQ(hint.clientrect, (Rect{8, 3, 39, 18}));
  EXPECT_EQ(Data().ActivePictureNames.at(8), "hw.bmp");
  EXPECT_EQ(Data().ActivePicture(8)->GetSize(), (gfx::Size{47, 21}));
}

TEST(ProductSkin, SystemMenuMeasuresAsTheBrowserExpects) {
  // Width: widest text + 2 + glyph column 19 + 19 + the item's and the
  // window's margins, which the browser's menu puts at 55 in all.
  const auto& item = Object<TbsDataSkinMenuItem>("menuitem");
  const auto& popup = *Data().PopupWindowRecord;
  const gfx::Bitmap* window = Data().ActivePicture(popup.windowpictureindex);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(19 + 19 + item.textrect.left + item.skinrect.Width() - item.textrect.right +
                window->Width() - popup.itemsrect.Width(),
            55);
  // Height: three items, a divider and the window's rim make 68.
  EXPECT_EQ(3 * item.skinrect.Height() + item.dividerrect.Height() + window->Height() -
                popup.itemsrect.Height(),
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

template <typename Record>
void CheckRectangles(Record& record, int pictureIndex, bool skinInMain) {
  SCOPED_TRACE(record.IDName);
  const gfx::Bitmap* picture = Data().ActivePicture(pictureIndex);
  ASSERT_NE(picture, nullptr);
  const Rect skin = record.skinrect;
  EXPECT_TRUE(Inside(skin, skinInMain ? Data().Picture.Bounds() : picture->Bounds()));
  for (const auto& [key, r] : RectsOf(record).rects) {
    if (key == "skinrect" || r.IsEmpty())
      continue;
    if (IsRelative(key, record.TypeWord()))
      EXPECT_TRUE(Inside(r, {0, 0, skin.Width(), skin.Height()})) << key;
    else
      EXPECT_TRUE(Inside(r, picture->Bounds())) << key;
  }
}

TEST(ProductSkin, EveryRectangleLiesInItsPicture) {
  for (const auto& r : Data().ObjectRecords)
    if (r->activepictureindex >= 0)
      CheckRectangles(*r, r->activepictureindex, !r->skinrectinapicture);
  for (const auto& r : Data().ControlRecords)
    if (r->pictureindex >= 0)
      CheckRectangles(*r, r->pictureindex, false);
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
                                                    {"unenabledbuttonrect", "buttonrect"},
                                                    {"activethumbrect", "thumbrect"},
                                                    {"downthumbrect", "thumbrect"},
                                                    {"activeitemrect", "itemrect"},
                                                    {"focusitemrect", "itemrect"},
                                                    {"restoreactiverect", "restorerect"},
                                                    {"restoredownrect", "restorerect"},
                                                    {"activeglyphrect", "glyphrect"}};
  auto check = [&](auto& record) {
    const RectKeys keys = RectsOf(record);
    for (const auto& [state, normal] : pairs) {
      const auto s = keys.byKey.find(state), n = keys.byKey.find(normal);
      if (s == keys.byKey.end() || n == keys.byKey.end() || s->second.IsEmpty() ||
          n->second.IsEmpty())
        continue;
      EXPECT_EQ(s->second.GetSize(), n->second.GetSize()) << record.IDName << " " << state;
    }
  };
  for (const auto& r : Data().ObjectRecords)
    check(*r);
  for (const auto& r : Data().ControlRecords)
    check(*r);
}

// Whether every row of r (in picture p) has one colour across r.
bool RowsUniform(const gfx::Bitmap& p, const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left + 1; x < r.right; ++x)
      if (p.GetPixel(x, y) != p.GetPixel(r.left, y))
        return false;
  return true;
}

bool ColumnsUniform(const gfx::Bitmap& p, const Rect& r) {
  for (int x = r.left; x < r.right; ++x)
    for (int y = r.top + 1; y < r.bottom; ++y)
      if (p.GetPixel(x, y) != p.GetPixel(x, r.top))
        return false;
  return true;
}

TEST(ProductSkin, FramePiecesRepeatWithoutSeams) {
  // The frame repeats the middles of its sides to any window size, so each
  // must look the same all along its repeat direction.
  const gfx::Bitmap& P = Data().Picture;
  const Rect C = Data().clientrect;
  const Point LT = Data().lefttoppoint, RT = Data().righttoppoint, LB = Data().leftbottompoint,
              RB = Data().rightbottompoint;
  EXPECT_TRUE(RowsUniform(P, {LT.x, 0, RT.x, C.top}));
  EXPECT_TRUE(RowsUniform(P, {LB.x, C.bottom, RB.x, P.Height()}));
  EXPECT_TRUE(ColumnsUniform(P, {0, LT.y, C.left, LB.y}));
  EXPECT_TRUE(ColumnsUniform(P, {C.right, RT.y, P.Width(), RB.y}));
  // The caption's active look repeats its middle as the caption widens.
  const auto& caption = Object<TbsDataSkinCaption>("caption1");
  const Rect a = caption.activeskinrect;
  const int l = LT.x - caption.skinrect.left, r = caption.skinrect.right - RT.x;
  EXPECT_TRUE(RowsUniform(*Data().ActivePicture(caption.activepictureindex),
                          {a.left + l, a.top, a.right - r, a.bottom}));
}

TEST(ProductSkin, ControlLooksWidenWithoutSeams) {
  // Controls the window stretches sideways (buttons of any width, combo
  // boxes, lists) repeat the middle columns of their looks: those must be
  // alike, or a wide control shows stripes. Vertically repeating records
  // must be alike down their middle rows.
  int checked = 0;
  for (const auto& record : Data().ControlRecords) {
    const auto* r = dynamic_cast<const TbsDataSkinCustomControl*>(record.get());
    if (!r || r->pictureindex < 0 || r->skinrect.IsEmpty() ||
        dynamic_cast<const TbsDataSkinUpDownControl*>(r))
      continue;
    SCOPED_TRACE(r->IDName);
    const gfx::Bitmap& p = *Data().ActivePicture(r->pictureindex);
    std::vector<Rect> looks{r->skinrect};
    for (const auto& [key, rect] : RectsOf(*record).rects)
      if ((key == "activeskinrect" || key == "downskinrect" || key == "disabledskinrect") &&
          !rect.IsEmpty())
        looks.push_back(rect);
    const bool frame = r->rightbottompoint.x != 0 && r->rightbottompoint.y != 0;
    const bool horizontal = !frame && (r->righttoppoint.x != 0 || r->righttoppoint.y != 0);
    const bool vertical = !frame && !horizontal && r->leftbottompoint != Point{};
    for (const Rect& s : looks) {
      const int sw = s.Width();
      if (horizontal) {
        EXPECT_TRUE(RowsUniform(
            p, {s.left + r->lefttoppoint.x, s.top, s.right - (sw - r->righttoppoint.x), s.bottom}));
      }
      if (vertical) {
        EXPECT_TRUE(ColumnsUniform(p, {s.left, s.top + r->lefttoppoint.y, s.right,
                                       s.bottom - (s.Height() - r->leftbottompoint.y)}));
      }
      if (frame) {
        const Rect c = r->clientrect.Offset(s.left, s.top);
        EXPECT_TRUE(RowsUniform(
            p, {s.left + r->lefttoppoint.x, s.top, s.left + r->righttoppoint.x, c.top}));
        EXPECT_TRUE(RowsUniform(p, {s.left + r->leftbottompoint.x, c.bottom,
                                    s.left + r->rightbottompoint.x, s.bottom}));
        EXPECT_TRUE(RowsUniform(p, c));
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 40);
}

TEST(ProductSkin, ButtonMaskFitsTheButtonWhereverItIsRead) {
  const auto& button = Control<TbsDataSkinButtonControl>("button");
  const gfx::Bitmap* mask = Data().ActivePicture(button.maskpictureindex);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(button.skinrect.TopLeft(), (Point{0, 0}));
  ASSERT_EQ(mask->GetSize(), button.skinrect.GetSize());
  EXPECT_EQ(mask->GetPixel(0, 0), gfx::clWhite);
  EXPECT_EQ(mask->GetPixel(1, 0), gfx::clWhite);
  EXPECT_EQ(mask->GetPixel(2, 0), gfx::clBlack);
  EXPECT_EQ(mask->GetPixel(15, 10), gfx::clBlack);
  EXPECT_EQ(mask->GetPixel(29, 19), gfx::clWhite);
}

}  // namespace
