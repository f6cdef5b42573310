// Forms as the player meets them: the Tab order, dialog keys and
// accelerators, the active control, modal forms and closing.

#include "UiTest.h"

namespace uitest {
namespace {

using ::testing::ElementsAre;
using win::VK_MENU;
using win::VK_RETURN;
using win::VK_SHIFT;
using win::VK_TAB;

class Forms : public UiTest {
 protected:
  // The forms (owned by the application) outlive this fixture's members;
  // destroying them moves the focus, so the buttons' events must not find
  // a log that is already gone.
  ~Forms() override { app.reset(); }

  TForm* form = MakeForm();
  std::vector<std::string> log;
  TTestButton* Button(const std::string& name, int tabOrder = -1) {
    auto* b = new TTestButton(form, form, name, &log);
    if (tabOrder >= 0)
      b->SetTabOrder(tabOrder);
    return b;
  }
  std::vector<std::string> Clicks() const {
    std::vector<std::string> out;
    for (const std::string& s : log)
      if (s.rfind("click ", 0) == 0)
        out.push_back(s);
    return out;
  }
  std::string FocusName() const {
    TWinControl* c = TWinControl::FindControl(win::GetFocus());
    return c ? c->Name() : "";
  }
};

TEST_F(Forms, TabVisitsTheTabOrderSkippingHiddenDisabledAndNonStopControls) {
  TTestButton* a = Button("a");
  TTestButton* b = Button("b");
  TTestButton* c = Button("c");
  TTestButton* d = Button("d");
  TTestButton* e = Button("e");
  // Creation order a..e, tab order e, a, c, b, d.
  e->SetTabOrder(0);
  c->SetTabOrder(2);
  b->Hide();
  d->SetEnabled(false);
  a->SetTabStop(false);
  e->SetFocus();
  std::vector<std::string> visited;
  auto note = [&] { visited.push_back(FocusName()); };
  script.Key(VK_TAB).Then(note).Key(VK_TAB).Then(note);
  script.KeyDown(VK_SHIFT).Key(VK_TAB).Then(note).Key(VK_TAB).Then(note).KeyUp(VK_SHIFT);
  RunScript();
  EXPECT_THAT(visited, ElementsAre("c", "e", "c", "e"));
  // Showing and enabling brings controls back into the cycle.
  b->Show();
  d->SetEnabled(true);
  visited.clear();
  script.Key(VK_TAB).Then(note).Key(VK_TAB).Then(note).Key(VK_TAB).Then(note);
  RunScript();
  EXPECT_THAT(visited, ElementsAre("c", "b", "d"));
}

TEST_F(Forms, AHiddenOrDisabledParentKeepsItsChildrenOutOfTheFocus) {
  TTestButton* a = Button("a", 0);
  TTestButton* panel = Button("panel", 1);
  panel->SetTabStop(false);
  panel->SetBounds(10, 40, 200, 60);
  auto* inner = new TTestButton(form, panel, "inner", &log);
  TTestButton* z = Button("z", 2);
  a->SetFocus();
  std::vector<std::string> visited;
  auto note = [&] { visited.push_back(FocusName()); };
  EXPECT_TRUE(inner->CanFocus());
  script.Key(VK_TAB).Then(note).Key(VK_TAB).Then(note);
  RunScript();
  EXPECT_THAT(visited, ElementsAre("inner", "z"));
  for (bool hide : {true, false}) {
    if (hide)
      panel->Hide();
    else
      panel->SetEnabled(false);
    EXPECT_FALSE(inner->CanFocus()) << hide;
    inner->SetFocus();
    EXPECT_FALSE(inner->Focused()) << hide;
    a->SetFocus();
    visited.clear();
    script.Key(VK_TAB).Then(note).Key(VK_TAB).Then(note);
    RunScript();
    EXPECT_THAT(visited, ElementsAre("z", "a")) << hide;
    panel->Show();
    panel->SetEnabled(true);
  }
  EXPECT_TRUE(z->CanFocus());
}

TEST_F(Forms, FocusMovesWithExitAndEnterNoticesAndTheActiveControlIsAnnounced) {
  TTestButton* a = Button("a");
  TTestButton* b = Button("b");
  a->SetFocus();
  log.clear();
  b->SetFocus();
  EXPECT_EQ(form->ActiveControl(), b);
  EXPECT_TRUE(b->Focused());
  EXPECT_THAT(log, ElementsAre("focuschanged a", "focuschanged b", "exit a", "enter b"));
}

TEST_F(Forms, TheActiveControlGetsTheFocusBackWhenTheFormIsActivatedAgain) {
  TTestButton* a = Button("a");
  TTestButton* b = Button("b");
  b->SetFocus();
  TForm* other = MakeForm();
  EXPECT_TRUE(other->Active());
  form->SetFocus();
  app->ProcessMessages();
  EXPECT_TRUE(form->Active());
  EXPECT_TRUE(b->Focused());
  EXPECT_FALSE(a->Focused());
}

// A control that notes the cancel-mode notices it hears, and who caused them.
class TCancelNoter : public TTestButton {
 public:
  using TTestButton::TTestButton;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_CANCELMODE) {
      auto* sender = reinterpret_cast<TControl*>(m.LParam);
      Log->push_back("cancel " + Name() + " by " + (sender ? sender->Name() : "none"));
      return;
    }
    TTestButton::WndProc(m);
  }
};

