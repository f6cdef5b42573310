// The real program on a real X server: the tilebrook executable copied into
// a temporary installation whose puzzle files are small scripts that record
// how they were started, driven from outside with XTest as a player would.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/TestFiles.h"
#include "platform/win/x11/XvfbServer.h"

// Xlib last: its macros would rewrite names of the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;

// The solid colour of preview n, so that the test finds the preview on the
// screen by its pixels.
gfx::ColorRef PreviewColour(int n) {
  return gfx::RGB(30 * n % 256, 200 - 20 * n, 60 + 25 * n);
}

// Waits (polling the outside world) until done holds; false when it still
// does not after `limit`.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::seconds(15)) {
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline) {
    if (done())
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return done();
}

// Windows come and go while the test looks at them; an error about one that
// has just gone must not end the test (and leave its processes behind).
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// How a launcher may hand the program over: as usual, with standard input,
// output and error closed, with standard error a pipe whose reader has gone,
// or with the signals that end a session blocked.
enum class Launch { Usual, WithoutStandardStreams, StandardErrorReaderGone, EndSignalsBlocked };

class TilebrookX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(server.Display().empty()) << server.Error();
    XSetErrorHandler(IgnoreXError);
    display = XOpenDisplay(server.Display().c_str());
    ASSERT_NE(display, nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    ASSERT_TRUE(XTestQueryExtension(display, &event, &error, &major, &minor));
    MakeInstallation();
  }

  void TearDown() override {
    if (pid > 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
    // The puzzles left running are ended by the ids they recorded.
    for (const std::string& line : StartRecords()) {
      const int puzzle = std::stoi(line.substr(0, line.find('|')));
      if (puzzle > 1)
        ::kill(puzzle, SIGKILL);
    }
    if (display != nullptr)
      XCloseDisplay(display);
  }

  // Seven puzzles; every level of every puzzle is a script that writes its
  // process id, its path, its argument count and its arguments, then waits
  // a while as a game would.
  void MakeInstallation() {
    std::filesystem::copy_file(TILEBROOK_EXECUTABLE, dir / "tilebrook");
    WriteTextFile(dir / "pack/PuzzlePackage.ini",
                  "[Package]\nname=Pack\nfile=game\npreview=pic\npuzzles=7\n");
    for (int n = 1; n <= 7; ++n) {
      const auto jpeg = gfx::EncodeJpeg(gfx::Bitmap(150, 150, PreviewColour(n)), 95).bytes;
      WriteTextFile(dir / "pack/pic-" + std::to_string(n) + ".jpg",
                    std::string(jpeg.begin(), jpeg.end()));
      for (const char* level : {"Beginner", "Intermediate", "Expert", "Guru", "Maniac"}) {
        const std::string script = dir / "pack/game-" + std::to_string(n) + "-" + level + ".exe";
        WriteTextFile(script,
                      "#!/bin/sh\n"
                      "echo \"$$|$0|$#|$*\" >> \"" +
                          dir / "started.log" +
                          "\"\n"
                          "exec sleep 30\n");
        ::chmod(script.c_str(), 0755);
      }
    }
  }

  void Start(Launch launch = Launch::Usual) {
    std::vector<std::string> command{dir / "tilebrook"};
    if (launch == Launch::WithoutStandardStreams)
      command.insert(command.begin(), {"/bin/sh", "-c", "exec \"$0\" <&- >&- 2>&-"});
    if (launch == Launch::StandardErrorReaderGone)
      command.insert(command.begin(), {"/bin/bash", "-c", "exec \"$0\" 2> >(exit 0)"});
    // The started program inherits the test's signal mask.
    sigset_t before;
    ::pthread_sigmask(SIG_SETMASK, nullptr, &before);
    if (launch == Launch::EndSignalsBlocked) {
      sigset_t endSignals;
      sigemptyset(&endSignals);
      for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&endSignals, signal);
      ::pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    }
    pid = x11test::StartProgram(command, {"DISPLAY=" + server.Display()});
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    ASSERT_GT(pid, 0);
  }

  // The program's viewable top-level windows (notices and lists included),
  // bottom first.
  std::vector<Window> Windows() {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> out;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
      return out;
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes a{};
      if (XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable)
        out.push_back(children[i]);
    }
    if (children != nullptr)
      XFree(children);
    return out;
  }

  // The browser: the largest window.
  std::optional<Window> MainWindow() {
    std::optional<Window> best;
    int bestArea = 0;
    for (Window w : Windows()) {
      XWindowAttributes a{};
      XGetWindowAttributes(display, w, &a);
      if (a.width * a.height > bestArea) {
        bestArea = a.width * a.height;
        best = w;
      }
    }
    return best;
  }

  // The screen position of the middle of preview n, found by its colour.
  std::optional<gfx::Point> FindPreview(int n) {
    std::optional<Window> w = MainWindow();
    if (!w)
      return std::nullopt;
    XWindowAttributes a{};
    XGetWindowAttributes(display, *w, &a);
    XImage* image = XGetImage(display, *w, 0, 0, static_cast<unsigned>(a.width),
                              static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (image == nullptr)
      return std::nullopt;
    const gfx::ColorRef want = PreviewColour(n);
    auto close = [&](unsigned long pixel) {
      const int r = static_cast<int>((pixel >> 16) & 0xFF),
                g = static_cast<int>((pixel >> 8) & 0xFF), b = static_cast<int>(pixel & 0xFF);
      return std::abs(r - gfx::GetRValue(want)) < 6 && std::abs(g - gfx::GetGValue(want)) < 6 &&
             std::abs(b - gfx::GetBValue(want)) < 6;
    };
    std::optional<gfx::Point> found;
    // The middle of a 150-pixel run of that colour in both directions.
    for (int y = 0; y + 150 <= a.height && !found; y += 5)
      for (int x = 0; x + 150 <= a.width && !found; x += 5)
        if (close(XGetPixel(image, x, y)) && close(XGetPixel(image, x + 140, y)) &&
            close(XGetPixel(image, x, y + 140)) && close(XGetPixel(image, x + 140, y + 140)))
          found = gfx::Point{x + 70, y + 70};
    XDestroyImage(image);
    if (!found)
      return std::nullopt;
    int sx = 0, sy = 0;
    Window child = 0;
    XTranslateCoordinates(display, *w, DefaultRootWindow(display), found->x, found->y, &sx, &sy,
                          &child);
    return gfx::Point{sx, sy};
  }

  void Click(gfx::Point p) {
    XTestFakeMotionEvent(display, 0, p.x, p.y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
  }
  void Keys(std::initializer_list<KeySym> held, KeySym key) {
    for (KeySym k : held)
      XTestFakeKeyEvent(display, XKeysymToKeycode(display, k), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), False, CurrentTime);
    for (KeySym k : held)
      XTestFakeKeyEvent(display, XKeysymToKeycode(display, k), False, CurrentTime);
    XSync(display, False);
  }

  std::vector<std::string> StartRecords() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadTextFile(dir / "started.log"));
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }

  // Starts the program, answers the introduction of the first run, clicks
  // the third preview and starts it with Alt+S.
  void StartTheThirdPuzzle() {
    Start();
    // The first run: the introduction over the first page, closed with Return.
    ASSERT_TRUE(WaitFor([&] { return Windows().size() == 2; }))
        << Windows().size() << " windows; exited: " << ExitStatus().value_or(-1);
    // Return goes to the notice once it has the keyboard.
    ASSERT_TRUE(WaitFor([&] {
      Keys({}, XK_Return);
      return WaitFor([&] { return Windows().size() == 1; }, std::chrono::milliseconds(500));
    }));
    // Found once the window has painted again where the notice was.
    std::optional<gfx::Point> third;
    ASSERT_TRUE(WaitFor([&] { return (third = FindPreview(3)).has_value(); }));
    Click(*third);
    Keys({XK_Alt_L}, XK_s);
    ASSERT_TRUE(WaitFor([&] { return StartRecords().size() == 1; }));
  }

  // Stand for the display going away and for another program destroying
  // the browser's window (a window tool's "close") in the parameter list.
  static constexpr int kDisplayLost = 0;
  static constexpr int kWindowDestroyed = -1;

  void EndSession(int how) {
    if (how == kWindowDestroyed) {
      const std::optional<Window> main = MainWindow();
      ASSERT_TRUE(main.has_value());
      XDestroyWindow(display, *main);
      XSync(display, False);
      return;
    }
    if (how != kDisplayLost) {
      ASSERT_EQ(::kill(pid, how), 0);
      return;
    }
    // The test's own connection would end the test with the server.
    XCloseDisplay(display);
    display = nullptr;
    server.Kill(SIGKILL);
  }

  void ExpectEndedAndSaved(const std::string& lastPuzzle) {
    std::optional<int> status;
    ASSERT_TRUE(WaitFor([&] { return (status = ExitStatus()).has_value(); }))
        << "the program is still running";
    // It ends by itself, not by the signal, and with no sanitizer report.
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadTextFile(dir / "tilebrook.ini"), "[Browser]\nPackage=0\nFirstTime=0\n");
    EXPECT_EQ(ReadTextFile(dir / "pack/PuzzlePackage.ini"),
              "[Package]\nname=Pack\nfile=game\npreview=pic\npuzzles=7\n[User]\nlast_puzzle=" +
                  lastPuzzle + "\n");
  }

  std::optional<int> ExitStatus() {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid)
      return std::nullopt;
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  x11test::XvfbServer server;
  Display* display = nullptr;
  TempDirectory dir;
  pid_t pid = -1;
};

