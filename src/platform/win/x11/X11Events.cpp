// Waiting for the display, the next timer and finished child processes, and
// turning X events into the window system's input.

#include <poll.h>

#include <climits>
#include <vector>

#include "platform/sys/Process.h"
#include "platform/sys/SessionEnd.h"
#include "platform/win/Desktop.h"
#include "platform/win/x11/X11Keys.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

constexpr int kWheelDelta = 120;

gfx::Point RootPoint(int x, int y) {
  return {x, y};
}

}  // namespace

void X11Backend::Attach(Desktop& desktop) {
  impl_->desktop = &desktop;
  // Held keys repeat as presses alone, without the releases X would put
  // between them, so that a repeat reads as a repeat.
  Bool supported = False;
  XkbSetDetectableAutoRepeat(impl_->display, True, &supported);
}

void X11Backend::PollEvents() {
  if (!impl_->connectionLost)
    impl_->DrainEvents();
}

void X11Backend::WaitForEvents(std::optional<DWORD> timeoutMs) {
  Impl& m = *impl_;
  // A lost display has nothing more to say (its descriptor would wake
  // every wait at once); the program is asked to end and closes itself.
  if (m.connectionLost)
    return;
  XFlush(m.display);
  if (!m.connectionLost && XPending(m.display) == 0) {
    std::vector<pollfd> fds{{ConnectionNumber(m.display), POLLIN, 0}};
    if (sys::SessionEndDescriptor() >= 0)
      fds.push_back({sys::SessionEndDescriptor(), POLLIN, 0});
    const std::size_t firstChild = fds.size();
    for (int fd : sys::ChildWaitDescriptors())
      fds.push_back({fd, POLLIN, 0});
    int timeout = -1;
    if (timeoutMs)
      timeout = *timeoutMs > static_cast<DWORD>(INT_MAX) ? INT_MAX : static_cast<int>(*timeoutMs);
    int ready = ::poll(fds.data(), fds.size(), timeout);
    if (ready > 0) {
      bool childFinished = false;
      for (std::size_t i = firstChild; i < fds.size(); ++i)
        childFinished = childFinished || fds[i].revents != 0;
      if (childFinished)
        sys::ReapFinishedChildren();
    }
  }
  if (!m.connectionLost)
    m.DrainEvents();
}

void X11Backend::Impl::DrainEvents() {
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    // Only the last of a run of pointer motions matters; dragging a window
    // would otherwise fall behind the pointer. A motion after a button or
    // key event stays after it.
    while (event.type == MotionNotify && XEventsQueued(display, QueuedAlready) > 0) {
      XEvent next;
      XPeekEvent(display, &next);
      if (next.type != MotionNotify || next.xmotion.window != event.xmotion.window)
        break;
      XNextEvent(display, &event);
    }
    Handle(event);
  }
}

