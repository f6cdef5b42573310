#include <gtest/gtest.h>

#include <set>

#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinExtraControlRecords.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"

namespace {

const char* const kObjectWords[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button",   "caption",         "animate",   "userobject"};
const char* const kControlWords[] = {
    "panel",    "expanel",     "menubutton", "button",   "checkradio", "gauge",
    "splitter", "trackbar",    "label",      "stdlabel", "updown",     "grid",
    "tab",      "mainmenubar", "controlbar", "memo",     "edit",       "checklistbox",
    "listbox",  "combobox",    "scrollbar",  "spinedit", "scrollbox",  "treeview",
    "bevel",    "slider",      "listview",   "richedit"};

// Gives every visited key a distinct value unlike its default, so that a
// record that reads or writes a key under the wrong name or kind shows up.
class FillingVisitor : public TbsSkinKeyVisitor {
 public:
  void Integer(const char*, int& v, int) override { v = 100 + n_++; }
  void Color(const char*, TbsColor& v, TbsColor) override { v = 0x10000u + n_++; }
  void Flag(const char*, bool& v) override { v = true; }
  void Text(const char*, std::string& v, const char*) override { v = "t" + std::to_string(n_++); }
  void Point(const char*, gfx::Point& v) override { v = {n_++, n_++}; }
  void Rect(const char*, gfx::Rect& v) override { v = {n_++, n_++, n_++, n_++}; }
  void FontStyle(const char*, TbsFontStyles& v) override { v = {true, false, true, false}; }
  void Alignment(const char*, TbsAlignment& v) override { v = TbsAlignment::taLeftJustify; }
  void MorphKind(const char*, TbsMorphKind& v) override { v = TbsMorphKind::mkLeftSlide; }
  void InactiveEffect(const char*, TbsInactiveEffect& v) override {
    v = TbsInactiveEffect::ieInvert;
  }
  void Command(const char*, TbsStdCommand& v) override { v = TbsStdCommand::cmRollUp; }

 private:
  int n_ = 1;
};

// Collects the key names in visiting order.
class KeyNames : public TbsSkinKeyVisitor {
 public:
  std::vector<std::string> keys;
  void Integer(const char* k, int&, int) override { keys.push_back(k); }
  void Color(const char* k, TbsColor&, TbsColor) override { keys.push_back(k); }
  void Flag(const char* k, bool&) override { keys.push_back(k); }
  void Text(const char* k, std::string&, const char*) override { keys.push_back(k); }
  void Point(const char* k, gfx::Point&) override { keys.push_back(k); }
  void Rect(const char* k, gfx::Rect&) override { keys.push_back(k); }
  void FontStyle(const char* k, TbsFontStyles&) override { keys.push_back(k); }
  void Alignment(const char* k, TbsAlignment&) override { keys.push_back(k); }
  void MorphKind(const char* k, TbsMorphKind&) override { keys.push_back(k); }
  void InactiveEffect(const char* k, TbsInactiveEffect&) override { keys.push_back(k); }
  void Command(const char* k, TbsStdCommand&) override { keys.push_back(k); }
};

template <typename Record>
std::vector<std::string> SavedLines(Record& record) {
  TbsSkinIni ini;
  record.SaveToIni(ini);
  return ini.GetStrings();
}

template <typename Record>
void ExpectUniqueKeys(Record& record) {
  KeyNames names;
  record.VisitKeys(names);
  std::set<std::string> seen;
  for (const std::string& key : names.keys) {
    std::string folded = key;
    for (char& c : folded)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(seen.insert(folded).second) << record.ClassName() << " repeats " << key;
  }
}

TEST(SkinRecords, EveryTypeWordMakesItsRecordAndUnknownWordsMakeNone) {
  for (const char* word : kObjectWords) {
    auto record = CreateSkinObjectRecord(word, "r");
    ASSERT_NE(record, nullptr) << word;
    EXPECT_STREQ(record->TypeWord(), word);
  }
  for (const char* word : kControlWords) {
    auto record = CreateSkinControlRecord(word, "r");
    ASSERT_NE(record, nullptr) << word;
    EXPECT_STREQ(record->TypeWord(), word);
  }
  EXPECT_EQ(CreateSkinObjectRecord("Button", "r"), nullptr);
  EXPECT_EQ(CreateSkinObjectRecord("label", "r"), nullptr);
  EXPECT_EQ(CreateSkinControlRecord("caption", "r"), nullptr);
  EXPECT_EQ(CreateSkinControlRecord("", "r"), nullptr);
}

TEST(SkinRecords, EveryRecordWritesWhatItReadsAndNamesEachKeyOnce) {
  auto roundTrip = [](auto make) {
    auto filled = make();
    FillingVisitor fill;
    filled->VisitKeys(fill);
    ExpectUniqueKeys(*filled);
    TbsSkinIni ini;
    filled->SaveToIni(ini);
    auto reread = make();
    reread->LoadFromIni(ini);
    EXPECT_EQ(SavedLines(*reread), SavedLines(*filled)) << filled->ClassName();
  };
  for (const char* word : kObjectWords)
    if (std::string(word) != "animate")
      roundTrip([&] { return CreateSkinObjectRecord(word, "rec"); });
  for (const char* word : kControlWords)
    if (std::string(word) != "updown")
      roundTrip([&] { return CreateSkinControlRecord(word, "rec"); });
}

TEST(SkinRecords, DescendantsReadTheirBaseKeysFirst) {
  TbsDataSkinMemoControl memo("memo");
  KeyNames names;
  memo.VisitKeys(names);
  ASSERT_GE(names.keys.size(), 10u);
  EXPECT_EQ(names.keys[0], "pictureindex");
  EXPECT_EQ(names.keys[3], "lefttoppoint");
  EXPECT_EQ(names.keys[8], "activeskinrect");
  EXPECT_EQ(names.keys[names.keys.size() - 2], "bgcolor");
  EXPECT_EQ(names.keys.back(), "activebgcolor");
}

TEST(SkinRecords, SaveErasesTheOldSection) {
  TbsSkinIni ini("[bevel]\nlightcolor=5\nstray=1\n[bevel]\nold=2\n");
  TbsDataSkinBevel bevel("bevel");
  bevel.lightcolor = 0;
  bevel.darkcolor = 12632256;
  bevel.SaveToIni(ini);
  EXPECT_EQ(ini.GetStrings(),
            (std::vector<std::string>{"[bevel]", "pictureindex=-1", "maskpictureindex=-1",
                                      "skinrect=0,0,0,0", "lightcolor=0", "darkcolor=12632256"}));
}

TEST(SkinRecords, DefaultsOfAbsentKeys) {
  TbsSkinIni ini("[l]\n[a]\n[lb]\n");
  TbsDataSkinStdLabelControl label("l");
  label.LoadFromIni(ini);
  EXPECT_EQ(label.activefontcolor, 16711680u);
  EXPECT_EQ(label.fontname, "Arial");
  EXPECT_EQ(label.fontheight, 14);
  EXPECT_EQ(label.pictureindex, -1);
  TbsDataSkinAnimate animate("a");
  animate.LoadFromIni(ini);
  EXPECT_EQ(animate.countframes, 1);
  EXPECT_EQ(animate.timerinterval, 50);
  EXPECT_EQ(animate.command, TbsStdCommand::cmDefault);
  TbsDataSkinListBox list("lb");
  list.LoadFromIni(ini);
  EXPECT_EQ(list.vscrollbarname, "vscrollbar");
  EXPECT_EQ(list.bothhscrollbarname, "bothhscrollbar");
  EXPECT_EQ(list.captionfontheight, 14);
}

TEST(SkinRecords, SpecialReadingRules) {
  TbsSkinIni ini(
      "[ud]\nlefttoppoint=3,3\nclientrect=1,1,5,5\nupbuttonrect=0,0,18,18\n"
      "[an]\nmorphing=1\n"
      "[uo]\nhint=ignored\nskinrect=1,2,3,4\n"
      "[bar]\nUNENABLEDFONTCOLOR=255\n");
  TbsDataSkinUpDownControl upDown("ud");
  upDown.LoadFromIni(ini);
  EXPECT_EQ(upDown.lefttoppoint, gfx::Point{});
  EXPECT_EQ(upDown.clientrect, gfx::Rect{});
  EXPECT_EQ(upDown.upbuttonrect, (gfx::Rect{0, 0, 18, 18}));

  TbsDataSkinAnimate animate("an");
  animate.LoadFromIni(ini);
  EXPECT_FALSE(animate.morphing);

  TbsDataUserObject user("uo");
  user.LoadFromIni(ini);
  EXPECT_EQ(user.hint, "");
  EXPECT_EQ(user.skinrect, (gfx::Rect{1, 2, 3, 4}));
  EXPECT_EQ(SavedLines(user), (std::vector<std::string>{"[uo]", "skinrect=1,2,3,4"}));

  TbsDataSkinMainMenuBarItem item("bar");
  item.LoadFromIni(ini);
  EXPECT_EQ(item.unenabledfontcolor, 255u);
}

TEST(SkinRecords, ConversionErrorStopsAfterTheKeysBeforeIt) {
  TbsSkinIni ini("[b]\nhint=first\nskinrect=1,2,3\nmorphing=1\n");
  TbsDataSkinButton button("b");
  EXPECT_THROW(button.LoadFromIni(ini), TbsConvertError);
  EXPECT_EQ(button.hint, "first");
  EXPECT_FALSE(button.morphing);
}

TEST(SkinRecords, WindowRecordsReadTheirFixedSections) {
  TbsSkinIni ini(
      "[HINTWINDOW]\nwindowpictureindex=8\nclientrect=8,3,39,18\nfontname=MS Sans Serif\n"
      "[popupwindow]\nitemsrect=1,2,3,4\ntopstretch=1\n");
  TbsDataSkinHintWindow hint;
  hint.LoadFromIni(ini);
  EXPECT_EQ(hint.windowpictureindex, 8);
  EXPECT_EQ(hint.maskpictureindex, -1);
  EXPECT_EQ(hint.clientrect, (gfx::Rect{8, 3, 39, 18}));
  EXPECT_EQ(hint.fontname, "MS Sans Serif");
  TbsDataSkinPopupWindow popup;
  popup.LoadFromIni(ini);
  EXPECT_EQ(popup.itemsrect, (gfx::Rect{1, 2, 3, 4}));
  EXPECT_TRUE(popup.topstretch);
  EXPECT_EQ(popup.windowpictureindex, -1);
  ExpectUniqueKeys(hint);
  ExpectUniqueKeys(popup);
}

}  // namespace
