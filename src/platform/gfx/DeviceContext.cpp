#include "platform/gfx/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace gfx {

DeviceContext::DeviceContext(Bitmap& target)
    : DeviceContext(target, Point{}, Region(target.Bounds())) {}

DeviceContext::DeviceContext(Bitmap& target, Point origin, const Region& visible)
    : target_(&target),
      deviceOrigin_(origin),
      visible_(visible.Intersect(Region(target.Bounds()))) {
  UpdateClip();
}

Point DeviceContext::ToDevice(Point p) const {
  return {p.x + deviceOrigin_.x + state_.viewportOrg.x,
          p.y + deviceOrigin_.y + state_.viewportOrg.y};
}

Rect DeviceContext::ToDevice(const Rect& r) const {
  return r.Offset(deviceOrigin_.x + state_.viewportOrg.x, deviceOrigin_.y + state_.viewportOrg.y);
}

// ---------------------------------------------------------------------------
// Origin and attributes

Point DeviceContext::SetViewportOrg(Point origin) {
  return std::exchange(state_.viewportOrg, origin);
}

Point DeviceContext::OffsetViewportOrg(int dx, int dy) {
  Point old = state_.viewportOrg;
  state_.viewportOrg = {old.x + dx, old.y + dy};
  return old;
}

Pen DeviceContext::SelectPen(const Pen& pen) {
  return std::exchange(state_.pen, pen);
}
Brush DeviceContext::SelectBrush(const Brush& brush) {
  return std::exchange(state_.brush, brush);
}
Font DeviceContext::SelectFont(const Font& font) {
  return std::exchange(state_.font, font);
}
ColorRef DeviceContext::SetTextColor(ColorRef c) {
  return std::exchange(state_.textColor, c);
}
ColorRef DeviceContext::SetBkColor(ColorRef c) {
  return std::exchange(state_.bkColor, c);
}

int DeviceContext::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE)
    return 0;
  return std::exchange(state_.bkMode, mode);
}

void DeviceContext::SetState(const State& state) {
  bool clipChanged = state.clip.has_value() != state_.clip.has_value() ||
                     (state.clip && !(*state.clip == *state_.clip));
  state_ = state;
  if (clipChanged)
    UpdateClip();
}

// ---------------------------------------------------------------------------
// Clipping

void DeviceContext::UpdateClip() {
  clipRegion_ = visible_;
  if (state_.clip)
    clipRegion_ &= state_.clip->Offset(deviceOrigin_.x, deviceOrigin_.y);
  clipRects_ = clipRegion_.Rects();
  clipBounds_ = clipRegion_.Bounds();
}

int DeviceContext::Complexity() const {
  if (clipRects_.empty())
    return NULLREGION;
  return clipRects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int DeviceContext::SelectClipRgn(const Region* region) {
  if (region)
    state_.clip = *region;
  else
    state_.clip.reset();
  UpdateClip();
  return Complexity();
}

int DeviceContext::IntersectClipRect(const Rect& rect) {
  // The rectangle is logical; the stored clip is relative to the device
  // origin, so only the viewport origin applies.
  Region r(rect.Offset(state_.viewportOrg.x, state_.viewportOrg.y));
  if (state_.clip)
    *state_.clip &= r;
  else
    state_.clip = std::move(r);
  UpdateClip();
  return Complexity();
}

int DeviceContext::ExcludeClipRect(const Rect& rect) {
  Region r(rect.Offset(state_.viewportOrg.x, state_.viewportOrg.y));
  if (!state_.clip)
    state_.clip = visible_.Offset(-deviceOrigin_.x, -deviceOrigin_.y);
  *state_.clip -= r;
  UpdateClip();
  return Complexity();
}

Rect DeviceContext::GetClipBox() const {
  Point o = ToDevice(Point{});
  return clipBounds_.IsEmpty() ? Rect{} : clipBounds_.Offset(-o.x, -o.y);
}

Region DeviceContext::GetDrawableRegion() const {
  Point o = ToDevice(Point{});
  return clipRegion_.Offset(-o.x, -o.y);
}

bool DeviceContext::PtVisible(Point p) const {
  return clipRegion_.Contains(ToDevice(p));
}

bool DeviceContext::RectVisible(const Rect& rect) const {
  return clipRegion_.Intersects(ToDevice(rect));
}

// ---------------------------------------------------------------------------
// Filling

void DeviceContext::FillDeviceRect(const Rect& deviceRect, Pixel pixel) {
  Rect bounded = deviceRect.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    if (r.IsEmpty())
      continue;
    for (int y = r.top; y < r.bottom; ++y)
      std::fill(target_->Row(y) + r.left, target_->Row(y) + r.right, pixel);
  }
}

void DeviceContext::FillRect(const Rect& rect, ColorRef color) {
  FillDeviceRect(ToDevice(rect), PixelFromColor(ColorToRGB(color)));
}

void DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
  if (brush.style == BS_NULL)
    return;
  FillRect(rect, brush.color);
}

void DeviceContext::FillRgn(const Region& region, ColorRef color) {
  Point o = ToDevice(Point{});
  Pixel pixel = PixelFromColor(ColorToRGB(color));
  for (const Rect& r : region.Rects())
    FillDeviceRect(r.Offset(o.x, o.y), pixel);
}