void X11Backend::Impl::Handle(XEvent& event) {
  X11Surface* s = Find(event.xany.window);
  InputEvent e;
  if (s)
    e.hwnd = s->hwnd;
  switch (event.type) {
    case MotionNotify:
      e.kind = InputEvent::Kind::MouseMove;
      e.pt = RootPoint(event.xmotion.x_root, event.xmotion.y_root);
      Post(e);
      break;
    case EnterNotify:
    case LeaveNotify:
      // The desktop works out from the position which window the pointer
      // is over, and tells the one it left.
      e.kind = InputEvent::Kind::MouseMove;
      e.pt = RootPoint(event.xcrossing.x_root, event.xcrossing.y_root);
      Post(e);
      break;
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& b = event.xbutton;
      e.pt = RootPoint(b.x_root, b.y_root);
      if (b.button == Button4 || b.button == Button5) {
        if (event.type == ButtonPress) {
          e.kind = InputEvent::Kind::Wheel;
          e.wheelDelta = b.button == Button4 ? kWheelDelta : -kWheelDelta;
          Post(e);
        }
        break;
      }
      if (b.button != Button1 && b.button != Button2 && b.button != Button3)
        break;
      e.kind =
          event.type == ButtonPress ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
      e.button = b.button == Button1   ? MouseButton::Left
                 : b.button == Button3 ? MouseButton::Right
                                       : MouseButton::Middle;
      Post(e);
      break;
    }
    case KeyPress:
    case KeyRelease:
      HandleKey(event.xkey);
      break;
    case FocusIn: {
      const XFocusChangeEvent& f = event.xfocus;
      if (!s || f.serial < focusSerial || f.detail == NotifyInferior || f.detail == NotifyPointer ||
          f.mode == NotifyGrab || f.mode == NotifyUngrab)
        break;
      e.kind = InputEvent::Kind::FocusChange;
      Post(e);
      break;
    }
    case FocusOut:
      HandleFocusOut(event.xfocus);
      break;
    case Expose:
      if (s) {
        e.kind = kExposeInput;
        e.rect = gfx::Rect::FromXYWH(event.xexpose.x, event.xexpose.y, event.xexpose.width,
                                     event.xexpose.height);
        Post(e);
      }
      break;
    case MapNotify:
      if (s) {
        s->viewable = true;
        if (pendingFocus == s->hwnd)
          Focus(*s);
        if (pendingGrab == s->hwnd && desktop != nullptr)
          desktop->GetBackend().CaptureSurface(s->hwnd);
      }
      break;
    case UnmapNotify:
      if (s)
        s->viewable = false;
      break;
    case ConfigureNotify: {
      // A window manager that places a window elsewhere reports the new
      // place on the screen in a configure event of its own making.
      const XConfigureEvent& c = event.xconfigure;
      // While our own move loop holds the pointer, the places reported are
      // the ones it asked for, perhaps already overtaken.
      if (!s || s->overrideRedirect || !c.send_event || c.serial < s->moveSerial || grabbing)
        break;
      if (c.x != s->info.bounds.left || c.y != s->info.bounds.top) {
        s->info.bounds = s->info.bounds.Offset(c.x - s->info.bounds.left, c.y - s->info.bounds.top);
        e.kind = InputEvent::Kind::Moved;
        e.pt = {c.x, c.y};
        Post(e);
      }
      break;
    }
    case PropertyNotify:
      if (s && event.xproperty.atom == atoms.wmState)
        HandleState(*s);
      break;
    case ClientMessage:
      if (s && event.xclient.message_type == atoms.wmProtocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == atoms.wmDeleteWindow) {
        e.kind = InputEvent::Kind::CloseRequest;
        Post(e);
      }
      break;
    default:
      break;
  }
}

void X11Backend::Impl::HandleKey(XKeyEvent& key) {
  InputEvent e;
  e.kind = key.type == KeyPress ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
  e.pt = RootPoint(key.x_root, key.y_root);
  // The virtual key is the key's own symbol, whatever the modifiers: Shift
  // with "a" is still the A key.
  e.vk = VirtualKeyFromKeysym(XLookupKeysym(&key, 0));
  // The character comes with the press; a key without a code of its own
  // still types it, and its release is reported to match.
  char buffer[16];
  KeySym keysym = NoSymbol;
  int length = XLookupString(&key, buffer, sizeof buffer, &keysym, nullptr);
  char32_t ch = CharacterFromKeysym(keysym);
  // Ctrl with a letter types the letter's control character, as the
  // classic system has it.
  if (length == 1 && static_cast<unsigned char>(buffer[0]) < 0x20)
    ch = static_cast<unsigned char>(buffer[0]);
  if (e.vk == 0 && ch == 0)
    return;
  if (key.type == KeyPress)
    e.ch = ch;
  Post(e);
}

// The keyboard leaving one of our windows for another of ours is followed by
// the focus event of that window; only when it went elsewhere is the
// program told that it lost the keyboard.
void X11Backend::Impl::HandleFocusOut(const XFocusChangeEvent& f) {
  if (!Find(f.window) || f.serial < focusSerial || f.detail == NotifyInferior ||
      f.detail == NotifyPointer || f.mode == NotifyGrab || f.mode == NotifyUngrab)
    return;
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (Find(focus))
    return;
  InputEvent e;
  e.kind = InputEvent::Kind::FocusChange;
  Post(e);
}

// The window manager iconified a window or brought it back, perhaps on the
// player's request from a task bar; the desktop is asked to follow, unless
// it asked for the change itself.
void X11Backend::Impl::HandleState(X11Surface& s) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, s.window, atoms.wmState, 0, 2, False, atoms.wmState, &type,
                         &format, &count, &after, &data) != Success)
    return;
  long state = count >= 1 && format == 32 ? *reinterpret_cast<long*>(data) : WithdrawnState;
  XFree(data);
  InputEvent e;
  e.hwnd = s.hwnd;
  if (state == IconicState && !s.minimized && s.shown) {
    s.minimized = true;
    e.kind = InputEvent::Kind::MinimizeRequest;
    Post(e);
  } else if (state == NormalState && s.minimized) {
    s.minimized = false;
    e.kind = InputEvent::Kind::RestoreRequest;
    Post(e);
  }
}

}  // namespace win