TEST_F(TilebrookX11, APlayerStartsPuzzlesAndTheChoicesAreKept) {
  StartTheThirdPuzzle();
  ASSERT_FALSE(HasFatalFailure());

  // While it runs, the browser still answers: the fifth puzzle starts too.
  std::optional<gfx::Point> fifth;
  ASSERT_TRUE(WaitFor([&] { return (fifth = FindPreview(5)).has_value(); }));
  Click(*fifth);
  Keys({XK_Alt_L}, XK_s);
  ASSERT_TRUE(WaitFor([&] { return StartRecords().size() == 2; }));
  const std::vector<std::string> records = StartRecords();
  EXPECT_NE(records[0].find("|" + dir / "pack/game-3-Beginner.exe|0|"), std::string::npos)
      << records[0];
  EXPECT_NE(records[1].find("|" + dir / "pack/game-5-Beginner.exe|0|"), std::string::npos)
      << records[1];
  const int firstPuzzle = std::stoi(records[0]);
  const int secondPuzzle = std::stoi(records[1]);
  EXPECT_EQ(::kill(firstPuzzle, 0), 0) << "the first puzzle still runs";

  // Puzzles that end are reaped by the browser: no zombie stays behind
  // (a zombie would still take the null signal).
  ::kill(firstPuzzle, SIGTERM);
  ::kill(secondPuzzle, SIGTERM);
  EXPECT_TRUE(WaitFor([&] { return ::kill(firstPuzzle, 0) != 0 && ::kill(secondPuzzle, 0) != 0; }));

  Keys({XK_Alt_L}, XK_F4);
  ASSERT_TRUE(WaitFor([&] { return ExitStatus().has_value() || pid < 0; }));
  EXPECT_EQ(ReadTextFile(dir / "tilebrook.ini"), "[Browser]\nPackage=0\nFirstTime=0\n");
  EXPECT_EQ(ReadTextFile(dir / "pack/PuzzlePackage.ini"),
            "[Package]\nname=Pack\nfile=game\npreview=pic\npuzzles=7\n[User]\nlast_puzzle=5\n");
}

