#include "platform/win/x11/TestDesktop.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

// Xlib last: its macros would rewrite names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace x11test {

namespace {

// A window manager or compositor is ready in well under a second; ten mean
// it will not be.
constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr auto kSettleTime = std::chrono::milliseconds(300);

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos)
      end = dirs.size();
    std::string candidate = dirs.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0)
      return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

const char* DesktopName(DesktopKind kind) {
  switch (kind) {
    case DesktopKind::Bare:
      return "Bare";
    case DesktopKind::Openbox:
      return "Openbox";
    case DesktopKind::Metacity:
      return "Metacity";
    case DesktopKind::Composited:
      return "Composited";
    case DesktopKind::XWayland:
      return "XWayland";
    case DesktopKind::TwoMonitors:
      return "TwoMonitors";
  }
  return "?";
}

TestDesktop::TestDesktop(DesktopKind kind, int depth) : kind_(kind), xvfb_(depth) {
  if (xvfb_.Display().empty()) {
    error_ = xvfb_.Error();
    return;
  }
  const std::string host = "DISPLAY=" + xvfb_.Display();
  switch (kind) {
    case DesktopKind::Bare:
      display_ = xvfb_.Display();
      return;
    case DesktopKind::Openbox:
      if (Spawn({"openbox", "--sm-disable"}, {host}) && WaitForWindowManager(xvfb_.Display()))
        display_ = xvfb_.Display();
      return;
    case DesktopKind::Metacity:
      // It wants a session bus of its own.
      if (!OnPath("metacity")) {
        error_ = "metacity is not installed (scripts/setup installs it)";
        return;
      }
      if (Spawn({"dbus-run-session", "--", "metacity", "--replace"}, {host}) &&
          WaitForWindowManager(xvfb_.Display()))
        display_ = xvfb_.Display();
      return;
    case DesktopKind::Composited:
      if (Spawn({"xcompmgr"}, {host}) && WaitForCompositor(xvfb_.Display()))
        display_ = xvfb_.Display();
      return;
    case DesktopKind::XWayland:
    case DesktopKind::TwoMonitors: {
      if (!OnPath("Xwayland")) {
        error_ = "Xwayland is not installed (scripts/setup installs it)";
        return;
      }
      char dir[] = "/tmp/tb-x11-XXXXXX";
      if (!mkdtemp(dir)) {
        error_ = "no runtime directory for weston";
        return;
      }
      runtimeDir_ = dir;
      const std::string log = runtimeDir_ + "/weston.log";
      // The X11 backend gives the compositor a seat, so that input sent
      // with XTest on the XWayland display reaches it.
      std::vector<std::string> weston{
          "weston",        "--backend=x11-backend.so", "--xwayland",  "--use-pixman",
          "--idle-time=0", "--socket=wayland-tb",      "--log=" + log};
      if (kind == DesktopKind::TwoMonitors) {
        for (const char* option : {"--output-count=2", "--width=800", "--height=600"})
          weston.push_back(option);
      } else {
        for (const char* option : {"--width=1024", "--height=768"})
          weston.push_back(option);
      }
      if (!Spawn(weston, {host, "XDG_RUNTIME_DIR=" + runtimeDir_}))
        return;
      std::string display = WaitForXWaylandDisplay(log);
      if (!display.empty() && WaitForWindowManager(display))
        display_ = display;
      return;
    }
  }
}

TestDesktop::~TestDesktop() {
  if (group_ > 0) {
    kill(-group_, SIGTERM);
    int status = 0;
    waitpid(group_, &status, 0);
  }
  if (!runtimeDir_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(runtimeDir_, ignored);
  }
}

// Starts the program in a process group of its own, which the destructor
// ends whole (weston's XWayland server, the session bus of metacity).
bool TestDesktop::Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  if (!OnPath(args.front())) {
    error_ = args.front() + " is not installed (scripts/setup installs it)";
    return false;
  }
  const pid_t pid = StartProgram(args, env, true);
  if (pid < 0) {
    error_ = args.front() + " could not be started";
    return false;
  }
  group_ = pid;
  return true;
}

// A window manager announces itself on the root window.
bool TestDesktop::WaitForWindowManager(const std::string& display) {
  ::Display* dpy = XOpenDisplay(display.c_str());
  if (!dpy) {
    error_ = "cannot open " + display;
    return false;
  }
  Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", False);
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  bool found = false;
  while (!found && std::chrono::steady_clock::now() < deadline) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), check, 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success) {
      found = count == 1;
      XFree(data);
    }
    if (!found)
      std::this_thread::sleep_for(kPollInterval);
  }
  XCloseDisplay(dpy);
  // The announcement comes a little before the window manager takes the
  // windows that appear.
  if (found)
    std::this_thread::sleep_for(kSettleTime);
  if (!found)
    error_ = std::string(DesktopName(kind_)) + ": no window manager came up on " + display;
  return found;
}

// A compositing manager owns the selection named for the screen.
bool TestDesktop::WaitForCompositor(const std::string& display) {
  ::Display* dpy = XOpenDisplay(display.c_str());
  if (!dpy) {
    error_ = "cannot open " + display;
    return false;
  }
  Atom selection = XInternAtom(dpy, "_NET_WM_CM_S0", False);
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  bool found = false;
  while (!(found = XGetSelectionOwner(dpy, selection) != None) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(kPollInterval);
  XCloseDisplay(dpy);
  if (!found)
    error_ = "xcompmgr did not come up on " + display;
  return found;
}

// Weston names the display its XWayland server listens on in its log.
std::string TestDesktop::WaitForXWaylandDisplay(const std::string& log) {
  const std::string marker = "xserver listening on display ";
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line)) {
      std::size_t at = line.find(marker);
      if (at != std::string::npos)
        return line.substr(at + marker.size());
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  error_ = "weston did not start its XWayland server";
  return {};
}

}  // namespace x11test
