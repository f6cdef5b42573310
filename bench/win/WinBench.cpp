// The window system's hot paths against plain baselines measured in the
// same run: repainting a browser-sized window with 30 children into its
// backing bitmap against one BitBlt of the same area, and dispatching
// 100,000 posted messages against moving the same structs through a deque.

#include <benchmark/benchmark.h>

#include <deque>

#include "BlitBaseline.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"

namespace {

using namespace win;

constexpr int kWidth = 774;
constexpr int kHeight = 607;
constexpr int kMessages = 100000;

void Repaint_baseline_BitBlt(benchmark::State& state) {
  BlitBaseline(state, kWidth, kHeight);
}
BENCHMARK(Repaint_baseline_BitBlt)->Name("Repaint:baseline_BitBlt");

// The parent blits a background picture over its whole client area, as the
// browser window does; each child fills its own rectangle.
void Repaint_WindowWith30Children(benchmark::State& state) {
  HeadlessDesktop headless;
  gfx::Bitmap background(kWidth, kHeight, gfx::RGB(244, 236, 220));
  WNDCLASS cls;
  cls.lpszClassName = "Bench";
  cls.lpfnWndProc = [&background](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m != WM_PAINT)
      return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, ps);
    if (GetWindowLong(h, GWL_STYLE) & WS_CHILD)
      dc->FillRect(GetClientRect(h), gfx::RGB(46, 120, 128));
    else
      dc->BitBlt(0, 0, kWidth, kHeight, background, 0, 0);
    EndPaint(h, ps);
    return 0;
  };
  RegisterClass(cls);
  HWND main = CreateWindowEx(0, "Bench", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, kWidth,
                             kHeight, nullptr);
  for (int i = 0; i < 30; ++i) {
    int x = 10 + (i % 6) * 125;
    int y = 20 + (i / 6) * 115;
    CreateWindowEx(0, "Bench", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, 110, 100, main,
                   static_cast<UINT_PTR>(i + 1));
  }
  for (auto _ : state) {
    RedrawWindow(main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  DestroyWindow(main);
}
BENCHMARK(Repaint_WindowWith30Children)->Name("Repaint:WindowWith30Children");

void Dispatch_baseline_Deque(benchmark::State& state) {
  std::deque<MSG> queue;
  LRESULT sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kMessages; ++i)
      queue.push_back(MSG{HWND{1u}, WM_USER, static_cast<WPARAM>(i), 0, 0, {}});
    while (!queue.empty()) {
      sum += static_cast<LRESULT>(queue.front().wParam);
      queue.pop_front();
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(Dispatch_baseline_Deque)->Name("Dispatch:baseline_Deque");

void Dispatch_PostedMessages(benchmark::State& state) {
  HeadlessDesktop headless;
  LRESULT sum = 0;
  WNDCLASS cls;
  cls.lpszClassName = "Sink";
  cls.lpfnWndProc = [&sum](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_USER) {
      sum += static_cast<LRESULT>(w);
      return 0;
    }
    return DefWindowProc(h, m, w, l);
  };
  RegisterClass(cls);
  HWND sink = CreateWindowEx(0, "Sink", "", WS_POPUP, 0, 0, 10, 10, nullptr);
  MSG msg;
  for (auto _ : state) {
    for (int i = 0; i < kMessages; ++i)
      PostMessage(sink, WM_USER, static_cast<WPARAM>(i), 0);
    while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessage(msg);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(Dispatch_PostedMessages)->Name("Dispatch:PostedMessages");

}  // namespace
