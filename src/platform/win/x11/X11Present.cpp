// Copying the damaged parts of a backing bitmap to the window, and reading
// the screen back.

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gfx/Region.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

// An image over pixels that stay ours: Xlib must not free them.
void DestroyBorrowedImage(XImage* image) {
  image->data = nullptr;
  XDestroyImage(image);
}

}  // namespace

X11SharedPixels::~X11SharedPixels() {
  // A picture that never got attached has nothing to let go of.
  if (!image)
    return;
  if (owner && !owner->connectionLost)
    XShmDetach(owner->display, &shm);
  DestroyBorrowedImage(image);
  shmdt(shm.shmaddr);
}

// A segment as large as the window; the display attaches it once. When the
// attach fails (a display on another machine, say), shared memory is given
// up for good and pictures go through the connection.
std::shared_ptr<X11SharedPixels> X11Backend::Impl::AttachSharedPixels(int width, int height) {
  // The image keeps a pointer to the segment's description, so that lives
  // in the shared picture from the start.
  auto shared = std::make_shared<X11SharedPixels>();
  XShmSegmentInfo& shm = shared->shm;
  XImage* image =
      XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &shm,
                      static_cast<unsigned>(width), static_cast<unsigned>(height));
  // The backing bitmap over it has its rows tightly packed.
  if (!image || image->bits_per_pixel != 32 || image->bytes_per_line != width * 4) {
    if (image)
      XDestroyImage(image);
    shmAvailable = false;
    return nullptr;
  }
  const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * image->height;
  shm.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (shm.shmid < 0) {
    XDestroyImage(image);
    shmAvailable = false;
    return nullptr;
  }
  void* address = shmat(shm.shmid, nullptr, 0);
  if (reinterpret_cast<std::intptr_t>(address) == -1) {
    shmctl(shm.shmid, IPC_RMID, nullptr);
    XDestroyImage(image);
    shmAvailable = false;
    return nullptr;
  }
  shm.shmaddr = static_cast<char*>(address);
  image->data = shm.shmaddr;
  shm.readOnly = False;
  // Errors of the attach arrive asynchronously: the round trip brings them
  // to the error handler, which notes them.
  attachFailed = false;
  attachingShm = true;
  XShmAttach(display, &shm);
  XSync(display, False);
  attachingShm = false;
  // The segment goes away by itself once both sides have let go of it, even
  // if the program ends abruptly.
  shmctl(shm.shmid, IPC_RMID, nullptr);
  if (attachFailed) {
    shmdt(shm.shmaddr);
    DestroyBorrowedImage(image);
    shmAvailable = false;
    return nullptr;
  }
  shared->owner = this;
  shared->image = image;
  std::erase_if(sharedPixels, [](const auto& p) { return p.expired(); });
  sharedPixels.push_back(shared);
  return shared;
}

// Closing the display detaches every segment on the display's side; the
// bitmaps that still use one keep their memory until they let go of it.
void X11Backend::Impl::DetachSharedPixels() {
  for (const auto& weak : sharedPixels) {
    if (auto shared = weak.lock()) {
      if (!connectionLost)
        XShmDetach(display, &shared->shm);
      shared->owner = nullptr;
    }
  }
  sharedPixels.clear();
}

gfx::Bitmap X11Backend::CreateBacking(HWND hwnd, gfx::Size size) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s || !m.shmAvailable || m.connectionLost || size.cx <= 0 || size.cy <= 0 ||
      static_cast<long long>(size.cx) * size.cy > gfx::Bitmap::kMaxPixels)
    return gfx::Bitmap(size.cx, size.cy);
  std::shared_ptr<X11SharedPixels> shared = m.AttachSharedPixels(size.cx, size.cy);
  if (!shared)
    return gfx::Bitmap(size.cx, size.cy);
  s->sharedPixels = shared;
  auto* pixels = reinterpret_cast<gfx::Pixel*>(shared->image->data);
  return gfx::Bitmap::Adopt(pixels, size.cx, size.cy,
                            [shared](gfx::Pixel*) mutable { shared.reset(); });
}

// The backing bitmap is the shared picture itself. With the alpha visual
// its unused byte is the alpha: the rectangles are made opaque while the
// display reads them and get their unused byte of 0 back afterwards, which
// the rest of the program keeps in every pixel.
void X11Backend::Impl::PresentShared(X11Surface& s, X11SharedPixels& shared,
                                     const std::vector<gfx::Rect>& rects) {
  XImage* image = shared.image;
  auto forEachRow = [&](auto&& change) {
    for (const gfx::Rect& r : rects) {
      for (int y = r.top; y < r.bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(
            image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line +
            static_cast<std::ptrdiff_t>(r.left) * 4);
        for (int x = 0; x < r.Width(); ++x)
          change(row[x]);
      }
    }
  };
  if (alphaVisual)
    forEachRow([](std::uint32_t& p) { p |= 0xFF000000u; });
  for (const gfx::Rect& r : rects)
    XShmPutImage(display, s.window, gc, image, r.left, r.top, r.left, r.top,
                 static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()), False);
  // The display must have read the pixels before the program draws on them
  // again.
  XSync(display, False);
  if (alphaVisual)
    forEachRow([](std::uint32_t& p) { p &= 0x00FFFFFFu; });
}

