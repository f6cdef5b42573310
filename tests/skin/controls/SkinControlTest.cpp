// The skinned controls on a form: binding to records, sizes at skin
// changes, and the up-down as the player holds its buttons.

#include "SkinFormTest.h"
#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinUpDown.h"
#include "support/GfxPrinters.h"

namespace controltest {
namespace {

class SkinControls : public SkinFormTest {};

TEST_F(SkinControls, UpDownTakesTheSkinSizeAndRepeatsWhileHeld) {
  auto* ud = new TbsSkinUpDown(form);
  ud->SetParent(form);
  ud->SetBounds(20, 20, 29, 38);
  ud->SetOrientation(udVertical);
  ud->SetSkinDataName("vupdown");
  ud->SetSkinData(skin);
  EXPECT_EQ(ud->Width(), 18);
  EXPECT_EQ(ud->Height(), 36);
  ud->SetBounds(20, 20, 40, 40);
  EXPECT_EQ(ud->Width(), 18);
  int changes = 0, ups = 0;
  ud->OnChange = [&](TObject*) { ++changes; };
  ud->OnUpButtonClick = [&](TObject*) { ++ups; };
  const TPoint up = At(ud, 9, 5);
  script.MoveTo(up.x, up.y).Press().Wait(1050).Release();
  Run();
  EXPECT_EQ(ud->Position(), 6);
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(ups, 1);
}

TEST_F(SkinControls, UnknownRecordGivesThePlainLookAndTheDefaultSize) {
  auto* ud = new TbsSkinUpDown(form);
  ud->SetParent(form);
  ud->SetBounds(20, 20, 29, 38);
  ud->SetDefaultWidth(30);
  ud->SetSkinDataName("no such record");
  ud->SetSkinData(skin);
  EXPECT_EQ(ud->SkinIndex(), -1);
  EXPECT_EQ(ud->Width(), 30);
  EXPECT_EQ(ud->Height(), 38);
  EXPECT_EQ(ShotOf(ud).GetPixel(1, 1), gfx::clBtnFace);
}

TEST_F(SkinControls, RemovedContainerLeavesThePlainLook) {
  auto* ud = new TbsSkinUpDown(form);
  ud->SetParent(form);
  ud->SetOrientation(udVertical);
  ud->SetSkinDataName("vupdown");
  ud->SetSkinData(skin);
  const gfx::Bitmap skinned = ShotOf(ud);
  EXPECT_NE(skinned.GetPixel(0, 0), gfx::clBtnShadow);
  delete skin;
  skin = nullptr;
  EXPECT_EQ(ud->SkinData(), nullptr);
  ud->Invalidate();
  EXPECT_EQ(ShotOf(ud).GetPixel(0, 0), gfx::clBtnShadow);
}

TEST_F(SkinControls, SkinChangeWalkDropsAndRebindsRecords) {
  auto* ud = new TbsSkinUpDown(form);
  ud->SetParent(form);
  ud->SetSkinDataName("vupdown");
  ud->SetSkinData(skin);
  EXPECT_NE(ud->SkinIndex(), -1);
  auto* graphic = new TbsGraphicSkinControl(form);
  graphic->SetParent(form);
  graphic->SetSkinDataName("bevel");
  graphic->SetSkinData(skin);
  EXPECT_NE(graphic->SkinIndex(), -1);
  NotifySkinControls(form, SkinChangeBeginMessage, skin);
  EXPECT_EQ(ud->SkinIndex(), -1);
  EXPECT_EQ(graphic->SkinIndex(), -1);
  NotifySkinControls(form, SkinChangedMessage, nullptr);
  EXPECT_NE(ud->SkinIndex(), -1);
  EXPECT_NE(graphic->SkinIndex(), -1);
  // Labels keep copies of their values and read them again on the second
  // pass only.
  auto* label = new TbsSkinStdLabel(form);
  label->SetParent(form);
  label->SetSkinData(skin);
  ASSERT_NE(label->SkinIndex(), -1);
  label->SetSkinDataName("no such label");
  NotifySkinControls(form, SkinChangeBeginMessage, skin);
  EXPECT_NE(label->SkinIndex(), -1);
  NotifySkinControls(form, SkinChangedMessage, skin);
  EXPECT_EQ(label->SkinIndex(), -1);
  // A walk for another container leaves the bindings alone.
  TbsSkinData other(nullptr);
  NotifySkinControls(form, SkinChangeBeginMessage, &other);
  EXPECT_NE(ud->SkinIndex(), -1);
}

TEST_F(SkinControls, ScrollBarButtonRepeatsOnThePlatformTimer) {
  auto* bar = new TbsSkinScrollBar(form);
  bar->SetParent(form);
  bar->SetKind(sbVertical);
  bar->SetSkinDataName("vscrollbar");
  bar->SetBounds(20, 20, 19, 200);
  bar->SetPosition(50);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  const TPoint down = At(bar, 9, 5);
  script.MoveTo(down.x, down.y).Press().Wait(1000).Release().Wait(500);
  Run();
  EXPECT_EQ(bar->Position(), 39);
  EXPECT_EQ(changes, 11);
  // With the skin the bar keeps the skin's width.
  bar->SetSkinData(skin);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(bar->PartLayout().UpButton.Rect, (TRect{0, 184, 16, 200}));
}

}  // namespace
}  // namespace controltest
