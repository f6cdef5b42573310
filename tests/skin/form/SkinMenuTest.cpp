// The skinned menu engine as the player uses it: the system menu's size and
// first highlighted item, placement near the screen's bottom, scrolling a
// menu taller than the screen, the keyboard, submenus on hover, choosing,
// and closing by Escape, by a press outside and by Alt.

#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinFormTest.h"
#include "skin/form/SkinForm.h"
#include "skin/form/SkinMenu.h"
#include "skin/form/SkinPopupMenu.h"
#include "skin/form/SkinPopupWindow.h"
#include "support/GoldenImage.h"
#include "ui/Menus.h"

namespace {

using namespace win;

class SkinMenus : public controltest::SkinFormTest {
 protected:
  SkinMenus() {
    popup = new TPopupMenu(form);
    menu = new TbsSkinMenu(form, form);
  }

  TMenuItem* Add(TMenuItem& parent, const std::string& caption, bool enabled = true) {
    auto* item = new TMenuItem(popup);
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    item->OnClick = [this, caption](TObject*) { chosen.push_back(caption); };
    parent.Add(item);
    return item;
  }

  // The browser's system menu.
  void AddSystemMenu() {
    Add(popup->Items(), "Mi&nimize");
    Add(popup->Items(), "Ro&llUp");
    Add(popup->Items(), "-");
    Add(popup->Items(), "&Close")->SetShortCut(TextToShortCut("Alt+F4"));
  }

  void Open(gfx::Point at, TbsSkinData* container) {
    menu->PopupAt(nullptr, container, false, &popup->Items(), {at.x, at.y, at.x, at.y}, 0);
  }

  TbsSkinPopupWindow& Level(int i) { return *menu->Levels(i); }
  // The screen point of an item's centre.
  gfx::Point ItemCentre(int level, int item) {
    const gfx::Rect r = Level(level).ItemScreenRect(Level(level).Items(item));
    return {r.left + r.Width() / 2, r.top + r.Height() / 2};
  }
  int TextWidth(const std::string& text) {
    gfx::Bitmap b(1, 1);
    gfx::DeviceContext dc(b);
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    dc.SelectFont(font.Handle());
    gfx::Rect r{0, 0, 0, 0};
    dc.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
    return r.Width();
  }

