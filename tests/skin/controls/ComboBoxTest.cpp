#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "skin/controls/ComboBoxBehaviour.h"
#include "skin/controls/ComboBoxLook.h"
#include "support/GfxPrinters.h"

using controltest::ProductRecord;
using controltest::ProductSkin;
using gfx::Rect;
using Key = TbsComboBoxBehaviour::Key;

namespace {

// A combo box that writes its events into one log.
struct ComboRig {
  TbsComboBoxBehaviour box;
  std::string log;
  int shown = 0, hidden = 0;

  explicit ComboRig(std::vector<std::string> items) {
    box.SetItems(std::move(items));
    box.OnChange = [this] { log += "change "; };
    box.OnClick = [this] { log += "click "; };
    box.OnCloseUp = [this] { log += "closeup "; };
    box.OnDropDown = [this] { log += "dropdown "; };
    box.ShowList = [this] { ++shown; };
    box.HideList = [this] { ++hidden; };
  }
};

const std::vector<std::string> kSeverities = {"Beginner", "Intermediate", "Expert", "Guru",
                                              "Maniac"};

// Images of 10 x 6 pixels, image i filled with the colour RGB(i + 1, 0, 0).
class SolidImages : public TbsItemImages {
 public:
  int Count() const override { return 5; }
  gfx::Size ImageSize() const override { return {10, 6}; }
  void Draw(gfx::DeviceContext& dc, int index, int x, int y) const override {
    dc.FillRect(Rect::FromXYWH(x, y, 10, 6), gfx::RGB(index + 1, 0, 0));
  }
};

}  // namespace

TEST(ComboBox, AreasOfAWideSkinnedBoxAndOfThePlainOne) {
  const auto* record = ProductRecord<TbsDataSkinComboBox>("combobox");
  ASSERT_NE(record, nullptr);
  const TbsComboBoxAreas a = ComboBoxAreas(record, 543, 18);
  EXPECT_EQ(a.Button, (Rect{528, 2, 541, 16}));
  EXPECT_EQ(a.Item, (Rect{1, 1, 526, 17}));
  const TbsComboBoxAreas p = ComboBoxAreas(nullptr, 120, 20);
  EXPECT_EQ(p.Button, (Rect{101, 2, 118, 18}));
  EXPECT_EQ(p.Item, (Rect{2, 2, 100, 18}));
}

TEST(ComboBox, MouseChoiceFiresChangeClickCloseUpInThatOrder) {
  ComboRig r(kSeverities);
  r.box.SetItemIndex(1);
  r.log.clear();
  r.box.BoxMouseDown(true);
  EXPECT_TRUE(r.box.ListOpen());
  EXPECT_EQ(r.log, "dropdown ");
  r.box.ListMouseMove(3);
  EXPECT_EQ(r.box.ItemIndex(), 3);
  EXPECT_EQ(r.box.ShownIndex(), 1);  // the closed box still shows the old choice
  EXPECT_EQ(r.log, "dropdown ");
  r.box.ListMouseUp();
  EXPECT_EQ(r.log, "dropdown change click closeup ");
  EXPECT_EQ(r.box.Text(), "Guru");
  EXPECT_EQ(r.shown, 1);
  EXPECT_EQ(r.hidden, 1);
  // The same item again: no change.
  r.log.clear();
  r.box.BoxMouseDown(true);
  r.box.ListMouseUp();
  EXPECT_EQ(r.log, "dropdown click closeup ");
}