void DeviceContext::FrameRect(const Rect& rect, ColorRef color) {
  if (rect.IsEmpty())
    return;
  Rect d = ToDevice(rect);
  Pixel pixel = PixelFromColor(ColorToRGB(color));
  FillDeviceRect({d.left, d.top, d.right, d.top + 1}, pixel);
  FillDeviceRect({d.left, d.bottom - 1, d.right, d.bottom}, pixel);
  FillDeviceRect({d.left, d.top + 1, d.left + 1, d.bottom - 1}, pixel);
  FillDeviceRect({d.right - 1, d.top + 1, d.right, d.bottom - 1}, pixel);
}

void DeviceContext::InvertRect(const Rect& rect) {
  Rect bounded = ToDevice(rect).Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    for (int y = r.top; y < r.bottom; ++y) {
      Pixel* row = target_->Row(y);
      for (int x = r.left; x < r.right; ++x)
        row[x] = ~row[x] & 0x00FFFFFF;
    }
  }
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
  if (left > right)
    std::swap(left, right);
  if (top > bottom)
    std::swap(top, bottom);
  if (state_.pen.style == PS_NULL) {
    FillRect(Rect{left, top, right - 1, bottom - 1}, state_.brush);
    return;
  }
  FillRect(Rect{left + 1, top + 1, right - 1, bottom - 1}, state_.brush);
  FrameRect(Rect{left, top, right, bottom}, state_.pen.color);
}

// ---------------------------------------------------------------------------
// Pixels and lines

ColorRef DeviceContext::SetPixel(int x, int y, ColorRef color) {
  Point d = ToDevice(Point{x, y});
  if (!clipBounds_.Contains(d) || !clipRegion_.Contains(d))
    return CLR_INVALID;
  ColorRef rgb = ColorToRGB(color);
  target_->Row(d.y)[d.x] = PixelFromColor(rgb);
  return rgb;
}

ColorRef DeviceContext::GetPixel(int x, int y) const {
  Point d = ToDevice(Point{x, y});
  if (!clipBounds_.Contains(d) || !clipRegion_.Contains(d))
    return CLR_INVALID;
  return ColorFromPixel(target_->Row(d.y)[d.x]);
}

void DeviceContext::PlotDevice(int x, int y, Pixel pixel) {
  Point p{x, y};
  if (!clipBounds_.Contains(p))
    return;
  if (clipRects_.size() == 1 || clipRegion_.Contains(p))
    target_->Row(y)[x] = pixel;
}

void DeviceContext::MoveTo(int x, int y) {
  state_.position = {x, y};
}

void DeviceContext::LineTo(int x, int y) {
  Point from = ToDevice(state_.position);
  Point to = ToDevice(Point{x, y});
  state_.position = {x, y};
  if (state_.pen.style == PS_NULL)
    return;
  Pixel pixel = PixelFromColor(ColorToRGB(state_.pen.color));

  // Horizontal and vertical lines are rectangle fills.
  if (from.y == to.y) {
    Rect run = to.x > from.x ? Rect{from.x, from.y, to.x, from.y + 1}
                             : Rect{to.x + 1, from.y, from.x + 1, from.y + 1};
    FillDeviceRect(run, pixel);
    return;
  }
  if (from.x == to.x) {
    Rect run = to.y > from.y ? Rect{from.x, from.y, from.x + 1, to.y}
                             : Rect{from.x, to.y + 1, from.x + 1, from.y + 1};
    FillDeviceRect(run, pixel);
    return;
  }

  // Bresenham along the major axis, stopping one step before the end. The
  // minor coordinate after i steps has the closed form
  //   floor((2 * minor * i + major - 1) / (2 * major)),
  // so only the steps that land inside the clip bounds are visited, however
  // long the line is.
  const long long dx = std::abs(static_cast<long long>(to.x) - from.x);
  const long long dy = std::abs(static_cast<long long>(to.y) - from.y);
  const int sx = to.x > from.x ? 1 : -1;
  const int sy = to.y > from.y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const long long major = xMajor ? dx : dy;
  const long long minor = xMajor ? dy : dx;
  const int majorStart = xMajor ? from.x : from.y;
  const int majorSign = xMajor ? sx : sy;
  const int lo = xMajor ? clipBounds_.left : clipBounds_.top;
  const int hi = xMajor ? clipBounds_.right : clipBounds_.bottom;
  long long first = majorSign > 0 ? lo - majorStart : majorStart - hi + 1;
  long long last = majorSign > 0 ? hi - majorStart : majorStart - lo + 1;  // exclusive
  first = std::max(first, 0LL);
  last = std::min(last, major);
  for (long long i = first; i < last; ++i) {
    const long long k = (2 * minor * i + major - 1) / (2 * major);
    const long long px = xMajor ? from.x + sx * i : from.x + sx * k;
    const long long py = xMajor ? from.y + sy * k : from.y + sy * i;
    PlotDevice(static_cast<int>(px), static_cast<int>(py), pixel);
  }
}

void DeviceContext::Polyline(std::span<const Point> points) {
  if (points.size() < 2)
    return;
  Point saved = state_.position;
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i)
    LineTo(points[i].x, points[i].y);
  state_.position = saved;
}

}  // namespace gfx
