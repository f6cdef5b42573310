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
    auto* image = new TImage(form);
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
  TListBox* list;
};

TEST_F(Looks, FormWithStandardControlsAndAHint) {
  TPoint p = At(form, 40, 60);
  script.MoveTo(p.x, p.y).Wait(500).Then([&] {
    EXPECT_TRUE(
        testsupport::MatchesGolden(Screen({0, 0, 320, 260}), "tests/ui/golden/form_with_hint.png"));
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
    EXPECT_TRUE(
        testsupport::MatchesGolden(Screen({60, 60, 200, 160}), "tests/ui/golden/popup_menu.png"));
  });
  script.Key(win::VK_ESCAPE);
  menu.Popup(70, 70);
  RunScript();
}

}  // namespace
}  // namespace uitest