TEST_F(TilebrookX11, WithoutADisplayItSaysSoAndEnds) {
  const std::string exe = dir / "tilebrook";
  const std::string err = dir / "stderr.txt";
  const std::string command = "env -u DISPLAY '" + exe + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string message = ReadTextFile(err);
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_NE(message.find("tilebrook"), std::string::npos) << message;
  EXPECT_FALSE(std::filesystem::exists(dir / "tilebrook.ini"));
}

// The session ending under the program: a termination signal, or the X
// server going away. The program must save exactly what a close by the
// player saves, and end by itself.
class TilebrookSessionEnd : public TilebrookX11, public ::testing::WithParamInterface<int> {};

TEST_P(TilebrookSessionEnd, AChoiceMadeIsSavedAndTheProgramEnds) {
  // Starting the puzzle shows that the click on it has been handled.
  StartTheThirdPuzzle();
  ASSERT_FALSE(HasFatalFailure());
  EndSession(GetParam());
  ExpectEndedAndSaved("3");
}

TEST_P(TilebrookSessionEnd, ANoticeStillOpenDoesNotKeepTheProgram) {
  Start();
  // The introduction waits for an answer in a loop of its own.
  ASSERT_TRUE(WaitFor([&] { return Windows().size() == 2; }));
  EndSession(GetParam());
  ExpectEndedAndSaved("1");
}

INSTANTIATE_TEST_SUITE_P(Endings, TilebrookSessionEnd,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP, 0, -1),
                         [](const ::testing::TestParamInfo<int>& info) {
                           switch (info.param) {
                             case SIGTERM:
                               return std::string("Sigterm");
                             case SIGINT:
                               return std::string("Sigint");
                             case SIGHUP:
                               return std::string("Sighup");
                             case -1:
                               return std::string("WindowDestroyed");
                             default:
                               return std::string("DisplayLost");
                           }
                         });

// A launcher's odd hand-over once broke the end of a session: without
// standard streams, the line written to standard error when the window is
// destroyed went into the display connection and the program waited for
// the server for ever; with standard error a pipe whose reader had gone,
// that line ended the program by SIGPIPE before it saved; blocked end
// signals never arrived.
class TilebrookLaunch : public TilebrookX11, public ::testing::WithParamInterface<Launch> {};

TEST_P(TilebrookLaunch, TheSessionEndingStillSavesAndEndsTheProgram) {
  const Launch launch = GetParam();
  Start(launch);
  // The introduction of the first run is open.
  ASSERT_TRUE(WaitFor([&] { return Windows().size() == 2; }));
  EndSession(launch == Launch::EndSignalsBlocked ? SIGTERM : kWindowDestroyed);
  ExpectEndedAndSaved("1");
}

INSTANTIATE_TEST_SUITE_P(OddHandOvers, TilebrookLaunch,
                         ::testing::Values(Launch::WithoutStandardStreams,
                                           Launch::StandardErrorReaderGone,
                                           Launch::EndSignalsBlocked),
                         [](const ::testing::TestParamInfo<Launch>& info) {
                           switch (info.param) {
                             case Launch::WithoutStandardStreams:
                               return std::string("WithoutStandardStreams");
                             case Launch::StandardErrorReaderGone:
                               return std::string("StandardErrorReaderGone");
                             default:
                               return std::string("EndSignalsBlocked");
                           }
                         });

}  // namespace
