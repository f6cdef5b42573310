#pragma once

// The small types every control shares: messages of the framework, shift
// state, mouse buttons, cursors, alignment and the event signatures.

#include <functional>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"
#include "ui/Object.h"
#include "ui/Set.h"

using TRect = gfx::Rect;
using TPoint = gfx::Point;
using TColor = gfx::ColorRef;

// A message as a control's WindowProc sees it. Result is what the window
// procedure returns.
struct TMessage {
  win::UINT Msg = 0;
  win::WPARAM WParam = 0;
  win::LPARAM LParam = 0;
  win::LRESULT Result = 0;
};

// Messages of the framework itself, sent with Perform. They never reach the
// window system, so they may go to graphic controls as well.
// clang-format off
inline constexpr win::UINT CM_BASE              = 0xB000;
inline constexpr win::UINT CM_ACTIVATE          = CM_BASE + 0;
inline constexpr win::UINT CM_DEACTIVATE        = CM_BASE + 1;
inline constexpr win::UINT CM_CANCELMODE        = CM_BASE + 4;   // LParam: the TControl* pressed, or null
inline constexpr win::UINT CM_DIALOGKEY         = CM_BASE + 5;   // WParam: key, LParam: shift bits
inline constexpr win::UINT CM_DIALOGCHAR        = CM_BASE + 6;   // WParam: character, LParam: 1 with Alt
inline constexpr win::UINT CM_FOCUSCHANGED      = CM_BASE + 7;   // LParam: the new active TWinControl*
inline constexpr win::UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr win::UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr win::UINT CM_HITTEST           = CM_BASE + 10;  // LParam: point; Result non-zero: hit
inline constexpr win::UINT CM_VISIBLECHANGED    = CM_BASE + 11;
inline constexpr win::UINT CM_ENABLEDCHANGED    = CM_BASE + 12;
inline constexpr win::UINT CM_COLORCHANGED      = CM_BASE + 13;
inline constexpr win::UINT CM_FONTCHANGED       = CM_BASE + 14;
inline constexpr win::UINT CM_CURSORCHANGED     = CM_BASE + 15;
inline constexpr win::UINT CM_TEXTCHANGED       = CM_BASE + 18;
inline constexpr win::UINT CM_MOUSEENTER        = CM_BASE + 19;
inline constexpr win::UINT CM_MOUSELEAVE        = CM_BASE + 20;
inline constexpr win::UINT CM_ENTER             = CM_BASE + 26;
inline constexpr win::UINT CM_EXIT              = CM_BASE + 27;
inline constexpr win::UINT CM_SHOWHINTCHANGED   = CM_BASE + 29;
inline constexpr win::UINT CM_HINTSHOW          = CM_BASE + 48;  // LParam: THintInfo*; Result non-zero: no hint
inline constexpr win::UINT CM_WANTSPECIALKEY    = CM_BASE + 54;  // WParam: key; Result non-zero: the control takes it
inline constexpr win::UINT CM_RELEASE           = CM_BASE + 33;
inline constexpr win::UINT CM_SHOWINGCHANGED    = CM_BASE + 34;
// clang-format on

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Cursors are small negative numbers, 0 meaning "whatever the parent or
// the window class shows".
using TCursor = int;
// clang-format off
inline constexpr TCursor crDefault   = 0;
inline constexpr TCursor crNone      = -1;
inline constexpr TCursor crArrow     = -2;
inline constexpr TCursor crCross     = -3;
inline constexpr TCursor crIBeam     = -4;
inline constexpr TCursor crSizeNESW  = -6;
inline constexpr TCursor crSizeNS    = -7;
inline constexpr TCursor crSizeNWSE  = -8;
inline constexpr TCursor crSizeWE    = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo        = -18;
inline constexpr TCursor crSizeAll   = -22;
inline constexpr TCursor crHandPoint = -21;
// clang-format on
// The stock cursor id of a cursor, IDC_ARROW for unknown ones.
int CursorToStockId(TCursor cursor);

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Modal results.
using TModalResult = int;
// clang-format off
inline constexpr TModalResult mrNone     = 0;
inline constexpr TModalResult mrOk       = 1;
inline constexpr TModalResult mrCancel   = 2;
inline constexpr TModalResult mrAbort    = 3;
inline constexpr TModalResult mrRetry    = 4;
inline constexpr TModalResult mrIgnore   = 5;
inline constexpr TModalResult mrYes      = 6;
inline constexpr TModalResult mrNo       = 7;
inline constexpr TModalResult mrAll      = 8;
inline constexpr TModalResult mrNoToAll  = 9;
inline constexpr TModalResult mrYesToAll = 10;
// clang-format on

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, win::WORD& Key, TShiftState Shift)>;
// Key is the typed character as a Unicode code point; 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

// The shift state of a keyboard or mouse message, from the key state the
// message queue keeps.
TShiftState KeyboardState();
TShiftState MouseShiftState(win::WPARAM keys);

// Whether the character is the accelerator of a caption ("&Start": 's').
bool IsAccel(unsigned Char, const std::string& Caption);