  TPopupMenu* popup = nullptr;
  TbsSkinMenu* menu = nullptr;
  std::vector<std::string> chosen;
};

TEST_F(SkinMenus, TheSystemMenuOfTheProductSkin) {
  AddSystemMenu();
  Open({200, 150}, skin);
  ASSERT_EQ(menu->LevelCount(), 1);
  TbsSkinPopupWindow& level = Level(0);
  const int widest =
      std::max({TextWidth("Mi&nimize"), TextWidth("Ro&llUp"), TextWidth("&Close  Alt+F4")});
  EXPECT_EQ(level.Width(), widest + 2 + 55);
  EXPECT_EQ(level.Height(), 68);
  EXPECT_EQ(level.Left(), 200);
  EXPECT_EQ(level.Top(), 150);
  EXPECT_EQ(level.HotItem(), 0);
  EXPECT_TRUE(level.Items(0).Highlighted);
  // The popup never takes the keyboard from the form.
  EXPECT_TRUE(form->Active());
  // Down skips the separator; Enter chooses and closes the menu first.
  script.Key(VK_DOWN).Key(VK_DOWN);
  script.Then([&] { EXPECT_EQ(Level(0).HotItem(), 3); });
  script.Key(VK_RETURN);
  Run();
  EXPECT_THAT(chosen, ::testing::ElementsAre("&Close"));
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_EQ(menu->LevelCount(), 0);
}

// The frame's own system menu, glyphs of its items included, once the first
// item's highlight has faded in. Regenerate with TILEBROOK_UPDATE_GOLDEN=1.
TEST_F(SkinMenus, GoldenPictureOfTheFramesSystemMenu) {
  auto* frame = new TbsSkinForm(form);
  frame->SetBorderIcons(
      {TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp});
  frame->SetSkinData(skin);
  frame->ShowSystemMenu({300, 200});
  TbsSkinMenu& engine = frame->SkinMenu();
  ASSERT_EQ(engine.LevelCount(), 1);
  script.Wait(300);
  Run();
  win::GdiFlush();
  EXPECT_TRUE(frame->SkinMenuOpen());
  EXPECT_TRUE(testsupport::MatchesGolden(script.WindowShot(engine.Levels(0)->Handle()),
                                         "tests/skin/form/golden/system_menu.png"));
  script.Key(VK_ESCAPE);
  Run();
  EXPECT_FALSE(frame->SkinMenuOpen());
}

// A menu opened again shows the looks its items had; a look whose item,
// record or skin changed is drawn anew.
TEST_F(SkinMenus, ItemLooksAreKeptUntilWhatTheyShowChanges) {
  AddSystemMenu();
  const auto shot = [&] {
    Open({200, 150}, skin);
    app->ProcessMessages();
    win::GdiFlush();
    gfx::Bitmap picture = script.WindowShot(Level(0).Handle());
    menu->CloseAllLevels();
    return picture;
  };
  const gfx::Bitmap first = shot();
  const std::size_t kept = menu->ItemLooks().Count();
  EXPECT_GT(kept, 0u);
  // The items of one look share their strip: the three items (the first
  // one's highlight has only begun to fade in) and the divider.
  EXPECT_EQ(menu->ItemLooks().StripCount(), 2u);
  EXPECT_TRUE(shot().SameAs(first));
  EXPECT_EQ(menu->ItemLooks().Count(), kept);
  EXPECT_EQ(menu->ItemLooks().StripCount(), 2u);

  popup->Items().Items(1)->SetCaption("Ro&llDown");
  const gfx::Bitmap renamed = shot();
  EXPECT_FALSE(renamed.SameAs(first));
  popup->Items().Items(1)->SetCaption("Ro&llUp");
  EXPECT_TRUE(shot().SameAs(first));

  TbsDataSkinMenuItem* record = nullptr;
  for (const auto& r : skin->ObjectRecords)
    if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(r.get()))
      record = item;
  ASSERT_NE(record, nullptr);
  const gfx::ColorRef colour = record->fontcolor;
  record->fontcolor = gfx::RGB(255, 0, 255);
  EXPECT_FALSE(shot().SameAs(first));
  record->fontcolor = colour;
  EXPECT_TRUE(shot().SameAs(first));
  // A strip changed in place is fitted anew: normal items drawn from the
  // lit strip, a divider with other fixed ends.
  const gfx::Rect normal = record->skinrect;
  record->skinrect = record->activeskinrect;
  EXPECT_FALSE(shot().SameAs(first));
  record->skinrect = normal;
  EXPECT_TRUE(shot().SameAs(first));
  const int dividerLeft = record->dividerleftoffset;
  record->dividerleftoffset = 0;
  record->dividerrightoffset += 20;
  EXPECT_FALSE(shot().SameAs(first));
  record->dividerrightoffset -= 20;
  record->dividerleftoffset = dividerLeft;
  EXPECT_TRUE(shot().SameAs(first));

  // The same skin loaded again brings new pictures: nothing kept is used.
  const std::size_t before = menu->ItemLooks().Count();
  TbsStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini");
  skin->ApplyStoredSkin(&stored);
  EXPECT_TRUE(shot().SameAs(first));
  EXPECT_GT(menu->ItemLooks().Count(), before);
}

TEST_F(SkinMenus, WithoutSkinThePlainLookSizes) {
  AddSystemMenu();
  Open({200, 150}, nullptr);
  const int widest =
      std::max({TextWidth("Mi&nimize"), TextWidth("Ro&llUp"), TextWidth("&Close  Alt+F4")});
  EXPECT_FALSE(Level(0).Skinned());
  EXPECT_EQ(Level(0).Width(), widest + 2 + 19 + 19 + 10);
  EXPECT_EQ(Level(0).Height(), 20 + 20 + 4 + 20 + 4);
}

TEST_F(SkinMenus, NearTheBottomTheMenuOpensAboveTheAnchor) {
  AddSystemMenu();
  Open({200, 740}, skin);
  EXPECT_EQ(Level(0).Top(), 740 - 68);
  EXPECT_EQ(Level(0).Left(), 200);
}

TEST_F(SkinMenus, KeysWrapOverSeparatorsAndDisabledItems) {
  Add(popup->Items(), "Off", false);
  Add(popup->Items(), "&First");
  Add(popup->Items(), "-");
  Add(popup->Items(), "&Last");
  Add(popup->Items(), "Off too", false);
  Open({100, 100}, skin);
  EXPECT_EQ(Level(0).HotItem(), 1);
  std::vector<int> hot;
  auto note = [&] { hot.push_back(Level(0).HotItem()); };
  script.Key(VK_UP).Then(note).Key(VK_DOWN).Then(note).Key(VK_DOWN).Then(note);
  // An accelerator chooses at once.
  script.Key('L', 'l');
  Run();
  EXPECT_THAT(hot, ::testing::ElementsAre(3, 1, 3));
  EXPECT_THAT(chosen, ::testing::ElementsAre("&Last"));
}

