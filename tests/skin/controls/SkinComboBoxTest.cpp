// The skinned combo box as the player uses it: opening and closing its list
// with the mouse and the keyboard, events in order, typing search, and
// where the list opens.

#include "SkinFormTest.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinUpDown.h"
#include "ui/Graphics.h"
#include "ui/ImageList.h"

namespace controltest {
namespace {

class SkinComboBoxes : public SkinFormTest {
 protected:
  TbsSkinComboBox* MakeBox(std::vector<std::string> items, int y = 20) {
    auto* box = new TbsSkinComboBox(form);
    box->SetParent(form);
    box->SetBounds(20, y, 187, 20);
    box->SetItems(items);
    box->SetSkinData(skin);
    box->OnChange = [this](TObject*) { log.push_back("change"); };
    box->OnClick = [this](TObject*) { log.push_back("click"); };
    box->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
    box->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    return box;
  }
  // Screen point of the middle of list row `row`.
  TPoint RowPoint(TbsSkinComboBox* box, int row) {
    const TRect rows = box->ListBox()->RowsRect();
    return box->ListBox()->ClientToScreen(
        {rows.left + 20, rows.top + row * box->ListBox()->ItemHeight() + 5});
  }
  std::vector<std::string> log;
};

const std::vector<std::string> kSeverities = {"Beginner", "Intermediate", "Expert", "Guru",
                                              "Maniac"};

TEST_F(SkinComboBoxes, MouseChoiceFromTheList) {
  TbsSkinComboBox* box = MakeBox(kSeverities);
  EXPECT_EQ(box->Height(), 18);
  box->SetItemIndex(0);
  log.clear();
  const TPoint button = At(box, 180, 9);
  script.Click(button.x, button.y);
  Run();
  ASSERT_TRUE(box->ListOpen());
  EXPECT_EQ(box->ListBox()->Height(), 94);
  const TPoint p = RowPoint(box, 3);
  script.MoveTo(p.x, p.y).Press().Release();
  Run();
  EXPECT_FALSE(box->ListOpen());
  EXPECT_EQ(box->ItemText(), "Guru");
  EXPECT_THAT(log, ::testing::ElementsAre("dropdown", "change", "click", "closeup"));
  // The press on the list's rows left the focus with the box.
  EXPECT_TRUE(box->Focused());
}

TEST_F(SkinComboBoxes, EnterAcceptsAndEscapeRestores) {
  TbsSkinComboBox* box = MakeBox(kSeverities);
  box->SetItemIndex(1);
  log.clear();
  script.Then([&] { box->SetFocus(); });
  script.KeyDown(win::VK_MENU).Key(win::VK_DOWN).KeyUp(win::VK_MENU);
  script.Then([&] { EXPECT_TRUE(box->ListOpen()); });
  script.Key(win::VK_ESCAPE);
  script.Then([&] {
    EXPECT_FALSE(box->ListOpen());
    EXPECT_EQ(box->ItemIndex(), 1);
  });
  script.KeyDown(win::VK_MENU).Key(win::VK_DOWN).KeyUp(win::VK_MENU);
  script.Key(win::VK_RETURN);
  Run();
  EXPECT_FALSE(box->ListOpen());
  EXPECT_THAT(log, ::testing::ElementsAre("dropdown", "dropdown", "click", "closeup"));
}

TEST_F(SkinComboBoxes, PressOnAnotherControlClosesWithoutChoosing) {
  TbsSkinComboBox* box = MakeBox(kSeverities);
  box->SetItemIndex(1);
  auto* ud = new TbsSkinUpDown(form);
  ud->SetParent(form);
  ud->SetBounds(400, 20, 40, 40);
  log.clear();
  const TPoint button = At(box, 180, 9);
  script.Click(button.x, button.y);
  Run();
  ASSERT_TRUE(box->ListOpen());
  // Pointing into the list highlights, a press on the scroll-less list's
  // own window would choose; a press on the up-down only closes.
  const TPoint row = RowPoint(box, 4);
  const TPoint other = At(ud, 5, 5);
  script.MoveTo(row.x, row.y).MoveTo(other.x, other.y).Press().Release();
  Run();
  EXPECT_FALSE(box->ListOpen());
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_THAT(log, ::testing::ElementsAre("dropdown"));
  // Closed, the box opens again as before.
  script.Click(button.x, button.y);
  Run();
  EXPECT_TRUE(box->ListOpen());
}

TEST_F(SkinComboBoxes, TheProgramsMessageHookStaysAndLosingTheFormClosesTheList) {
  TbsSkinComboBox* box = MakeBox(kSeverities);
  box->SetItemIndex(2);
  int seen = 0;
  app->OnMessage = [&](win::MSG&, bool&) { ++seen; };
  log.clear();
  const TPoint button = At(box, 180, 9);
  script.Click(button.x, button.y);
  Run();
  ASSERT_TRUE(box->ListOpen());
  // The program's own hook is neither replaced nor skipped while open.
  const int before = seen;
  const TPoint row = RowPoint(box, 0);
  script.MoveTo(row.x, row.y);
  Run();
  EXPECT_GT(seen, before);
  EXPECT_EQ(box->ListBox()->ItemIndex(), 0);
  // Another window taking the activation closes the list without choosing.
  TForm* other = MakeForm(100, 100);
  app->ProcessMessages();
  EXPECT_TRUE(other->Active());
  EXPECT_FALSE(box->ListOpen());
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_THAT(log, ::testing::ElementsAre("dropdown"));
  ASSERT_TRUE(app->OnMessage);
}

TEST_F(SkinComboBoxes, SeverityImagesInTheBoxAndTheList) {
  auto* images = new TImageList(form);
  images->SetWidth(10);
  images->SetHeight(6);
  images->SetMasked(false);
  for (int i = 0; i < 5; ++i) {
    TBitmap cell(10, 6);
    cell.Canvas().Brush().SetColor(gfx::RGB(200, 10 * i, 0));
    cell.Canvas().FillRect({0, 0, 10, 6});
    images->Add(cell);
  }
  TbsSkinComboBox* box = MakeBox(kSeverities);
  box->SetImages(images);
  box->SetItemIndex(3);
  const TRect item = box->Areas().Item;
  // The image stands at the text rectangle's left edge (2 pixels in).
  EXPECT_EQ(ShotOf(box).GetPixel(item.left + 2 + 4, item.top + 8), gfx::RGB(200, 30, 0));
  box->OpenList();
  app->ProcessMessages();
  win::GdiFlush();
  const gfx::Bitmap list = script.WindowShot(box->ListBox()->Handle());
  const TRect rows = box->ListBox()->RowsRect();
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(list.GetPixel(rows.left + 2 + 4, rows.top + i * 18 + 9), gfx::RGB(200, 10 * i, 0))
        << i;
  // Removing the image list leaves the texts alone.
  delete images;
  EXPECT_EQ(box->Images(), nullptr);
}

TEST_F(SkinComboBoxes, TypingWithAndWithoutThePause) {
  TbsSkinComboBox* box = MakeBox({"Apple", "Eagle", "Eel", "Emu"});
  box->SetItemIndex(0);
  script.Then([&] { box->SetFocus(); });
  script.Key('E', 'e').Wait(100).Key('E', 'e');
  script.Then([&] { EXPECT_EQ(box->ItemText(), "Eel"); });
  script.Wait(600).Key('E', 'e');
  Run();
  EXPECT_EQ(box->ItemText(), "Emu");
}

TEST_F(SkinComboBoxes, AnUmlautOrALetterBeyondLatin1FindsItsItem) {
  TbsSkinComboBox* box = MakeBox({"Apfel", "Birne", "\u00DCberraschung", "\u0141\u00F3d\u017A"});
  box->SetItemIndex(0);
  script.Then([&] { box->SetFocus(); });
  script.Key(0xBA, U'\u00FC');
  script.Then([&] { EXPECT_EQ(box->ItemIndex(), 2); });
  script.Wait(600).Key('L', U'\u0142');
  Run();
  EXPECT_EQ(box->ItemIndex(), 3);
}

TEST_F(SkinComboBoxes, TheProgramDrawsItemsInTheBoxAndTheList) {
  TbsSkinComboBox* box = MakeBox(kSeverities);
  box->SetItemIndex(2);
  std::vector<std::string> drawn;
  box->OnComboBoxDrawItem = [&](TCanvas& c, int index, TRect r, TOwnerDrawState state) {
    drawn.push_back("box " + std::to_string(index) + (state.Contains(odFocused) ? " focused" : ""));
    c.Brush().SetColor(gfx::RGB(0, 200, 0));
    c.FillRect(r);
  };
  box->SetOnListBoxDrawItem([&](TCanvas&, int index, TRect, TOwnerDrawState) {
    drawn.push_back("list " + std::to_string(index));
  });
  const TRect item = box->Areas().Item;
  EXPECT_EQ(ShotOf(box).GetPixel(item.left + 20, item.top + 8), gfx::RGB(0, 200, 0));
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), "box 2");
  box->SetFocus();
  drawn.clear();
  ShotOf(box);
  EXPECT_EQ(drawn.back(), "box 2 focused");
  // Without a skin the plain look asks the program too.
  box->SetSkinData(nullptr);
  box->Invalidate();
  drawn.clear();
  EXPECT_EQ(ShotOf(box).GetPixel(item.left + 20, item.top + 8), gfx::RGB(0, 200, 0));
  EXPECT_EQ(drawn.back(), "box 2 focused");
  box->OpenList();
  app->ProcessMessages();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "list 4"), drawn.end());
}

