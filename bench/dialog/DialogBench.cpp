// The cost of showing a notice (building its form and frame, laying it
// out, the first paint of frame, text and button) and of opening the
// system menu (sizing, placing and painting its level; again, and for the
// first time), each against one copy of a finished picture of the same
// area. Both run on the headless
// desktop, so the window system's own work is included and the display's
// is not.

#include <benchmark/benchmark.h>

#include <memory>

#include "BlitBaseline.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/controls/SkinMessage.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/SkinMenu.h"
#include "skin/form/SkinPopupWindow.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

// The screen the baselines copy into.
constexpr gfx::Size kScreen{1024, 768};

// A desktop, the application, a main form and the product skin.
struct Program {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TForm* main;
  TbsSkinData* skin;

  Program() {
    application.SetTitle("Tilebrook(tm) - Puzzle Browser 1.0.0.0");
    main = new TForm(&application);
    application.AddForm(main);
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    skin = new TbsSkinData(main);
    ApplyProductSkin(*skin);
    application.ProcessMessages();
  }
};

const char* const kNotice =
    "The package \"Brook Stones\" cannot be read.\r\rDas Paket \"Brook Stones\" kann nicht "
    "gelesen werden.";

// The notice's size in the product skin, for the baseline.
gfx::Size NoticeSize() {
  Program p;
  TbsMessageFormStyle style;
  style.SkinData = style.CtrlSkinData = p.skin;
  std::unique_ptr<TbsMessageForm> form(BuildMessageForm(kNotice, mtCustom, {mbOK}, style));
  return {form->Width(), form->Height()};
}

void AddSystemMenu(TPopupMenu& menu) {
  for (const char* caption : {"Mi&nimize", "Ro&llUp", "-", "&Close"}) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items().Add(item);
  }
  menu.Items().Items(3)->SetShortCut(TextToShortCut("Alt+F4"));
}

}  // namespace

static void NoticeBlit(benchmark::State& s) {
  const gfx::Size size = NoticeSize();
  BlitBaseline(s, gfx::Rect::FromXYWH(100, 100, size.cx, size.cy), kScreen);
}
static void NoticeShow(benchmark::State& s) {
  Program p;
  TbsMessageFormStyle style;
  style.SkinData = style.CtrlSkinData = p.skin;
  for (auto _ : s) {
    std::unique_ptr<TbsMessageForm> form(BuildMessageForm(kNotice, mtCustom, {mbOK}, style));
    form->Show();
    p.application.ProcessMessages();
    win::GdiFlush();
    benchmark::DoNotOptimize(form->Handle());
    // Closing it, and repainting what it covered, is not showing it.
    s.PauseTiming();
    form.reset();
    p.application.ProcessMessages();
    s.ResumeTiming();
  }
}
BENCHMARK(NoticeBlit)->Name("Notice:baseline_blit_of_the_notice");
BENCHMARK(NoticeShow)->Name("Notice:build_frame_and_first_paint");

static void MenuBlit(benchmark::State& s) {
  Program p;
  TPopupMenu menu(nullptr);
  AddSystemMenu(menu);
  TbsSkinMenu engine(nullptr, p.main);
  engine.PopupAt(nullptr, p.skin, false, &menu.Items(), {200, 150, 200, 150}, 0);
  const int w = engine.Levels(0)->Width();
  const int h = engine.Levels(0)->Height();
  engine.CloseAllLevels();
  BlitBaseline(s, gfx::Rect::FromXYWH(100, 100, w, h), kScreen);
}
static void MenuOpen(benchmark::State& s) {
  Program p;
  TPopupMenu menu(nullptr);
  AddSystemMenu(menu);
  TbsSkinMenu engine(nullptr, p.main);
  for (auto _ : s) {
    engine.PopupAt(nullptr, p.skin, false, &menu.Items(), {200, 150, 200, 150}, 0);
    p.application.ProcessMessages();
    win::GdiFlush();
    s.PauseTiming();
    engine.CloseAllLevels();
    p.application.ProcessMessages();
    s.ResumeTiming();
  }
}
// The first opening of a menu composes every item's look; the engine keeps
// them for the openings after it.
static void MenuFirstOpen(benchmark::State& s) {
  Program p;
  TPopupMenu menu(nullptr);
  AddSystemMenu(menu);
  for (auto _ : s) {
    s.PauseTiming();
    auto engine = std::make_unique<TbsSkinMenu>(nullptr, p.main);
    s.ResumeTiming();
    engine->PopupAt(nullptr, p.skin, false, &menu.Items(), {200, 150, 200, 150}, 0);
    p.application.ProcessMessages();
    win::GdiFlush();
    s.PauseTiming();
    engine.reset();
    p.application.ProcessMessages();
    s.ResumeTiming();
  }
}
BENCHMARK(MenuBlit)->Name("SystemMenu:baseline_blit_of_the_menu");
BENCHMARK(MenuOpen)->Name("SystemMenu:open_size_place_and_paint");
BENCHMARK(MenuFirstOpen)->Name("SystemMenu:first_open_size_place_and_paint");
