// The skinned frame as the player meets it on the headless desktop: its size
// and pictures, the caption objects and the mouse on them, skin changes.

#include <gtest/gtest.h>

#include <cmath>

#include "FrameTestSupport.h"
#include "platform/win/Win.h"
#include "skin/data/SkinChangeClient.h"
#include "skin/data/SkinFont.h"
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

// A notice's frame has the close button alone: the caption reaches 25
// pixels short of it, as far as it reaches short of the whole row in the
// picture, and the program's whole title fits in a notice 379 pixels wide.
// With every button the caption is where the picture has it.
TEST_F(SkinFormTest, CaptionTakesTheRoomOfTheButtonsLeftOut) {
  MakeSkinnedForm(365, 100);
  ASSERT_EQ(form->Width(), 379);
  const int dx = 379 - 205;
  const auto withIcons = [&](TbsBorderIcons icons) {
    frame->SetBorderIcons(icons);
    frame->ApplySkinData();
    app->ProcessMessages();
    return dynamic_cast<TbsSkinCaptionObject*>(frame->FindObject("caption1"));
  };
  TbsSkinCaptionObject* caption = withIcons({});
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (Rect{166 + dx, 7, 181 + dx, 23}));
  EXPECT_EQ(caption->ObjectRect, (Rect{55, 7, 141 + dx, 22}));
  gfx::Bitmap b(1, 1);
  gfx::DeviceContext dc(b);
  dc.SelectFont(MakeSkinFont("Arial", 14, caption->FontStyle));
  EXPECT_GE(caption->TextRect().Width(),
            dc.GetTextExtent("Tilebrook(tm) - Puzzle Browser 1.0.0.31").cx);

  caption = withIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                       TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp});
  EXPECT_EQ(frame->FindObject("rollupbutton")->ObjectRect, (Rect{115 + dx, 7, 130 + dx, 23}));
  EXPECT_EQ(caption->ObjectRect, (Rect{55, 7, 91 + dx, 22}));
}

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
  // The caption spans corners, so it widens with the window; it also takes
  // the room of the missing maximize button (16 pixels), 25 pixels from
  // the row as in the picture.
  EXPECT_EQ(frame->FindObject("caption1")->ObjectRect, (Rect{55, 7, 91 + 569 + 16, 22}));
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
  Shot();
  const gfx::Bitmap before = script.Screenshot();
  TbsStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(frametest::ProductSkinFile());
  // Loaded again, and emptied then loaded again.
  for (const bool emptyFirst : {false, true}) {
    if (emptyFirst) {
      TbsStoredSkin empty(nullptr);
      skin->ApplyStoredSkin(&empty);
      ASSERT_FALSE(frame->SkinLoaded());
      Shot();
    }
    skin->ApplyStoredSkin(&stored);
    EXPECT_EQ(frame->ObjectList().size(), objects);
    ASSERT_TRUE(frame->WindowRegion().has_value());
    EXPECT_EQ(*frame->WindowRegion(), *region);
    EXPECT_EQ(form->BoundsRect(), bounds);
    EXPECT_EQ(form->ClientWidth(), 760);
    // The screen shows the same; pixels outside the shape are not shown.
    Shot();
    EXPECT_TRUE(script.Screenshot().SameAs(before));
  }
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
  // The built-in buttons lie at the caption's right, without gaps; those
  // the border icons leave out show disabled.
  const int w = form->Width();
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (Rect{w - 20, 4, w - 3, 21}));
  EXPECT_EQ(frame->FindObject("maxbutton")->ObjectRect, (Rect{w - 37, 4, w - 20, 21}));
  EXPECT_EQ(frame->FindObject("minbutton")->ObjectRect, (Rect{w - 54, 4, w - 37, 21}));
  EXPECT_FALSE(frame->FindObject("maxbutton")->Enabled);
  EXPECT_TRUE(frame->FindObject("minbutton")->Enabled);
  const auto hit = [&](int x, int y) {
    const Point s = ScreenOf(x, y);
    return win::SendMessage(form->Handle(), win::WM_NCHITTEST, 0, win::MAKELPARAM(s.x, s.y));
  };
  EXPECT_EQ(hit(w / 2, 10), win::HTCAPTION);
  EXPECT_EQ(hit(1, 100), win::HTOBJECT);
  EXPECT_EQ(hit(w / 2, 100), win::HTCLIENT);
  // Its buttons work: a click on the close button closes.
  const Point close = ScreenOf(w - 11, 12);
  script.MoveTo(close.x, close.y).Wait(60).Click(close.x, close.y);
  RunScript();
  EXPECT_EQ(closes, 1);
}

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