TEST_F(SkinMenus, ASubmenuOpensAfterHalfASecondOfHoverAndClosesWithLeft) {
  Add(popup->Items(), "&Open");
  TMenuItem* more = Add(popup->Items(), "&More");
  Add(*more, "&Inner");
  Add(*more, "In&ner two");
  Open({100, 100}, skin);
  const gfx::Point over = ItemCentre(0, 1);
  script.MoveTo(over.x, over.y).Wait(499);
  script.Then([&] {
    EXPECT_EQ(menu->LevelCount(), 1);
    EXPECT_EQ(Level(0).HotItem(), 1);
  });
  script.Wait(1);
  script.Then([&] {
    ASSERT_EQ(menu->LevelCount(), 2);
    EXPECT_TRUE(Level(0).Items(1).Pressed);
    // Its first item lines up with the parent item, to its right.
    EXPECT_EQ(Level(1).ItemScreenRect(Level(1).Items(0)).top,
              Level(0).ItemScreenRect(Level(0).Items(1)).top);
    EXPECT_EQ(Level(1).Left(), Level(0).ItemScreenRect(Level(0).Items(1)).right + 1);
    EXPECT_EQ(Level(1).HotItem(), 0);
  });
  script.Key(VK_LEFT);
  script.Then([&] {
    EXPECT_EQ(menu->LevelCount(), 1);
    EXPECT_FALSE(Level(0).Items(1).Pressed);
  });
  // Right opens it again; a click on an inner item chooses it.
  script.Key(VK_RIGHT);
  script.Then([&] {
    ASSERT_EQ(menu->LevelCount(), 2);
    const gfx::Point inner = ItemCentre(1, 1);
    script.InjectMouseMove(inner);
    script.InjectButton(MouseButton::Left, true);
    script.InjectButton(MouseButton::Left, false);
  });
  Run();
  EXPECT_THAT(chosen, ::testing::ElementsAre("&More", "&More", "In&ner two"));
  EXPECT_FALSE(menu->IsOpen());
}

TEST_F(SkinMenus, ATallMenuScrollsOneItemEveryTenthOfASecond) {
  for (int i = 0; i < 1000; ++i)
    Add(popup->Items(), "Item " + std::to_string(i));
  Open({100, 0}, skin);
  TbsSkinPopupWindow& level = Level(0);
  EXPECT_TRUE(level.Scrolling());
  EXPECT_EQ(level.Height(), Screen->WorkAreaRect().Height());
  const int bandY = level.Top() + level.ItemsRect().bottom - 5;
  script.MoveTo(level.Left() + 30, bandY).Wait(50);
  script.Then([&] { EXPECT_EQ(Level(0).ScrollDirection(), TbsScrollDirection::Down); });
  script.Wait(300);
  script.Then([&] { EXPECT_EQ(Level(0).FirstVisible(), 3); });
  // Leaving the band stops it.
  script.MoveTo(level.Left() + 30, level.Top() + 100).Wait(200);
  Run();
  EXPECT_EQ(level.FirstVisible(), 3);
  EXPECT_EQ(level.ScrollDirection(), TbsScrollDirection::None);
  // Up from the first item reaches the last one, scrolled into view.
  Open({100, 0}, skin);
  EXPECT_EQ(Level(0).HotItem(), 0);
  script.Key(VK_UP);
  Run();
  EXPECT_EQ(Level(0).HotItem(), 999);
  EXPECT_TRUE(Level(0).Items(999).InVisibleRange);
  EXPECT_FALSE(Level(0).Items(0).InVisibleRange);
}

TEST_F(SkinMenus, EscapeAPressOutsideAndAltCloseIt) {
  AddSystemMenu();
  int closedNotices = 0;
  form->WindowProc = [&, old = form->WindowProc](TMessage& m) {
    if (m.Msg == CloseSkinMenuMessage)
      ++closedNotices;
    old(m);
  };
  Open({200, 150}, skin);
  script.Key(VK_ESCAPE);
  Run();
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_EQ(closedNotices, 1);
  Open({200, 150}, skin);
  script.Click(600, 500);
  Run();
  EXPECT_FALSE(menu->IsOpen());
  Open({200, 150}, skin);
  script.KeyDown(VK_MENU).KeyUp(VK_MENU);
  Run();
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_TRUE(chosen.empty());
  EXPECT_EQ(closedNotices, 3);
}

