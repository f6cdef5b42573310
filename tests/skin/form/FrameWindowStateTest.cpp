// The frame's own window states: sizing near the shape, minimise,
// maximise, translucency, and the caption text fitted to its place.

#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "platform/win/Win.h"
#include "support/GfxPrinters.h"

using frametest::FrameTest;
using gfx::Point;
using gfx::Rect;

namespace {

class FrameWindowState : public FrameTest {
 protected:
  // A second skinned form, not the application's main form.
  TForm* MakeOtherSkinnedForm(TbsBorderIcons icons) {
    TForm* other = app->CreateForm<TForm>();
    other->SetBorderStyle(bsSingle);
    other->SetBounds(300, 200, 300, 200);
    auto* f = new TbsSkinForm(other);
    f->SetBorderIcons(icons);
    f->SetSkinData(skin);
    other->Show();
    app->ProcessMessages();
    return other;
  }
};

TEST_F(FrameWindowState, SizeableFrameSizesNearItsShapeOnly) {
  MakeSkinnedForm(760, 570);
  form->SetBorderStyle(bsSizeable);
  app->ProcessMessages();
  ASSERT_EQ(form->Width(), 774);
  // The new window took the frame's shape.
  ASSERT_TRUE(win::GetWindowRgn(form->Handle()).has_value());
  EXPECT_EQ(*win::GetWindowRgn(form->Handle()), *frame->WindowRegion());
  const auto hit = [&](int x, int y) {
    const Point s = ScreenOf(x, y);
    return win::SendMessage(form->Handle(), win::WM_NCHITTEST, 0, win::MAKELPARAM(s.x, s.y));
  };
  EXPECT_EQ(hit(1, 300), win::HTLEFT);
  EXPECT_EQ(hit(772, 300), win::HTRIGHT);
  EXPECT_EQ(hit(300, 1), win::HTTOP);
  EXPECT_EQ(hit(300, 605), win::HTBOTTOM);
  EXPECT_EQ(hit(3, 3), win::HTTOPLEFT);
  EXPECT_EQ(hit(770, 603), win::HTBOTTOMRIGHT);
  EXPECT_EQ(hit(300, 15), win::HTCAPTION);
  EXPECT_EQ(hit(300, 300), win::HTCLIENT);
  // Dragging the right edge widens the window and lays the frame out anew.
  const Point edge = ScreenOf(772, 300);
  script.MoveTo(edge.x, edge.y).Press().MoveTo(edge.x + 100, edge.y).Release();
  RunScript();
  EXPECT_EQ(form->Width(), 874);
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, (Rect{835, 7, 850, 23}));
  EXPECT_EQ(*win::GetWindowRgn(form->Handle()), *frame->WindowRegion());
  EXPECT_EQ(frame->WindowRegion()->Bounds(), (Rect{0, 0, 874, 607}));
}