TEST_F(Forms, APressOrLosingTheActivationSendsCancelModeToTheActiveControl) {
  auto* a = new TCancelNoter(form, form, "a", &log);
  auto* b = new TCancelNoter(form, form, "b", &log);
  b->SetLeft(100);
  a->SetFocus();
  log.clear();
  // Pressing the active control itself cancels nothing; pressing another
  // one tells the active control, before the pressed one does anything.
  script.Click(At(a, 5, 5).x, At(a, 5, 5).y);
  script.MoveTo(At(b, 5, 5).x, At(b, 5, 5).y)
      .Press(win::MouseButton::Right)
      .Release(win::MouseButton::Right);
  RunScript();
  EXPECT_THAT(log, ElementsAre("click a", "cancel a by b"));
  log.clear();
  TForm* other = MakeForm();
  app->ProcessMessages();
  EXPECT_TRUE(other->Active());
  EXPECT_THAT(log, ElementsAre("cancel a by none"));
  // The window system's own notice (a press outside the program, the
  // window moved by the system) reaches the active control the same way.
  form->SetFocus();
  app->ProcessMessages();
  log.clear();
  win::SendMessage(form->Handle(), win::WM_CANCELMODE);
  EXPECT_THAT(log, ElementsAre("cancel a by none"));
}

TEST_F(Forms, AnAcceleratorClicksItsControlWithAltOrAsAPlainLetter) {
  TTestButton* start = Button("start");
  start->SetCaption("&Start");
  TTestButton* news = Button("news");
  news->SetCaption("&Newsletter");
  TTestButton* other = Button("other");
  other->SetCaption("Sta&rt && stop");
  news->SetFocus();
  log.clear();
  script.KeyDown(VK_MENU).Key('S', 's').KeyUp(VK_MENU);
  script.Key('R', 'r');
  // "&&" is no accelerator mark.
  script.Key('S', 's').Key('7', '7');
  RunScript();
  EXPECT_THAT(Clicks(), ElementsAre("click start", "click other", "click start"));
}

TEST_F(Forms, PlainLettersStayWithAControlThatWantsCharacters) {
  TTestButton* start = Button("start");
  start->SetCaption("&Start");
  TTestButton* umlaut = Button("umlaut");
  umlaut->SetCaption("&\u00DCber");
  TTestButton* edit = Button("edit");
  edit->DlgCode = win::DLGC_WANTCHARS;
  std::u32string typed;
  edit->OnKeyPress = [&](TObject*, char32_t& key) { typed += key; };
  edit->SetFocus();
  log.clear();
  script.Key('S', 's').KeyDown(VK_MENU).Key('S', 's').KeyUp(VK_MENU);
  // Characters beyond ASCII arrive whole, not as their low byte ("B" for
  // "\u0142"); a marked letter beyond ASCII is an accelerator of any case.
  script.Key('L', U'\u0142').Key('A', U'\u00E4').Key('X', U'\U0001F642');
  script.KeyDown(VK_MENU).Key(0xBA, U'\u00FC').KeyUp(VK_MENU);
  RunScript();
  EXPECT_EQ(typed, U"s\u0142\u00E4\U0001F642");
  EXPECT_THAT(Clicks(), ElementsAre("click start", "click umlaut"));
}

TEST_F(Forms, EnterAndEscapeReachTheDefaultAndCancelControlsOrAControlThatWantsThem) {
  TTestButton* ok = Button("ok");
  ok->Default = true;
  TTestButton* cancel = Button("cancel");
  cancel->Cancel = true;
  TTestButton* list = Button("list");
  list->SetFocus();
  log.clear();
  script.Key(VK_RETURN).Key(win::VK_ESCAPE);
  RunScript();
  EXPECT_THAT(log, ElementsAre("click ok", "click cancel"));
  // A control that wants every key keeps Enter for itself.
  list->DlgCode = win::DLGC_WANTALLKEYS;
  log.clear();
  script.Key(VK_RETURN);
  RunScript();
  EXPECT_THAT(log, ElementsAre("keydown list 13"));
}