// Half way through its fade the caption shows its two looks mixed half and
// half, also when it reaches beyond the window and only the part inside is
// composed.
TEST_F(SkinFormTest, CaptionHalfWayThroughItsFadeMixesBothLooks) {
  MakeSkinnedForm(400, 300);
  script.Wait(300);
  RunScript();
  TbsActiveSkinObject* caption = frame->FindObject("caption1");
  // Wider than the window on both sides; no message is handled from here
  // on, so that no paint of the frame places it again.
  Shot();
  caption->ObjectRect.left -= 237;
  caption->ObjectRect.right += 253;
  const auto paintAt = [&](double progress, bool highlighted) {
    caption->Highlighted = highlighted;
    caption->MorphProgress = progress;
    frame->PaintObjectNow(*caption);
    win::GdiFlush();
    return script.WindowShot(form->Handle());
  };
  const gfx::Bitmap active = paintAt(1, true);
  const gfx::Bitmap normal = paintAt(0, false);
  const gfx::Bitmap half = paintAt(0.5, false);
  const Rect shown = caption->ObjectRect.Intersect({0, 0, form->Width(), form->Height()});
  ASSERT_LT(shown.Width(), caption->ObjectRect.Width());
  int differing = 0;
  for (int y = shown.top; y < shown.bottom; ++y)
    for (int x = shown.left; x < shown.right; ++x) {
      const gfx::ColorRef a = normal.GetPixel(x, y), b = active.GetPixel(x, y);
      differing += a != b;
      const auto mix = [](int u, int v) { return static_cast<int>(std::nearbyint((u + v) / 2.0)); };
      ASSERT_EQ(half.GetPixel(x, y), gfx::RGB(mix(gfx::GetRValue(a), gfx::GetRValue(b)),
                                              mix(gfx::GetGValue(a), gfx::GetGValue(b)),
                                              mix(gfx::GetBValue(a), gfx::GetBValue(b))))
          << x << "," << y;
    }
  EXPECT_GT(differing, 100);
}

}  // namespace

namespace {

TEST_F(SkinFormTest, ButtonsOfTheFramePictureShowDisabledWhenTheirIconIsMissing) {
  MakeSkinnedForm(760, 570);
  frame->SetBorderIcons({TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp});
  auto* sys = dynamic_cast<TbsSkinStdButtonObject*>(frame->FindObject("systemmenubutton"));
  ASSERT_NE(sys, nullptr);
  EXPECT_TRUE(sys->Visible);
  EXPECT_FALSE(sys->Enabled);
  // Drawn in its disabled look, from the objects picture.
  const gfx::Bitmap shot = Shot();
  const Rect at = sys->ObjectRect;
  for (int y = 0; y < at.Height(); ++y)
    for (int x = 0; x < at.Width(); ++x)
      ASSERT_EQ(
          shot.GetPixel(at.left + x, at.top + y),
          sys->StatesPicture->GetPixel(sys->DisabledRect.left + x, sys->DisabledRect.top + y));
  // It no longer reacts: hovering lights nothing and a press opens no menu.
  int menus = 0;
  frame->OnSkinMenuOpen = [&](TObject*) { ++menus; };
  const Point p = ScreenOf(at.left + 5, at.top + 5);
  script.MoveTo(p.x, p.y).Wait(60).Click(p.x, p.y);
  RunScript();
  EXPECT_EQ(menus, 0);
  EXPECT_FALSE(sys->Highlighted);
}

// A control that logs what a skin change tells it, and what the frame has
// at that moment.
class TLoggingClient : public TGraphicControl, public TbsSkinChangeClient {
 public:
  TLoggingClient(TWinControl* parent, TbsSkinData* skin, TbsSkinForm* frame)
      : TGraphicControl(parent), FSkin(skin), FFrame(frame) {
    SetParent(parent);
  }
  TbsSkinData* SkinChangeContainer() const override { return FSkin; }
  void SkinChangeBegin() override {
    Log.push_back("begin objects=" + std::to_string(FFrame->ObjectList().size()));
  }
  void SkinChangeApply() override {
    Log.push_back("apply objects=" + std::to_string(FFrame->ObjectList().size()));
  }
  std::vector<std::string> Log;