TEST_F(FrameWindowState, MainFormMinimisesTheApplicationAndComesBackFramed) {
  MakeSkinnedForm(760, 570);
  const Point inside = ScreenOf(300, 300);
  script.MoveTo(inside.x, inside.y).Wait(300);
  RunScript();
  const gfx::Bitmap before = Shot();
  const Rect r = frame->FindObject("minbutton")->ObjectRect;
  const Point min = ScreenOf((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  script.MoveTo(min.x, min.y).Wait(60).Click(min.x, min.y);
  RunScript();
  EXPECT_TRUE(win::IsIconic(form->Handle()));
  EXPECT_EQ(frame->FormState(), TbsFormState::Normal);
  app->Restore();
  script.MoveTo(inside.x, inside.y).Wait(300);
  RunScript();
  EXPECT_FALSE(win::IsIconic(form->Handle()));
  EXPECT_TRUE(Shot().SameAs(before));
}

TEST_F(FrameWindowState, OtherFormsMinimiseIntoARowAtTheBottomLeft) {
  MakeSkinnedForm(200, 100);
  const TbsBorderIcons icons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize};
  TForm* a = MakeOtherSkinnedForm(icons);
  TForm* b = MakeOtherSkinnedForm(icons);
  TbsSkinForm::FrameOf(a)->SetFormState(TbsFormState::Minimized);
  TbsSkinForm::FrameOf(b)->SetFormState(TbsFormState::Minimized);
  const Rect area = frame->WorkArea(false);
  EXPECT_EQ(a->BoundsRect(), Rect::FromXYWH(area.left, area.bottom - 37, 205, 37));
  EXPECT_EQ(b->BoundsRect(), Rect::FromXYWH(area.left + 205, area.bottom - 37, 205, 37));
  TbsSkinForm::FrameOf(a)->SetFormState(TbsFormState::Normal);
  EXPECT_EQ(a->BoundsRect(), (Rect{300, 200, 600, 400}));
}

TEST_F(FrameWindowState, MaximiseFillsTheWorkAreaLessAPixelWithoutTaskbar) {
  MakeSkinnedForm(200, 100);
  TForm* other = MakeOtherSkinnedForm(
      {TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize});
  TbsSkinForm* f = TbsSkinForm::FrameOf(other);
  f->SetFormState(TbsFormState::Maximized);
  const Rect screenRect = f->WorkArea(true);
  ASSERT_EQ(f->WorkArea(false), screenRect);
  EXPECT_EQ(other->BoundsRect(), (Rect{screenRect.left + 1, screenRect.top + 1,
                                       screenRect.right - 1, screenRect.bottom - 1}));
  // The maximise button shows its restore look and restores.
  auto* max = dynamic_cast<TbsSkinStdButtonObject*>(f->FindObject("maxbutton"));
  ASSERT_NE(max, nullptr);
  EXPECT_TRUE(max->RestoreLook());
  max->RunCommand();
  EXPECT_EQ(other->BoundsRect(), (Rect{300, 200, 600, 400}));
}

TEST_F(FrameWindowState, TranslucencyReachesTheScreen) {
  MakeSkinnedForm(200, 100);
  frame->SetAlphaBlend(true);
  EXPECT_EQ(script.FindSurface(form->Handle())->alpha, 200);
  frame->SetAlphaBlendValue(120);
  EXPECT_EQ(script.FindSurface(form->Handle())->alpha, 120);
  frame->SetAlphaBlend(false);
  EXPECT_EQ(script.FindSurface(form->Handle())->alpha, 255);
  // The fade-in alone ends opaque, without the layered style.
  frame->SetAlphaBlendAnimation(true);
  form->Hide();
  form->Show();
  script.Wait(10);
  RunScript();
  EXPECT_EQ(script.FindSurface(form->Handle())->alpha, 255);
  EXPECT_EQ(win::GetWindowLong(form->Handle(), win::GWL_EXSTYLE) & win::WS_EX_LAYERED, 0);
}

TEST(CaptionText, TooLongEndsInDotsAndFitsItsWidth) {
  gfx::Bitmap b(10, 10);
  gfx::DeviceContext dc(b);
  dc.SelectFont(gfx::Font(gfx::LogFont{.faceName = "Arial", .height = 14}));
  const std::string title = "Tilebrook(tm) - Puzzle Browser 1.0.0.0";
  EXPECT_EQ(CaptionTextFit(dc, title, 1000), title);
  const std::string fitted = CaptionTextFit(dc, title, 80);
  ASSERT_GE(fitted.size(), 3u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  EXPECT_LE(dc.GetTextExtent(fitted).cx, 80);
  EXPECT_EQ(title.rfind(fitted.substr(0, fitted.size() - 3), 0), 0u);
  EXPECT_EQ(CaptionTextFit(dc, title, 0), "...");
  // Umlauts are cut whole.
  const std::string german = "\xc3\xbc\xc3\xbc\xc3\xbc\xc3\xbc\xc3\xbc\xc3\xbc\xc3\xbc";
  const std::string cut = CaptionTextFit(dc, german, dc.GetTextExtent("\xc3\xbc...").cx);
  EXPECT_EQ(cut, "\xc3\xbc...");
}

}  // namespace

namespace {

TEST_F(FrameWindowState, NoBorderMeansNoFrameAndNoShape) {
  MakeSkinnedForm(400, 300);
  form->SetBorderStyle(bsNone);
  app->ProcessMessages();
  EXPECT_EQ(form->ClientWidth(), form->Width());
  EXPECT_EQ(form->ClientHeight(), form->Height());
  EXPECT_FALSE(frame->WindowRegion().has_value());
  EXPECT_FALSE(win::GetWindowRgn(form->Handle()).has_value());
  const Point corner = ScreenOf(1, 1);
  EXPECT_EQ(
      win::SendMessage(form->Handle(), win::WM_NCHITTEST, 0, win::MAKELPARAM(corner.x, corner.y)),
      win::HTCLIENT);
}

// The frame keeps the shape it made while the window's size and skin stay;
// a new size, or another skin at the same size, brings a shape of its own.
TEST_F(FrameWindowState, ShapeFollowsSizeAndSkinAndSurvivesRepeatedUpdates) {
  MakeSkinnedForm(400, 300);
  const gfx::Region first = *frame->WindowRegion();
  // Activation, resizes back and forth and the same skin again keep it.
  form->SetBounds(form->Left(), form->Top(), form->Width() + 40, form->Height());
  app->ProcessMessages();
  ASSERT_TRUE(frame->WindowRegion().has_value());
  EXPECT_NE(*frame->WindowRegion(), first);
  EXPECT_EQ(frame->WindowRegion()->Bounds().Width(), form->Width());
  form->SetBounds(form->Left(), form->Top(), form->Width() - 40, form->Height());
  app->ProcessMessages();
  EXPECT_EQ(*frame->WindowRegion(), first);
  EXPECT_EQ(*win::GetWindowRgn(form->Handle()), first);

  // The same skin with a notch cut into its top edge: same size, new shape.
  TbsStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(frametest::ProductSkinFile());
  ASSERT_FALSE(stored.MaskPicture.IsEmpty());
  ASSERT_TRUE(first.Contains({12, 1}));
  for (int y = 0; y < 3; ++y)
    for (int x = 10; x < 15; ++x)
      stored.MaskPicture.SetPixel(x, y, gfx::clWhite);
  skin->ApplyStoredSkin(&stored);
  app->ProcessMessages();
  ASSERT_TRUE(frame->WindowRegion().has_value());
  EXPECT_NE(*frame->WindowRegion(), first);
  EXPECT_FALSE(frame->WindowRegion()->Contains({12, 1}));
  EXPECT_EQ(*win::GetWindowRgn(form->Handle()), *frame->WindowRegion());
}

// A hidden window resized in steps gets the shape of the size it shows
// with, however it is shown, and a shape asked for while hidden is that of
// its present size.
TEST_F(FrameWindowState, AHiddenWindowShowsWithTheShapeOfItsLastSize) {
  MakeSkinnedForm(400, 300);
  const gfx::Region at400 = *frame->WindowRegion();
  for (const bool throughShowWindow : {true, false}) {
    form->Hide();
    form->SetClientSize(500, 300);
    form->SetClientSize(460, 320);
    if (throughShowWindow) {
      form->Show();
    } else {
      win::SetWindowPos(form->Handle(), win::HWND_TOP, 0, 0, 0, 0,
                        win::SWP_SHOWWINDOW | win::SWP_NOMOVE | win::SWP_NOSIZE);
    }
    ASSERT_TRUE(win::GetWindowRgn(form->Handle()).has_value());
    EXPECT_EQ(win::GetWindowRgn(form->Handle())->Bounds().Width(), form->Width());
    EXPECT_EQ(win::GetWindowRgn(form->Handle())->Bounds().Height(), form->Height());
    EXPECT_EQ(*win::GetWindowRgn(form->Handle()), *frame->WindowRegion());
    form->Hide();
    form->SetClientSize(400, 300);
    EXPECT_EQ(*frame->WindowRegion(), at400);
    EXPECT_EQ(*win::GetWindowRgn(form->Handle()), at400);
    form->Show();
  }
}

}  // namespace
