#include "platform/win/Desktop.h"

#include <cassert>

#include "platform/win/Constants.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace win {

namespace {

Desktop* currentDesktop = nullptr;

}  // namespace

Desktop::Desktop(std::unique_ptr<Backend> backend, std::unique_ptr<Clock> clock)
    : clock_(std::move(clock)), backend_(std::move(backend)) {
  assert(currentDesktop == nullptr && "one desktop per process");
  assert(backend_ && clock_);
  currentDesktop = this;
  in.cursor = HCURSOR{IDC_ARROW};
  backend_->Attach(*this);
  backend_->SetCursor(in.cursor);
}

// Windows still alive at the end are freed without messages, as when a
// process exits: their procedures may refer to objects that are gone.
Desktop::~Desktop() {
  dcs.clear();
  for (HWND hwnd : topLevels)
    backend_->DestroySurface(hwnd);
  lastFound_ = nullptr;
  windows.clear();
  retired_.clear();
  currentDesktop = nullptr;
}

Desktop& Desktop::Current() {
  assert(currentDesktop != nullptr && "no desktop");
  return *currentDesktop;
}

bool Desktop::Exists() {
  return currentDesktop != nullptr;
}

Desktop::Busy::~Busy() {
  if (--d_.busyDepth_ == 0)
    d_.retired_.clear();
}

Window* Desktop::Find(HWND hwnd) const {
  if (!hwnd)
    return nullptr;
  // Messages come in runs for one window; the last answer is kept.
  if (hwnd.id == lastFoundId_)
    return lastFound_;
  auto it = windows.find(hwnd.id);
  if (it == windows.end())
    return nullptr;
  lastFoundId_ = hwnd.id;
  lastFound_ = it->second.get();
  return lastFound_;
}

Window& Desktop::Add(std::unique_ptr<Window> window) {
  Window& w = *window;
  windows.emplace(w.hwnd.id, std::move(window));
  return w;
}

void Desktop::Retire(HWND hwnd) {
  auto it = windows.find(hwnd.id);
  if (it == windows.end())
    return;
  if (lastFoundId_ == hwnd.id) {
    lastFoundId_ = 0;
    lastFound_ = nullptr;
  }
  retired_.push_back(std::move(it->second));
  windows.erase(it);
  if (busyDepth_ == 0)
    retired_.clear();
}

void Desktop::PostInput(const InputEvent& event) {
  detail::TakeHeldState(event, nullptr, &in.asyncKeys);
  switch (event.kind) {
    case InputEvent::Kind::CloseRequest:
      PostMessage(event.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case InputEvent::Kind::MinimizeRequest:
      PostMessage(event.hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return;
    case InputEvent::Kind::RestoreRequest:
      PostMessage(event.hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      return;
    case InputEvent::Kind::Expose:
      // The backend lost what it showed; the backing bitmap still has it,
      // so it is shown again without asking the window to paint.
      if (Window* w = Find(event.hwnd); w && w->IsTopLevel())
        w->damage |= gfx::Region(event.rect);
      return;
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::Wheel:
      in.cursorPos = event.pt;
      break;
    case InputEvent::Kind::ButtonDown:
    case InputEvent::Kind::ButtonUp: {
      in.cursorPos = event.pt;
      int vk = event.button == MouseButton::Left ? 1 : event.button == MouseButton::Right ? 2 : 4;
      in.asyncKeys[vk] = event.kind == InputEvent::Kind::ButtonDown;
      break;
    }
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
    case InputEvent::Kind::KeyReleasedElsewhere:
      in.asyncKeys[event.vk & 0xFF] = event.kind == InputEvent::Kind::KeyDown;
      break;
    case InputEvent::Kind::FocusChange:
    case InputEvent::Kind::Moved:
    case InputEvent::Kind::CaptureLost:
    case InputEvent::Kind::SystemMoveEnded:
      break;
  }
  rawInput.emplace_back(event, clock_->Now());
}

std::optional<DWORD> Desktop::NextTimerDue() const {
  std::optional<DWORD> next;
  for (const Timer& t : timers) {
    if (!next || TickNotAfter(t.due, *next))
      next = t.due;
  }
  return next;
}

}  // namespace win