TEST_F(SkinMenus, APopupMenuComponentOpensThroughItsFormsFrameOrItsOwnEngine) {
  auto* own = new TbsSkinPopupMenu(form);
  int popups = 0;
  own->OnPopup = [&](TObject*) { ++popups; };
  auto* item = new TMenuItem(own);
  item->SetCaption("&Play");
  item->OnClick = [&](TObject*) { chosen.push_back("play"); };
  own->Items().Add(item);
  // No frame: an engine of its own, with the component's skin.
  own->SetSkinData(skin);
  own->Popup(50, 60);
  ASSERT_NE(own->Engine(), nullptr);
  EXPECT_TRUE(own->Engine()->IsOpen());
  EXPECT_TRUE(own->Engine()->Levels(0)->Skinned());
  script.Key(VK_RETURN);
  Run();
  EXPECT_THAT(chosen, ::testing::ElementsAre("play"));
  // With a frame: the frame's engine and menu skin, and the frame knows.
  auto* frame = new TbsSkinForm(form);
  frame->SetMenusSkinData(skin);
  own->SetSkinData(nullptr);
  own->Popup(50, 60);
  EXPECT_EQ(own->Engine(), &frame->SkinMenu());
  EXPECT_TRUE(frame->SkinMenuOpen());
  EXPECT_TRUE(frame->SkinMenu().Levels(0)->Skinned());
  script.Key(VK_ESCAPE);
  Run();
  EXPECT_FALSE(frame->SkinMenuOpen());
  EXPECT_EQ(popups, 2);
}

TEST_F(SkinMenus, ASkinWithoutMenuRecordsGivesThePlainLooks) {
  AddSystemMenu();
  // An item object whose picture is missing gives items without a look and
  // without height, in the skinned window.
  for (const auto& r : skin->ObjectRecords)
    if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(r.get()))
      item->activepictureindex = 99;
  Open({200, 150}, skin);
  ASSERT_EQ(menu->LevelCount(), 1);
  EXPECT_TRUE(Level(0).Skinned());
  EXPECT_EQ(Level(0).Height(), 40 - 36);
  menu->CloseAllLevels();
  // The popup window's picture is missing, and so is the menu item object.
  skin->PopupWindowRecord->windowpictureindex = -1;
  std::erase_if(skin->ObjectRecords, [](const auto& r) {
    return dynamic_cast<const TbsDataSkinMenuItem*>(r.get()) != nullptr;
  });
  Open({200, 150}, skin);
  ASSERT_EQ(menu->LevelCount(), 1);
  EXPECT_FALSE(Level(0).Skinned());
  EXPECT_EQ(Level(0).Height(), 20 + 20 + 4 + 20 + 4);
  script.Key(VK_RETURN);
  Run();
  EXPECT_THAT(chosen, ::testing::ElementsAre("Mi&nimize"));
}

TEST_F(SkinMenus, TranslucentMenusTakeTheFramesAlpha) {
  auto* frame = new TbsSkinForm(form);
  frame->SetMenusSkinData(skin);
  frame->SetMenusAlphaBlend(true);
  frame->SetMenusAlphaBlendAnimation(true);
  EXPECT_EQ(frame->MenusAlphaBlendValue(), 200);
  frame->ShowSystemMenu({300, 200});
  TbsSkinMenu& engine = frame->SkinMenu();
  ASSERT_EQ(engine.LevelCount(), 1);
  // The fade-in ends at the frame's value.
  const auto* surface = script.FindSurface(engine.Levels(0)->Handle());
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->alpha, 200);
  engine.CloseAllLevels();
  frame->SetDefMenuItemHeight(0);  // ignored
  EXPECT_EQ(frame->DefMenuItemHeight(), 20);
}

TEST_F(SkinMenus, EmptyMenusOpenNothing) {
  Open({10, 10}, skin);
  EXPECT_FALSE(menu->IsOpen());
  Add(popup->Items(), "Hidden")->SetVisible(false);
  Open({10, 10}, skin);
  EXPECT_EQ(menu->LevelCount(), 0);
}

}  // namespace
