// Waiting for the display, the next timer and finished child processes, and
// turning X events into the window system's input.

#include <poll.h>

#include <algorithm>
#include <climits>
#include <cstdio>
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

// While the window manager moves a window for us, the loop looks this often
// whether the button that started the move is still held.
constexpr DWORD kSystemMovePollMs = 20;

// Where a pointer event happened on the screen as the desktop sees it: the
// position inside our window where it happened, at the place the desktop
// has for that window. The root position would disagree whenever the
// display's idea of the window differs from ours for a moment.
gfx::Point PointerPoint(const X11Surface* s, int x, int y, gfx::Point onScreen) {
  if (!s)
    return onScreen;
  return {s->info.bounds.left + x, s->info.bounds.top + y};
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
    if (m.systemMove && (timeout < 0 || timeout > static_cast<int>(kSystemMovePollMs)))
      timeout = static_cast<int>(kSystemMovePollMs);
    int ready = ::poll(fds.data(), fds.size(), timeout);
    if (ready > 0) {
      bool childFinished = false;
      for (std::size_t i = firstChild; i < fds.size(); ++i)
        childFinished = childFinished || fds[i].revents != 0;
      if (childFinished)
        sys::ReapFinishedChildren();
    }
  }
  if (m.connectionLost)
    return;
  m.DrainEvents();
  m.CheckSystemMove();
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
    case MotionNotify: {
      const XMotionEvent& m = event.xmotion;
      lastInputTime = m.time;
      e.kind = InputEvent::Kind::MouseMove;
      e.pt = PointerPoint(s, m.x, m.y, FromRoot({m.x_root, m.y_root}));
      e.held = HeldFrom(m.state);
      Post(e);
      break;
    }
    case EnterNotify:
    case LeaveNotify: {
      // The desktop works out from the position which window the pointer
      // is over, and tells the one it left.
      const XCrossingEvent& c = event.xcrossing;
      lastInputTime = c.time;
      e.kind = InputEvent::Kind::MouseMove;
      e.pt = PointerPoint(s, c.x, c.y, FromRoot({c.x_root, c.y_root}));
      e.held = HeldFrom(c.state);
      Post(e);
      // A grab ended that we did not end ourselves.
      if (c.mode == NotifyUngrab && grabWindow && c.serial >= grabSerial)
        GrabLost();
      break;
    }
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& b = event.xbutton;
      lastInputTime = b.time;
      e.pt = PointerPoint(s, b.x, b.y, FromRoot({b.x_root, b.y_root}));
      e.held = HeldFrom(b.state);
      if (event.type == ButtonRelease && b.button == Button1 && systemMove)
        EndSystemMove();
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
      lastInputTime = event.xkey.time;
      HandleKey(event.xkey);
      break;
    case FocusIn: {
      const XFocusChangeEvent& f = event.xfocus;
      if (Find(f.window))
        ForgetKeysReleasedElsewhere();
      if (!s || f.serial < focusSerial || f.detail == NotifyInferior || f.detail == NotifyPointer ||
          f.mode == NotifyGrab || f.mode == NotifyUngrab)
        break;
      // A focus already gone elsewhere when we read of it is old news:
      // taking it for activation would pull the keyboard back.
      ::Window focus = 0;
      int revert = 0;
      XGetInputFocus(display, &focus, &revert);
      if (focus != s->window)
        break;
      e.kind = InputEvent::Kind::FocusChange;
      // Keys released while another program had the keyboard (Alt after
      // Alt+Tab) are up now, whatever we last heard of them.
      gfx::Point at;
      unsigned state = 0;
      if (QueryPointer(at, state))
        e.held = HeldFrom(state);
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
      if (s && event.xmap.window == s->window) {
        s->viewable = true;
        // Without a window manager a minimized window is only unmapped;
        // another program mapping it again (a window list, xdotool) is
        // the player bringing it back.
        if (s->minimized && !windowManager && !s->overrideRedirect &&
            event.xmap.serial >= s->hiddenSerial)
          FollowSystemState(*s, false);
        if (pendingFocus == s->hwnd)
          Focus(*s);
        UpdateGrab();
      }
      break;
    case UnmapNotify:
      if (s && event.xunmap.window == s->window) {
        s->viewable = false;
        // The server has dropped a grab on the window without a word.
        if (grabWindow == s->window)
          GrabLost();
        if (systemMove == s->hwnd)
          EndSystemMove();
        UpdateGrab();
      }
      break;
    case ConfigureNotify:
      HandleConfigure(event.xconfigure);
      break;
    case ReparentNotify:
      if (s && event.xreparent.window == s->window)
        HandleReparent(*s, event.xreparent.parent);
      break;
    case PropertyNotify:
      lastInputTime = event.xproperty.time;
      if (s && event.xproperty.atom == atoms.wmState)
        HandleState(*s);
      break;
    case DestroyNotify:
      // Our own windows are forgotten before they are destroyed; one still
      // known was destroyed by another program (a window tool's "close").
      // A window the player has seen cannot come back: an owned one (a
      // notice) is closed as by its close button, and the program goes on;
      // a main window takes the program with it, which ends as at the end
      // of the session, saving what the player chose.
      // Either way the backend forgets it at once, so that nothing more is
      // asked of a window that no longer exists.
      if (s && event.xdestroywindow.window == s->window) {
        const bool seen = s->named && !s->overrideRedirect;
        const bool owned = static_cast<bool>(s->info.owner);
        // Requests that met the window gone may have been answered already,
        // read along with this event.
        destroyedByOthers.insert(s->window);
        std::erase_if(errors, [&](const X11Error& error) { return error.resource == s->window; });
        Forget(*s);
        if (seen && owned) {
          e.kind = InputEvent::Kind::CloseRequest;
          Post(e);
        } else if (seen) {
          std::fprintf(stderr, "A window of the program was destroyed by another program.\n");
          sys::RequestSessionEnd();
        }
      }
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

gfx::Point X11Backend::Impl::PositionOnScreen(const X11Surface& s) {
  int x = 0;
  int y = 0;
  ::Window child = 0;
  if (!XTranslateCoordinates(display, s.window, root, 0, 0, &x, &y, &child))
    return s.info.bounds.TopLeft();
  return FromRoot({x, y});
}

// The window is at `at` on the screen. `answer` tells a report that answers
// our last move request (the window manager's own report, or a position
// read back) from one that may predate the window manager's handling of it.
void X11Backend::Impl::ReportPosition(X11Surface& s, gfx::Point at, bool answer) {
  // A report of a place a move in flight went to drops the moves before
  // it; only the last one's place is where the window stays. The window
  // manager's answer of the place left means it refused the move: that
  // and any other place are where somebody else put the window.
  std::vector<gfx::Point>& flight = s.movesInFlight;
  if (!flight.empty()) {
    const auto from = flight.begin() + (answer ? 1 : 0);
    const auto reached = std::find(from, flight.end(), at);
    if (reached == flight.end() || reached + 1 == flight.end()) {
      flight.clear();
    } else {
      flight.erase(flight.begin(), reached);
      return;
    }
  }
  const gfx::Point now = s.info.bounds.TopLeft();
  if (at == now)
    return;
  s.info.bounds = s.info.bounds.Offset(at.x - now.x, at.y - now.y);
  InputEvent e;
  e.kind = InputEvent::Kind::Moved;
  e.hwnd = s.hwnd;
  e.pt = at;
  Post(e);
}

// Configure events of our window (from the server, relative to its parent,
// or from the window manager, on the screen) and of the frame the window
// manager put it in: each may mean the window is elsewhere on the screen.
void X11Backend::Impl::HandleConfigure(const XConfigureEvent& c) {
  X11Surface* s = Find(c.window);
  const bool frameEvent = !s;
  if (frameEvent) {
    auto it = byFrame.find(c.window);
    s = it == byFrame.end() ? nullptr : Find(it->second);
  }
  // Popups go exactly where they are put; events older than our last move
  // describe a place already left.
  if (!s || s->overrideRedirect || c.serial < s->moveSerial)
    return;
  // The program sets its windows' sizes. Without a window manager to hold
  // another program to the size hints, a size it set (a window tool's
  // resize) is put back: the window shows its picture in no other.
  const int width = std::max(s->info.bounds.Width(), 1);
  const int height = std::max(s->info.bounds.Height(), 1);
  if (!frameEvent && !windowManager && (c.width != width || c.height != height)) {
    s->moveSerial = NextRequest(display);
    XResizeWindow(display, s->window, static_cast<unsigned>(width), static_cast<unsigned>(height));
  }
  const bool fromWindowManager = c.send_event && !frameEvent;
  ReportPosition(*s, fromWindowManager ? FromRoot({c.x, c.y}) : PositionOnScreen(*s),
                 fromWindowManager);
}

// The window manager put the window into a frame (or took it out): the
// frame's moves are the window's from now on.
void X11Backend::Impl::HandleReparent(X11Surface& s, ::Window parent) {
  if (s.frame) {
    byFrame.erase(s.frame);
    s.frame = 0;
  }
  // The outermost frame is the root's child; the window manager may nest
  // the window deeper. Errors on frames that vanish meanwhile are expected.
  std::vector<::Window> walked;
  ::Window w = parent;
  while (w && w != root) {
    walked.push_back(w);
    byFrame[w] = s.hwnd;
    ::Window rootReturn = 0;
    ::Window up = 0;
    ::Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, w, &rootReturn, &up, &children, &count))
      up = 0;
    if (children)
      XFree(children);
    if (up == root)
      break;
    w = up;
  }
  for (::Window inner : walked)
    if (inner != w)
      byFrame.erase(inner);
  if (w && w != root) {
    s.frame = w;
    XSelectInput(display, w, StructureNotifyMask);
  } else if (w) {
    byFrame.erase(w);
  }
  ReportPosition(s, PositionOnScreen(s), false);
}