TEST(ComboBox, EscapeRestoresAndEnterAccepts) {
  ComboRig r(kSeverities);
  r.box.SetItemIndex(0);
  r.log.clear();
  EXPECT_FALSE(r.box.KeyDown(Key::Escape, false));  // closed: not the box's key
  EXPECT_TRUE(r.box.KeyDown(Key::Down, true));      // Alt+Down opens
  r.box.ListMouseMove(4);
  EXPECT_TRUE(r.box.KeyDown(Key::Escape, false));
  EXPECT_EQ(r.box.ItemIndex(), 0);
  EXPECT_EQ(r.log, "dropdown ");
  r.box.KeyDown(Key::Right, true);
  r.box.Wheel(+1);
  r.box.Wheel(+1);
  EXPECT_EQ(r.log, "dropdown dropdown ");
  EXPECT_TRUE(r.box.KeyDown(Key::Enter, false));
  EXPECT_EQ(r.box.Text(), "Expert");
  EXPECT_EQ(r.log, "dropdown dropdown change click closeup ");
  // A press on the box while open closes without choosing; so does focus loss.
  r.log.clear();
  r.box.BoxMouseDown(true);
  r.box.ListMouseMove(0);
  r.box.BoxMouseDown(false);
  EXPECT_FALSE(r.box.ListOpen());
  EXPECT_EQ(r.box.ItemIndex(), 2);
  r.box.BoxMouseDown(true);
  r.box.ListMouseMove(0);
  r.box.FocusLost();
  EXPECT_EQ(r.box.ItemIndex(), 2);
  EXPECT_EQ(r.log, "dropdown dropdown ");
}

TEST(ComboBox, KeysMoveTheChoiceWithItsEvents) {
  std::vector<std::string> items;
  for (int i = 0; i < 30; ++i)
    items.push_back("Item " + std::to_string(i));
  ComboRig r(items);
  r.box.SetItemIndex(10);
  r.log.clear();
  r.box.KeyDown(Key::PageDown, false);
  EXPECT_EQ(r.box.ItemIndex(), 17);
  EXPECT_EQ(r.log, "change click ");
  r.box.KeyDown(Key::PageUp, false);
  EXPECT_EQ(r.box.ItemIndex(), 8);
  r.box.KeyDown(Key::PageUp, false);
  EXPECT_EQ(r.box.ItemIndex(), 0);
  r.box.KeyDown(Key::Up, false);
  EXPECT_EQ(r.box.ItemIndex(), 0);
  r.box.SetItemIndex(29);
  r.box.KeyDown(Key::Down, false);
  EXPECT_EQ(r.box.ItemIndex(), 29);
  // Closed, the wheel chooses at once.
  r.log.clear();
  r.box.Wheel(-1);
  EXPECT_EQ(r.box.ItemIndex(), 28);
  EXPECT_EQ(r.log, "change click ");
}

TEST(ComboBox, TypingSearchJoinsLettersWithinThePause) {
  ComboRig r({"Apple", "Eagle", "Eel", "Emu", "Elk"});
  r.box.SetItemIndex(0);
  r.box.KeyChar('e', 1000);
  EXPECT_EQ(r.box.ItemIndex(), 1);
  r.box.KeyChar('E', 1300);  // "ee"
  EXPECT_EQ(r.box.ItemIndex(), 2);
  // After a pause the next "e" starts again and steps on from the choice.
  r.box.KeyChar('e', 1900);
  EXPECT_EQ(r.box.ItemIndex(), 3);
  r.box.KeyChar('e', 2500);
  EXPECT_EQ(r.box.ItemIndex(), 4);
  r.box.KeyChar('e', 3100);  // wraps round
  EXPECT_EQ(r.box.ItemIndex(), 1);
  r.box.KeyChar('x', 3200);  // "ex": nothing
  EXPECT_EQ(r.box.ItemIndex(), 1);
  r.box.AutoComplete = false;
  r.box.KeyChar('e', 3300);
  r.box.KeyChar('e', 3400);
  EXPECT_EQ(r.box.ItemIndex(), 3);
}

