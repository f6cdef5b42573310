// The standard controls: labels, list boxes, bevels, images and menus.

#include "UiTest.h"
#include "ui/ExtCtrls.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Menus.h"

namespace uitest {
namespace {

using ::testing::ElementsAre;

class StdCtrls : public UiTest {
 protected:
  StdCtrls() {
    form = MakeForm(400, 300);
    form->SetBorderStyle(bsNone);
    form->SetColor(gfx::clWhite);
  }

  gfx::Bitmap Shot() {
    app->ProcessMessages();
    win::GdiFlush();
    return script.WindowShot(form->Handle());
  }

  // Whether any pixel of the rectangle (form client coordinates) is dark.
  static bool AnyDark(const gfx::Bitmap& shot, TRect r) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        TColor c = shot.GetPixel(x, y);
        if (c != gfx::CLR_INVALID &&
            gfx::GetRValue(c) + gfx::GetGValue(c) + gfx::GetBValue(c) < 200)
          return true;
      }
    return false;
  }

  TForm* form = nullptr;
  std::vector<std::string> log;
};

// -- Labels ------------------------------------------------------------------

TEST_F(StdCtrls, LabelSizesItselfToItsTextAndRightAlignedKeepsItsRightEdge) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(50, 20, 3, 13);
  label->SetCaption("Puzzle(s):");
  TCanvas measure;
  measure.Font().Assign(label->Font());
  EXPECT_EQ(label->Width(), measure.TextWidth("Puzzle(s):"));
  EXPECT_EQ(label->Height(), measure.TextHeight("Puzzle(s):"));
  // An empty label keeps one line's height.
  label->SetCaption("");
  EXPECT_EQ(label->Height(), measure.TextHeight("A"));

  auto* status = new TLabel(form);
  status->SetParent(form);
  status->SetAlignment(taRightJustify);
  status->SetBounds(742, 82, 3, 13);
  status->SetCaption("12 packages");
  EXPECT_EQ(status->Left() + status->Width(), 745);
  status->SetCaption("1");
  EXPECT_EQ(status->Left() + status->Width(), 745);

  // Word wrap keeps the width and grows downwards.
  auto* wrapped = new TLabel(form);
  wrapped->SetParent(form);
  wrapped->SetWordWrap(true);
  wrapped->SetBounds(0, 100, 120, 13);
  wrapped->SetCaption("Severity / Schwierigkeitsgrad:");
  EXPECT_LE(wrapped->Width(), 120);
  EXPECT_GE(wrapped->Width(), measure.TextWidth("Schwierigkeitsgrad:"));
  EXPECT_EQ(wrapped->Height(), 2 * measure.TextHeight("A"));
  // Without AutoSize nothing moves.
  wrapped->SetAutoSize(false);
  TRect before = wrapped->BoundsRect();
  wrapped->SetCaption("x");
  EXPECT_EQ(wrapped->BoundsRect(), before);
}

TEST_F(StdCtrls, LabelUnderlinesItsAcceleratorOrShowsTheAmpersand) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 0, 0);
  label->SetCaption("&Start");
  TCanvas measure;
  measure.Font().Assign(label->Font());
  int s = measure.TextWidth("S");
  EXPECT_EQ(label->Width(), measure.TextWidth("Start"));
  gfx::Bitmap shot = Shot();
  int h = label->Height();
  // The underline lies in the descent, under the "S" only: "tart" has no
  // descenders.
  int ascent = measure.Font().Handle().GetMetrics().ascent;
  TRect under{10, 10 + ascent, 10 + s, 10 + h};
  TRect rest{10 + s + 1, 10 + ascent, 10 + label->Width(), 10 + h};
  EXPECT_TRUE(AnyDark(shot, under));
  EXPECT_FALSE(AnyDark(shot, rest));
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), measure.TextWidth("&Start"));
  shot = Shot();
  EXPECT_FALSE(AnyDark(shot, {10, 10 + ascent, 10 + label->Width(), 10 + h}));
  // "&&" is one ampersand.
  label->SetShowAccelChar(true);
  label->SetCaption("A && B");
  EXPECT_EQ(label->Width(), measure.TextWidth("A & B"));
}

TEST_F(StdCtrls, LabelAcceleratorFocusesItsControl) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("&Package / Paket:");
  auto* box = new TTestButton(form, form, "box", &log);
  auto* other = new TTestButton(form, form, "other", &log);
  label->SetFocusControl(box);
  other->SetFocus();
  script.KeyDown(win::VK_MENU).Key('P', 'p').KeyUp(win::VK_MENU);
  RunScript();
  EXPECT_TRUE(box->Focused());
}

