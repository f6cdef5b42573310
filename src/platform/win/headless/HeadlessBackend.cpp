#include "platform/win/headless/HeadlessBackend.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/Process.h"
#include "platform/win/Desktop.h"

namespace win {

namespace {

// Source over destination with a constant alpha, per channel.
gfx::Pixel Blend(gfx::Pixel src, gfx::Pixel dst, int alpha) {
  gfx::Pixel out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    int s = static_cast<int>((src >> shift) & 0xFF);
    int d = static_cast<int>((dst >> shift) & 0xFF);
    out |= static_cast<gfx::Pixel>((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

HeadlessBackend::HeadlessBackend(ManualClock& clock, HeadlessOptions options)
    : clock_(clock), options_(options) {
  if (options_.workArea.IsEmpty())
    options_.workArea = {0, 0, options_.screen.cx, options_.screen.cy};
}

HeadlessBackend::~HeadlessBackend() = default;

HeadlessBackend& HeadlessBackend::Then(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

HeadlessBackend& HeadlessBackend::MoveTo(int x, int y) {
  return Then([this, x, y] { InjectMouseMove({x, y}); });
}

HeadlessBackend& HeadlessBackend::Press(MouseButton button) {
  return Then([this, button] { InjectButton(button, true); });
}

HeadlessBackend& HeadlessBackend::Release(MouseButton button) {
  return Then([this, button] { InjectButton(button, false); });
}

HeadlessBackend& HeadlessBackend::Click(int x, int y, MouseButton button) {
  return MoveTo(x, y).Press(button).Release(button);
}

HeadlessBackend& HeadlessBackend::Wheel(int delta) {
  return Then([this, delta] { InjectWheel(delta); });
}

HeadlessBackend& HeadlessBackend::KeyDown(UINT vk, char32_t ch) {
  return Then([this, vk, ch] { InjectKey(vk, true, ch); });
}

HeadlessBackend& HeadlessBackend::KeyUp(UINT vk) {
  return Then([this, vk] { InjectKey(vk, false); });
}

HeadlessBackend& HeadlessBackend::Key(UINT vk, char32_t ch) {
  return KeyDown(vk, ch).KeyUp(vk);
}

HeadlessBackend& HeadlessBackend::Wait(DWORD ms) {
  return Then([this, ms] { advanceTarget_ = clock_.Now() + ms; });
}

void HeadlessBackend::Post(const InputEvent& event) {
  if (desktop_)
    desktop_->PostInput(event);
}

void HeadlessBackend::InjectMouseMove(gfx::Point pt) {
  cursor_ = pt;
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.pt = pt;
  Post(e);
}

void HeadlessBackend::InjectButton(MouseButton button, bool down) {
  InputEvent e;
  e.kind = down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
  e.pt = cursor_;
  e.button = button;
  Post(e);
}

void HeadlessBackend::InjectWheel(int delta) {
  InputEvent e;
  e.kind = InputEvent::Kind::Wheel;
  e.pt = cursor_;
  e.wheelDelta = delta;
  Post(e);
}

void HeadlessBackend::InjectKey(UINT vk, bool down, char32_t ch) {
  InputEvent e;
  e.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
  e.pt = cursor_;
  e.vk = vk;
  e.ch = ch;
  Post(e);
}

void HeadlessBackend::InjectCloseRequest(HWND hwnd) {
  InputEvent e;
  e.kind = InputEvent::Kind::CloseRequest;
  e.hwnd = hwnd;
  Post(e);
}

void HeadlessBackend::InjectFocusChange(HWND hwnd) {
  InputEvent e;
  e.kind = InputEvent::Kind::FocusChange;
  e.hwnd = hwnd;
  Post(e);
}

void HeadlessBackend::Inject(const InputEvent& event) {
  if (event.kind == InputEvent::Kind::MouseMove || event.kind == InputEvent::Kind::ButtonDown ||
      event.kind == InputEvent::Kind::ButtonUp)
    cursor_ = event.pt;
  Post(event);
}

const HeadlessBackend::Surface* HeadlessBackend::FindSurface(HWND hwnd) const {
  auto it = surfaces_.find(hwnd.id);
  return it == surfaces_.end() ? nullptr : &it->second;
}

void HeadlessBackend::Attach(Desktop& desktop) {
  desktop_ = &desktop;
}

gfx::Rect HeadlessBackend::WorkArea() const {
  return options_.workArea;
}

std::vector<MonitorArea> HeadlessBackend::Monitors() const {
  std::vector<MonitorArea> monitors = Backend::Monitors();
  for (MonitorArea other : options_.otherMonitors) {
    if (other.work.IsEmpty())
      other.work = other.bounds;
    monitors.push_back(other);
  }
  return monitors;
}

void HeadlessBackend::CreateSurface(HWND hwnd, const SurfaceInfo& info) {
  Surface s;
  s.info = info;
  surfaces_[hwnd.id] = std::move(s);
}

void HeadlessBackend::DestroySurface(HWND hwnd) {
  surfaces_.erase(hwnd.id);
  std::erase(stacking_, hwnd);
}

void HeadlessBackend::ShowSurface(HWND hwnd, bool visible) {
  auto it = surfaces_.find(hwnd.id);
  if (it != surfaces_.end())
    it->second.visible = visible;
}

void HeadlessBackend::MoveSurface(HWND hwnd, const gfx::Rect& bounds) {
  auto it = surfaces_.find(hwnd.id);
  if (it != surfaces_.end())
    it->second.info.bounds = bounds;
}

void HeadlessBackend::RestackSurfaces(const std::vector<HWND>& topFirst) {
  stacking_ = topFirst;
}

void HeadlessBackend::SetSurfaceShape(HWND hwnd, const gfx::Region* shape) {
  auto it = surfaces_.find(hwnd.id);
  if (it == surfaces_.end())
    return;
  if (shape)
    it->second.shape = *shape;
  else
    it->second.shape.reset();
}

void HeadlessBackend::SetSurfaceAlpha(HWND hwnd, BYTE alpha) {
  auto it = surfaces_.find(hwnd.id);
  if (it != surfaces_.end())
    it->second.alpha = alpha;
}

void HeadlessBackend::SetSurfaceTitle(HWND hwnd, const std::string& title) {
  auto it = surfaces_.find(hwnd.id);
  if (it != surfaces_.end())
    it->second.title = title;
}

void HeadlessBackend::ActivateSurface(HWND) {}

void HeadlessBackend::Present(HWND hwnd, const gfx::Bitmap& backing, const gfx::Region& damage) {
  auto it = surfaces_.find(hwnd.id);
  if (it == surfaces_.end())
    return;
  Surface& s = it->second;
  ++s.presents;
  const gfx::Region whole(backing.Bounds());
  const gfx::Region shown = damage.Intersect(whole);
  s.presented = shown;
  if (s.pixels.GetSize() != backing.GetSize()) {
    // A surface met at a new size and shown whole at once (a window's
    // first paint, perhaps cut to its shape) takes the backing as it is,
    // and black where it is not shown.
    if (s.pixels.IsEmpty() || shown == whole) {
      s.pixels = backing.Clone();
      if (shown == whole)
        return;
      gfx::DeviceContext dc(s.pixels);
      for (const gfx::Rect& r : whole.Subtract(shown).Rects())
        dc.FillRect(r, gfx::clBlack);
      return;
    }
    gfx::Bitmap resized(backing.Width(), backing.Height());
    gfx::DeviceContext dc(resized);
    dc.DrawBitmap(0, 0, s.pixels);
    s.pixels = std::move(resized);
  }
  gfx::DeviceContext dc(s.pixels);
  for (const gfx::Rect& r : shown.Rects())
    dc.BitBlt(r.left, r.top, r.Width(), r.Height(), backing, r.left, r.top);
}

gfx::Bitmap HeadlessBackend::WindowShot(HWND hwnd) const {
  const Surface* s = FindSurface(hwnd);
  return s ? s->pixels.Clone() : gfx::Bitmap{};
}

bool HeadlessBackend::SaveScreenshot(const std::string& path) const {
  return gfx::SaveImageFile(Screenshot(), path);
}

bool HeadlessBackend::SaveWindowShot(HWND hwnd, const std::string& path) const {
  gfx::Bitmap shot = WindowShot(hwnd);
  return !shot.IsEmpty() && gfx::SaveImageFile(shot, path);
}

gfx::Bitmap HeadlessBackend::Screenshot() const {
  gfx::Bitmap screen(options_.screen.cx, options_.screen.cy,
                     gfx::GetSysColor(gfx::COLOR_BACKGROUND));
  for (auto h = stacking_.rbegin(); h != stacking_.rend(); ++h) {
    const Surface* s = FindSurface(*h);
    if (!s || !s->visible || s->pixels.IsEmpty())
      continue;
    const gfx::Rect& b = s->info.bounds;
    gfx::Region area(s->pixels.Bounds());
    if (s->shape)
      area &= *s->shape;
    area = area.Offset(b.left, b.top).Intersect(gfx::Region(screen.Bounds()));
    const int a = s->alpha;
    for (const gfx::Rect& r : area.Rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        gfx::Pixel* dst = screen.Row(y) + r.left;
        const gfx::Pixel* src = s->pixels.Row(y - b.top) + (r.left - b.left);
        for (int x = 0; x < r.Width(); ++x)
          dst[x] = a == 255 ? src[x] : Blend(src[x], dst[x], a);
      }
    }
  }
  return screen;
}

void HeadlessBackend::SetCursor(HCURSOR cursor) {
  cursorShape_ = cursor;
}

void HeadlessBackend::WaitForEvents(std::optional<DWORD>) {
  // A started puzzle that has finished is reaped whenever the program waits,
  // as on a real display, so that none stays a zombie.
  if (sys::UnreapedChildCount() > 0)
    sys::ReapFinishedChildren();
  if (advanceTarget_) {
    DWORD now = clock_.Now();
    DWORD next = *advanceTarget_;
    std::optional<DWORD> due = desktop_ ? desktop_->NextTimerDue() : std::nullopt;
    if (due && !TickNotAfter(*due, now) && TickNotAfter(*due, next))
      next = *due;
    clock_.Set(next);
    if (next == *advanceTarget_)
      advanceTarget_.reset();
    return;
  }
  if (steps_.empty())
    throw ScriptExhausted(
        "the script has no step left while a message loop waits for input; the test would hang");
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step();
}

}  // namespace win
