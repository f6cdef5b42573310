// The notices, the system menu and hints on a real X server: the notice is
// a dialog of its owner that takes the keyboard, so the keys typed answer
// it; the menu stays a popup and the keys reach it through the form; a
// hint takes no input at all.

#include <memory>

#include "platform/win/x11/X11Fixture.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinMessage.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinForm.h"
#include "skin/form/SkinHint.h"
#include "skin/form/SkinPopupWindow.h"
#include "ui/Application.h"
#include "ui/HintWindow.h"
#include "ui/Timer.h"

#include "X11Probe.h"

// The key names only; Xlib itself stays out of this file.
#include <X11/keysym.h>

namespace {

class SkinX11 : public x11test::X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (HasFatalFailure())
      return;
    Open();
    screen = std::make_unique<TScreen>();
    app = std::make_unique<TApplication>();
    app->SetTitle("Tilebrook");
    form = app->CreateForm<TForm>();
    form->SetBorderStyle(bsSingle);
    form->HandleNeeded();
    skin = new TbsSkinData(form);
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/skin.ini");
    skin->ApplyStoredSkin(&stored);
    frame = new TbsSkinForm(form);
    frame->SetBorderIcons(
        {TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp});
    frame->SetSkinData(skin);
    frame->SetMenusSkinData(skin);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    ASSERT_TRUE(RunUntil([&] { return Viewable(form->Handle()) && form->Active(); }));
    message = new TbsSkinMessage(form);
    message->SetSkinData(skin);
    message->SetCtrlSkinData(skin);
  }

  void TearDown() override {
    driver.reset();
    app.reset();
    screen.reset();
    X11Test::TearDown();
  }

  // Runs `step` from the program's own loop every 20 ms until it returns
  // true; a modal loop keeps it running. After ten seconds it closes every
  // notice instead, so that a broken test fails rather than hangs.
  void Drive(std::function<bool()> step) {
    driver = std::make_unique<TTimer>(nullptr);
    driver->SetInterval(20);
    const win::DWORD deadline = desktop->Now() + 10000;
    driver->SetOnTimer([this, step = std::move(step), deadline](TObject*) {
      if (win::TickNotAfter(deadline, desktop->Now())) {
        driver->SetEnabled(false);
        if (auto* notice = dynamic_cast<TbsMessageForm*>(Screen->ActiveForm()))
          notice->SetModalResult(mrAbort);
        return;
      }
      if (step())
        driver->SetEnabled(false);
    });
    driver->SetEnabled(true);
  }

  // Runs the program's own loop (which offers every message to an open
  // menu first) until `done` holds; false after ten seconds.
  bool RunProgramUntil(const std::function<bool()>& done) {
    TTimer wake(nullptr);
    wake.SetInterval(5);
    wake.SetEnabled(true);
    const win::DWORD deadline = desktop->Now() + 10000;
    while (!done()) {
      if (win::TickNotAfter(deadline, desktop->Now()))
        return false;
      app->HandleMessage();
    }
    return true;
  }

  static TbsMessageForm* Notice() {
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (auto* f = dynamic_cast<TbsMessageForm*>(Screen->Forms(i)); f && f->Visible())
        return f;
    return nullptr;
  }

  // Whether the display has the notice mapped and its keyboard on it.
  bool NoticeHasTheKeyboard() {
    TbsMessageForm* notice = Notice();
    return notice != nullptr && Viewable(notice->Handle()) && XFocus() == XWindow(notice->Handle());
  }

  std::unique_ptr<TScreen> screen;
  std::unique_ptr<TApplication> app;
  std::unique_ptr<TTimer> driver;
  TForm* form = nullptr;
  TbsSkinData* skin = nullptr;
  TbsSkinForm* frame = nullptr;
  TbsSkinMessage* message = nullptr;
};

TEST_F(SkinX11, ANoticeIsATransientDialogThatTakesTheKeyboard) {
  bool transientForOwner = false;
  bool dialogType = false;
  bool centred = false;
  Drive([&] {
    if (!NoticeHasTheKeyboard())
      return false;
    TbsMessageForm* notice = Notice();
    transientForOwner =
        x11probe::TransientFor(probe, XWindow(notice->Handle()), XWindow(form->Handle()));
    dialogType = x11probe::DialogType(probe, XWindow(notice->Handle()));
    const gfx::Point at = XPosition(notice->Handle());
    const gfx::Size size = backend->ScreenSize();
    centred = std::abs(at.x + notice->Width() / 2 - size.cx / 2) <= 1 &&
              std::abs(at.y + notice->Height() / 2 - size.cy / 2) <= 1;
    FakeKeyStroke(XK_Return);
    Flush();
    return true;
  });
  EXPECT_EQ(message->ShowMessageDialog("Hello", mtCustom, {mbOK}), mrOk);
  EXPECT_TRUE(transientForOwner);
  EXPECT_TRUE(dialogType);
  EXPECT_TRUE(centred);
  // Escape answers it too.
  Drive([&] {
    if (!NoticeHasTheKeyboard())
      return false;
    FakeKeyStroke(XK_Escape);
    Flush();
    return true;
  });
  EXPECT_EQ(message->ShowMessageDialog("Again", mtCustom, {mbOK}), mrOk);
  // Back at the main window, which has the keyboard again.
  EXPECT_TRUE(RunUntil([&] { return XFocus() == XWindow(form->Handle()); }));
}

