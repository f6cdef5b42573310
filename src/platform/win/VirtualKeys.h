#pragma once

// Virtual-key codes with their classic values. Letters and digits are their
// upper-case ASCII codes ('A' to 'Z', '0' to '9').

#include "platform/win/Types.h"

namespace win {

// clang-format off
inline constexpr UINT VK_LBUTTON  = 0x01;
inline constexpr UINT VK_RBUTTON  = 0x02;
inline constexpr UINT VK_CANCEL   = 0x03;
inline constexpr UINT VK_MBUTTON  = 0x04;
inline constexpr UINT VK_BACK     = 0x08;
inline constexpr UINT VK_TAB      = 0x09;
inline constexpr UINT VK_RETURN   = 0x0D;
inline constexpr UINT VK_SHIFT    = 0x10;
inline constexpr UINT VK_CONTROL  = 0x11;
inline constexpr UINT VK_MENU     = 0x12;  // Alt
inline constexpr UINT VK_PAUSE    = 0x13;
inline constexpr UINT VK_CAPITAL  = 0x14;
inline constexpr UINT VK_ESCAPE   = 0x1B;
inline constexpr UINT VK_SPACE    = 0x20;
inline constexpr UINT VK_PRIOR    = 0x21;  // Page Up
inline constexpr UINT VK_NEXT     = 0x22;  // Page Down
inline constexpr UINT VK_END      = 0x23;
inline constexpr UINT VK_HOME     = 0x24;
inline constexpr UINT VK_LEFT     = 0x25;
inline constexpr UINT VK_UP       = 0x26;
inline constexpr UINT VK_RIGHT    = 0x27;
inline constexpr UINT VK_DOWN     = 0x28;
inline constexpr UINT VK_INSERT   = 0x2D;
inline constexpr UINT VK_DELETE   = 0x2E;
inline constexpr UINT VK_F1       = 0x70;
inline constexpr UINT VK_F2       = 0x71;
inline constexpr UINT VK_F3       = 0x72;
inline constexpr UINT VK_F4       = 0x73;
inline constexpr UINT VK_F5       = 0x74;
inline constexpr UINT VK_F6       = 0x75;
inline constexpr UINT VK_F7       = 0x76;
inline constexpr UINT VK_F8       = 0x77;
inline constexpr UINT VK_F9       = 0x78;
inline constexpr UINT VK_F10      = 0x79;
inline constexpr UINT VK_F11      = 0x7A;
inline constexpr UINT VK_F12      = 0x7B;
// clang-format on

}  // namespace win