void X11Backend::Impl::HandleKey(XKeyEvent& key) {
  InputEvent e;
  e.kind = key.type == KeyPress ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
  e.pt = FromRoot({key.x_root, key.y_root});
  e.held = HeldFrom(key.state);
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
  if (key.type == KeyPress) {
    e.ch = ch;
    keysDown[key.keycode] = e.vk;
  } else {
    keysDown.erase(key.keycode);
  }
  Post(e);
}

// A key released while the keyboard was elsewhere (between two of our
// windows, with no window manager to hand it on, the release goes to the
// root window) would stay down for us, and its next press would count as a
// held key's repeat: Enter would not close the next notice. When one of our
// windows gets the keyboard, the keys still down for us are checked against
// the keyboard itself.
void X11Backend::Impl::ForgetKeysReleasedElsewhere() {
  if (keysDown.empty())
    return;
  char keymap[32] = {};
  XQueryKeymap(display, keymap);
  for (auto it = keysDown.begin(); it != keysDown.end();) {
    const unsigned code = it->first;
    if (code < 256 && (keymap[code / 8] & (1 << (code % 8))) != 0) {
      ++it;
      continue;
    }
    InputEvent e;
    e.kind = InputEvent::Kind::KeyReleasedElsewhere;
    e.vk = it->second;
    Post(e);
    it = keysDown.erase(it);
  }
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
  if (state == IconicState && !s.minimized && s.shown)
    FollowSystemState(s, true);
  else if (state == NormalState && s.minimized)
    FollowSystemState(s, false);
}

void X11Backend::Impl::FollowSystemState(X11Surface& s, bool minimized) {
  s.minimized = minimized;
  InputEvent e;
  e.hwnd = s.hwnd;
  e.kind = minimized ? InputEvent::Kind::MinimizeRequest : InputEvent::Kind::RestoreRequest;
  Post(e);
}

}  // namespace win
