#pragma once

// Style bits, flags and codes with their classic values.

#include "platform/win/Types.h"

namespace win {

// clang-format off
// Window styles.
inline constexpr DWORD WS_OVERLAPPED   = 0x00000000;
inline constexpr DWORD WS_POPUP        = 0x80000000;
inline constexpr DWORD WS_CHILD        = 0x40000000;
inline constexpr DWORD WS_MINIMIZE     = 0x20000000;
inline constexpr DWORD WS_VISIBLE      = 0x10000000;
inline constexpr DWORD WS_DISABLED     = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE     = 0x01000000;
inline constexpr DWORD WS_CAPTION      = 0x00C00000;
inline constexpr DWORD WS_BORDER       = 0x00800000;
inline constexpr DWORD WS_DLGFRAME     = 0x00400000;
inline constexpr DWORD WS_VSCROLL      = 0x00200000;
inline constexpr DWORD WS_HSCROLL      = 0x00100000;
inline constexpr DWORD WS_SYSMENU      = 0x00080000;
inline constexpr DWORD WS_THICKFRAME   = 0x00040000;
inline constexpr DWORD WS_TABSTOP      = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX  = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX  = 0x00010000;

// Extended window styles.
inline constexpr DWORD WS_EX_DLGMODALFRAME  = 0x00000001;
inline constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
inline constexpr DWORD WS_EX_TOPMOST        = 0x00000008;
inline constexpr DWORD WS_EX_TRANSPARENT    = 0x00000020;
inline constexpr DWORD WS_EX_TOOLWINDOW     = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE     = 0x00000100;
inline constexpr DWORD WS_EX_CLIENTEDGE     = 0x00000200;
inline constexpr DWORD WS_EX_CONTROLPARENT  = 0x00010000;
inline constexpr DWORD WS_EX_APPWINDOW      = 0x00040000;
inline constexpr DWORD WS_EX_LAYERED        = 0x00080000;
inline constexpr DWORD WS_EX_NOACTIVATE     = 0x08000000;

// Class styles.
inline constexpr UINT CS_VREDRAW  = 0x0001;
inline constexpr UINT CS_HREDRAW  = 0x0002;
inline constexpr UINT CS_DBLCLKS  = 0x0008;
inline constexpr UINT CS_SAVEBITS = 0x0800;

// CreateWindowEx.
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// GetWindowLong / SetWindowLong indexes.
inline constexpr int GWL_STYLE       = -16;
inline constexpr int GWL_EXSTYLE     = -20;
inline constexpr int GWL_ID          = -12;
inline constexpr int GWLP_USERDATA   = -21;
inline constexpr int GWLP_HWNDPARENT = -8;

// SetWindowPos flags.
inline constexpr UINT SWP_NOSIZE         = 0x0001;
inline constexpr UINT SWP_NOMOVE         = 0x0002;
inline constexpr UINT SWP_NOZORDER       = 0x0004;
inline constexpr UINT SWP_NOREDRAW       = 0x0008;
inline constexpr UINT SWP_NOACTIVATE     = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED   = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW     = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW     = 0x0080;
inline constexpr UINT SWP_NOCOPYBITS     = 0x0100;
inline constexpr UINT SWP_NOOWNERZORDER  = 0x0200;
inline constexpr UINT SWP_NOSENDCHANGING = 0x0400;
inline constexpr UINT SWP_DEFERERASE     = 0x2000;
inline constexpr UINT SWP_ASYNCWINDOWPOS = 0x4000;

// ShowWindow commands.
inline constexpr int SW_HIDE            = 0;
inline constexpr int SW_SHOWNORMAL      = 1;
inline constexpr int SW_SHOWMINIMIZED   = 2;
inline constexpr int SW_SHOWMAXIMIZED   = 3;
inline constexpr int SW_SHOWNOACTIVATE  = 4;
inline constexpr int SW_SHOW            = 5;
inline constexpr int SW_MINIMIZE        = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA          = 8;
inline constexpr int SW_RESTORE         = 9;

// lParam of WM_SHOWWINDOW when an owner takes its windows along.
inline constexpr LPARAM SW_PARENTCLOSING = 1;
inline constexpr LPARAM SW_PARENTOPENING = 3;

// WM_SIZE kinds.
inline constexpr WPARAM SIZE_RESTORED  = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;

// Hit-test codes.
inline constexpr LRESULT HTERROR       = -2;
inline constexpr LRESULT HTTRANSPARENT = -1;
inline constexpr LRESULT HTNOWHERE     = 0;
inline constexpr LRESULT HTCLIENT      = 1;
inline constexpr LRESULT HTCAPTION     = 2;
inline constexpr LRESULT HTSYSMENU     = 3;
inline constexpr LRESULT HTMINBUTTON   = 8;
inline constexpr LRESULT HTMAXBUTTON   = 9;
inline constexpr LRESULT HTLEFT        = 10;
inline constexpr LRESULT HTRIGHT       = 11;
inline constexpr LRESULT HTTOP         = 12;
inline constexpr LRESULT HTTOPLEFT     = 13;
inline constexpr LRESULT HTTOPRIGHT    = 14;
inline constexpr LRESULT HTBOTTOM      = 15;
inline constexpr LRESULT HTBOTTOMLEFT  = 16;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;
inline constexpr LRESULT HTBORDER      = 18;
inline constexpr LRESULT HTOBJECT      = 19;
inline constexpr LRESULT HTCLOSE       = 20;

// WM_MOUSEACTIVATE answers.
inline constexpr LRESULT MA_ACTIVATE         = 1;
inline constexpr LRESULT MA_ACTIVATEANDEAT   = 2;
inline constexpr LRESULT MA_NOACTIVATE       = 3;
inline constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// WM_ACTIVATE states.
inline constexpr WORD WA_INACTIVE    = 0;
inline constexpr WORD WA_ACTIVE      = 1;
inline constexpr WORD WA_CLICKACTIVE = 2;

// WM_SYSCOMMAND commands; the low four bits carry extra information.
inline constexpr WPARAM SC_SIZE     = 0xF000;
inline constexpr WPARAM SC_MOVE     = 0xF010;
inline constexpr WPARAM SC_MINIMIZE = 0xF020;
inline constexpr WPARAM SC_MAXIMIZE = 0xF030;
inline constexpr WPARAM SC_CLOSE    = 0xF060;
inline constexpr WPARAM SC_KEYMENU  = 0xF100;
inline constexpr WPARAM SC_RESTORE  = 0xF120;

// Mouse key-state flags in wParam of client mouse messages.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT   = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

inline constexpr int WHEEL_DELTA = 120;

// TrackMouseEvent.
inline constexpr DWORD TME_LEAVE     = 0x00000002;
inline constexpr DWORD TME_NONCLIENT = 0x00000010;
inline constexpr DWORD TME_CANCEL    = 0x80000000;

// GetWindow and GetAncestor.
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST  = 1;
inline constexpr UINT GW_HWNDNEXT  = 2;
inline constexpr UINT GW_HWNDPREV  = 3;
inline constexpr UINT GW_OWNER     = 4;
inline constexpr UINT GW_CHILD     = 5;
inline constexpr UINT GA_PARENT    = 1;
inline constexpr UINT GA_ROOT      = 2;
inline constexpr UINT GA_ROOTOWNER = 3;

// PeekMessage.
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE   = 0x0001;

// RedrawWindow.
inline constexpr UINT DCX_WINDOW = 0x0001;
inline constexpr UINT DCX_EXCLUDERGN = 0x0040;
inline constexpr UINT DCX_INTERSECTRGN = 0x0080;

inline constexpr UINT RDW_INVALIDATE    = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;
inline constexpr UINT RDW_ERASE         = 0x0004;
inline constexpr UINT RDW_VALIDATE      = 0x0008;
inline constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
inline constexpr UINT RDW_NOERASE       = 0x0020;
inline constexpr UINT RDW_NOCHILDREN    = 0x0040;
inline constexpr UINT RDW_ALLCHILDREN   = 0x0080;
inline constexpr UINT RDW_UPDATENOW     = 0x0100;
inline constexpr UINT RDW_ERASENOW      = 0x0200;
inline constexpr UINT RDW_FRAME         = 0x0400;
inline constexpr UINT RDW_NOFRAME       = 0x0800;

// WM_GETDLGCODE answers.
inline constexpr LRESULT DLGC_WANTARROWS      = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB         = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS     = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL       = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON   = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON     = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS       = 0x0080;
inline constexpr LRESULT DLGC_STATIC          = 0x0100;
inline constexpr LRESULT DLGC_BUTTON          = 0x2000;

// SetLayeredWindowAttributes.
inline constexpr DWORD LWA_COLORKEY = 0x00000001;
inline constexpr DWORD LWA_ALPHA    = 0x00000002;

// Stock cursors.
inline constexpr int IDC_ARROW    = 32512;
inline constexpr int IDC_IBEAM    = 32513;
inline constexpr int IDC_WAIT     = 32514;
inline constexpr int IDC_CROSS    = 32515;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE   = 32644;
inline constexpr int IDC_SIZENS   = 32645;
inline constexpr int IDC_SIZEALL  = 32646;
inline constexpr int IDC_NO       = 32648;
inline constexpr int IDC_HAND     = 32649;
// clang-format on

}  // namespace win
