#pragma once

// The screen, its one monitor, system metrics and parameters. System
// colours are the graphics layer's (gfx::GetSysColor).

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win {

// clang-format off
inline constexpr int SM_CXSCREEN     = 0;
inline constexpr int SM_CYSCREEN     = 1;
inline constexpr int SM_CXVSCROLL    = 2;
inline constexpr int SM_CYHSCROLL    = 3;
inline constexpr int SM_CYCAPTION    = 4;
inline constexpr int SM_CXBORDER     = 5;
inline constexpr int SM_CYBORDER     = 6;
inline constexpr int SM_CXDLGFRAME   = 7;
inline constexpr int SM_CYDLGFRAME   = 8;
inline constexpr int SM_CXICON       = 11;
inline constexpr int SM_CYICON       = 12;
inline constexpr int SM_CXCURSOR     = 13;
inline constexpr int SM_CYCURSOR     = 14;
inline constexpr int SM_CYMENU       = 15;
inline constexpr int SM_SWAPBUTTON   = 23;
inline constexpr int SM_CXMIN        = 28;
inline constexpr int SM_CYMIN        = 29;
inline constexpr int SM_CXSIZE       = 30;
inline constexpr int SM_CYSIZE       = 31;
inline constexpr int SM_CXFRAME      = 32;
inline constexpr int SM_CYFRAME      = 33;
inline constexpr int SM_CXMINTRACK   = 34;
inline constexpr int SM_CYMINTRACK   = 35;
inline constexpr int SM_CXDOUBLECLK  = 36;
inline constexpr int SM_CYDOUBLECLK  = 37;
inline constexpr int SM_CXEDGE       = 45;
inline constexpr int SM_CYEDGE       = 46;
inline constexpr int SM_CXSMICON     = 49;
inline constexpr int SM_CYSMICON     = 50;
inline constexpr int SM_CYSMCAPTION  = 51;
inline constexpr int SM_CXMAXTRACK   = 59;
inline constexpr int SM_CYMAXTRACK   = 60;
inline constexpr int SM_CXDRAG       = 68;
inline constexpr int SM_CYDRAG       = 69;
inline constexpr int SM_CMONITORS    = 80;

inline constexpr UINT SPI_GETWORKAREA         = 0x0030;
inline constexpr UINT SPI_GETDRAGFULLWINDOWS  = 0x0026;

inline constexpr DWORD MONITOR_DEFAULTTONULL    = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY     = 1;

// clang-format on

int GetSystemMetrics(int index);
// SPI_GETWORKAREA fills a gfx::Rect, SPI_GETDRAGFULLWINDOWS a BOOL.
bool SystemParametersInfo(UINT action, UINT param, void* out, UINT winIni);

struct MONITORINFO {
  gfx::Rect rcMonitor;
  gfx::Rect rcWork;
  DWORD dwFlags = 0;
};
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
HMONITOR MonitorFromPoint(gfx::Point pt, DWORD flags);
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info);

}  // namespace win
