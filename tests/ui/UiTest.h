#pragma once

// Test support for the component framework: a headless desktop with a
// manual clock, the application and screen objects on it, and a way to run
// the application's own loop through a script of input and clock steps.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace uitest {

class UiTest : public ::testing::Test {
 protected:
  UiTest() : screen(std::make_unique<TScreen>()), app(std::make_unique<TApplication>()) {}
  explicit UiTest(win::HeadlessOptions options)
      : headless(options),
        screen(std::make_unique<TScreen>()),
        app(std::make_unique<TApplication>()) {}
  ~UiTest() override {
    app.reset();
    screen.reset();
  }

  // Runs the application's message handling until every step of the
  // script has run and the messages it caused are handled.
  void RunScript() {
    bool done = false;
    script.Then([&] {
      done = true;
      win::PostMessage(app->Handle(), win::WM_NULL);
    });
    while (!done)
      app->HandleMessage();
    app->ProcessMessages();
  }

  // A shown form of the given client size at (100, 100), active.
  template <class T = TForm>
  T* MakeForm(int width = 300, int height = 200) {
    T* form = app->CreateForm<T>();
    form->SetBorderStyle(bsSingle);
    form->SetBounds(100, 100, 10, 10);
    form->SetClientSize(width, height);
    form->Show();
    app->ProcessMessages();
    return form;
  }

  // The screen position of a client point of a control.
  static TPoint At(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }

  win::HeadlessDesktop headless;
  win::HeadlessBackend& script = headless.Backend();
  win::ManualClock& clock = headless.Clock();
  std::unique_ptr<TScreen> screen;
  std::unique_ptr<TApplication> app;
};

// A windowed control that logs what it hears, can take focus, and answers
// dialog keys and accelerators the way a push button does.
class TTestButton : public TCustomControl {
 public:
  TTestButton(TComponent* AOwner, TWinControl* AParent, const std::string& AName,
              std::vector<std::string>* ALog)
      : TCustomControl(AOwner), Log(ALog) {
    SetName(AName);
    SetTabStop(true);
    SetBounds(10, 10, 60, 20);
    SetParent(AParent);
    OnClick = [this](TObject*) { Log->push_back("click " + Name()); };
    OnEnter = [this](TObject*) { Log->push_back("enter " + Name()); };
    OnExit = [this](TObject*) { Log->push_back("exit " + Name()); };
  }

  bool Default = false;  // takes Enter wherever the focus is
  bool Cancel = false;   // takes Escape wherever the focus is
  win::LRESULT DlgCode = 0;
  std::vector<std::string>* Log;

 protected:
  void WndProc(TMessage& m) override {
    switch (m.Msg) {
      case CM_DIALOGKEY:
        if ((m.WParam == win::VK_RETURN && Default) || (m.WParam == win::VK_ESCAPE && Cancel)) {
          Click();
          m.Result = 1;
        }
        return;
      case CM_DIALOGCHAR:
        if (Enabled() && Visible() && IsAccel(static_cast<unsigned>(m.WParam), Caption())) {
          Click();
          m.Result = 1;
        }
        return;
      case CM_FOCUSCHANGED:
        Log->push_back("focuschanged " + Name());
        return;
      case win::WM_GETDLGCODE:
        m.Result = DlgCode;
        return;
      default:
        TCustomControl::WndProc(m);
    }
  }
  void KeyDown(win::WORD& Key, TShiftState Shift) override {
    Log->push_back("keydown " + Name() + " " + std::to_string(Key));
    TCustomControl::KeyDown(Key, Shift);
  }
};

}  // namespace uitest