TEST_F(SkinX11, ANoticeWithoutAWindowToBelongToIsADialogOfItsOwn) {
  // As at start-up, before the main window shows.
  form->Hide();
  ASSERT_TRUE(RunUntil([&] { return !Viewable(form->Handle()); }));
  bool transient = true;
  bool dialogType = false;
  Drive([&] {
    if (!NoticeHasTheKeyboard())
      return false;
    transient = x11probe::HasTransientFor(probe, XWindow(Notice()->Handle()));
    dialogType = x11probe::DialogType(probe, XWindow(Notice()->Handle()));
    FakeKeyStroke(XK_Return);
    Flush();
    return true;
  });
  EXPECT_EQ(message->ShowMessageDialog("Before the window", mtCustom, {mbOK}), mrOk);
  EXPECT_FALSE(transient);
  EXPECT_TRUE(dialogType);
}

TEST_F(SkinX11, APressOnTheOwnerChangesNothingWhileTheNoticeIsOpen) {
  int clicks = 0;
  auto* button = new TbsSkinButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 80, 20);
  button->OnClick = [&](TObject*) { ++clicks; };
  const gfx::Point target = button->ClientToScreen({10, 10});
  int phase = 0;
  Drive([&] {
    if (!NoticeHasTheKeyboard())
      return false;
    if (phase++ == 0) {
      FakeMotion(target.x, target.y);
      FakeButton(1, true);
      FakeButton(1, false);
      Flush();
      return false;
    }
    // The click has gone by; the notice still has the keyboard.
    FakeKeyStroke(XK_Return);
    Flush();
    return true;
  });
  EXPECT_EQ(message->ShowMessageDialog("Modal", mtWarning, {mbOK, mbCancel}), mrOk);
  EXPECT_EQ(clicks, 0);
}

TEST_F(SkinX11, TheSystemMenuOpensOnARightClickAndTheKeysChooseFromIt) {
  const TbsActiveSkinObject* caption = frame->FindObject("caption1");
  ASSERT_NE(caption, nullptr);
  const gfx::Point at{form->Left() + caption->ObjectRect.left + 20,
                      form->Top() + caption->ObjectRect.top + 5};
  FakeMotion(at.x, at.y);
  FakeButton(3, true);
  FakeButton(3, false);
  Flush();
  TbsSkinMenu& menu = frame->SkinMenu();
  ASSERT_TRUE(
      RunUntil([&] { return menu.LevelCount() == 1 && Viewable(menu.Levels(0)->Handle()); }));
  EXPECT_TRUE(OverrideRedirect(menu.Levels(0)->Handle()));
  // The form keeps the keyboard; Down goes to "Ro&llUp", Enter chooses it.
  EXPECT_EQ(XFocus(), XWindow(form->Handle()));
  FakeKeyStroke(XK_Down);
  Flush();
  ASSERT_TRUE(
      RunProgramUntil([&] { return menu.LevelCount() == 1 && menu.Levels(0)->HotItem() == 1; }));
  FakeKeyStroke(XK_Return);
  Flush();
  EXPECT_TRUE(RunProgramUntil([&] { return frame->RollUpState(); }));
  EXPECT_FALSE(menu.IsOpen());
  // A press on the bare screen, outside every window of the program, closes
  // an open menu: the menu holds the pointer while it is open. (Elsewhere on
  // the caption, so that the press makes no double click with the first.)
  FakeMotion(at.x + 40, at.y);
  FakeButton(3, true);
  FakeButton(3, false);
  Flush();
  ASSERT_TRUE(RunProgramUntil(
      [&] { return menu.LevelCount() == 1 && Viewable(menu.Levels(0)->Handle()); }));
  ASSERT_TRUE(RunProgramUntil([&] { return x11probe::PointerGrabbed(probe); }));
  FakeMotion(900, 700);
  FakeButton(1, true);
  FakeButton(1, false);
  Flush();
  EXPECT_TRUE(RunProgramUntil([&] { return !menu.IsOpen(); }));
}

// A hint only shows: while one is up (the framework's or the skinned one),
// it holds no grab, presses beside it and on it reach the other program
// under them, and it stays up.
TEST_F(SkinX11, AShownHintLeavesPressesToOtherPrograms) {
  const unsigned long other = x11probe::OtherProgramWindow(probe, 600, 450, 300, 200);
  ASSERT_TRUE(RunUntil([&] { return x11probe::Mapped(probe, other); }));
  auto* skinHint = new TbsSkinHint(form);
  skinHint->SetSkinData(skin);
  skinHint->SetActive(true);
  THintWindow* hints[] = {new THintWindow(form), &skinHint->HintWindow()};
  for (THintWindow* hint : hints) {
    hint->ActivateHint({620, 470, 720, 490}, "Close");
    ASSERT_TRUE(RunUntil([&] { return Viewable(hint->Handle()); }));
    EXPECT_FALSE(x11probe::PointerGrabbed(probe));
    for (const gfx::Point at : {gfx::Point{800, 600}, gfx::Point{630, 475}}) {
      FakeMotion(at.x, at.y);
      FakeButton(1, true);
      FakeButton(1, false);
      Flush();
      EXPECT_TRUE(RunUntil([&] { return x11probe::PressArrived(probe, other); }, 3000))
          << "a press at " << at.x << "," << at.y << " did not reach the other program";
      EXPECT_TRUE(win::IsWindowVisible(hint->Handle()));
    }
    hint->ReleaseHandle();
    ASSERT_TRUE(RunUntil([&] { return !Viewable(hint->Handle()); }));
  }
}

}  // namespace
