#pragma once

// The desktop's record of one window. Only the window system's own files see
// it; everything above works with handles.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"
#include "platform/win/Types.h"
#include "platform/win/WindowClass.h"

namespace win {

struct Window {
  HWND hwnd;
  std::shared_ptr<const WNDCLASS> windowClass;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HWND parent;                 // child windows only
  HWND owner;                  // top-level windows only
  std::vector<HWND> children;  // top of the z-order first
  gfx::Rect rect;              // parent client coordinates; screen for top-level windows
  gfx::Rect client;            // window coordinates
  // Shared so that a procedure replaced while it runs stays alive until it
  // returns.
  std::shared_ptr<const WNDPROC> proc;
  LONG_PTR userData = 0;
  UINT_PTR id = 0;
  BYTE alpha = 255;
  bool destroying = false;
  // The caption state last set by the default WM_NCACTIVATE.
  bool frameActive = false;
  // Hidden because its owner was minimised; shown again with it.
  bool hiddenWithOwner = false;
  // Where a maximised window goes back to.
  gfx::Rect restoreRect;

  // The window's shape in window coordinates; none means its rectangle.
  std::optional<gfx::Region> region;
  // Painting: what needs painting, in window coordinates (the frame part
  // only with ncPaint), and whether the background must be erased first.
  gfx::Region update;
  bool ncPaint = false;
  bool erase = false;
  bool internalPaint = false;
  // Top-level windows only: the pixels of the window and its children, and
  // the part painted since the backend last showed it.
  gfx::Bitmap backing;
  gfx::Region damage;

  bool IsChild() const { return (style & 0x40000000u) != 0; }
  bool IsTopLevel() const { return !IsChild(); }
};

}  // namespace win
