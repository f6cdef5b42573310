// wintest: opens a shaped window on the X display. Dragging the dark band
// at the top moves it; clicks and keys in the light area are reported in
// it; the two boxes in the band minimise and close it; Escape closes it.
//
//   wintest                    runs until the window is closed
//   wintest --screenshot FILE  also saves the screen as a PNG file when F12
//                              is pressed, and ends
//   wintest --grab FILE        saves the screen as it is, without a window of
//                              its own, to look at other programs' windows

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/gfx/ImageCodecs.h"
#include "platform/win/Win.h"
#include "platform/win/x11/DesktopFactory.h"
#include "platform/win/x11/X11Backend.h"

namespace {

using namespace win;

constexpr int kWidth = 360;
constexpr int kHeight = 240;
constexpr int kCaption = 28;
constexpr int kRadius = 14;
constexpr gfx::Rect kMinimizeBox{kWidth - 52, 6, kWidth - 34, 22};
constexpr gfx::Rect kCloseBox{kWidth - 28, 6, kWidth - 10, 22};
constexpr UINT_PTR kRestoreTimer = 1;

struct State {
  std::string lastClick = "No click yet.";
  std::string lastKey = "No key yet.";
  std::string screenshotPath;
};

State state;

// Rounded corners, one rectangle per row of each corner, and a notch at the
// bottom so that the shape is plainly not a rectangle.
gfx::Region WindowShape() {
  std::vector<gfx::Rect> rows;
  for (int y = 0; y < kRadius; ++y) {
    int dy = kRadius - y;
    int inset = 0;
    while (inset < kRadius && (kRadius - inset) * (kRadius - inset) + dy * dy > kRadius * kRadius)
      ++inset;
    rows.push_back({inset, y, kWidth - inset, y + 1});
    rows.push_back({inset, kHeight - 1 - y - 12, kWidth - inset, kHeight - y - 12});
  }
  rows.push_back({0, kRadius, kWidth, kHeight - kRadius - 12});
  rows.push_back({kWidth / 2 - 40, kHeight - 12, kWidth / 2 + 40, kHeight});
  return gfx::Region::FromRects(rows);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, ps);
  dc->FillRect({0, 0, kWidth, kCaption}, gfx::RGB(24, 72, 96));
  dc->FillRect({0, kCaption, kWidth, kHeight}, gfx::RGB(236, 232, 218));
  dc->FillRect({kWidth / 2 - 40, kHeight - 24, kWidth / 2 + 40, kHeight}, gfx::RGB(200, 120, 40));
  dc->SetBkMode(gfx::TRANSPARENT);
  dc->SetTextColor(gfx::RGB(255, 255, 255));
  dc->TextOut(16, 7, "Drag this band to move the window");
  dc->FillRect(kMinimizeBox, gfx::RGB(80, 140, 170));
  dc->FillRect(kCloseBox, gfx::RGB(190, 60, 50));
  dc->TextOut(kMinimizeBox.left + 5, kMinimizeBox.top, "_");
  dc->TextOut(kCloseBox.left + 5, kCloseBox.top + 1, "x");
  dc->SetTextColor(gfx::RGB(30, 30, 30));
  dc->TextOut(16, 44, "Click or type anywhere in this area.");
  dc->TextOut(16, 64, "M minimises, T toggles translucency, Escape closes.");
  dc->SetTextColor(gfx::RGB(20, 90, 40));
  dc->TextOut(16, 100, state.lastClick);
  dc->TextOut(16, 120, state.lastKey);
  EndPaint(hwnd, ps);
}

std::string Describe(const char* what, LPARAM lParam) {
  char text[96];
  std::snprintf(text, sizeof text, "%s at %d, %d.", what, GET_X_LPARAM(lParam),
                GET_Y_LPARAM(lParam));
  return text;
}

// Without a window manager nothing could bring a minimised window back, so
// it comes back by itself after two seconds.
void Minimize(HWND hwnd) {
  ShowWindow(hwnd, SW_MINIMIZE);
  auto* backend = dynamic_cast<X11Backend*>(&Desktop::Current().GetBackend());
  if (backend && !backend->HasWindowManager())
    SetTimer(hwnd, kRestoreTimer, 2000);
}

