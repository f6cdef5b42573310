#pragma once

// Window classes: the shared defaults of a kind of window.

#include <optional>
#include <string>

#include "platform/win/Types.h"

namespace win {

struct WNDCLASS {
  UINT style = 0;  // CS_ bits
  WNDPROC lpfnWndProc;
  HCURSOR hCursor;
  // The colour WM_ERASEBKGND fills with by default; none leaves the
  // background as it is.
  std::optional<COLORREF> hbrBackground;
  std::string lpszClassName;
};

// Registers a class under its name; false when the name is empty or taken.
bool RegisterClass(const WNDCLASS& windowClass);
bool UnregisterClass(const std::string& className);

}  // namespace win
