#pragma once

// The handle and parameter types of the window system, with the classic
// packing helpers. Code above this layer reads like the classic desktop API,
// so the names follow it.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/gfx/Color.h"

namespace win {

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using LONG = std::int32_t;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using COLORREF = gfx::ColorRef;  // 0x00BBGGRR

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// A window handle is an opaque id that is never reused, so a handle kept
// after its window was destroyed stays harmless: messages to it are dropped
// and IsWindow answers false.
struct HWND {
  std::uint32_t id = 0;

  constexpr HWND() = default;
  constexpr HWND(std::nullptr_t) {}
  constexpr explicit HWND(std::uint32_t value) : id(value) {}

  constexpr explicit operator bool() const { return id != 0; }
  friend constexpr bool operator==(HWND, HWND) = default;
};

// The insert-after values of SetWindowPos; real windows never get these ids.
inline constexpr HWND HWND_TOP{};
inline constexpr HWND HWND_BOTTOM{1u};
inline constexpr HWND HWND_TOPMOST{0xFFFFFFFFu};
inline constexpr HWND HWND_NOTOPMOST{0xFFFFFFFEu};

// A cursor handle names one of the stock cursors by its classic id.
struct HCURSOR {
  int id = 0;

  constexpr HCURSOR() = default;
  constexpr HCURSOR(std::nullptr_t) {}
  constexpr explicit HCURSOR(int value) : id(value) {}

  constexpr explicit operator bool() const { return id != 0; }
  friend constexpr bool operator==(HCURSOR, HCURSOR) = default;
};

// There is one monitor; its handle is a fixed non-zero value.
struct HMONITOR {
  int id = 0;

  constexpr explicit operator bool() const { return id != 0; }
  friend constexpr bool operator==(HMONITOR, HMONITOR) = default;
};

// A window procedure. It is a callable rather than a plain function pointer
// so that a component can route its window's messages to a member function;
// sub-classing keeps the previous procedure and calls it with CallWindowProc.
using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

constexpr WORD LOWORD(std::uintptr_t value) {
  return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
  return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(
      static_cast<std::int32_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                static_cast<std::uint32_t>(low & 0xFFFF)));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
  return static_cast<WPARAM>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(low & 0xFFFF));
}
// Points in lParam are signed 16-bit values: a captured mouse left or above a
// window gives negative client coordinates.
constexpr int GET_X_LPARAM(LPARAM lp) {
  return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
  return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) {
  return static_cast<std::int16_t>(HIWORD(wp));
}
constexpr int GET_KEYSTATE_WPARAM(WPARAM wp) {
  return LOWORD(wp);
}

// Some messages carry a pointer in wParam or lParam, as the classic ones do;
// these two casts are the only places that convert.
template <class T>
T* ParamPointer(std::uintptr_t value) {
  return reinterpret_cast<T*>(value);  // NOLINT(performance-no-int-to-ptr)
}
template <class T>
T* ParamPointer(std::intptr_t value) {
  return reinterpret_cast<T*>(value);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace win

template <>
struct std::hash<win::HWND> {
  std::size_t operator()(win::HWND h) const noexcept { return std::hash<std::uint32_t>{}(h.id); }
};
