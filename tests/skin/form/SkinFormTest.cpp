#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "platform/win/Win.h"
#include "support/GfxPrinters.h"
#include "support/GoldenImage.h"

using frametest::FrameTest;
using gfx::Point;
using gfx::Rect;

namespace {

class SkinFormTest : public FrameTest {};

TEST_F(SkinFormTest, BrowserClientNeedsItsWindowSize) {
  MakeSkinnedForm(760, 570);
  EXPECT_TRUE(frame->SkinLoaded());
  EXPECT_EQ(form->Width(), 774);
  EXPECT_EQ(form->Height(), 607);
  EXPECT_EQ(form->ClientWidth(), 760);
  EXPECT_EQ(form->ClientHeight(), 570);
}

TEST_F(SkinFormTest, CaptionDragMovesTheWindow) {
  MakeSkinnedForm(760, 570);
  const Rect caption = frame->FindObject("caption1")->ObjectRect;
  const Point start = ScreenOf(caption.left + 20, caption.top + 5);
  const Point before{form->Left(), form->Top()};
  script.MoveTo(start.x, start.y).Press().MoveTo(start.x + 30, start.y + 40).Release();
  RunScript();
  EXPECT_EQ(form->Left(), before.x + 30);
  EXPECT_EQ(form->Top(), before.y + 40);
}

}  // namespace

