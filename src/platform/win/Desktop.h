#pragma once

// The desktop owns every window, the message queue, the timers, the input
// state, the clock and the backend. There is one per process; a test makes
// its own with a headless backend and a manual clock, and the classic
// functions of this folder (SendMessage, SetWindowPos, ...) act on it.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/DeviceContext.h"
#include "platform/win/Backend.h"
#include "platform/win/Clock.h"
#include "platform/win/InputEvent.h"
#include "platform/win/InputState.h"
#include "platform/win/Messages.h"
#include "platform/win/Window.h"
#include "platform/win/WindowClass.h"

namespace win {

// A device context handed out by GetDC, GetWindowDC or BeginPaint, with the
// part of its top-level window's backing bitmap it may draw on.
struct DcRecord {
  HWND hwnd;
  HWND root;
  std::unique_ptr<gfx::DeviceContext> dc;
  gfx::Region visible;  // backing bitmap coordinates
};

struct Timer {
  HWND hwnd;
  UINT_PTR id = 0;
  UINT interval = 0;
  DWORD due = 0;
};

class Desktop {
 public:
  Desktop(std::unique_ptr<Backend> backend, std::unique_ptr<Clock> clock);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The desktop the classic functions act on. Asserts that one exists.
  static Desktop& Current();
  static bool Exists();

  Backend& GetBackend() { return *backend_; }
  Clock& GetClock() { return *clock_; }
  DWORD Now() const { return clock_->Now(); }

  // Input reported by the backend. It is turned into messages (hit-tested,
  // routed, activating windows) only when a message loop takes it.
  void PostInput(const InputEvent& event);

  // The earliest time a timer falls due, for a backend that waits.
  std::optional<DWORD> NextTimerDue() const;

  // Keeps window records alive while messages are being handled: a window
  // destroyed inside a procedure is freed only when every handler on the
  // stack has returned.
  class Busy {
   public:
    explicit Busy(Desktop& d) : d_(d) { ++d_.busyDepth_; }
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    Desktop& d_;
  };

  // The state below is shared by the implementation files of the window
  // system; code above this layer uses the classic functions instead.
  Window* Find(HWND hwnd) const;
  Window& Add(std::unique_ptr<Window> window);
  void Retire(HWND hwnd);
  HWND NewHandle() { return HWND{nextId_++}; }

  std::unordered_map<std::uint32_t, std::unique_ptr<Window>> windows;
  std::vector<HWND> topLevels;  // top of the z-order first
  std::unordered_map<std::string, std::shared_ptr<const WNDCLASS>> classes;

  std::deque<MSG> posted;
  std::deque<MSG> routedInput;  // input already hit-tested and routed
  std::deque<std::pair<InputEvent, DWORD>> rawInput;
  bool quitPosted = false;
  int quitCode = 0;
  // The request to end the session (a termination signal, the display
  // gone) has been turned into a quit message.
  bool sessionEndPosted = false;
  MSG current;  // the message last taken from the queue

  std::vector<Timer> timers;
  InputState in;
  std::vector<DcRecord> dcs;
  // What GetDC(nullptr) draws on: a context for measuring text, whose
  // drawing is never shown.
  gfx::Bitmap screenScratch;

 private:
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Backend> backend_;
  std::vector<std::unique_ptr<Window>> retired_;
  int busyDepth_ = 0;
  mutable std::uint32_t lastFoundId_ = 0;
  mutable Window* lastFound_ = nullptr;
  std::uint32_t nextId_ = 0x10000;
};

}  // namespace win
