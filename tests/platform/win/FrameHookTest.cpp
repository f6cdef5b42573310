// A custom frame the way the skinned frame builds one: the window procedure
// is sub-classed, the client area comes from WM_NCCALCSIZE, the hit test
// names a caption object and inert frame parts, the frame paints itself, and
// a frame button works with the capture.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

constexpr gfx::ColorRef kWalnut = gfx::RGB(96, 64, 40);

class FrameHook : public WinTest {
 protected:
  void SetUp() override {
    form = rec.Create("form", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, {100, 100, 300, 250});
    old = SetWindowProc(
        form, [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT { return Hook(h, m, w, l); });
    // The frame takes over: the system caption goes, the client area is
    // asked for again.
    SetWindowLong(form, GWL_STYLE, GetWindowLong(form, GWL_STYLE) & ~LONG_PTR{WS_CAPTION});
    SetWindowPos(form, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }

  LRESULT Hook(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
      case WM_NCCALCSIZE: {
        gfx::Rect& r = *ParamPointer<gfx::Rect>(l);
        r = {r.left + 7, r.top + 30, r.right - 7, r.bottom - 7};
        return 0;
      }
      case WM_NCHITTEST: {
        gfx::Rect frame = GetWindowRect(h);
        gfx::Point p{GET_X_LPARAM(l) - frame.left, GET_Y_LPARAM(l) - frame.top};
        if (gfx::Rect{7, 30, frame.Width() - 7, frame.Height() - 7}.Contains(p))
          return HTCLIENT;
        return kCaptionObject.Contains(p) ? HTCAPTION : HTOBJECT;
      }
      case WM_NCACTIVATE:
        SendMessage(h, WM_NCPAINT, 1, 0);
        return 1;
      case WM_NCPAINT: {
        HDC dc = GetWindowDC(h);
        dc->ExcludeClipRect({7, 30, 193, 143});
        dc->FillRect({0, 0, 200, 150}, kWalnut);
        ReleaseDC(h, dc);
        return 0;
      }
      case WM_ENTERSIZEMOVE:
        inSizeMove = true;
        break;
      case WM_NCLBUTTONDOWN: {
        LRESULT r = CallWindowProc(old, h, m, w, l);
        if (inSizeMove) {
          // The press returns only when the move loop has ended.
          inSizeMove = false;
          events.push_back("moved");
        } else if (static_cast<LRESULT>(w) == HTOBJECT) {
          SetCapture(h);
          pressed = true;
          events.push_back("object down");
        }
        return r;
      }
      case WM_LBUTTONUP:
        if (pressed) {
          pressed = false;
          ReleaseCapture();
          events.push_back("object up " + std::to_string(GET_X_LPARAM(l)) + "," +
                           std::to_string(GET_Y_LPARAM(l)));
        }
        break;
      case WM_NCLBUTTONUP:
        events.push_back("frame up");
        break;
      default:
        break;
    }
    return CallWindowProc(old, h, m, w, l);
  }

  static constexpr gfx::Rect kCaptionObject{10, 5, 100, 25};
  HWND form;
  WNDPROC old;
  bool inSizeMove = false;
  bool pressed = false;
  std::vector<std::string> events;
};

TEST_F(FrameHook, ClientAreaAndLookComeFromTheFrame) {
  EXPECT_EQ(GetClientRect(form), (gfx::Rect{0, 0, 186, 113}));
  gfx::Point origin{0, 0};
  ClientToScreen(form, origin);
  EXPECT_EQ(origin, (gfx::Point{107, 130}));
  RunScript();
  gfx::Bitmap shot = script.Screenshot();
  EXPECT_EQ(shot.GetPixel(100, 100), kWalnut);
  EXPECT_EQ(shot.GetPixel(299, 249), kWalnut);
  EXPECT_NE(shot.GetPixel(150, 150), kWalnut);
}

TEST_F(FrameHook, CaptionObjectMovesTheWindowAndTheRestOfTheFrameIsInert) {
  script.MoveTo(150, 110).Press().MoveTo(170, 130).Release();  // on the caption object
  script.MoveTo(280, 125).Press().MoveTo(300, 145).Release();  // on the frame elsewhere
  RunScript();
  EXPECT_EQ(GetWindowRect(form).TopLeft(), (gfx::Point{120, 120}));
  // The first press returned after the loop with no frame release; the
  // second began an object press, whose release arrived outside.
  EXPECT_THAT(events, ElementsAre("moved", "object down", "object up 173,-5"));
}

TEST_F(FrameHook, ObjectPressReleasedOutsideTheWindowArrivesAsClientRelease) {
  // The second press comes late enough not to make a double click.
  script.MoveTo(290, 110).Press().MoveTo(600, 600).Release().Wait(600).Click(290, 110);
  RunScript();
  EXPECT_THAT(events,
              ElementsAre("object down", "object up 493,470", "object down", "object up 183,-20"));
  EXPECT_FALSE(GetCapture());
}

}  // namespace
}  // namespace wintest
