#pragma once

// Test support: a window class whose procedure writes every message it gets
// into a log as readable text ("main WM_LBUTTONDOWN 10,20"), so that tests
// compare message sequences, and lets a test answer chosen messages itself.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"

namespace wintest {

using namespace win;

// The name of a message number ("WM_PAINT"), or its number in hex.
std::string MessageName(UINT message);

class Recorder {
 public:
  // A handler answers a message (a value) or lets it go on to DefWindowProc
  // (no value).
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  // Registers the class `className` with the given class style.
  explicit Recorder(std::string className = "Rec", UINT classStyle = 0);

  // Creates a window of the recorder's class, named for the log.
  HWND Create(const std::string& name, DWORD style, gfx::Rect rect, HWND parent = nullptr,
              DWORD exStyle = 0, UINT_PTR id = 0);
  void SetName(HWND hwnd, const std::string& name) { names_[hwnd.id] = name; }
  void OnMessage(HWND hwnd, Handler handler) { handlers_[hwnd.id] = std::move(handler); }

  // The log since the last Take, then cleared.
  std::vector<std::string> Take();
  void Clear() { log_.clear(); }
  // Messages left out of the log.
  void Ignore(std::initializer_list<UINT> messages) { ignored_.insert(messages); }
  void Watch(std::initializer_list<UINT> messages) {
    for (UINT m : messages)
      ignored_.erase(m);
  }
  // Starts a new log that takes only these messages.
  void Only(std::initializer_list<UINT> messages) {
    only_ = std::set<UINT>(messages);
    log_.clear();
  }

  LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  std::string Describe(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;
  std::string NameOf(HWND hwnd) const;

  std::string className_;
  std::map<std::uint32_t, std::string> names_;
  std::map<std::uint32_t, Handler> handlers_;
  std::vector<std::string> log_;
  std::set<UINT> ignored_;
  std::optional<std::set<UINT>> only_;
  std::string pendingName_;
};

// Runs a message loop until WM_QUIT, translating and dispatching.
int RunLoop();

}  // namespace wintest

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace wintest {

// A headless desktop with a recorder class "Rec" registered on it.
class WinTest : public ::testing::Test {
 protected:
  using Log = std::vector<std::string>;

  HeadlessDesktop headless;
  HeadlessBackend& script = headless.Backend();
  ManualClock& clock = headless.Clock();
  Recorder rec;

  // Runs the loop until the script's last step has been taken and the queue
  // has drained, then ends it.
  void RunScript() {
    script.Then([] { PostQuitMessage(0); });
    RunLoop();
  }

  // Makes the window paint its whole client area in one colour.
  void PaintWith(HWND hwnd, gfx::ColorRef color) {
    rec.OnMessage(hwnd, [color](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m != WM_PAINT)
        return std::nullopt;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, ps);
      dc->FillRect(GetClientRect(h), color);
      EndPaint(h, ps);
      return 0;
    });
  }
};

}  // namespace wintest
