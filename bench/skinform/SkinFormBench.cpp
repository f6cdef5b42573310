// The cost of the skinned frame of the browser window (774 x 607 with the
// product skin):
// - composing the whole frame from the main picture, the mask strips and
//   the window region, as a size or skin change does, against one copy of
//   a window-sized picture, which every presentation costs anyway;
// - a hit test through the whole hooked window procedure, which must do no
//   picture work, against a message that the procedure only passes on;
// - one step of a frame object's hover morph (the fade of a caption button
//   and its kind): an object far larger than the window, nearly all of it
//   outside, against a caption button, as only what shows is composed.

#include <benchmark/benchmark.h>

#include <memory>

#include "BlitBaseline.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/form/CaptionObjects.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/SkinForm.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"

namespace {

constexpr int kWidth = 774;
constexpr int kHeight = 607;

const TbsSkinData& Skin() {
  static const std::unique_ptr<TbsSkinData> skin = [] {
    auto data = std::make_unique<TbsSkinData>(nullptr);
    ApplyProductSkin(*data);
    return data;
  }();
  return *skin;
}

// A shown browser-sized form with the product frame on a headless desktop.
struct FramedForm {
  FramedForm() {
    form = application.CreateForm<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetCaption("Tilebrook(tm) - Puzzle Browser");
    auto* skin = new TbsSkinData(form);
    ApplyProductSkin(*skin);
    auto* frame = new TbsSkinForm(form);
    frame->SetSkinData(skin);
    form->SetClientSize(760, 570);
    form->Show();
    application.ProcessMessages();
  }
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TForm* form = nullptr;
};

}  // namespace

static void FrameBlit(benchmark::State& state) {
  BlitBaseline(state, kWidth, kHeight);
}
static void FrameCompose(benchmark::State& state) {
  const TbsSkinData& skin = Skin();
  const TbsFrameLayout layout = TbsFrameLayout::FromSkin(skin);
  TbsFrameStrips strips, mask;
  for (auto _ : state) {
    const TbsSizedFrame sized = CalcSizedGeometry(skin, kWidth, kHeight);
    ComposeFrameStrips(strips, skin.Picture, layout, kWidth, kHeight);
    ComposeMaskStrips(mask, skin, sized);
    auto region = FrameRegionFromMask(mask, sized);
    benchmark::DoNotOptimize(region);
    benchmark::DoNotOptimize(strips.Top.Bits());
  }
}
BENCHMARK(FrameBlit)->Name("Frame:baseline_blit_774x607");
BENCHMARK(FrameCompose)->Name("Frame:compose_frame_mask_and_region");

static void HitTestPassOn(benchmark::State& state) {
  FramedForm f;
  const win::HWND h = f.form->Handle();
  for (auto _ : state)
    benchmark::DoNotOptimize(win::SendMessage(h, win::WM_NULL, 0, 0));
}
static void HitTest(benchmark::State& state) {
  FramedForm f;
  const win::HWND h = f.form->Handle();
  // Points over the whole window: caption, buttons, borders and client.
  std::vector<win::LPARAM> points;
  for (int y = 0; y < kHeight; y += 13)
    for (int x = 0; x < kWidth; x += 11)
      points.push_back(win::MAKELPARAM(f.form->Left() + x, f.form->Top() + y));
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(win::SendMessage(h, win::WM_NCHITTEST, 0, points[i]));
    i = (i + 1) % points.size();
  }
}
BENCHMARK(HitTestPassOn)->Name("HitTest:baseline_message_passed_on");
BENCHMARK(HitTest)->Name("HitTest:WM_NCHITTEST_through_the_hook");

namespace {

class MorphingObject : public TbsActiveSkinObject {
 public:
  MorphingObject() : TbsActiveSkinObject(nullptr, nullptr) {}
  using TbsActiveSkinObject::DrawMorph;
};

// One morph step of an object at place, drawn into a window-sized bitmap.
void CaptionMorph(benchmark::State& state, gfx::Rect place) {
  const TbsSkinData& skin = Skin();
  gfx::Bitmap window(kWidth, kHeight);
  gfx::DeviceContext dc(window);
  MorphingObject object;
  object.ObjectRect = place;
  object.MorphProgress = 0.5;
  for (auto _ : state) {
    object.DrawMorph(dc, &skin.Picture, {135, 0, 150, 16}, &skin.Picture, {150, 0, 165, 16});
    benchmark::DoNotOptimize(window.Bits());
  }
}

}  // namespace

BENCHMARK_CAPTURE(CaptionMorph, button, gfx::Rect{700, 8, 715, 24})
    ->Name("CaptionMorph:baseline_button_15x16");
BENCHMARK_CAPTURE(CaptionMorph, huge, gfx::Rect{-3960, -3960, 40, 40})
    ->Name("CaptionMorph:object_4000x4000_40x40_shown");
