#pragma once

// The display an X11 test runs on: a private Xvfb server, bare or with a
// window manager of a player's desktop, or a Wayland compositor (weston,
// itself shown on the Xvfb server) whose XWayland display the test uses.
// A program the chosen desktop needs but the machine lacks is an error
// with its name, never a silent pass.

#include <sys/types.h>
#include <string>
#include <vector>

#include "platform/win/x11/XvfbServer.h"

namespace x11test {

// Bare X, two window managers (metacity keeps windows on the screen), a
// compositing manager on bare X, and a Wayland compositor with XWayland,
// also with two monitors side by side (800 x 600 each).
enum class DesktopKind { Bare, Openbox, Metacity, Composited, XWayland, TwoMonitors };

const char* DesktopName(DesktopKind kind);

class TestDesktop {
 public:
  explicit TestDesktop(DesktopKind kind = DesktopKind::Bare, int depth = 24);
  ~TestDesktop();
  TestDesktop(const TestDesktop&) = delete;
  TestDesktop& operator=(const TestDesktop&) = delete;

  DesktopKind Kind() const { return kind_; }
  // The display the program's windows go to; empty when the desktop could
  // not be started (see Error()).
  const std::string& Display() const { return display_; }
  const std::string& Error() const { return error_; }
  // The Xvfb display under everything: for XWayland, the one the
  // compositor shows its output on, so that a screenshot of it is what the
  // player sees.
  const std::string& HostDisplay() const { return xvfb_.Display(); }

 private:
  bool Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env);
  bool WaitForWindowManager(const std::string& display);
  bool WaitForCompositor(const std::string& display);
  std::string WaitForXWaylandDisplay(const std::string& log);

  DesktopKind kind_;
  XvfbServer xvfb_;
  pid_t group_ = -1;  // the window manager or compositor and its children
  std::string display_;
  std::string error_;
  std::string runtimeDir_;
};

}  // namespace x11test