TEST_F(SkinComboBoxes, AnOpenListFilledAgainStaysOpenOnTheSameRows) {
  // What the package box's handler does as the player arrows through the
  // open list: the same strings again, then the new choice.
  std::vector<std::string> items;
  for (int i = 0; i < 20; ++i)
    items.push_back("Package " + std::to_string(i));
  TbsSkinComboBox* box = MakeBox(items);
  box->SetItemIndex(10);
  box->OpenList();
  app->ProcessMessages();
  // The choice is the first row of the list as it opens.
  ASSERT_EQ(box->ListBox()->TopIndex(), 10);
  const int height = box->ListBox()->Height();
  box->SetItems(items);
  box->SetItemIndex(11);
  app->ProcessMessages();
  EXPECT_TRUE(box->ListOpen());
  EXPECT_EQ(box->ListBox()->TopIndex(), 10);
  EXPECT_EQ(box->ListBox()->ItemIndex(), 11);
  EXPECT_EQ(box->ListBox()->Height(), height);
  // Fewer strings than rows: the list is sized for them.
  box->SetItems({"a", "b", "c"});
  app->ProcessMessages();
  EXPECT_TRUE(box->ListOpen());
  EXPECT_EQ(box->ListBox()->TopIndex(), 0);
  EXPECT_LT(box->ListBox()->Height(), height);
}