TEST_F(StdCtrls, LabelBackgroundLayoutAndDisabledLook) {
  form->SetColor(gfx::clBlue);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 100, 60);
  label->SetColor(gfx::clYellow);
  label->SetCaption("___");
  label->SetLayout(tlBottom);
  gfx::Bitmap shot = Shot();
  EXPECT_EQ(shot.GetPixel(50, 30), gfx::clYellow);
  EXPECT_FALSE(AnyDark(shot, {0, 0, 100, 40}));
  EXPECT_TRUE(AnyDark(shot, {0, 40, 100, 60}));
  label->SetLayout(tlTop);
  label->SetTransparent(true);
  shot = Shot();
  EXPECT_EQ(shot.GetPixel(50, 30), gfx::clBlue);
  EXPECT_TRUE(AnyDark(shot, {0, 0, 100, 20}));
  label->SetTransparent(false);
  label->SetEnabled(false);
  shot = Shot();
  // Greyed: no black, but a grey stroke over a white one, each blended
  // into the yellow at its edges.
  bool grey = false;
  bool white = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      TColor c = shot.GetPixel(x, y);
      int r = gfx::GetRValue(c);
      grey = grey || (r == gfx::GetGValue(c) && r < 0xC0);
      white = white || (r == 0xFF && gfx::GetGValue(c) == 0xFF && gfx::GetBValue(c) > 0);
    }
  EXPECT_FALSE(AnyDark(shot, {0, 0, 100, 20}));
  EXPECT_TRUE(grey);
  EXPECT_TRUE(white);
}

// -- List boxes ----------------------------------------------------------------

class ListBoxes : public StdCtrls {
 protected:
  ListBoxes() {
    list = new TListBox(form);
    list->SetParent(form);
    list->SetBorderStyle(bsNone);
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    list->SetBounds(10, 10, 120, 100);
    for (int i = 0; i < 20; ++i)
      list->Items().Add("Item " + std::to_string(i));
    list->OnScroll = [this](TObject*) { ++scrolls; };
    list->OnClick = [this](TObject*) {
      log.push_back("click " + std::to_string(list->ItemIndex()));
    };
  }
  std::string Info(int bar = SB_VERT) const {
    TScrollInfo i = list->GetScrollInfo(bar);
    return std::to_string(i.Min) + ".." + std::to_string(i.Max) + " page " +
           std::to_string(i.Page) + " pos " + std::to_string(i.Pos);
  }
  TListBox* list;
  int scrolls = 0;
};

