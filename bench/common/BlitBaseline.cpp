#include "BlitBaseline.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"

void BlitBaseline(benchmark::State& state, const gfx::Rect& area, gfx::Size target) {
  const gfx::Bitmap picture(area.Width(), area.Height(), gfx::clBtnFace);
  gfx::Bitmap window(target.cx, target.cy);
  gfx::DeviceContext dc(window);
  for (auto _ : state) {
    dc.BitBlt(area.left, area.top, area.Width(), area.Height(), picture, 0, 0);
    benchmark::DoNotOptimize(window.Bits());
  }
}
