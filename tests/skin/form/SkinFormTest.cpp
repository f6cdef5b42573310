#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "platform/win/Win.h"
#include "support/GfxPrinters.h"

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
  Shot();
  script.SaveWindowShot(form->Handle(), "/tmp/frame_active.png");
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
