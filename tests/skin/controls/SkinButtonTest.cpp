// The skinned button as the player uses it: mouse, keyboard, accelerators,
// default and cancel buttons, repeat clicks and grouped buttons.

#include "SkinFormTest.h"
#include "platform/win/PaintApi.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinButton.h"
#include "support/GfxPrinters.h"

namespace controltest {
namespace {

using win::VK_MENU;
using win::VK_RETURN;

class SkinButtons : public SkinFormTest {
 protected:
  TbsSkinButton* MakeButton(const std::string& caption, TRect bounds,
                            const std::string& record = "button") {
    auto* b = new TbsSkinButton(form);
    b->SetParent(form);
    b->SetCaption(caption);
    b->SetSkinDataName(record);
    b->SetSkinData(skin);
    b->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    b->OnClick = [this, caption](TObject*) { log.push_back(caption); };
    return b;
  }
  void ClickAt(TControl* c, int x, int y) {
    const TPoint p = At(c, x, y);
    script.Click(p.x, p.y);
  }
  std::vector<std::string> log;
  std::vector<std::string> otherLog;
};

TEST_F(SkinButtons, StartButtonByMouseAndAltS) {
  TbsSkinButton* start =
      MakeButton("&Start Puzzle", TRect::FromXYWH(10, 300, 336, 19), "resizebutton");
  EXPECT_EQ(start->Width(), 336);
  EXPECT_EQ(start->Height(), 19);
  auto* other = new uitest::TTestButton(form, form, "other", &otherLog);
  other->SetFocus();
  ClickAt(start, 100, 10);
  script.Then([&] { other->SetFocus(); });
  script.KeyDown(VK_MENU).Key('S', 's').KeyUp(VK_MENU);
  script.Then([&] { other->SetFocus(); });
  script.Key(VK_RETURN);  // focus elsewhere: not the start button's key
  script.Then([&] { start->SetFocus(); });
  script.Key(VK_RETURN);
  Run();
  EXPECT_THAT(log, ::testing::ElementsAre("&Start Puzzle", "&Start Puzzle", "&Start Puzzle"));
}

TEST_F(SkinButtons, ReleaseOutsideGivesNoClick) {
  TbsSkinButton* b = MakeButton("OK", TRect::FromXYWH(10, 10, 75, 25));
  const TPoint in = At(b, 20, 10);
  script.MoveTo(in.x, in.y).Press().MoveTo(in.x + 200, in.y).Release();
  Run();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(b->Down());
  // The horizontal record keeps the skin height.
  EXPECT_EQ(b->Height(), 20);
}

TEST_F(SkinButtons, MaskCutsTheButtonsCorners) {
  TbsSkinButton* b = MakeButton("OK", TRect::FromXYWH(10, 10, 75, 25));
  ASSERT_TRUE(b->ShapeRegion().has_value());
  const auto shape = win::GetWindowRgn(b->Handle());
  ASSERT_TRUE(shape.has_value());
  EXPECT_FALSE(shape->Contains({0, 0}));
  EXPECT_TRUE(shape->Contains({37, 10}));
  EXPECT_EQ(shape->Bounds(), (TRect{0, 0, 75, 20}));
  // Wider, the shape follows; without the skin it goes.
  b->SetBounds(10, 10, 120, 25);
  EXPECT_EQ(win::GetWindowRgn(b->Handle())->Bounds(), (TRect{0, 0, 120, 20}));
  b->SetSkinDataName("no such record");
  b->ApplySkinChange();
  EXPECT_FALSE(win::GetWindowRgn(b->Handle()).has_value());
}

TEST_F(SkinButtons, SpaceClicksOnce) {
  TbsSkinButton* b = MakeButton("OK", TRect::FromXYWH(10, 10, 75, 25));
  script.Then([&] { b->SetFocus(); }).Key(win::VK_SPACE, ' ');
  Run();
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(SkinButtons, RepeatButtonHeld350ms) {
  TbsSkinButton* b = MakeButton("+", TRect::FromXYWH(10, 10, 75, 25));
  b->SetRepeatMode(true);
  const TPoint in = At(b, 20, 10);
  script.MoveTo(in.x, in.y).Press().Wait(350).Release();
  Run();
  EXPECT_EQ(log.size(), 4u);
}

TEST_F(SkinButtons, DefaultAndCancelButtons) {
  TbsSkinButton* ok = MakeButton("OK", TRect::FromXYWH(10, 10, 75, 25));
  TbsSkinButton* cancel = MakeButton("Cancel", TRect::FromXYWH(100, 10, 75, 25));
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  auto* other = new uitest::TTestButton(form, form, "other", &otherLog);
  script.Then([&] { other->SetFocus(); }).Key(VK_RETURN);
  script.Then([&] { EXPECT_EQ(form->ModalResult(), mrOk); });
  script.Key(win::VK_ESCAPE);
  Run();
  EXPECT_THAT(log, ::testing::ElementsAre("OK", "Cancel"));
  EXPECT_EQ(form->ModalResult(), mrCancel);
  // The default button looks hot while focus is on another kind of control.
  EXPECT_TRUE(ok->MouseOver());
}

TEST_F(SkinButtons, DefaultSetBeforeTheWindowExistsTakesEnterOnANewForm) {
  TForm* dialog = app->CreateForm<TForm>();
  dialog->SetBounds(150, 150, 200, 100);
  auto* ok = new TbsSkinButton(dialog);
  ok->SetDefault(true);
  ok->SetTabStop(false);
  ok->SetParent(dialog);
  ok->OnClick = [this](TObject*) { log.push_back("OK"); };
  dialog->Show();
  app->ProcessMessages();
  EXPECT_TRUE(ok->DefaultActive());
  script.Key(VK_RETURN);
  Run();
  EXPECT_THAT(log, ::testing::ElementsAre("OK"));
}

TEST_F(SkinButtons, HeldEnterOrEscapeClicksOncePerPress) {
  TbsSkinButton* start = MakeButton("&Start", TRect::FromXYWH(10, 10, 75, 25), "resizebutton");
  TbsSkinButton* cancel = MakeButton("Cancel", TRect::FromXYWH(100, 10, 75, 25));
  cancel->SetCancel(true);
  script.Then([&] { start->SetFocus(); });
  // The key repeats of a held key arrive as further presses without release.
  script.KeyDown(VK_RETURN, U'\r').KeyDown(VK_RETURN, U'\r').KeyDown(VK_RETURN, U'\r');
  script.KeyUp(VK_RETURN);
  script.KeyDown(win::VK_ESCAPE).KeyDown(win::VK_ESCAPE).KeyUp(win::VK_ESCAPE);
  script.Key(VK_RETURN, U'\r');
  Run();
  EXPECT_THAT(log, ::testing::ElementsAre("&Start", "Cancel", "&Start"));
}

TEST_F(SkinButtons, GroupedButtonsLatchOneAtATime) {
  TbsSkinButton* a = MakeButton("A", TRect::FromXYWH(10, 10, 75, 25));
  TbsSkinButton* b = MakeButton("B", TRect::FromXYWH(100, 10, 75, 25));
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  ClickAt(a, 20, 10);
  ClickAt(b, 20, 10);
  Run();
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_THAT(log, ::testing::ElementsAre("A", "B"));
}

}  // namespace
}  // namespace controltest
