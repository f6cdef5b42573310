#pragma once

// What the desktop remembers about the mouse and the keyboard between input
// events.

#include <array>
#include <optional>

#include "platform/gfx/Geometry.h"
#include "platform/win/InputEvent.h"
#include "platform/win/Types.h"

namespace win {

// The last button press, to recognise the second press of a double click.
struct LastPress {
  HWND hwnd;
  MouseButton button = MouseButton::Left;
  bool nonClient = false;
  DWORD time = 0;
  gfx::Point pt;
};

struct InputState {
  HWND capture;
  HWND focus;
  HWND active;
  gfx::Point cursorPos;          // where the pointer is now
  std::array<BYTE, 256> keys{};  // 0x80: down, 0x01: toggled, as of the messages taken so far
  std::array<bool, 256> asyncKeys{};
  std::optional<LastPress> lastPress;
  // Where the pointer was last seen, for mouse-leave tracking.
  HWND hoverWindow;
  bool hoverNonClient = false;
  HWND trackWindow;
  DWORD trackFlags = 0;
  // Alt went down and no other key followed yet: its release opens the
  // keyboard menu.
  bool altAlone = false;
  HCURSOR cursor;
  // The top-level window the window manager is moving for the program.
  HWND systemMove;
  // The character of the last key press taken from the queue, which
  // TranslateMessage turns into WM_CHAR or WM_SYSCHAR.
  char32_t pendingChar = 0;
  HWND pendingCharWindow;
  DWORD pendingCharTime = 0;
};

}  // namespace win
