#pragma once

// Message numbers and the structures that messages carry, with the classic
// values: the frame and the controls above are written against them.

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win {

// clang-format off
inline constexpr UINT WM_NULL              = 0x0000;
inline constexpr UINT WM_CREATE            = 0x0001;
inline constexpr UINT WM_DESTROY           = 0x0002;
inline constexpr UINT WM_MOVE              = 0x0003;
inline constexpr UINT WM_SIZE              = 0x0005;
inline constexpr UINT WM_ACTIVATE          = 0x0006;
inline constexpr UINT WM_SETFOCUS          = 0x0007;
inline constexpr UINT WM_KILLFOCUS         = 0x0008;
inline constexpr UINT WM_ENABLE            = 0x000A;
inline constexpr UINT WM_SETTEXT           = 0x000C;
inline constexpr UINT WM_GETTEXT           = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH     = 0x000E;
inline constexpr UINT WM_PAINT             = 0x000F;
inline constexpr UINT WM_CLOSE             = 0x0010;
inline constexpr UINT WM_QUIT              = 0x0012;
inline constexpr UINT WM_ERASEBKGND        = 0x0014;
inline constexpr UINT WM_SHOWWINDOW        = 0x0018;
inline constexpr UINT WM_ACTIVATEAPP       = 0x001C;
inline constexpr UINT WM_CANCELMODE        = 0x001F;
inline constexpr UINT WM_SETCURSOR         = 0x0020;
inline constexpr UINT WM_MOUSEACTIVATE     = 0x0021;
inline constexpr UINT WM_GETMINMAXINFO     = 0x0024;
inline constexpr UINT WM_CONTEXTMENU       = 0x007B;
inline constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
inline constexpr UINT WM_WINDOWPOSCHANGED  = 0x0047;
inline constexpr UINT WM_STYLECHANGING     = 0x007C;
inline constexpr UINT WM_STYLECHANGED      = 0x007D;
inline constexpr UINT WM_NCCREATE          = 0x0081;
inline constexpr UINT WM_NCDESTROY         = 0x0082;
inline constexpr UINT WM_NCCALCSIZE        = 0x0083;
inline constexpr UINT WM_NCHITTEST         = 0x0084;
inline constexpr UINT WM_NCPAINT           = 0x0085;
inline constexpr UINT WM_NCACTIVATE        = 0x0086;
inline constexpr UINT WM_GETDLGCODE        = 0x0087;
inline constexpr UINT WM_SYNCPAINT         = 0x0088;
inline constexpr UINT WM_NCMOUSEMOVE       = 0x00A0;
inline constexpr UINT WM_NCLBUTTONDOWN     = 0x00A1;
inline constexpr UINT WM_NCLBUTTONUP       = 0x00A2;
inline constexpr UINT WM_NCLBUTTONDBLCLK   = 0x00A3;
inline constexpr UINT WM_NCRBUTTONDOWN     = 0x00A4;
inline constexpr UINT WM_NCRBUTTONUP       = 0x00A5;
inline constexpr UINT WM_NCRBUTTONDBLCLK   = 0x00A6;
inline constexpr UINT WM_NCMBUTTONDOWN     = 0x00A7;
inline constexpr UINT WM_NCMBUTTONUP       = 0x00A8;
inline constexpr UINT WM_NCMBUTTONDBLCLK   = 0x00A9;
inline constexpr UINT WM_KEYFIRST          = 0x0100;
inline constexpr UINT WM_KEYDOWN           = 0x0100;
inline constexpr UINT WM_KEYUP             = 0x0101;
inline constexpr UINT WM_CHAR              = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN        = 0x0104;
inline constexpr UINT WM_SYSKEYUP          = 0x0105;
inline constexpr UINT WM_SYSCHAR           = 0x0106;
inline constexpr UINT WM_KEYLAST           = 0x0109;
inline constexpr UINT WM_COMMAND           = 0x0111;
inline constexpr UINT WM_SYSCOMMAND        = 0x0112;
inline constexpr UINT WM_TIMER             = 0x0113;
inline constexpr UINT WM_HSCROLL           = 0x0114;
inline constexpr UINT WM_VSCROLL           = 0x0115;
inline constexpr UINT WM_MOUSEFIRST        = 0x0200;
inline constexpr UINT WM_MOUSEMOVE         = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN       = 0x0201;
inline constexpr UINT WM_LBUTTONUP         = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK     = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN       = 0x0204;
inline constexpr UINT WM_RBUTTONUP         = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK     = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN       = 0x0207;
inline constexpr UINT WM_MBUTTONUP         = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK     = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL        = 0x020A;
inline constexpr UINT WM_MOUSELAST         = 0x020A;
inline constexpr UINT WM_PARENTNOTIFY      = 0x0210;
inline constexpr UINT WM_ENTERMENULOOP     = 0x0211;
inline constexpr UINT WM_EXITMENULOOP      = 0x0212;
inline constexpr UINT WM_SIZING            = 0x0214;
inline constexpr UINT WM_CAPTURECHANGED    = 0x0215;
inline constexpr UINT WM_MOVING            = 0x0216;
inline constexpr UINT WM_ENTERSIZEMOVE     = 0x0231;
inline constexpr UINT WM_EXITSIZEMOVE      = 0x0232;
inline constexpr UINT WM_NCMOUSELEAVE      = 0x02A2;
inline constexpr UINT WM_MOUSELEAVE        = 0x02A3;
inline constexpr UINT WM_PRINT             = 0x0317;
inline constexpr UINT WM_PRINTCLIENT       = 0x0318;
inline constexpr UINT WM_USER              = 0x0400;
// clang-format on

// One queued message. `time` is the clock's tick count when the message was
// posted or the input happened; `pt` is the cursor position at that moment.
struct MSG {
  HWND hwnd;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  gfx::Point pt;
};

// lParam of WM_NCCREATE and WM_CREATE.
struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  UINT_PTR hMenu = 0;  // the child id for child windows
  HWND hwndParent;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  DWORD style = 0;
  const char* lpszName = nullptr;
  const char* lpszClass = nullptr;
  DWORD dwExStyle = 0;
};

// lParam of WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED.
struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

// lParam of WM_NCCALCSIZE with wParam TRUE. rgrc[0] is the proposed window
// rectangle in parent coordinates on entry and the client rectangle on exit.
struct NCCALCSIZE_PARAMS {
  gfx::Rect rgrc[3];
  WINDOWPOS* lppos = nullptr;
};

// lParam of WM_GETMINMAXINFO.
struct MINMAXINFO {
  gfx::Point ptReserved;
  gfx::Point ptMaxSize;
  gfx::Point ptMaxPosition;
  gfx::Point ptMinTrackSize;
  gfx::Point ptMaxTrackSize;
};

// lParam of WM_STYLECHANGING and WM_STYLECHANGED.
struct STYLESTRUCT {
  DWORD styleOld = 0;
  DWORD styleNew = 0;
};

}  // namespace win