// Visuals other than 32-bit blue-green-red, and the one with alpha, need
// each pixel converted.
void X11Backend::Impl::PutConverted(X11Surface& s, const gfx::Bitmap& backing, const gfx::Rect& r) {
  XImage* image =
      XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                   static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()), 32, 0);
  if (!image)
    return;
  image->data = static_cast<char*>(
      std::malloc(static_cast<std::size_t>(image->bytes_per_line) * image->height));
  if (!image->data) {
    XDestroyImage(image);
    return;
  }
  auto channel = [](gfx::Pixel p, int shift, unsigned long mask) {
    unsigned long v = (p >> shift) & 0xFF;
    int top = 63 - __builtin_clzl(mask);
    int width = __builtin_popcountl(mask);
    int low = top - width + 1;
    return ((v >> (8 - std::min(width, 8))) << low) & mask;
  };
  // With the alpha visual, the bits outside the colours are the alpha.
  const unsigned long opaque =
      alphaVisual ? 0xFFFFFFFFul & ~(visual->red_mask | visual->green_mask | visual->blue_mask) : 0;
  for (int y = 0; y < r.Height(); ++y) {
    const gfx::Pixel* src = backing.Row(r.top + y) + r.left;
    for (int x = 0; x < r.Width(); ++x) {
      gfx::Pixel p = src[x];
      XPutPixel(image, x, y,
                opaque | channel(p, 16, visual->red_mask) | channel(p, 8, visual->green_mask) |
                    channel(p, 0, visual->blue_mask));
    }
  }
  XPutImage(display, s.window, gc, image, 0, 0, r.left, r.top, static_cast<unsigned>(r.Width()),
            static_cast<unsigned>(r.Height()));
  XDestroyImage(image);
}

void X11Backend::Present(HWND hwnd, const gfx::Bitmap& backing, const gfx::Region& damage) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s || backing.IsEmpty())
    return;
  const std::vector<gfx::Rect> rects = damage.Intersect(gfx::Region(backing.Bounds())).Rects();
  if (rects.empty())
    return;
  if (std::shared_ptr<X11SharedPixels> shared = s->sharedPixels.lock();
      shared && shared->image->data == reinterpret_cast<const char*>(backing.Bits())) {
    m.PresentShared(*s, *shared, rects);
    return;
  }
  if (m.directPixels && !m.alphaVisual) {
    XImage* image = XCreateImage(m.display, m.visual, static_cast<unsigned>(m.depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(const_cast<gfx::Pixel*>(backing.Bits())),
                                 static_cast<unsigned>(backing.Width()),
                                 static_cast<unsigned>(backing.Height()), 32, backing.Stride());
    if (!image)
      return;
    image->byte_order = LSBFirst;
    for (const gfx::Rect& r : rects)
      XPutImage(m.display, s->window, m.gc, image, r.left, r.top, r.left, r.top,
                static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
    DestroyBorrowedImage(image);
  } else {
    for (const gfx::Rect& r : rects)
      m.PutConverted(*s, backing, r);
  }
  XFlush(m.display);
}

gfx::Bitmap X11Backend::GrabScreen() {
  Impl& m = *impl_;
  const gfx::Size size{DisplayWidth(m.display, m.screen), DisplayHeight(m.display, m.screen)};
  gfx::Bitmap out(size.cx, size.cy);
  XImage* image = XGetImage(m.display, m.root, 0, 0, static_cast<unsigned>(size.cx),
                            static_cast<unsigned>(size.cy), AllPlanes, ZPixmap);
  if (!image)
    return out;
  auto channel = [](unsigned long v, unsigned long mask) -> gfx::Pixel {
    if (!mask)
      return 0;
    int low = __builtin_ctzl(mask);
    int width = __builtin_popcountl(mask);
    unsigned long c = (v & mask) >> low;
    return static_cast<gfx::Pixel>(width >= 8 ? c >> (width - 8)
                                              : (c * 255) / ((1ul << width) - 1));
  };
  for (int y = 0; y < size.cy; ++y) {
    gfx::Pixel* row = out.Row(y);
    for (int x = 0; x < size.cx; ++x) {
      unsigned long v = XGetPixel(image, x, y);
      row[x] = (channel(v, image->red_mask) << 16) | (channel(v, image->green_mask) << 8) |
               channel(v, image->blue_mask);
    }
  }
  XDestroyImage(image);
  return out;
}

}  // namespace win
