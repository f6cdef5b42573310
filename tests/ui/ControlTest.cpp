// Controls on a form: ownership and references, painting order, the mouse
// events, inherited fonts, enter and leave notices, hooked window
// procedures and timers.

#include "UiTest.h"
#include "ui/ExtCtrls.h"
#include "ui/Label.h"
#include "ui/Menus.h"
#include "ui/Timer.h"

namespace uitest {
namespace {

using ::testing::ElementsAre;

class Controls : public UiTest {
 protected:
  TForm* form = MakeForm();
  std::vector<std::string> log;

  gfx::Bitmap Shot() {
    app->ProcessMessages();
    win::GdiFlush();
    return script.WindowShot(form->Handle());
  }
  // A client point of the form as a window-shot pixel.
  TColor PixelAt(const gfx::Bitmap& shot, int x, int y) {
    TPoint p = form->ClientToScreen({x, y});
    TRect w = win::GetWindowRect(form->Handle());
    return shot.GetPixel(p.x - w.left, p.y - w.top);
  }
};

// A graphic control that fills itself with one colour and logs events.
class TSwatch : public TGraphicControl {
 public:
  TSwatch(TComponent* owner, TWinControl* parent, TColor color, TRect bounds)
      : TGraphicControl(owner) {
    SetColor(color);
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    SetParent(parent);
  }
  std::vector<std::string>* Log = nullptr;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
  }
  void WndProc(TMessage& m) override {
    if (Log && m.Msg == CM_MOUSEENTER)
      Log->push_back("enter " + Name());
    if (Log && m.Msg == CM_MOUSELEAVE)
      Log->push_back("leave " + Name());
    TGraphicControl::WndProc(m);
  }
};

TEST_F(Controls, OwnerFreesOwnedComponentsAndFreeNotificationClearsReferences) {
  auto* menu = new TPopupMenu(form);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetPopupMenu(menu);
  auto* target = new TTestButton(form, form, "target", &log);
  label->SetFocusControl(target);
  delete menu;
  EXPECT_EQ(label->PopupMenu(), nullptr);
  delete target;
  EXPECT_EQ(label->FocusControl(), nullptr);
  // A panel owned by another form but placed on this one goes with its
  // parent; the owner hears of it.
  TForm* other = app->CreateForm<TForm>();
  auto* panel = new TTestButton(other, form, "panel", &log);
  auto* inner = new TSwatch(other, panel, gfx::clRed, {0, 0, 5, 5});
  inner->SetName("inner");
  int owned = other->ComponentCount();
  EXPECT_EQ(owned, 2);
  delete form;
  form = nullptr;
  EXPECT_EQ(other->ComponentCount(), 0);
  EXPECT_EQ(other->FindComponent("inner"), nullptr);
  form = MakeForm();
}

TEST_F(Controls, DestroyingTheFocusedControlClearsTheActiveControl) {
  auto* a = new TTestButton(form, form, "a", &log);
  a->SetFocus();
  EXPECT_EQ(form->ActiveControl(), a);
  delete a;
  EXPECT_EQ(form->ActiveControl(), nullptr);
  script.Key(win::VK_TAB);
  RunScript();
}

TEST_F(Controls, GraphicControlsPaintInCreationOrderUnderWindowedChildren) {
  form->SetBorderStyle(bsNone);
  form->SetColor(gfx::clWhite);
  new TSwatch(form, form, gfx::clRed, {10, 10, 50, 50});
  auto* windowed = new TTestButton(form, form, "w", &log);
  windowed->SetColor(gfx::clBlue);
  windowed->SetBounds(40, 40, 30, 30);
  // Created after the windowed control, still below it.
  new TSwatch(form, form, gfx::clLime, {30, 30, 60, 60});
  gfx::Bitmap shot = Shot();
  EXPECT_EQ(PixelAt(shot, 5, 5), gfx::clWhite);
  EXPECT_EQ(PixelAt(shot, 15, 15), gfx::clRed);
  EXPECT_EQ(PixelAt(shot, 35, 35), gfx::clLime);
  EXPECT_EQ(PixelAt(shot, 45, 45), gfx::clBlue);
  EXPECT_EQ(PixelAt(shot, 55, 35), gfx::clLime);
  EXPECT_EQ(PixelAt(shot, 65, 65), gfx::clBlue);
}

TEST_F(Controls, ClicksAndDoubleClicksReachGraphicControlsButNotDisabledOnes) {
  auto* image = new TSwatch(form, form, gfx::clRed, {10, 10, 50, 50});
  image->OnClick = [&](TObject*) { log.push_back("click"); };
  image->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  image->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int x, int y) {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                  (s.Contains(ssDouble) ? " double" : ""));
  };
  form->OnClick = [&](TObject*) { log.push_back("form click"); };
  TPoint p = At(form, 20, 30);
  script.Click(p.x, p.y).Click(p.x, p.y);
  // Pressed inside, released outside: no click.
  script.Wait(1000).Press().MoveTo(p.x + 100, p.y).Release();
  RunScript();
  EXPECT_THAT(log,
              ElementsAre("down 10,20", "click", "dblclick", "down 10,20 double", "down 10,20"));
  log.clear();
  image->SetEnabled(false);
  script.Wait(1000).Click(p.x, p.y);
  RunScript();
  EXPECT_THAT(log, ElementsAre("form click"));
}