TEST(ComboBox, TypingComparesWholeCharactersWithoutCase) {
  // No letter beyond ASCII stands for its low byte ("\u0142" is not "B").
  ComboRig fruit({"Apple", "Berry", "Cherry"});
  fruit.box.KeyChar(U'\u0142', 1000);
  EXPECT_EQ(fruit.box.ItemIndex(), -1);
  EXPECT_EQ(fruit.log, "");
  // Umlauts count as letters of their own, in either case.
  ComboRig r({"Apfel", "\u00C4pfel", "Birne", "A\u0308rger"});
  r.box.SetItemIndex(0);
  r.box.KeyChar(U'\u00C4', 2000);
  EXPECT_EQ(r.box.ItemIndex(), 1);
  EXPECT_EQ(r.box.Text(), "\u00C4pfel");
  // The same letter written as "A" with a combining diaeresis is found too.
  r.box.KeyChar(U'\u00E4', 3000);
  EXPECT_EQ(r.box.ItemIndex(), 3);
  r.box.KeyChar(U'a', 4000);
  EXPECT_EQ(r.box.ItemIndex(), 0);
  // A prefix with "\u00DF" matches "\u00DF", not "ss"; letters outside
  // Latin-1 match their other case.
  ComboRig s({"Masse", "Ma\u00DFe", "\u0141\u00F3d\u017A", "Lublin"});
  s.box.KeyChar(U'm', 5000);
  s.box.KeyChar(U'A', 5100);
  s.box.KeyChar(U'\u00DF', 5200);
  EXPECT_EQ(s.box.ItemIndex(), 1);
  s.box.KeyChar(U'\u0142', 6000);
  EXPECT_EQ(s.box.ItemIndex(), 2);
  s.box.KeyChar(U'L', 7000);
  EXPECT_EQ(s.box.ItemIndex(), 3);
  // Characters no text can hold are ignored.
  s.box.KeyChar(0xD800, 8000);
  s.box.KeyChar(0x110000, 8100);
  EXPECT_EQ(s.box.ItemIndex(), 3);
}

TEST(ComboBox, NewItemsDropTheChoiceAndSortingKeepsIt) {
  ComboRig r({"A", "B"});
  r.box.SetItemIndex(1);
  r.box.OpenList();
  r.log.clear();
  r.box.SetItems({"X", "Y"});
  // The choice went with the old strings: nothing is chosen or shown, the
  // list stays open over the new strings, and the text is what it was.
  EXPECT_EQ(r.box.ItemIndex(), -1);
  EXPECT_EQ(r.box.ShownIndex(), -1);
  EXPECT_TRUE(r.box.ListOpen());
  EXPECT_EQ(r.box.Text(), "B");
  EXPECT_EQ(r.log, "");
  r.box.SetItemIndex(1);
  EXPECT_EQ(r.box.Text(), "Y");
  EXPECT_EQ(r.log, "change click ");
  // Enter takes the new choice; no strings at all close the list unchosen.
  r.box.KeyDown(Key::Enter, false);
  EXPECT_FALSE(r.box.ListOpen());
  EXPECT_EQ(r.log, "change click click closeup ");
  r.box.OpenList();
  r.log.clear();
  r.box.SetItems({});
  EXPECT_FALSE(r.box.ListOpen());
  EXPECT_EQ(r.box.Text(), "Y");
  EXPECT_EQ(r.log, "");

  ComboRig sorted({"b", "C", "a", "B2"});
  sorted.box.SetItemIndex(0);
  sorted.log.clear();
  sorted.box.SetSorted(true);
  EXPECT_EQ(sorted.box.Items(), (std::vector<std::string>{"a", "b", "B2", "C"}));
  EXPECT_EQ(sorted.box.ItemIndex(), 1);
  EXPECT_EQ(sorted.box.Text(), "b");
  EXPECT_EQ(sorted.log, "");
  sorted.box.SetItems({"z", "y"});
  EXPECT_EQ(sorted.box.Items(), (std::vector<std::string>{"y", "z"}));
}

TEST(ComboBox, ListSizeAndPlacement) {
  std::vector<std::string> twelve(12, "x");
  ComboRig r(twelve);
  EXPECT_EQ(r.box.ListRows(), 8);
  const auto* list = ProductRecord<TbsDataSkinListBox>("listbox");
  ASSERT_NE(list, nullptr);
  const int itemHeight = ListItemHeight(list, true, 20);
  EXPECT_EQ(itemHeight, 18);
  EXPECT_EQ(ListHeightForRows(list, 5, itemHeight), 94);
  EXPECT_EQ(ListHeightForRows(nullptr, 5, 20), 104);
  const TbsListAreas a = ListAreas(list, 16, true, 187, ListHeightForRows(list, 8, 18));
  EXPECT_EQ(a.Rows, (Rect{2, 2, 169, 146}));
  EXPECT_EQ(a.VScrollBar, (Rect{169, 2, 185, 146}));
  EXPECT_EQ(a.Rows.Height() / itemHeight, 8);
  // Near the bottom of the screen the list opens above the box.
  const Rect work{0, 0, 1024, 740};
  EXPECT_EQ(DropDownRect({100, 500, 287, 518}, 187, 94, work), (Rect{100, 518, 287, 612}));
  EXPECT_EQ(DropDownRect({100, 700, 287, 718}, 187, 94, work), (Rect{100, 606, 287, 700}));
}

