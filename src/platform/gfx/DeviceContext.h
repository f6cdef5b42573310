#pragma once

// A drawing target shaped like the classic device context: a bitmap, an
// origin inside it, a clip region, and the selected pen, brush, font and
// text attributes. Every operation takes logical coordinates, clips, and
// never allocates per pixel.
//
// Coordinates: a logical point p lands on bitmap pixel
//   p + device origin + viewport origin.
// The device origin is fixed when the context is made (the window layer
// puts a window's client area there); the viewport origin can be moved to
// paint a child element at its own offset. Clip regions handed to
// SelectClipRgn are relative to the device origin; the rectangles of
// ExcludeClipRect and IntersectClipRect are logical.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace gfx {

enum PenStyle : int { PS_SOLID = 0, PS_NULL = 5 };
struct Pen {
  int style = PS_SOLID;
  int width = 1;  // lines are always one pixel wide
  ColorRef color = clBlack;
};

enum BrushStyle : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL };
struct Brush {
  int style = BS_SOLID;
  ColorRef color = clWhite;
};

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// Raster operations of BitBlt; each combines source S and destination D.
enum RasterOp : std::uint32_t {
  SRCCOPY = 0x00CC0020,     // S
  SRCPAINT = 0x00EE0086,    // S | D
  SRCAND = 0x008800C6,      // S & D
  SRCINVERT = 0x00660046,   // S ^ D
  NOTSRCCOPY = 0x00330008,  // ~S
  DSTINVERT = 0x00550009,   // ~D
  BLACKNESS = 0x00000042,   // black
  WHITENESS = 0x00FF0062,   // white
  PATCOPY = 0x00F00021,     // the brush colour
};

// The shape of a clip region after a change.
enum RegionComplexity : int { NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// DrawText flags, with the classic values.
enum DrawTextFlags : unsigned {
  DT_TOP = 0x0000,
  DT_LEFT = 0x0000,
  DT_CENTER = 0x0001,
  DT_RIGHT = 0x0002,
  DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008,
  DT_WORDBREAK = 0x0010,
  DT_SINGLELINE = 0x0020,
  DT_EXPANDTABS = 0x0040,
  DT_NOCLIP = 0x0100,
  DT_CALCRECT = 0x0400,
  DT_NOPREFIX = 0x0800,
  DT_HIDEPREFIX = 0x00100000,
  DT_PREFIXONLY = 0x00200000,
};

class DeviceContext {
 public:
  // Everything of the bitmap is drawable; both origins are (0, 0).
  explicit DeviceContext(Bitmap& target);
  // Drawing is limited to `visible` (bitmap coordinates); logical (0, 0)
  // is bitmap pixel `origin`.
  DeviceContext(Bitmap& target, Point origin, const Region& visible);

  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  Bitmap& Target() { return *target_; }
  const Bitmap& Target() const { return *target_; }
  Point DeviceOrigin() const { return deviceOrigin_; }

  // -- Origin -------------------------------------------------------------
  Point GetViewportOrg() const { return state_.viewportOrg; }
  Point SetViewportOrg(Point origin);  // returns the old origin
  Point OffsetViewportOrg(int dx, int dy);

  // -- Attributes ---------------------------------------------------------
  Pen SelectPen(const Pen& pen);  // each Select returns what was selected
  const Pen& GetPen() const { return state_.pen; }
  Brush SelectBrush(const Brush& brush);
  const Brush& GetBrush() const { return state_.brush; }
  Font SelectFont(const Font& font);
  const Font& GetFont() const { return state_.font; }
  ColorRef SetTextColor(ColorRef color);
  ColorRef GetTextColor() const { return state_.textColor; }
  ColorRef SetBkColor(ColorRef color);
  ColorRef GetBkColor() const { return state_.bkColor; }
  int SetBkMode(int mode);
  int GetBkMode() const { return state_.bkMode; }

  // -- Clipping -----------------------------------------------------------
  // Replaces the clip region (relative to the device origin); nullptr
  // removes it, leaving only the visible region.
  int SelectClipRgn(const Region* region);
  int ExcludeClipRect(const Rect& rect);
  int IntersectClipRect(const Rect& rect);
  // The current clip region (relative to the device origin), if one is set.
  std::optional<Region> GetClipRgn() const { return state_.clip; }
  // Where drawing can land, in logical coordinates.
  Rect GetClipBox() const;
  Region GetDrawableRegion() const;
  bool PtVisible(Point p) const;
  bool RectVisible(const Rect& rect) const;

  // -- Filling and lines --------------------------------------------------
  void FillRect(const Rect& rect, ColorRef color);
  void FillRect(const Rect& rect, const Brush& brush);
  void FillRgn(const Region& region, ColorRef color);  // logical coordinates
  // A one-pixel border just inside the rectangle.
  void FrameRect(const Rect& rect, ColorRef color);
  void InvertRect(const Rect& rect);
  // Outline with the pen, inside with the brush. A null pen leaves the
  // right and bottom edges undrawn, as the classic call does.
  void Rectangle(int left, int top, int right, int bottom);
  // Both return the colour, or CLR_INVALID where the pixel is clipped.
  ColorRef SetPixel(int x, int y, ColorRef color);
  ColorRef GetPixel(int x, int y) const;
  // Lines include their start point and exclude their end point.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  Point GetCurrentPosition() const { return state_.position; }
  void Polyline(std::span<const Point> points);

