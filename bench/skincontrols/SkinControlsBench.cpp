// The cost of painting each skinned control once in the product skin (its
// off-screen picture with every overlay and text) against copying a
// finished picture of the same area to the window, which every paint does
// anyway. The sizes are those of the browser window's controls.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BlitBaseline.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/controls/ButtonLook.h"
#include "skin/controls/ComboBoxLook.h"
#include "skin/controls/ScrollBarLook.h"
#include "skin/controls/UpDownLook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"
#include "skin/data/StoredSkin.h"
#include "skin/product/ProductSkin.h"

namespace {

const TbsSkinData& Skin() {
  static const std::unique_ptr<TbsSkinData> skin = [] {
    auto data = std::make_unique<TbsSkinData>(nullptr);
    ApplyProductSkin(*data);
    return data;
  }();
  return *skin;
}

template <class Record>
const Record& Find(const char* name) {
  return dynamic_cast<const Record&>(*Skin().ControlRecords[Skin().IndexOfControlRecord(name)]);
}

// Copies a finished picture of w x h into a window-sized target.
void BaselineBlit(benchmark::State& state, int w, int h) {
  BlitBaseline(state, gfx::Rect::FromXYWH(100, 100, w, h), {760, 570});
}

const std::vector<std::string> kSeverities = {"Beginner", "Intermediate", "Expert", "Guru",
                                              "Maniac"};

}  // namespace

static void StartButtonBlit(benchmark::State& s) {
  BaselineBlit(s, 336, 19);
}
static void StartButtonPaint(benchmark::State& s) {
  const auto& record = Find<TbsDataSkinButtonControl>("resizebutton");
  TbsButtonContent content{.Caption = "&Start Puzzle"};
  gfx::Bitmap out;
  for (auto _ : s) {
    PaintButtonSkinLook(out, Skin(), record, {.MouseOver = true}, content, 336, 19);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(StartButtonBlit)->Name("ResizeButton:baseline_blit_336x19");
BENCHMARK(StartButtonPaint)->Name("ResizeButton:paint_hot_with_caption");

static void MorphButtonBlit(benchmark::State& s) {
  BaselineBlit(s, 75, 20);
}
static void MorphButtonPaint(benchmark::State& s) {
  const auto& record = Find<TbsDataSkinButtonControl>("button");
  TbsButtonContent content{.Caption = "OK"};
  gfx::Bitmap out;
  for (auto _ : s) {
    PaintButtonSkinLook(out, Skin(), record, {.MorphFactor = 0.5}, content, 75, 20);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(MorphButtonBlit)->Name("Button:baseline_blit_75x20");
BENCHMARK(MorphButtonPaint)->Name("Button:paint_one_morph_step");

static void ComboBlit(benchmark::State& s) {
  BaselineBlit(s, 187, 18);
}
static void ComboPaint(benchmark::State& s) {
  const auto& record = Find<TbsDataSkinComboBox>("combobox");
  TbsItemContent content{&kSeverities, nullptr, -1};
  gfx::Bitmap out;
  for (auto _ : s) {
    PaintComboBoxSkinLook(out, Skin(), record, {.Focused = true, .ShownIndex = 2}, content, 187,
                          18);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(ComboBlit)->Name("ComboBox:baseline_blit_187x18");
BENCHMARK(ComboPaint)->Name("ComboBox:paint_focused_with_item");

static void ListBlit(benchmark::State& s) {
  BaselineBlit(s, 187, 94);
}
static void ListPaint(benchmark::State& s) {
  const auto* record = &Find<TbsDataSkinListBox>("listbox");
  TbsItemContent content{&kSeverities, nullptr, -1};
  gfx::Bitmap out;
  for (auto _ : s) {
    PaintListFrame(out, &Skin(), record, 187, 94);
    gfx::DeviceContext dc(out);
    const TbsListAreas areas = ListAreas(record, 16, false, 187, 94);
    for (int i = 0; i < 5; ++i)
      PaintListRow(dc, areas.Rows.left, areas.Rows.top + i * 18, areas.Rows.Width(), 18, &Skin(),
                   record, {.Selected = i == 2}, content, i);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(ListBlit)->Name("DropDownList:baseline_blit_187x94");
BENCHMARK(ListPaint)->Name("DropDownList:paint_frame_and_5_rows");

static void ScrollBlit(benchmark::State& s) {
  BaselineBlit(s, 16, 144);
}
static void ScrollPaint(benchmark::State& s) {
  const auto& record = Find<TbsDataSkinScrollBarControl>("vscrollbar");
  TbsScrollBarRange range{.Kind = sbVertical, .Min = 0, .Max = 11, .PageSize = 8};
  TbsScrollBarLayout layout;
  gfx::Bitmap out;
  for (auto _ : s) {
    LayoutScrollBar(layout, &record, range, 16, 144);
    PaintScrollBarSkinLook(out, Skin(), record, range, layout, {}, 16, 144);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(ScrollBlit)->Name("ScrollBar:baseline_blit_16x144");
BENCHMARK(ScrollPaint)->Name("ScrollBar:layout_and_paint");

static void UpDownBlit(benchmark::State& s) {
  BaselineBlit(s, 18, 36);
}
static void UpDownPaint(benchmark::State& s) {
  const auto& record = Find<TbsDataSkinUpDownControl>("vupdown");
  TbsUpDownButtons buttons;
  LayoutUpDownButtons(buttons, &record, udVertical, 18, 36);
  buttons.Up.MouseOver = true;
  gfx::Bitmap out;
  for (auto _ : s) {
    PaintUpDownSkinLook(out, Skin(), record, buttons);
    benchmark::DoNotOptimize(out.Bits());
  }
}
BENCHMARK(UpDownBlit)->Name("UpDown:baseline_blit_18x36");
BENCHMARK(UpDownPaint)->Name("UpDown:paint_hot");

static void MaskBlit(benchmark::State& s) {
  BaselineBlit(s, 205, 167);
}
static void MaskRegion(benchmark::State& s) {
  const gfx::Bitmap& mask = Skin().MaskPicture;
  for (auto _ : s) {
    auto region = RegionFromMask(mask);
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(MaskBlit)->Name("RegionFromMask:baseline_blit_205x167");
BENCHMARK(MaskRegion)->Name("RegionFromMask:frame_mask_205x167");