// Translucency shows only where a compositing manager runs.
void ToggleTranslucency(HWND hwnd) {
  LONG_PTR exStyle = GetWindowLong(hwnd, GWL_EXSTYLE);
  if (exStyle & WS_EX_LAYERED) {
    SetWindowLong(hwnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    state.lastKey = "Opaque.";
  } else {
    SetWindowLong(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd, 0, 200, LWA_ALPHA);
    state.lastKey = "Translucent (alpha 200).";
  }
  InvalidateRect(hwnd, nullptr, false);
}

void SaveScreenshot(HWND hwnd) {
  auto* backend = dynamic_cast<X11Backend*>(&Desktop::Current().GetBackend());
  if (backend && gfx::SaveImageFile(backend->GrabScreen(), state.screenshotPath))
    std::printf("wintest: screenshot saved as %s\n", state.screenshotPath.c_str());
  else
    std::fprintf(stderr, "wintest: the screenshot could not be saved as %s\n",
                 state.screenshotPath.c_str());
  DestroyWindow(hwnd);
}

LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      gfx::Point pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(hwnd, pt);
      bool onBox = kMinimizeBox.Contains(pt) || kCloseBox.Contains(pt);
      return pt.y < kCaption && !onBox ? HTCAPTION : HTCLIENT;
    }
    case WM_SETCURSOR: {
      gfx::Point pt = GetMessagePos();
      ScreenToClient(hwnd, pt);
      bool onBox = kMinimizeBox.Contains(pt) || kCloseBox.Contains(pt);
      SetCursor(LoadCursor(nullptr, onBox ? IDC_HAND : IDC_ARROW));
      return TRUE;
    }
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_LBUTTONUP: {
      gfx::Point pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (kCloseBox.Contains(pt)) {
        DestroyWindow(hwnd);
        return 0;
      }
      if (kMinimizeBox.Contains(pt))
        Minimize(hwnd);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      state.lastClick = Describe(message == WM_LBUTTONDOWN   ? "Left click"
                                 : message == WM_RBUTTONDOWN ? "Right click"
                                                             : "Middle click",
                                 lParam);
      InvalidateRect(hwnd, nullptr, false);
      return 0;
    case WM_LBUTTONDBLCLK:
      state.lastClick = Describe("Double click", lParam);
      InvalidateRect(hwnd, nullptr, false);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) {
        DestroyWindow(hwnd);
        return 0;
      }
      if (wParam == VK_F12 && !state.screenshotPath.empty()) {
        SaveScreenshot(hwnd);
        return 0;
      }

      state.lastKey = "Key down, virtual key " + std::to_string(wParam) + ".";
      InvalidateRect(hwnd, nullptr, false);
      return 0;
    case WM_CHAR:
      if (wParam == 'm' || wParam == 'M') {
        Minimize(hwnd);
        return 0;
      }
      if (wParam == 't' || wParam == 'T') {
        ToggleTranslucency(hwnd);
        return 0;
      }
      if (wParam >= 0x20) {
        char32_t c = static_cast<char32_t>(wParam);
        std::string utf8;
        if (c < 0x80) {
          utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
          utf8 += static_cast<char>(0xC0 | (c >> 6));
          utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
          utf8 += static_cast<char>(0xE0 | (c >> 12));
          utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
          utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
        state.lastKey = "Typed \"" + utf8 + "\".";
        InvalidateRect(hwnd, nullptr, false);
      }
      return 0;
    case WM_TIMER:
      if (wParam == kRestoreTimer) {
        KillTimer(hwnd, kRestoreTimer);
        ShowWindow(hwnd, SW_RESTORE);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string grabPath;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      state.screenshotPath = argv[++i];
    } else if (std::strcmp(argv[i], "--grab") == 0 && i + 1 < argc) {
      grabPath = argv[++i];
    } else {
      std::fprintf(stderr, "usage: wintest [--screenshot FILE | --grab FILE]\n");
      return 2;
    }
  }
  std::unique_ptr<Desktop> desktop = OpenDesktopOrExit("wintest");
  if (!grabPath.empty()) {
    auto& backend = dynamic_cast<X11Backend&>(desktop->GetBackend());
    if (gfx::SaveImageFile(backend.GrabScreen(), grabPath))
      return 0;
    std::fprintf(stderr, "wintest: the screenshot could not be saved as %s\n", grabPath.c_str());
    return 1;
  }

  WNDCLASS windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = Proc;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "WinTest";
  RegisterClass(windowClass);
  gfx::Rect work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  HWND hwnd = CreateWindowEx(0, "WinTest", "Tilebrook window test", WS_POPUP,
                             work.left + (work.Width() - kWidth) / 2,
                             work.top + (work.Height() - kHeight) / 2, kWidth, kHeight, nullptr);
  if (!hwnd) {
    std::fprintf(stderr, "wintest: the window could not be created\n");
    return 1;
  }
  SetWindowRgn(hwnd, WindowShape(), false);
  ShowWindow(hwnd, SW_SHOWNORMAL);

  MSG msg;
  while (GetMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return static_cast<int>(msg.wParam);
}
