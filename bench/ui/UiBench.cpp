// The component framework's hot paths against plain baselines measured in
// the same run: repainting a browser-like form (a background picture, six
// framed previews, labels and windowed buttons) against one blit of the
// same area, and a message through a control's replaceable WindowProc
// against a plain virtual call.

#include <benchmark/benchmark.h>

#include "BlitBaseline.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 570;

void Repaint_baseline_BitBlt(benchmark::State& state) {
  BlitBaseline(state, kWidth, kHeight);
}
BENCHMARK(Repaint_baseline_BitBlt)->Name("Repaint:baseline_BitBlt");

class TBenchButton : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(gfx::RGB(46, 120, 128));
    Canvas().FillRect(ClientRect());
  }
};

void Repaint_BrowserLikeForm(benchmark::State& state) {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication app;
  auto* form = app.CreateForm<TForm>();
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, kWidth, kHeight);
  auto* background = new TImage(form);
  background->SetParent(form);
  background->SetBounds(0, 0, kWidth, kHeight);
  background->Picture().Bitmap().SetSize(kWidth, kHeight);
  for (int slot = 0; slot < 6; ++slot) {
    int x = 204 + (slot % 3) * 176;
    int y = 149 + (slot / 3) * 176;
    auto* bevel = new TBevel(form);
    bevel->SetParent(form);
    bevel->SetBounds(x, y, 160, 160);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(x + 5, y + 5, 150, 150);
    image->SetCenter(true);
    image->SetTransparent(true);
    image->Picture().Bitmap().SetSize(150, 150);
  }
  for (int i = 0; i < 5; ++i) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetTransparent(true);
    label->SetBounds(204, 82 + i * 16, 0, 0);
    label->SetCaption("Severity / Schwierigkeitsgrad:");
  }
  for (int i = 0; i < 8; ++i) {
    auto* button = new TBenchButton(form);
    button->SetParent(form);
    button->SetBounds(16 + i * 90, 526, 80, 19);
  }
  form->Show();
  app.ProcessMessages();
  for (auto _ : state)
    form->Repaint();
}
BENCHMARK(Repaint_BrowserLikeForm)->Name("Repaint:browser_like_form");

class TCounter : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  long Count = 0;
  virtual void Direct(TMessage& m) { Count += static_cast<long>(m.WParam); }

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_TEXTCHANGED + 100) {
      Count += static_cast<long>(m.WParam);
      return;
    }
    TGraphicControl::WndProc(m);
  }
};

void Dispatch_baseline_VirtualCall(benchmark::State& state) {
  TCounter counter(nullptr);
  TMessage m{CM_TEXTCHANGED + 100, 1, 0, 0};
  TCounter* volatile target = &counter;
  for (auto _ : state)
    target->Direct(m);
  benchmark::DoNotOptimize(counter.Count);
}
BENCHMARK(Dispatch_baseline_VirtualCall)->Name("Dispatch:baseline_virtual_call");

void Dispatch_PerformThroughHook(benchmark::State& state) {
  TCounter counter(nullptr);
  // A hook in front, as the skinned frame installs on its form.
  TWndMethod saved = counter.WindowProc;
  counter.WindowProc = [&saved](TMessage& m) { saved(m); };
  for (auto _ : state)
    counter.Perform(CM_TEXTCHANGED + 100, 1, 0);
  benchmark::DoNotOptimize(counter.Count);
}
BENCHMARK(Dispatch_PerformThroughHook)->Name("Dispatch:perform_through_hook");

}  // namespace