TEST_F(SkinComboBoxes, SortedItemsAndTheFontFollowingTheDefaultFont) {
  TbsSkinComboBox* box = MakeBox({"Maniac", "beginner", "Guru"});
  box->SetItemIndex(0);
  box->SetSorted(true);
  EXPECT_EQ(box->Items(), (std::vector<std::string>{"beginner", "Guru", "Maniac"}));
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_EQ(box->ListBox()->Items()[0], "beginner");
  box->SetItems({"b", "a"});
  EXPECT_EQ(box->ListBox()->Items()[0], "a");
  EXPECT_EQ(box->ListBox()->ItemIndex(), -1);

  box->DefaultFont().SetName("Liberation Serif");
  box->DefaultFont().SetHeight(20);
  EXPECT_EQ(box->Font().Name(), "Liberation Serif");
  EXPECT_EQ(box->Font().Height(), 20);
}

TEST_F(SkinComboBoxes, ListOpensAboveNearTheScreenBottom) {
  const TRect work = Screen->WorkAreaRect();
  form->SetTop(work.bottom - form->Height());
  TbsSkinComboBox* box = MakeBox(kSeverities, form->ClientHeight() - 30);
  box->OpenList();
  app->ProcessMessages();
  const TPoint top = box->ClientToScreen({0, 0});
  EXPECT_EQ(box->ListBox()->Top() + box->ListBox()->Height(), top.y);
  box->CloseList(false);
  form->SetTop(0);
  box->OpenList();
  EXPECT_EQ(box->ListBox()->Top(), box->ClientToScreen({0, 0}).y + box->Height());
}

TEST_F(SkinComboBoxes, TwelveItemsShowEightRowsAndABar) {
  std::vector<std::string> items;
  for (int i = 0; i < 12; ++i)
    items.push_back("Package " + std::to_string(i));
  TbsSkinComboBox* box = MakeBox(items);
  box->OpenList();
  app->ProcessMessages();
  ASSERT_NE(box->ListBox()->ScrollBar(), nullptr);
  TbsSkinScrollBar* bar = box->ListBox()->ScrollBar();
  EXPECT_EQ(bar->PageSize(), 8);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(box->ListBox()->RowsRect().Height() / box->ListBox()->ItemHeight(), 8);
  // Moving the bar scrolls the rows.
  bar->SetPosition(4);
  EXPECT_EQ(box->Behaviour().TopIndex(), 4);
}

}  // namespace
}  // namespace controltest