 private:
  TbsSkinData* FSkin;
  TbsSkinForm* FFrame;
};

TEST_F(SkinFormTest, SkinChangeReachesTheFormsControlsAfterTheFrame) {
  MakeSkinnedForm(400, 300);
  const size_t objects = frame->ObjectList().size();
  auto* client = new TLoggingClient(form, skin, frame);
  TbsSkinData other(nullptr);
  auto* stranger = new TLoggingClient(form, &other, frame);
  TbsStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(frametest::ProductSkinFile());
  skin->ApplyStoredSkin(&stored);
  // The frame lets go of its objects before the controls drop their
  // records, and has them again before the controls look theirs up.
  EXPECT_EQ(client->Log, (std::vector<std::string>{"begin objects=0",
                                                   "apply objects=" + std::to_string(objects)}));
  EXPECT_TRUE(stranger->Log.empty());
}

TEST_F(SkinFormTest, HoveredButtonFadesInTenStepsAndBackWithItsHint) {
  MakeSkinnedForm(400, 300);
  TbsActiveSkinObject* close = frame->FindObject("closebutton");
  ASSERT_TRUE(close->Morphing);
  std::vector<std::string> hints;
  frame->SetShowObjectHint(true);
  frame->OnObjectHint = [&](const TbsActiveSkinObject& o, bool show) {
    hints.push_back((show ? "show " : "hide ") + o.Hint);
  };
  const Point c = ScreenOf(close->ObjectRect.left + 7, close->ObjectRect.top + 8);
  // The 50 ms hover poll finds the button; then ten steps of 20 ms.
  script.MoveTo(c.x, c.y).Wait(50);
  RunScript();
  EXPECT_TRUE(close->Highlighted);
  script.Wait(100);
  RunScript();
  EXPECT_NEAR(close->MorphProgress, 0.5, 0.11);
  script.Wait(120);
  RunScript();
  EXPECT_EQ(close->MorphProgress, 1);
  EXPECT_FALSE(frame->FadeTimerRunning());
  const Point away = ScreenOf(200, 200);
  script.MoveTo(away.x, away.y).Wait(50).Wait(250);
  RunScript();
  EXPECT_FALSE(close->Highlighted);
  EXPECT_EQ(hints, (std::vector<std::string>{"show Close", "hide Close"}));
  EXPECT_EQ(close->MorphProgress, 0);
  // Away from the buttons only the hover poll runs.
  EXPECT_TRUE(frame->HoverTimerRunning());
  EXPECT_FALSE(frame->FadeTimerRunning());
}

}  // namespace

namespace {

TEST_F(SkinFormTest, ButtonLosingTheMouseToAnotherWindowLetsGo) {
  MakeSkinnedForm(400, 300);
  auto* close = dynamic_cast<TbsSkinButtonObject*>(frame->FindObject("closebutton"));
  const Point c = ScreenOf(close->ObjectRect.left + 7, close->ObjectRect.top + 8);
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    action = caNone;
  };
  TForm* other = nullptr;
  script.MoveTo(c.x, c.y).Wait(60).Press().Then([&] {
    EXPECT_TRUE(close->Pressed);
    // A notice takes the mouse while the button is held.
    other = MakeForm(100, 100);
    win::SetCapture(other->Handle());
  });
  script.Release().Wait(100);
  RunScript();
  EXPECT_FALSE(close->Pressed);
  EXPECT_EQ(frame->CaptureObject(), -1);
  EXPECT_EQ(closes, 0);
}

}  // namespace

namespace {

TEST_F(SkinFormTest, InactiveFrameTakesTheInactivePictureOrTheEffect) {
  MakeSkinnedForm(400, 300);
  const Point border{3, 150};
  const gfx::ColorRef active = Shot().GetPixel(border.x, border.y);
  skin->InactivePicture = gfx::Bitmap(skin->Picture.Width(), skin->Picture.Height(), gfx::clBlue);
  MakeForm(100, 100);
  EXPECT_EQ(Shot().GetPixel(border.x, border.y), gfx::clBlue);
  // Only the frame went to the screen again, not the client area within.
  const gfx::Region& presented = script.FindSurface(form->Handle())->presented;
  EXPECT_TRUE(presented.Contains(border));
  EXPECT_FALSE(presented.Contains({form->Width() / 2, form->Height() / 2}));
  // Without an inactive picture, a skin may ask for an effect instead.
  skin->InactivePicture = gfx::Bitmap();
  skin->autorenderinginactiveimage = true;
  skin->inactiveeffect = TbsInactiveEffect::ieInvert;
  form->Perform(win::WM_NCPAINT, 1, 0);
  EXPECT_EQ(Shot().GetPixel(border.x, border.y), active ^ 0xFFFFFF);
}

}  // namespace

namespace {

TEST_F(SkinFormTest, OnlyTheHoverPollWakesAnActiveFrameAndNothingAnInactiveOne) {
  MakeSkinnedForm(400, 300);
  const Point inside = ScreenOf(200, 200);
  script.MoveTo(inside.x, inside.y).Wait(300);
  RunScript();
  int timers = 0;
  app->OnMessage = [&](win::MSG& msg, bool&) { timers += msg.message == win::WM_TIMER; };
  script.Wait(1000);
  RunScript();
  EXPECT_GE(timers, 19);
  EXPECT_LE(timers, 21);
  MakeForm(100, 100);
  script.Wait(300);
  RunScript();
  timers = 0;
  script.Wait(1000);
  RunScript();
  EXPECT_EQ(timers, 0);
}

}  // namespace