TEST_F(ListBoxes, ScrollRangeAndPositionCanBeMirroredByAnOutsideBar) {
  EXPECT_EQ(list->VisibleRows(), 5);
  EXPECT_EQ(Info(), "0..19 page 5 pos 0");
  scrolls = 0;
  list->SetItemIndex(10);
  EXPECT_EQ(list->TopIndex(), 6);
  EXPECT_EQ(Info(), "0..19 page 5 pos 6");
  EXPECT_EQ(scrolls, 1);
  list->Perform(win::WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(list->TopIndex(), 7);
  list->Perform(win::WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(list->TopIndex(), 15);
  list->Perform(win::WM_VSCROLL, win::MAKEWPARAM(SB_THUMBPOSITION, 3));
  EXPECT_EQ(list->TopIndex(), 3);
  list->Perform(win::WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(list->TopIndex(), 8);
  list->SetScrollPos(SB_VERT, 100);
  EXPECT_EQ(list->ScrollPos(SB_VERT), 15);
  EXPECT_EQ(scrolls, 6);
  // Setting the same position again says nothing.
  list->SetTopIndex(15);
  EXPECT_EQ(scrolls, 6);
  // Fewer items narrow the range and pull the position in.
  list->Items().BeginUpdate();
  while (list->Items().Count() > 8)
    list->Items().Delete(list->Items().Count() - 1);
  list->Items().EndUpdate();
  EXPECT_EQ(Info(), "0..7 page 5 pos 3");
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(scrolls, 7);
}

TEST_F(ListBoxes, HorizontalExtentScrollsSideways) {
  EXPECT_EQ(Info(SB_HORZ), "0..0 page 120 pos 0");
  list->SetHorizontalExtent(300);
  EXPECT_EQ(Info(SB_HORZ), "0..299 page 120 pos 0");
  list->SetScrollPos(SB_HORZ, 1000);
  EXPECT_EQ(list->ScrollPos(SB_HORZ), 180);
  EXPECT_EQ(list->ItemRect(0), (TRect{-180, 0, 120, 20}));
  list->Perform(win::WM_HSCROLL, SB_TOP);
  EXPECT_EQ(list->ScrollPos(SB_HORZ), 0);
}

TEST_F(ListBoxes, MouseAndKeysSelectAndReportEachChange) {
  TPoint p = At(list, 10, 45);
  script.Click(p.x, p.y);
  script.Key(win::VK_DOWN).Key(win::VK_END).Key(win::VK_PRIOR).Key(win::VK_HOME).Key(win::VK_UP);
  script.Then([&] { EXPECT_EQ(list->TopIndex(), 0); });
  script.MoveTo(p.x, p.y).Wheel(-120);
  RunScript();
  EXPECT_TRUE(list->Focused());
  EXPECT_THAT(log, ElementsAre("click 2", "click 3", "click 19", "click 15", "click 0"));
  EXPECT_EQ(list->TopIndex(), 3);
  // Arrow keys stay with the list instead of moving the focus.
  EXPECT_EQ(list->Perform(win::WM_GETDLGCODE) & win::DLGC_WANTARROWS, win::DLGC_WANTARROWS);
}

TEST_F(ListBoxes, OwnerDrawsTheVisibleRowsWithTheirState) {
  std::vector<std::string> drawn;
  list->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(std::to_string(index) + "@" + std::to_string(rect.top) +
                    (state.Contains(odSelected) ? " selected" : ""));
    list->Canvas().FillRect(rect);
  };
  list->SetItemIndex(7);
  list->Invalidate();
  app->ProcessMessages();
  EXPECT_THAT(drawn, ElementsAre("3@0", "4@20", "5@40", "6@60", "7@80 selected"));
}

// -- Bevels and images ---------------------------------------------------------

TEST_F(StdCtrls, BevelDrawsItsShapeInShadowAndHighlight) {
  auto* bevel = new TBevel(form);
  bevel->SetParent(form);
  bevel->SetBounds(10, 10, 20, 10);
  gfx::Bitmap shot = Shot();
  // A lowered box: shadow at the top and left, highlight at the bottom and
  // right.
  EXPECT_EQ(shot.GetPixel(15, 10), gfx::clBtnShadow);
  EXPECT_EQ(shot.GetPixel(10, 15), gfx::clBtnShadow);
  EXPECT_EQ(shot.GetPixel(15, 19), gfx::clBtnHighlight);
  EXPECT_EQ(shot.GetPixel(29, 15), gfx::clBtnHighlight);
  EXPECT_EQ(shot.GetPixel(15, 15), gfx::clWhite);
  bevel->SetShape(bsFrame);
  shot = Shot();
  EXPECT_EQ(shot.GetPixel(15, 10), gfx::clBtnShadow);
  EXPECT_EQ(shot.GetPixel(15, 11), gfx::clBtnHighlight);
  EXPECT_EQ(shot.GetPixel(15, 18), gfx::clBtnShadow);
  EXPECT_EQ(shot.GetPixel(15, 19), gfx::clBtnHighlight);
  bevel->SetStyle(bsRaised);
  bevel->SetShape(bsTopLine);
  shot = Shot();
  EXPECT_EQ(shot.GetPixel(15, 10), gfx::clBtnHighlight);
  EXPECT_EQ(shot.GetPixel(15, 11), gfx::clBtnShadow);
  EXPECT_EQ(shot.GetPixel(15, 19), gfx::clWhite);
}

TEST_F(StdCtrls, ImageCentresStretchesSizesAndLeavesOutTheTransparentColour) {
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(0, 0, 50, 40);
  TBitmap& pic = image->Picture().Bitmap();
  pic.SetSize(10, 10);
  pic.Canvas().Brush().SetColor(gfx::clRed);
  pic.Canvas().FillRect({0, 0, 10, 10});
  pic.Canvas().Brush().SetColor(gfx::clLime);
  pic.Canvas().FillRect({0, 5, 10, 10});
  EXPECT_EQ(image->DestRect(), (TRect{0, 0, 10, 10}));
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), (TRect{20, 15, 30, 25}));
  image->SetStretch(true);
  EXPECT_EQ(image->DestRect(), (TRect{0, 0, 50, 40}));
  image->SetProportional(true);
  EXPECT_EQ(image->DestRect(), (TRect{5, 0, 45, 40}));
  image->SetStretch(false);
  image->SetTransparent(true);
  gfx::Bitmap shot = Shot();
  EXPECT_EQ(shot.GetPixel(25, 17), gfx::clRed);
  // The bottom-left colour is the transparent one.
  EXPECT_EQ(shot.GetPixel(25, 22), gfx::clWhite);
  image->SetAutoSize(true);
  pic.SetSize(30, 20);
  EXPECT_EQ(image->Width(), 30);
  EXPECT_EQ(image->Height(), 20);
  // Limits hold against the picture's size too.
  image->SetConstraints({.MaxWidth = 25, .MaxHeight = 40});
  EXPECT_EQ(image->BoundsRect(), (TRect{0, 0, 25, 20}));
  pic.SetSize(60, 60);
  EXPECT_EQ(image->BoundsRect(), (TRect{0, 0, 25, 40}));
}

