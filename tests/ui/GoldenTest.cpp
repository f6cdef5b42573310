// The plain looks, compared with reference pictures: a form with a label,
// bevels, an image and a list box, with a hint showing; and an open popup
// menu. Regenerate with TILEBROOK_UPDATE_GOLDEN=1 after a deliberate change.

#include "UiTest.h"
#include "support/GoldenImage.h"
#include "ui/ExtCtrls.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Menus.h"

namespace uitest {
namespace {

class Looks : public UiTest {
 protected:
  Looks() {
    form = app->CreateForm<TForm>();
    form->SetCaption("Looks");
    form->SetBorderStyle(bsSingle);
    form->SetBounds(20, 20, 10, 10);
    form->SetClientSize(240, 150);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(8, 8, 0, 0);
    label->SetCaption("&Package / Paket:");
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetShape(bsFrame);
    bevel->SetBounds(8, 28, 70, 70);
    image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(13, 33, 60, 60);
    image->SetCenter(true);
    TBitmap& pic = image->Picture().Bitmap();
    pic.SetSize(40, 40);
    pic.Canvas().Brush().SetColor(gfx::RGB(46, 120, 128));
    pic.Canvas().FillRect({0, 0, 40, 40});
    pic.Canvas().Brush().SetColor(gfx::RGB(244, 236, 220));
    pic.Canvas().FillRect({10, 10, 30, 30});
    image->SetHint("Author / Urheber");
    image->SetShowHint(true);
    list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(90, 28, 140, 70);
    for (const char* s : {"Beginner", "Intermediate", "Expert", "Guru", "Maniac"})
      list->Items().Add(s);
    list->SetItemIndex(2);
    auto* line = new TBevel(form);
    line->SetParent(form);
    line->SetShape(bsTopLine);
    line->SetBounds(8, 110, 224, 2);
    form->Show();
    app->ProcessMessages();
  }
  gfx::Bitmap Screen(TRect r) {
    win::GdiFlush();
    gfx::Bitmap whole = script.Screenshot();
    gfx::Bitmap part(r.Width(), r.Height());
    gfx::DeviceContext dc(part);
    dc.BitBlt(0, 0, r.Width(), r.Height(), whole, r.left, r.top);
    return part;
  }
  TForm* form;
  TImage* image;
  TListBox* list;
};

TEST_F(Looks, FormWithStandardControlsAndAHint) {
  TPoint p = At(form, 40, 60);
  script.MoveTo(p.x, p.y).Wait(500).Then([&] {
    const gfx::Bitmap shot = Screen({0, 0, 320, 260});
    EXPECT_TRUE(testsupport::MatchesGolden(shot, "tests/ui/golden/form_with_hint.png"));
    // Checked apart from the reference: the 40 x 40 picture centred in its
    // 60 x 60 image, and the chosen row of the list in the highlight.
    auto pixel = [&](TControl* c, int x, int y) {
      const TPoint s = At(c, x, y);
      return shot.GetPixel(s.x, s.y);
    };
    // (The hint covers the image's lower right part.)
    EXPECT_EQ(pixel(image, 10, 10), gfx::RGB(46, 120, 128));
    EXPECT_EQ(pixel(image, 49, 10), gfx::RGB(46, 120, 128));
    EXPECT_EQ(pixel(image, 10, 49), gfx::RGB(46, 120, 128));
    EXPECT_NE(pixel(image, 9, 10), gfx::RGB(46, 120, 128));
    EXPECT_NE(pixel(image, 50, 10), gfx::RGB(46, 120, 128));
    EXPECT_NE(pixel(image, 10, 50), gfx::RGB(46, 120, 128));
    EXPECT_EQ(pixel(image, 20, 20), gfx::RGB(244, 236, 220));
    EXPECT_EQ(pixel(image, 39, 39), gfx::RGB(244, 236, 220));
    const TRect chosen = list->ItemRect(2);
    EXPECT_EQ(pixel(list, chosen.right - 2, chosen.top), gfx::ColorToRGB(gfx::clHighlight));
    EXPECT_EQ(pixel(list, chosen.right - 2, chosen.bottom - 1), gfx::ColorToRGB(gfx::clHighlight));
    EXPECT_EQ(pixel(list, chosen.right - 2, chosen.bottom), gfx::ColorToRGB(gfx::clWindow));
  });
  RunScript();
}

TEST_F(Looks, PlainPopupMenu) {
  TPopupMenu menu(nullptr);
  std::vector<std::unique_ptr<TMenuItem>> keep;
  for (const char* caption : {"Mi&nimize", "Ro&llUp", "-", "&Close"}) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    menu.Items().Add(item);
  }
  menu.Items().Items(1)->SetEnabled(false);
  menu.Items().Items(0)->SetChecked(true);
  menu.Items().Items(3)->SetShortCut(scAlt | win::VK_F4);
  script.Key(win::VK_DOWN).Key(win::VK_DOWN).Then([&] {
    const gfx::Bitmap shot = Screen({60, 60, 200, 160});
    EXPECT_TRUE(testsupport::MatchesGolden(shot, "tests/ui/golden/popup_menu.png"));
    // Checked apart from the reference: the second Down skips the disabled
    // item and the separator, so the last item is highlighted; the rows
    // above it are two items of the same height and an 8-pixel separator.
    const gfx::ColorRef highlight = gfx::ColorToRGB(gfx::clHighlight);
    const int x = 70 + 8 - 60;
    int top = -1, bottom = -1;
    for (int y = 0; y < shot.Height(); ++y)
      if (shot.GetPixel(x, y) == highlight) {
        if (top < 0)
          top = y;
        bottom = y + 1;
      }
    ASSERT_GE(top, 0);
    const int itemHeight = bottom - top;
    EXPECT_GE(itemHeight, 16);
    const int firstItem = top - 2 * itemHeight - 8;
    EXPECT_EQ(shot.GetPixel(x, firstItem), gfx::ColorToRGB(gfx::clMenu));
    EXPECT_NE(shot.GetPixel(x, firstItem - 1), gfx::ColorToRGB(gfx::clMenu));
    EXPECT_NE(shot.GetPixel(x, bottom), gfx::ColorToRGB(gfx::clMenu));
  });
  script.Key(win::VK_ESCAPE);
  menu.Popup(70, 70);
  RunScript();
}

}  // namespace
}  // namespace uitest