TEST(ComboBox, NoChoiceKeepsTheTextAndAnEmptyListNeverOpens) {
  ComboRig r(kSeverities);
  r.box.SetItemIndex(2);
  r.box.SetItemIndex(-1);
  EXPECT_EQ(r.box.Text(), "Expert");
  r.box.SetItemIndex(99);
  EXPECT_EQ(r.box.ItemIndex(), -1);
  ComboRig empty({});
  empty.box.BoxMouseDown(true);
  EXPECT_FALSE(empty.box.ListOpen());
  EXPECT_EQ(empty.log, "");
}

TEST(ComboBox, ImagesStandBeforeTheItemsInTheBoxAndTheList) {
  const auto* record = ProductRecord<TbsDataSkinComboBox>("combobox");
  const auto* list = ProductRecord<TbsDataSkinListBox>("listbox");
  SolidImages images;
  TbsItemContent content{&kSeverities, &images, -1};
  gfx::Bitmap box;
  PaintComboBoxSkinLook(box, ProductSkin(), *record, {.ShownIndex = 3}, content, 187, 18);
  // The text rectangle starts at x = 1 + 2 in the box; the image is
  // vertically centred in the 16-pixel-high text rectangle.
  EXPECT_EQ(box.GetPixel(3, 1 + 5), gfx::RGB(4, 0, 0));
  gfx::Bitmap rows(150, 18);
  gfx::DeviceContext dc(rows);
  PaintListRow(dc, 0, 0, 150, 18, &ProductSkin(), list, {}, content, 2);
  EXPECT_EQ(rows.GetPixel(2, 6), gfx::RGB(3, 0, 0));
  // Every item the same image.
  content.ImageIndex = 0;
  PaintListRow(dc, 0, 0, 150, 18, &ProductSkin(), list, {}, content, 2);
  EXPECT_EQ(rows.GetPixel(2, 6), gfx::RGB(1, 0, 0));
  // Nothing chosen: the item area shows no image.
  PaintComboBoxSkinLook(box, ProductSkin(), *record, {.ShownIndex = -1}, content, 187, 18);
  EXPECT_NE(box.GetPixel(3, 6), gfx::RGB(1, 0, 0));
}

TEST(ComboBox, SkinnedButtonLooks) {
  const auto* record = ProductRecord<TbsDataSkinComboBox>("combobox");
  const gfx::Bitmap& picture = *ProductSkin().ActivePicture(record->pictureindex);
  gfx::Bitmap normal, hot, down;
  PaintComboBoxSkinLook(normal, ProductSkin(), *record, {}, {}, 543, 20);
  ASSERT_EQ(normal.GetSize(), (gfx::Size{543, 18}));
  EXPECT_EQ(normal.GetPixel(528 + 6, 2 + 6), picture.GetPixel(26 + 6, 24 + 2 + 6));
  PaintComboBoxSkinLook(hot, ProductSkin(), *record, {.ButtonHot = true}, {}, 543, 20);
  EXPECT_EQ(hot.GetPixel(528 + 6, 2 + 6), picture.GetPixel(43 + 6, 24 + 6));
  PaintComboBoxSkinLook(down, ProductSkin(), *record, {.ButtonHot = true, .Pressed = true}, {}, 543,
                        20);
  EXPECT_EQ(down.GetPixel(528 + 6, 2 + 6), picture.GetPixel(58 + 6, 24 + 6));
}
