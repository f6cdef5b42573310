// The skinned frame on a real X server: its shape, a drag of its caption
// and a round trip through the iconified state.

#include <gtest/gtest.h>

#include "platform/win/Win.h"
#include "platform/win/x11/X11Fixture.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "support/GfxPrinters.h"
#include "ui/Application.h"

namespace {

class SkinFormX11 : public x11test::X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    Open();
    screen = std::make_unique<TScreen>();
    app = std::make_unique<TApplication>();
    form = app->CreateForm<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetCaption("Tilebrook(tm) - Puzzle Browser");
    form->SetBounds(100, 100, 300, 200);
    skin = new TbsSkinData(form);
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini");
    skin->ApplyStoredSkin(&stored);
    frame = new TbsSkinForm(form);
    frame->SetSkinData(skin);
    form->SetClientSize(760, 570);
    form->Show();
    ASSERT_TRUE(RunUntil([&] { return Viewable(form->Handle()); }));
  }
  void TearDown() override {
    app.reset();
    screen.reset();
    X11Test::TearDown();
  }

  std::unique_ptr<TScreen> screen;
  std::unique_ptr<TApplication> app;
  TForm* form = nullptr;
  TbsSkinData* skin = nullptr;
  TbsSkinForm* frame = nullptr;
};

TEST_F(SkinFormX11, WindowShapeIsTheFrameRegion) {
  ASSERT_TRUE(frame->WindowRegion().has_value());
  EXPECT_TRUE(RunUntil([&] { return XShape(form->Handle()) == *frame->WindowRegion(); }));
}

TEST_F(SkinFormX11, DraggingTheCaptionMovesTheWindow) {
  const gfx::Rect caption = frame->FindObject("caption1")->ObjectRect;
  const gfx::Point start{form->Left() + caption.left + 40, form->Top() + caption.top + 6};
  FakeMotion(start.x, start.y);
  Flush();
  ASSERT_TRUE(RunUntil([&] {
    gfx::Point p;
    win::GetCursorPos(p);
    return p == start;
  }));
  FakeButton(1, true);
  FakeMotion(start.x + 20, start.y + 10);
  FakeMotion(start.x + 60, start.y + 30);
  FakeButton(1, false);
  Flush();
  EXPECT_TRUE(RunUntil([&] {
    return XPosition(form->Handle()) == gfx::Point{160, 130} && form->Left() == 160;
  }));
}

TEST_F(SkinFormX11, IconifyAndRestoreKeepTheFrame) {
  ASSERT_TRUE(RunUntil([&] { return XShape(form->Handle()) == *frame->WindowRegion(); }));
  const gfx::Bitmap before = XPixels(form->Handle());
  ASSERT_FALSE(before.IsEmpty());
  app->Minimize();
  EXPECT_TRUE(RunUntil([&] { return !Viewable(form->Handle()); }));
  app->Restore();
  EXPECT_TRUE(RunUntil([&] { return Viewable(form->Handle()); }));
  EXPECT_TRUE(RunUntil([&] { return XShape(form->Handle()) == *frame->WindowRegion(); }));
  // The frame is drawn again: the top rows and the left border are as
  // before.
  EXPECT_TRUE(RunUntil([&] {
    const gfx::Bitmap after = XPixels(form->Handle());
    if (after.GetSize() != before.GetSize())
      return false;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < after.Width(); ++x)
        if (after.GetPixel(x, y) != before.GetPixel(x, y))
          return false;
    for (int y = 30; y < after.Height(); ++y)
      for (int x = 0; x < 7; ++x)
        if (after.GetPixel(x, y) != before.GetPixel(x, y))
          return false;
    return true;
  }));
}

}  // namespace