TEST_F(Forms, KeyPreviewShowsTheFormTheKeyFirstAndMayEatIt) {
  TTestButton* a = Button("a");
  a->SetFocus();
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, win::WORD& key, TShiftState) {
    log.push_back("form " + std::to_string(key));
    if (key == 'X')
      key = 0;
  };
  log.clear();
  script.Key('A').Key('X');
  RunScript();
  EXPECT_THAT(log, ElementsAre("form 65", "keydown a 65", "form 88"));
}

TEST_F(Forms, ShowModalReturnsItsResultAndReenablesTheOtherWindows) {
  TForm* dialog = app->CreateForm<TForm>();
  dialog->SetBorderStyle(bsDialog);
  dialog->SetPosition(poScreenCenter);
  dialog->SetBounds(0, 0, 200, 100);
  auto* ok = new TTestButton(dialog, dialog, "ok", &log);
  ok->OnClick = [&](TObject*) { dialog->SetModalResult(mrOk); };
  ok->Default = true;
  std::vector<bool> mainEnabled;
  script.Then([&] {
    mainEnabled.push_back(win::IsWindowEnabled(form->Handle()));
    EXPECT_TRUE(dialog->Active());
    EXPECT_EQ(dialog->Left(), (1024 - 200) / 2);
    EXPECT_EQ(dialog->Top(), (768 - 100) / 2);
  });
  // A click on the disabled main form does nothing.
  script.Click(150, 150).Key(VK_RETURN);
  TModalResult result = dialog->ShowModal();
  EXPECT_EQ(result, mrOk);
  EXPECT_THAT(mainEnabled, ElementsAre(false));
  EXPECT_TRUE(win::IsWindowEnabled(form->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(form->Active());
  // The key's release is still to come; the main form takes it.
  EXPECT_EQ(script.StepsLeft(), 1u);
  RunScript();
  // Closing a modal form is a cancel; OnClose may refuse.
  int refusals = 1;
  dialog->OnClose = [&](TObject*, TCloseAction& action) {
    if (refusals-- > 0)
      action = caNone;
  };
  script.Then([&] { dialog->Close(); });
  script.Then([&] {
    EXPECT_TRUE(dialog->Visible());
    win::PostMessage(dialog->Handle(), win::WM_CLOSE);
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_THROW(
      {
        dialog->Show();
        dialog->ShowModal();
      },
      EInvalidOperation);
}

TEST_F(Forms, ClosingTheMainFormEndsTheProgramAndOthersHideOrFree) {
  TForm* second = MakeForm();
  bool freed = false;
  second->OnDestroy = [&](TObject*) { freed = true; };
  second->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  second->Close();
  app->ProcessMessages();
  EXPECT_TRUE(freed);
  EXPECT_EQ(screen->FormCount(), 1);
  bool asked = false;
  form->OnCloseQuery = [&](TObject*, bool& canClose) {
    canClose = asked;
    asked = true;
  };
  form->Close();
  app->ProcessMessages();
  EXPECT_FALSE(app->Terminated());
  form->Close();
  app->ProcessMessages();
  EXPECT_TRUE(app->Terminated());
}

// A form whose destroy handler uses a member of the derived form.
class TNoteForm : public TForm {
 public:
  explicit TNoteForm(TComponent* AOwner) : TForm(AOwner) {
    OnCreate = [this](TObject*) { Notes.push_back("create"); };
    OnDestroy = [this](TObject*) { (*Sink).push_back(Notes.front() + " destroy"); };
  }
  std::vector<std::string> Notes;
  std::vector<std::string>* Sink = nullptr;
};

TEST_F(Forms, OnCreateFiresOnceBoundAndOnDestroyWhileTheFormIsWhole) {
  auto* released = app->CreateForm<TNoteForm>();
  released->Sink = &log;
  EXPECT_EQ(released->Notes, std::vector<std::string>{"create"});
  released->Release();
  app->ProcessMessages();
  auto* kept = app->CreateForm<TNoteForm>();
  kept->Sink = &log;
  app.reset();
  EXPECT_THAT(log, ElementsAre("create destroy", "create destroy"));
  app = std::make_unique<TApplication>();
  form = nullptr;
}

TEST_F(Forms, FormEventsFireInOrder) {
  TForm* f = app->CreateForm<TForm>();
  f->OnShow = [&](TObject*) { log.push_back("show"); };
  f->OnActivate = [&](TObject*) { log.push_back("activate"); };
  f->OnDeactivate = [&](TObject*) { log.push_back("deactivate"); };
  f->OnHide = [&](TObject*) { log.push_back("hide"); };
  f->Show();
  app->ProcessMessages();
  f->Hide();
  app->ProcessMessages();
  EXPECT_THAT(log, ElementsAre("show", "activate", "hide", "deactivate"));
}

TEST_F(Forms, BorderStyleAndIconsMakeTheFrameAndTheClientSizeIsKept) {
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  auto style = [&] {
    return static_cast<win::DWORD>(win::GetWindowLong(form->Handle(), win::GWL_STYLE));
  };
  EXPECT_EQ(style() & win::WS_CAPTION, win::WS_CAPTION);
  EXPECT_TRUE(style() & win::WS_MINIMIZEBOX);
  form->SetBorderIcons({});
  EXPECT_FALSE(style() & win::WS_SYSMENU);
  form->SetBorderStyle(bsNone);
  EXPECT_TRUE(style() & win::WS_POPUP);
  EXPECT_EQ(form->Width(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_TRUE(form->Showing());
  form->SetBorderStyle(bsToolWindow);
  EXPECT_TRUE(win::GetWindowLong(form->Handle(), win::GWL_EXSTYLE) & win::WS_EX_TOOLWINDOW);
}

TEST_F(Forms, ScreenListsTheFormsTopFirst) {
  TForm* second = MakeForm();
  ASSERT_EQ(screen->FormCount(), 2);
  EXPECT_EQ(screen->Forms(0), second);
  EXPECT_EQ(screen->ActiveForm(), second);
  form->SetFocus();
  app->ProcessMessages();
  EXPECT_EQ(screen->Forms(0), form);
  EXPECT_EQ(screen->Width(), 1024);
  EXPECT_EQ(screen->WorkAreaRect(), (TRect{0, 0, 1024, 768}));
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

class Program : public UiTest {};

TEST_F(Program, RunShowsTheMainFormAndOnShortCutSeesKeysFirst) {
  TForm* main = app->CreateForm<TForm>();
  std::vector<std::string> keys;
  main->OnShortCut = [&](const win::MSG& msg, bool& handled) {
    keys.push_back(std::to_string(msg.wParam));
    handled = msg.wParam == 'Q';
  };
  std::vector<std::string> log;
  auto* a = new TTestButton(main, main, "a", &log);
  main->SetActiveControl(a);
  script.Then([&] { EXPECT_TRUE(main->Visible() && main->Active() && a->Focused()); });
  script.Key('W').Key('Q').Then([&] { app->Terminate(); });
  app->Run();
  EXPECT_TRUE(app->Terminated());
  EXPECT_THAT(keys, ::testing::ElementsAre("87", "81"));
  EXPECT_EQ(std::count(log.begin(), log.end(), "keydown a 87"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "keydown a 81"), 0);
}

TEST_F(Program, MinimizeAndRestoreTakeEveryShownForm) {
  TForm* main = MakeForm();
  TForm* tool = MakeForm();
  int events = 0;
  app->OnMinimize = [&](TObject*) { ++events; };
  app->OnRestore = [&](TObject*) { ++events; };
  app->Minimize();
  EXPECT_TRUE(win::IsIconic(main->Handle()));
  EXPECT_FALSE(win::IsWindowVisible(tool->Handle()));
  app->Restore();
  EXPECT_FALSE(win::IsIconic(main->Handle()));
  EXPECT_TRUE(win::IsWindowVisible(tool->Handle()));
  EXPECT_EQ(events, 2);
}

TEST_F(Program, ControlsAndTheScreenChooseTheCursor) {
  TForm* form = MakeForm();
  std::vector<std::string> log;
  auto* link = new TTestButton(form, form, "link", &log);
  link->SetCursor(crHandPoint);
  TPoint p = At(link, 5, 5);
  TPoint q = At(form, 150, 150);
  std::vector<int> shapes;
  auto note = [&] { shapes.push_back(script.CursorShape().id); };
  script.MoveTo(p.x, p.y).Then(note).MoveTo(q.x, q.y).Then(note);
  script.Then([&] { screen->SetCursor(crHourGlass); }).MoveTo(p.x, p.y).Then(note);
  RunScript();
  EXPECT_THAT(shapes, ::testing::ElementsAre(win::IDC_HAND, win::IDC_ARROW, win::IDC_WAIT));
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

// A message handler may put another in its place while it runs, as a menu
// that closes gives back the handler it saved; the running one stays whole
// until it returns.
TEST_F(Forms, AMessageHandlerMayReplaceItselfWhileItRuns) {
  std::vector<std::string> seen;
  const std::string name(64, 'h');  // kept by the handler, on the heap
  app->OnMessage = [this, name, &seen](win::MSG& msg, bool&) {
    if (msg.message != win::WM_KEYDOWN)
      return;
    app->OnMessage = [&seen](win::MSG& m, bool&) {
      if (m.message == win::WM_KEYDOWN)
        seen.push_back("second");
    };
    seen.push_back(name.substr(0, 1));
  };
  script.Key('A', 'a').Key('B', 'b');
  RunScript();
  EXPECT_THAT(seen, ElementsAre("h", "second"));
}

}  // namespace
}  // namespace uitest