  // -- Blits --------------------------------------------------------------
  // Source coordinates are pixels of the source bitmap; with a source
  // context they are its logical coordinates. Parts of the source outside
  // its bitmap are not drawn.
  void BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
              std::uint32_t rop = SRCCOPY);
  void BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sx, int sy,
              std::uint32_t rop = SRCCOPY);
  void DrawBitmap(int x, int y, const Bitmap& source);
  // Nearest-neighbour scaling; a negative width or height mirrors.
  void StretchBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy, int sw,
                  int sh);
  // Like StretchBlt, leaving out every source pixel of colour `key`.
  void TransparentBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                      int sw, int sh, ColorRef key);

  // Fills `dest` with copies of the source rectangle laid edge to edge from
  // dest's top-left corner; the copies at the right and bottom are cut at
  // dest's edges. This is how skin pictures are fitted to any size.
  void TileBlt(const Rect& dest, const Bitmap& source, const Rect& sourceRect);
  // Mixes the source over the destination with one opacity for every pixel
  // (0 leaves the destination, 255 copies), as translucent windows and
  // menus are composed.
  void AlphaBlend(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                  int alpha);
  // Draws 24-bit pixels (blue, green, red; rows top-down, `rowBytes` apart,
  // as the effect buffers keep them) with their top-left corner at (x, y).
  void SetDIBitsToDevice(int x, int y, int width, int height, const std::uint8_t* bits,
                         int rowBytes);

  // -- Text ---------------------------------------------------------------
  // Draws one line of text with its top-left cell corner at (x, y), in the
  // text colour; an opaque background mode fills the cell with the
  // background colour first. CR and LF are not interpreted.
  void TextOut(int x, int y, std::string_view text);
  // The width of the text and the height of the font.
  Size GetTextExtent(std::string_view text) const;
  // One line of text measured once in the selected font, to be drawn any
  // number of times (a title and its shadow) while that font stays selected.
  struct TextRun {
    std::u32string chars;
    std::vector<int> offsets;
    Size size;
  };
  TextRun MeasureTextRun(std::string_view text) const;
  // Draws a run measured in the selected font, as TextOut draws its text.
  void TextOut(int x, int y, const TextRun& run);
  const TextMetrics& GetTextMetrics() const { return state_.font.GetMetrics(); }
  // Lays text out in rect by the DT_ flags and draws it, or with
  // DT_CALCRECT only measures it and updates rect. Returns the height of
  // the text.
  int DrawText(std::string_view text, Rect& rect, unsigned format);

  // The whole drawing state, as SavedDC keeps it.
  struct State {
    Pen pen;
    Brush brush;
    Font font;
    ColorRef textColor = clBlack;
    ColorRef bkColor = clWhite;
    int bkMode = OPAQUE;
    Point position;
    Point viewportOrg;
    std::optional<Region> clip;
  };
  const State& GetState() const { return state_; }
  void SetState(const State& state);

 private:
  Point ToDevice(Point logical) const;  // logical -> bitmap coordinates
  Rect ToDevice(const Rect& logical) const;
  void UpdateClip();
  int Complexity() const;
  void FillDeviceRect(const Rect& deviceRect, Pixel pixel);
  void PlotDevice(int x, int y, Pixel pixel);
  void BlitView(const Rect& deviceDest, const ConstBitmapView& source, std::uint32_t rop);
  // What DrawLine draws: the glyphs (with the font's own underline and
  // strike-out) and the bars under "&"-marked characters.
  static constexpr unsigned kDrawGlyphs = 1;
  static constexpr unsigned kDrawMarks = 2;
  // Nothing is drawn outside `limit` (bitmap coordinates) or the clip.
  void DrawLine(int x, int y, const std::u32string& chars, const std::vector<bool>& marked,
                const std::vector<int>& offsets, int width, unsigned what, const Rect& limit);
  void StretchCore(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                   int sw, int sh, std::optional<ColorRef> key);

  Bitmap* target_;
  Point deviceOrigin_;
  Region visible_;
  State state_;
  // The effective clip in bitmap coordinates, and its rectangles, kept in
  // step with every clip change so that drawing never has to build them.
  Region clipRegion_;
  std::vector<Rect> clipRects_;
  Rect clipBounds_;
};

// Keeps a context's drawing state and puts it back when it goes out of
// scope, so that a painting routine cannot leak a changed pen or clip.
class SavedDC {
 public:
  explicit SavedDC(DeviceContext& dc) : dc_(dc), state_(dc.GetState()) {}
  ~SavedDC() { dc_.SetState(state_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  DeviceContext& dc_;
  DeviceContext::State state_;
};

}  // namespace gfx