// -- Menus ---------------------------------------------------------------------

TEST(ShortCuts, TextsAndKeysConvertBothWays) {
  EXPECT_EQ(ShortCutToText(scAlt | win::VK_F4), "Alt+F4");
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(scShift | scCtrl | win::VK_DELETE), "Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(TextToShortCut("Alt+F4"), scAlt | win::VK_F4);
  EXPECT_EQ(TextToShortCut("ctrl+s"), scCtrl | 'S');
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Hyper+X"), 0);
  EXPECT_EQ(ShortCut('S', {ssCtrl}), scCtrl | 'S');
}

TEST(MenuItems, RadioItemsOfAGroupCheckOneAtATimeAndItemsOwnTheirSubItems) {
  TMenuItem root(nullptr);
  std::vector<TMenuItem*> radios;
  for (int i = 0; i < 3; ++i) {
    auto* item = new TMenuItem(nullptr);
    item->SetRadioItem(true);
    item->AutoCheck = true;
    item->SetGroupIndex(i < 2 ? 1 : 2);
    root.Add(item);
    radios.push_back(item);
  }
  radios[0]->SetChecked(true);
  radios[2]->SetChecked(true);
  radios[1]->Click();
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(radios[1]->Checked());
  EXPECT_TRUE(radios[2]->Checked());
  auto* sub = new TMenuItem(nullptr);
  sub->SetCaption("Ro&llUp");
  radios[2]->Add(sub);
  EXPECT_EQ(root.Find("rollup"), nullptr);
  EXPECT_EQ(radios[2]->Find("rollup"), sub);
  root.Delete(2);
  EXPECT_EQ(root.Count(), 2);
  // A disabled item does not fire.
  int clicks = 0;
  radios[0]->OnClick = [&](TObject*) { ++clicks; };
  radios[0]->SetEnabled(false);
  radios[0]->Click();
  EXPECT_EQ(clicks, 0);
}

class Menus : public StdCtrls {
 protected:
  Menus() {
    menu = new TPopupMenu(form);
    for (const char* caption : {"Mi&nimize", "Ro&llUp", "-", "&Close"}) {
      auto* item = new TMenuItem(form);
      item->SetCaption(caption);
      item->OnClick = [this, caption](TObject*) { log.push_back(caption); };
      menu->Items().Add(item);
    }
    menu->Items().Items(3)->SetShortCut(scAlt | win::VK_F4);
    menu->Items().Items(1)->SetEnabled(false);
  }
  TPopupMenu* menu;
};

TEST_F(Menus, PopupChoosesByKeysOrMouseAndClosesWithoutChoiceOnEscapeOrOutside) {
  script.Key(win::VK_DOWN).Key(win::VK_DOWN).Key(win::VK_RETURN);
  menu->Popup(200, 200);
  // Arrows skip the disabled item and the separator.
  EXPECT_THAT(log, ElementsAre("&Close"));
  log.clear();
  script.Key(win::VK_ESCAPE);
  menu->Popup(200, 200);
  script.Click(5, 5);
  menu->Popup(200, 200);
  script.Key('N', 'n');
  menu->Popup(200, 200);
  EXPECT_THAT(log, ElementsAre("Mi&nimize"));
  log.clear();
  // The first item sits at the top of the menu, below its border.
  script.Click(210, 205);
  menu->Popup(200, 200);
  EXPECT_THAT(log, ElementsAre("Mi&nimize"));
  RunScript();
}

TEST_F(Menus, AShortCutOfTheFocusedControlsPopupMenuClicksItsItem) {
  auto* button = new TTestButton(form, form, "b", &log);
  button->SetPopupMenu(menu);
  button->SetFocus();
  script.KeyDown(win::VK_MENU).Key(win::VK_F4).KeyUp(win::VK_MENU);
  RunScript();
  EXPECT_EQ(std::count(log.begin(), log.end(), "&Close"), 1);
  EXPECT_FALSE(app->Terminated());
}

}  // namespace
}  // namespace uitest
