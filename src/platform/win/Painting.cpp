// Painting: damage, WM_PAINT and presentation. (Filled in with the graphics
// layer.)

#include "platform/win/Internal.h"

namespace win::detail {

bool TakePaintMessage(Desktop&, HWND, MSG&) {
  return false;
}

void OnGeometryChanged(HWND, const gfx::Rect&, bool) {}

void PresentDamage(Desktop&) {}

LRESULT DefaultPaint(HWND, UINT, WPARAM) {
  return 0;
}

}  // namespace win::detail
