#pragma once

// Input as a backend reports it: screen positions and key codes, before the
// desktop has decided which window gets it.

#include <optional>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win {

enum class MouseButton { Left, Right, Middle };

struct InputEvent {
  enum class Kind {
    MouseMove,
    ButtonDown,
    ButtonUp,
    Wheel,
    KeyDown,
    KeyUp,
    CloseRequest,  // the user asked to close a top-level window (hwnd)
    Expose,        // part of a top-level window (hwnd, rect) must be shown again
    // The system gave the keyboard to a top-level window (hwnd), or to
    // another program (no hwnd).
    FocusChange,
    // The system took a top-level window (hwnd) down to an icon, or brought
    // it back from one, on its own (from a task bar, say).
    MinimizeRequest,
    RestoreRequest,
    // The system placed a top-level window (hwnd) elsewhere; pt is its new
    // top-left corner on the screen.
    Moved,
    // The system ended the pointer grab that the capture holds (the window
    // was iconified, another program grabbed the pointer) without a release.
    CaptureLost,
    // The window manager finished moving a top-level window (hwnd) that
    // Backend::BeginSystemMove handed to it.
    SystemMoveEnded,
    // A key (vk) that was reported pressed was let go while none of our
    // windows had the keyboard, so its release never came: it is up now,
    // and no window is told.
    KeyReleasedElsewhere,
  };

  // The modifier keys and buttons held as the event happened, as the system
  // saw them. The window manager may take key releases (Alt after Alt+Tab)
  // or button releases (a grab broken by iconifying) that never reach the
  // program; this state corrects what the program believes is held. For a
  // key or button event it is the state before that key or button changed.
  struct Held {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
  };

  Kind kind = Kind::MouseMove;
  gfx::Point pt;  // screen position of the cursor
  MouseButton button = MouseButton::Left;
  int wheelDelta = 0;  // multiples of WHEEL_DELTA, positive away from the user
  UINT vk = 0;
  char32_t ch = 0;  // the character a key press produces, 0 for none
  HWND hwnd;
  gfx::Rect rect;            // window coordinates
  std::optional<Held> held;  // unset when the backend does not know
};

}  // namespace win