namespace {

class FrameBehaviour : public FrameTest {
 protected:
  void SetUp() override {
    MakeSkinnedForm(760, 570);
    form->OnClose = [this](TObject*, TCloseAction& action) {
      ++closes;
      action = caNone;
    };
  }
  Point ObjectCentre(const char* name) {
    const Rect r = frame->FindObject(name)->ObjectRect;
    return ScreenOf((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  int closes = 0;
};

TEST_F(FrameBehaviour, ButtonRowFollowsTheRightEdgeAndClosesUpWithoutMaximize) {
  // 569 pixels wider than the picture.
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (Rect{735, 7, 750, 23}));
  EXPECT_EQ(frame->FindObject("minbutton")->ObjectRect, (Rect{718, 7, 733, 23}));
  EXPECT_EQ(frame->FindObject("rollupbutton")->ObjectRect, (Rect{701, 7, 716, 23}));
  const TbsActiveSkinObject* max = frame->FindObject("maxbutton");
  EXPECT_FALSE(max->Visible);
  EXPECT_FALSE(max->Enabled);
  // The caption spans corners, so it widens with the window.
  EXPECT_EQ(frame->FindObject("caption1")->ObjectRect, (Rect{55, 7, 91 + 569, 22}));
}

TEST_F(FrameBehaviour, OnlyTheCaptionMovesAFixedSizeWindow) {
  const int w = form->Width(), h = form->Height();
  for (int x = 0; x < w; x += 7) {
    for (int y = 0; y < h; y += 7) {
      const Point s = ScreenOf(x, y);
      const auto hit =
          win::SendMessage(form->Handle(), win::WM_NCHITTEST, 0, win::MAKELPARAM(s.x, s.y));
      ASSERT_TRUE(hit == win::HTCLIENT || hit == win::HTCAPTION || hit == win::HTOBJECT)
          << x << "," << y << " gives " << hit;
      if (hit == win::HTCAPTION) {
        EXPECT_TRUE(frame->FindObject("caption1")->ObjectRect.Contains({x, y}));
      }
    }
  }
  // Dragging the border does nothing.
  const Point border = ScreenOf(3, 300);
  const Point before{form->Left(), form->Top()};
  script.MoveTo(border.x, border.y).Press().MoveTo(border.x + 50, border.y + 20).Release();
  RunScript();
  EXPECT_EQ((Point{form->Left(), form->Top()}), before);
}

TEST_F(FrameBehaviour, ReleaseOutsideTheButtonRunsNothing) {
  const Point close = ObjectCentre("closebutton");
  auto* button = dynamic_cast<TbsSkinButtonObject*>(frame->FindObject("closebutton"));
  script.MoveTo(close.x, close.y).Wait(60).Press().Then([&] { EXPECT_TRUE(button->Pressed); });
  script.MoveTo(close.x + 200, close.y + 300).Wait(60).Release().Wait(300);
  RunScript();
  EXPECT_EQ(closes, 0);
  EXPECT_FALSE(button->Pressed);
  EXPECT_FALSE(button->Highlighted);
  // Back over the button before the release, the command runs, and only
  // after the button shows released.
  bool releasedFirst = false;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    releasedFirst = !button->Pressed;
    action = caNone;
  };
  script.MoveTo(close.x, close.y).Wait(60).Press().MoveTo(close.x + 200, close.y).Wait(60);
  script.MoveTo(close.x, close.y).Wait(60).Release();
  RunScript();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(releasedFirst);
}

TEST_F(FrameBehaviour, DoubleClickOnTheSystemMenuButtonCloses) {
  const Point sys = ObjectCentre("systemmenubutton");
  int menus = 0;
  frame->OnSkinMenuOpen = [&](TObject*) { ++menus; };
  // The first press opens the menu under the button; Escape closes it.
  script.MoveTo(sys.x, sys.y).Wait(60).Press().Key(win::VK_ESCAPE).Release();
  script.Press().Release();
  RunScript();
  EXPECT_GE(menus, 1);
  EXPECT_EQ(closes, 1);
}

TEST_F(FrameBehaviour, RightClickOpensTheSystemMenuOnTheCaptionOnly) {
  int menus = 0;
  frame->OnSkinMenuOpen = [&](TObject*) { ++menus; };
  const Point border = ScreenOf(3, 300);
  script.MoveTo(border.x, border.y).Press(win::MouseButton::Right).Release(win::MouseButton::Right);
  RunScript();
  EXPECT_EQ(menus, 0);
  const Point caption = ObjectCentre("caption1");
  script.MoveTo(caption.x, caption.y).Press(win::MouseButton::Right);
  script.Key(win::VK_ESCAPE).Release(win::MouseButton::Right);
  RunScript();
  EXPECT_EQ(menus, 1);
}

TEST_F(FrameBehaviour, RollUpToTheFrameAndBack) {
  const auto captions = [&] {
    std::vector<std::string> out;
    TMenuItem* items = frame->GetSystemMenuItems();
    for (int i = 0; i < items->Count(); ++i)
      out.push_back(items->Items(i)->Caption());
    return out;
  };
  EXPECT_EQ(captions(), (std::vector<std::string>{"Mi&nimize", "Ro&llUp", "-", "&Close"}));
  const Point roll = ObjectCentre("rollupbutton");
  script.MoveTo(roll.x, roll.y).Wait(60).Click(roll.x, roll.y);
  RunScript();
  EXPECT_TRUE(frame->RollUpState());
  EXPECT_EQ(form->Height(), 37);
  EXPECT_EQ(captions(), (std::vector<std::string>{"Mi&nimize", "&Restore", "-", "&Close"}));
  // A double click on the caption rolls the fixed-size window down again.
  const Point caption = ObjectCentre("caption1");
  script.MoveTo(caption.x, caption.y).Click(caption.x, caption.y).Click(caption.x, caption.y);
  RunScript();
  EXPECT_FALSE(frame->RollUpState());
  EXPECT_EQ(form->Height(), 607);
}

TEST_F(FrameBehaviour, MagneticEdgesSnapWithinTheirDistance) {
  frame->SetMagnetic(true);
  const Point caption = ObjectCentre("caption1");
  const Rect area = frame->WorkArea(false);
  for (const int gap : {4, 5}) {
    const Point at = ObjectCentre("caption1");
    const int dx = area.left + gap - form->Left();
    script.MoveTo(at.x, at.y).Press().MoveTo(at.x + dx, at.y + 10).Release();
    RunScript();
    EXPECT_EQ(form->Left(), gap == 4 ? area.left : area.left + gap);
  }
  (void)caption;
}

TEST_F(FrameBehaviour, InactiveCaptionFadesOverTwoHundredMilliseconds) {
  TbsActiveSkinObject* caption = frame->FindObject("caption1");
  script.Wait(300);
  RunScript();
  EXPECT_TRUE(caption->Highlighted);
  EXPECT_EQ(caption->MorphProgress, 1);
  TForm* other = MakeForm(100, 100);
  ASSERT_FALSE(frame->WindowIsActive());
  EXPECT_FALSE(caption->Highlighted);
  script.Wait(100);
  RunScript();
  EXPECT_GT(caption->MorphProgress, 0.3);
  EXPECT_LT(caption->MorphProgress, 0.7);
  script.Wait(120);
  RunScript();
  EXPECT_EQ(caption->MorphProgress, 0);
  EXPECT_FALSE(frame->FadeTimerRunning());
  // An inactive window polls nothing.
  EXPECT_FALSE(frame->HoverTimerRunning());
  (void)other;
}

TEST_F(FrameBehaviour, SkinChangeEndsLikeAFreshStart) {
  const auto region = frame->WindowRegion();
  const size_t objects = frame->ObjectList().size();
  const Rect bounds = form->BoundsRect();
  const gfx::Bitmap before = Shot();
  TbsStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(frametest::ProductSkinFile());
  skin->ApplyStoredSkin(&stored);
  EXPECT_EQ(frame->ObjectList().size(), objects);
  ASSERT_TRUE(frame->WindowRegion().has_value());
  EXPECT_EQ(*frame->WindowRegion(), *region);
  EXPECT_EQ(form->BoundsRect(), bounds);
  EXPECT_TRUE(Shot().SameAs(before));
}

TEST_F(FrameBehaviour, AnEmptiedSkinLeavesThePlainFrame) {
  TbsStoredSkin empty(nullptr);
  skin->ApplyStoredSkin(&empty);
  EXPECT_FALSE(frame->SkinLoaded());
  EXPECT_FALSE(frame->WindowRegion().has_value());
  EXPECT_EQ(form->ClientWidth(), form->Width() - 6);
  EXPECT_EQ(form->ClientHeight(), form->Height() - 25);
  const gfx::Bitmap shot = Shot();
  EXPECT_EQ(shot.GetPixel(0, 0), gfx::cl3DLight);
  EXPECT_EQ(shot.GetPixel(form->Width() - 1, form->Height() - 1), gfx::cl3DDkShadow);
}

}  // namespace

namespace {

TEST_F(SkinFormTest, InactiveFrameKeepsItsPictureAndDimsTheCaption) {
  MakeSkinnedForm(760, 570);
  script.Wait(300);
  RunScript();
  const gfx::Bitmap active = Shot();
  MakeForm(100, 100);
  script.Wait(300);
  RunScript();
  const gfx::Bitmap inactive = Shot();
  // The product skin has no inactive picture: only the caption changes.
  const Rect caption = frame->FindObject("caption1")->ObjectRect;
  int differing = 0;
  for (int y = 0; y < active.Height(); ++y)
    for (int x = 0; x < active.Width(); ++x)
      if (active.GetPixel(x, y) != inactive.GetPixel(x, y)) {
        ++differing;
        ASSERT_TRUE(caption.Contains({x, y})) << x << "," << y;
      }
  EXPECT_GT(differing, 0);
  EXPECT_TRUE(
      testsupport::MatchesGolden(active, "tests/skin/form/golden/browser_frame_active.png"));
  EXPECT_TRUE(
      testsupport::MatchesGolden(inactive, "tests/skin/form/golden/browser_frame_inactive.png"));
}

}  // namespace
