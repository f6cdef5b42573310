#include "platform/gfx/Region.h"

#include <pixman.h>

#include <cstring>
#include <new>

namespace gfx {

namespace {

static_assert(sizeof(pixman_region32_t) <= 24 && alignof(pixman_region32_t) <= 8,
              "Region's storage must hold the engine's region record");

pixman_region32_t* Raw(unsigned char* storage) {
  return std::launder(reinterpret_cast<pixman_region32_t*>(storage));
}
const pixman_region32_t* Raw(const unsigned char* storage) {
  return std::launder(reinterpret_cast<const pixman_region32_t*>(storage));
}

Rect FromBox(const pixman_box32_t& b) {
  return {b.x1, b.y1, b.x2, b.y2};
}

// The engine reports allocation failures by returning false and leaving
// the region in a broken state; turn that into the usual exception.
void Check(pixman_bool_t ok) {
  if (!ok)
    throw std::bad_alloc();
}

}  // namespace

Region::Region() {
  pixman_region32_init(Raw(storage_));
}

Region::Region(const Rect& rect) {
  if (rect.IsEmpty())
    pixman_region32_init(Raw(storage_));
  else
    pixman_region32_init_rect(Raw(storage_), rect.left, rect.top,
                              static_cast<unsigned>(rect.Width()),
                              static_cast<unsigned>(rect.Height()));
}

Region Region::FromRects(std::span<const Rect> rects) {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(rects.size());
  for (const Rect& r : rects)
    if (!r.IsEmpty())
      boxes.push_back({r.left, r.top, r.right, r.bottom});
  Region region;
  pixman_region32_t* raw = Raw(region.storage_);
  pixman_region32_fini(raw);
  if (boxes.empty()) {
    pixman_region32_init(raw);
    return region;
  }
  if (!pixman_region32_init_rects(raw, boxes.data(), static_cast<int>(boxes.size()))) {
    pixman_region32_init(raw);
    throw std::bad_alloc();
  }
  return region;
}

Region::Region(const Region& other) {
  pixman_region32_init(Raw(storage_));
  Check(pixman_region32_copy(Raw(storage_), Raw(other.storage_)));
}

Region::Region(Region&& other) noexcept {
  // The record is a box plus an owned pointer: take both and leave the
  // source as an empty region.
  std::memcpy(storage_, other.storage_, sizeof(storage_));
  pixman_region32_init(Raw(other.storage_));
}

Region& Region::operator=(const Region& other) {
  if (this != &other)
    Check(pixman_region32_copy(Raw(storage_), Raw(other.storage_)));
  return *this;
}

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) {
    pixman_region32_fini(Raw(storage_));
    std::memcpy(storage_, other.storage_, sizeof(storage_));
    pixman_region32_init(Raw(other.storage_));
  }
  return *this;
}

Region::~Region() {
  pixman_region32_fini(Raw(storage_));
}

bool Region::IsEmpty() const {
  return !pixman_region32_not_empty(Raw(storage_));
}

Rect Region::Bounds() const {
  if (IsEmpty())
    return {};
  return FromBox(*pixman_region32_extents(Raw(storage_)));
}

bool Region::Contains(Point p) const {
  return pixman_region32_contains_point(Raw(storage_), p.x, p.y, nullptr);
}

bool Region::ContainsRect(const Rect& rect) const {
  if (rect.IsEmpty())
    return false;
  pixman_box32_t box{rect.left, rect.top, rect.right, rect.bottom};
  return pixman_region32_contains_rectangle(Raw(storage_), &box) == PIXMAN_REGION_IN;
}

bool Region::Intersects(const Rect& rect) const {
  if (rect.IsEmpty())
    return false;
  pixman_box32_t box{rect.left, rect.top, rect.right, rect.bottom};
  return pixman_region32_contains_rectangle(Raw(storage_), &box) != PIXMAN_REGION_OUT;
}

std::vector<Rect> Region::Rects() const {
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(Raw(storage_), &n);
  std::vector<Rect> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    out.push_back(FromBox(boxes[i]));
  return out;
}

int Region::RectCount() const {
  return pixman_region32_n_rects(Raw(storage_));
}

std::int64_t Region::Area() const {
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(Raw(storage_), &n);
  std::int64_t area = 0;
  for (int i = 0; i < n; ++i)
    area += static_cast<std::int64_t>(boxes[i].x2 - boxes[i].x1) * (boxes[i].y2 - boxes[i].y1);
  return area;
}

Region Region::Union(const Region& other) const {
  Region r(*this);
  r |= other;
  return r;
}

Region Region::Intersect(const Region& other) const {
  Region r(*this);
  r &= other;
  return r;
}

Region Region::Subtract(const Region& other) const {
  Region r(*this);
  r -= other;
  return r;
}

Region Region::Xor(const Region& other) const {
  return Subtract(other).Union(other.Subtract(*this));
}

Region Region::Offset(int dx, int dy) const {
  Region r(*this);
  r.OffsetInPlace(dx, dy);
  return r;
}

Region& Region::operator|=(const Region& other) {
  Check(pixman_region32_union(Raw(storage_), Raw(storage_), Raw(other.storage_)));
  return *this;
}

Region& Region::operator&=(const Region& other) {
  Check(pixman_region32_intersect(Raw(storage_), Raw(storage_), Raw(other.storage_)));
  return *this;
}

Region& Region::operator-=(const Region& other) {
  Check(pixman_region32_subtract(Raw(storage_), Raw(storage_), Raw(other.storage_)));
  return *this;
}

void Region::OffsetInPlace(int dx, int dy) {
  pixman_region32_translate(Raw(storage_), dx, dy);
}

void Region::Clear() {
  pixman_region32_clear(Raw(storage_));
}

bool operator==(const Region& a, const Region& b) {
  // An emptied region may keep a degenerate box somewhere else than a fresh
  // one, which the engine's comparison would count as a difference.
  if (a.IsEmpty() || b.IsEmpty())
    return a.IsEmpty() && b.IsEmpty();
  return pixman_region32_equal(Raw(a.storage_), Raw(b.storage_));
}

}  // namespace gfx