TEST_F(Controls, ParentFontAndColourFollowTheParentUntilSetOwn) {
  form->Font().SetName("Arial");
  form->Font().SetHeight(-14);
  auto* label = new TLabel(form);
  label->SetParent(form);
  EXPECT_EQ(label->Font().Name(), "Arial");
  EXPECT_EQ(label->Color(), form->Color());
  form->Font().SetStyle({fsBold});
  EXPECT_TRUE(label->Font().Style().Contains(fsBold));
  label->Font().SetHeight(-20);
  EXPECT_FALSE(label->ParentFont());
  form->Font().SetHeight(-9);
  EXPECT_EQ(label->Font().Height(), -20);
  label->SetParentFont(true);
  EXPECT_EQ(label->Font().Height(), -9);
  form->SetColor(gfx::clTeal);
  EXPECT_EQ(label->Color(), gfx::clTeal);
}

TEST_F(Controls, MouseEnterAndLeaveFollowThePointerAcrossControls) {
  auto* a = new TSwatch(form, form, gfx::clRed, {10, 10, 50, 50});
  a->SetName("a");
  a->Log = &log;
  auto* b = new TSwatch(form, form, gfx::clRed, {60, 10, 100, 50});
  b->SetName("b");
  b->Log = &log;
  // A disabled control still hears the mouse come and go.
  b->SetEnabled(false);
  TPoint pa = At(form, 20, 20);
  TPoint pb = At(form, 70, 20);
  script.MoveTo(pa.x, pa.y).MoveTo(pa.x + 5, pa.y).MoveTo(pb.x, pb.y).MoveTo(0, 0);
  RunScript();
  EXPECT_THAT(log, ElementsAre("enter a", "leave a", "enter b", "leave b"));
}

TEST_F(Controls, AReplacedWindowProcSeesEveryMessageAndPassesOn) {
  std::vector<win::UINT> seen;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == win::WM_NCHITTEST) {
      // The hook answers alone: the whole client area drags the form.
      saved(m);
      if (m.Result == win::HTCLIENT)
        m.Result = win::HTCAPTION;
      return;
    }
    saved(m);
  };
  TPoint p = At(form, 50, 50);
  TRect before = win::GetWindowRect(form->Handle());
  script.MoveTo(p.x, p.y).Press().MoveTo(p.x + 30, p.y + 10).Release();
  RunScript();
  TRect after = win::GetWindowRect(form->Handle());
  EXPECT_EQ(after.left - before.left, 30);
  EXPECT_EQ(after.top - before.top, 10);
  EXPECT_EQ(form->Left(), after.left);
  EXPECT_NE(std::find(seen.begin(), seen.end(), win::WM_ENTERSIZEMOVE), seen.end());
  // Perform goes through the hook too.
  seen.clear();
  form->Perform(CM_TEXTCHANGED);
  EXPECT_THAT(seen, ElementsAre(CM_TEXTCHANGED));
}

TEST_F(Controls, RecreatingTheWindowKeepsTheControlsAndTheirState) {
  auto* a = new TTestButton(form, form, "a", &log);
  a->SetCaption("Hello");
  a->SetBounds(5, 6, 70, 20);
  win::HWND old = a->Handle();
  form->RecreateWnd();
  EXPECT_FALSE(win::IsWindow(old));
  ASSERT_TRUE(a->HandleAllocated());
  EXPECT_EQ(win::GetWindowText(a->Handle()), "Hello");
  EXPECT_EQ(win::GetParent(a->Handle()), form->Handle());
  EXPECT_EQ(TWinControl::FindControl(a->Handle()), a);
  EXPECT_EQ(a->BoundsRect(), (TRect{5, 6, 75, 26}));
}

TEST_F(Controls, TimersFireOnTheClockWhileEnabled) {
  auto* timer = new TTimer(form);
  std::vector<win::DWORD> ticks;
  timer->SetInterval(100);
  timer->SetOnTimer([&](TObject*) { ticks.push_back(win::GetTickCount()); });
  script.Wait(250).Then([&] { timer->SetEnabled(false); }).Wait(300).Then([&] {
    timer->SetInterval(50);
    timer->SetEnabled(true);
  });
  script.Wait(60);
  win::DWORD start = win::GetTickCount();
  RunScript();
  EXPECT_THAT(ticks, ElementsAre(start + 100, start + 200, start + 600));
}

TEST_F(Controls, ContextMenuOfAControlIsItsPopupMenu) {
  auto* menu = new TPopupMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption("&Open");
  item->OnClick = [&](TObject*) { log.push_back("open"); };
  menu->Items().Add(item);
  menu->OnPopup = [&](TObject*) { log.push_back("popup"); };
  auto* swatch = new TSwatch(form, form, gfx::clRed, {10, 10, 50, 50});
  swatch->SetPopupMenu(menu);
  TPoint p = At(form, 20, 20);
  script.Click(p.x, p.y, win::MouseButton::Right);
  script.Then([&] {
    EXPECT_EQ(menu->PopupComponent(), swatch);
    log.push_back("menu open");
  });
  script.Key(win::VK_DOWN).Key(win::VK_RETURN);
  RunScript();
  EXPECT_THAT(log, ElementsAre("popup", "menu open", "open"));
}

}  // namespace
}  // namespace uitest
