// Skinned hints: sized to the text inside the skin's hint picture, kept on
// the screen, shown and hidden on the application's hint timing, and one
// active hint component per main form.

#include "skin/controls/SkinFormTest.h"
#include "skin/form/SkinForm.h"
#include "skin/form/SkinHint.h"

namespace {

class SkinHints : public controltest::SkinFormTest {
 protected:
  SkinHints() {
    hint = new TbsSkinHint(form);
    hint->SetSkinData(skin);
  }
  static gfx::Size TextSize(const std::string& text, const TFont* given = nullptr) {
    gfx::Bitmap b(1, 1);
    gfx::DeviceContext dc(b);
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    dc.SelectFont(given ? given->Handle() : font.Handle());
    gfx::Rect r{0, 0, 0, 0};
    dc.DrawText(text, r, gfx::DT_CALCRECT);
    return {r.Width(), r.Height()};
  }
  TbsSkinHint* hint = nullptr;
};

TEST_F(SkinHints, AShortTextGivesThePicturesSizeALongOneGrowsIt) {
  TbsSkinHintWindow& w = hint->HintWindow();
  w.ActivateHint({100, 100, 100, 100}, "i");
  EXPECT_TRUE(w.SkinLook());
  EXPECT_EQ(w.Width(), 47);
  EXPECT_EQ(w.Height(), 21);
  EXPECT_TRUE(win::IsWindowVisible(w.Handle()));
  const std::string text = "Author / Urheber";
  w.ActivateHint({100, 100, 100, 100}, text);
  const gfx::Size size = TextSize(text);
  // The picture's frame (8 + 8 wide, 3 + 3 high) around the text.
  EXPECT_EQ(w.Width(), std::max(47, size.cx + 16));
  EXPECT_EQ(w.Height(), std::max(21, size.cy + 6));
  // The window takes nothing from the form.
  EXPECT_TRUE(form->Active());
}

TEST_F(SkinHints, NearTheEdgesTheHintGoesLeftOfAndAboveItsAnchor) {
  TbsSkinHintWindow& w = hint->HintWindow();
  w.ActivateHint({1000, 760, 1000, 760}, "Edge");
  EXPECT_EQ(w.Left(), 1000 - w.Width() - 2);
  EXPECT_EQ(w.Top(), 760 - w.Height() - 2);
  w.ActivateHint({500, 300, 500, 300}, "Middle");
  EXPECT_EQ(w.Left(), 500);
  EXPECT_EQ(w.Top(), 300);
}

TEST_F(SkinHints, WithoutSkinThePlainLookAndWithoutActiveComponentNothing) {
  hint->SetSkinData(nullptr);
  TbsSkinHintWindow& w = hint->HintWindow();
  w.ActivateHint({100, 100, 100, 100}, "Plain");
  EXPECT_FALSE(w.SkinLook());
  EXPECT_EQ(w.Width(), TextSize("Plain", &hint->DefaultFont()).cx + 4);
  hint->SetActive(false);
  w.ReleaseHandle();
  w.ActivateHint({100, 100, 100, 100}, "Plain");
  EXPECT_FALSE(win::IsWindowVisible(w.Handle()));
}

TEST_F(SkinHints, ASkinWithoutAHintRecordGivesThePlainLook) {
  // As a skin text without a hint-window section leaves it.
  skin->HintWindowRecord->windowpictureindex = -1;
  TbsSkinHintWindow& w = hint->HintWindow();
  w.ActivateHint({100, 100, 100, 100}, "Plain");
  EXPECT_FALSE(w.SkinLook());
  EXPECT_TRUE(win::IsWindowVisible(w.Handle()));
}

TEST_F(SkinHints, OnlyOneComponentIsActive) {
  auto* second = new TbsSkinHint(form);
  second->SetActive(true);
  EXPECT_FALSE(hint->Active());
  EXPECT_EQ(TbsSkinHint::ActiveHintOf(form), second);
  hint->SetActive(true);
  EXPECT_FALSE(second->Active());
  EXPECT_EQ(TbsSkinHint::ActiveHintOf(form), hint);
  // The application's own hints are skinned too.
  EXPECT_EQ(app->HintShortPause, 100);
  auto* control = new uitest::TTestButton(form, form, "b", nullptr);
  control->SetHint("Control hint");
  control->SetShowHint(true);
  const TPoint p = At(control, 5, 5);
  script.MoveTo(p.x, p.y).Wait(app->HintPause + 50);
  Run();
  EXPECT_NE(dynamic_cast<TbsSkinHintWindow*>(app->HintWindow()), nullptr);
}

TEST_F(SkinHints, ObjectHintsAfterThePauseAndGoneAfterTheHidePause) {
  script.MoveTo(300, 200);
  Run();
  hint->ShowObjectHintText("Close");
  TbsSkinHintWindow& w = hint->HintWindow();
  script.Wait(app->HintPause - 1);
  script.Then([&] { EXPECT_FALSE(w.HandleAllocated() && win::IsWindowVisible(w.Handle())); });
  script.Wait(1);
  script.Then([&] {
    ASSERT_TRUE(win::IsWindowVisible(w.Handle()));
    EXPECT_EQ(w.Caption(), "Close");
    EXPECT_EQ(w.Left(), 300);
    EXPECT_EQ(w.Top(), 200 + TbsSkinHint::CursorBottomMargin());
  });
  script.Wait(app->HintHidePause);
  Run();
  EXPECT_FALSE(win::IsWindowVisible(w.Handle()));
  // A new request replaces a pending one; hiding cancels it.
  hint->ShowObjectHintText("One");
  hint->ShowObjectHintText("Two");
  script.Wait(app->HintPause);
  Run();
  EXPECT_EQ(w.Caption(), "Two");
  hint->HideObjectHint();
  EXPECT_FALSE(win::IsWindowVisible(w.Handle()));
}

TEST_F(SkinHints, ACaptionButtonShowsItsHintWhileHovered) {
  auto* frame = new TbsSkinForm(form);
  frame->SetSkinData(skin);
  frame->SetSkinHint(hint);
  frame->SetShowObjectHint(true);
  app->ProcessMessages();
  TbsActiveSkinObject* close = frame->FindObject("closebutton");
  ASSERT_NE(close, nullptr);
  close->Hint = "Close";
  const gfx::Rect r = close->ObjectRect;
  const TPoint over{form->Left() + (r.left + r.right) / 2, form->Top() + (r.top + r.bottom) / 2};
  TbsSkinHintWindow& w = hint->HintWindow();
  script.MoveTo(over.x, over.y).Wait(60 + app->HintPause);
  script.Then([&] {
    ASSERT_TRUE(w.HandleAllocated() && win::IsWindowVisible(w.Handle()));
    EXPECT_EQ(w.Caption(), "Close");
  });
  // Leaving the button hides it before its time is up.
  script.MoveTo(over.x - 200, over.y + 200).Wait(60);
  Run();
  EXPECT_FALSE(win::IsWindowVisible(w.Handle()));
  // Without ShowObjectHint the frame shows none.
  frame->SetShowObjectHint(false);
  script.MoveTo(over.x, over.y).Wait(60 + app->HintPause);
  Run();
  EXPECT_FALSE(win::IsWindowVisible(w.Handle()));
}

}  // namespace
