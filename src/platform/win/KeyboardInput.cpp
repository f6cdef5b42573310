// Turning raw key input into keyboard messages for the focus window, with
// the classic rules for Alt (system keys) and key state.

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

// The key or button the event itself presses or releases: its state is the
// event's to change, not the held state's.
UINT OwnKey(const InputEvent& e) {
  using Kind = InputEvent::Kind;
  if (e.kind == Kind::KeyDown || e.kind == Kind::KeyUp)
    return e.vk & 0xFF;
  if (e.kind == Kind::ButtonDown || e.kind == Kind::ButtonUp)
    return e.button == MouseButton::Left    ? VK_LBUTTON
           : e.button == MouseButton::Right ? VK_RBUTTON
                                            : VK_MBUTTON;
  return 0;
}

}  // namespace

namespace detail {

void TakeHeldState(const InputEvent& e, std::array<BYTE, 256>* keys,
                   std::array<bool, 256>* asyncKeys) {
  if (!e.held)
    return;
  const InputEvent::Held& h = *e.held;
  const std::pair<UINT, bool> held[] = {{VK_SHIFT, h.shift},   {VK_CONTROL, h.control},
                                        {VK_MENU, h.alt},      {VK_LBUTTON, h.left},
                                        {VK_RBUTTON, h.right}, {VK_MBUTTON, h.middle}};
  const UINT own = OwnKey(e);
  for (auto [vk, down] : held) {
    if (vk == own)
      continue;
    if (keys)
      (*keys)[vk] = static_cast<BYTE>(((*keys)[vk] & 1) | (down ? 0x80 : 0));
    if (asyncKeys)
      (*asyncKeys)[vk] = down;
  }
}

bool RouteKey(Desktop& d, const InputEvent& e, DWORD time, MSG& out) {
  InputState& in = d.in;
  const UINT vk = e.vk & 0xFF;
  const bool down = e.kind == InputEvent::Kind::KeyDown;
  const bool wasDown = (in.keys[vk] & 0x80) != 0;
  const bool altAloneBefore = in.altAlone;
  if (down) {
    in.keys[vk] = static_cast<BYTE>(0x80 | ((wasDown ? in.keys[vk] : in.keys[vk] ^ 1) & 1));
    in.altAlone = vk == VK_MENU ? (wasDown ? in.altAlone : true) : false;
  } else {
    in.keys[vk] = static_cast<BYTE>(in.keys[vk] & 1);
  }
  const bool alt = (in.keys[VK_MENU] & 0x80) != 0;
  const bool ctrl = (in.keys[VK_CONTROL] & 0x80) != 0;

  // Alt held without Ctrl (Ctrl+Alt is AltGr) and F10 make system keys. The
  // release of Alt itself is a system key only when no other key came in
  // between: that lone Alt opens the keyboard menu.
  bool sys = (alt && !ctrl) || (vk == VK_F10 && !ctrl);
  if (vk == VK_MENU && !down)
    sys = altAloneBefore && !ctrl;
  if (vk == VK_MENU && !down)
    in.altAlone = false;

  HWND target = in.focus;
  if (!target) {
    // Without a focus window the active window gets the keys as system keys.
    target = in.active;
    sys = true;
  }
  if (!IsWindow(target))
    return false;

  UINT message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  std::uint32_t bits = 1;  // repeat count
  if (alt || (vk == VK_MENU && sys))
    bits |= 1u << 29;
  if (wasDown)
    bits |= 1u << 30;
  if (!down)
    bits |= 1u << 31;
  out = MSG{target, message,     vk, static_cast<LPARAM>(static_cast<std::int32_t>(bits)),
            time,   in.cursorPos};
  if (down && e.ch) {
    in.pendingChar = e.ch;
    in.pendingCharWindow = target;
    in.pendingCharTime = time;
  }
  return true;
}

}  // namespace detail

short GetKeyState(int vk) {
  BYTE k = D().in.keys[static_cast<std::size_t>(vk) & 0xFF];
  return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

short GetAsyncKeyState(int vk) {
  return D().in.asyncKeys[static_cast<std::size_t>(vk) & 0xFF] ? static_cast<short>(0x8000) : 0;
}

}  // namespace win
