#pragma once

// The skin's visual vocabulary, shared by the frame pictures and the control
// atlas: walnut tones with their grain, rounded plates in their states,
// caption-button glyphs, arrows and small marks.

#include <vector>

#include "Paint.h"

namespace skingen {

using art::Painter;
using gfx::ColorRef;
using gfx::Rect;

// The walnut of the frame. The top and bottom bands are planks whose grain
// runs along them (each row has one tone), the side pieces have a vertical
// grain (each column has one tone): so the pieces the frame repeats along
// their length repeat without a seam, and a caption button's background
// matches the band row for row.
class Walnut {
 public:
  Walnut();
  // Tone of row y of the caption band (0..29) and of the bottom band
  // (y counted from the band's top, 0..6).
  ColorRef Band(int y) const;
  ColorRef Bottom(int y) const;
  // Tone of column x of the left side (0..6); the right side is mirrored.
  ColorRef Side(int x) const;

 private:
  std::vector<int> bandGrain_;
  std::vector<int> sideGrain_;
};

enum class State { Normal, Hover, Down, Disabled };

// Whether (x, y) lies in r with its corners cut by diagonals of `cut`
// pixels, and whether it is on the edge of that shape.
bool InCutShape(const Rect& r, int cut, int x, int y);
bool OnCutEdge(const Rect& r, int cut, int x, int y);

// Fills the cut-corner shape with a vertical gradient and outlines it.
// Pixels of r outside the shape are set to `outside` unless it is clNone.
void CutPlate(Painter& p, const Rect& r, int cut, ColorRef top, ColorRef bottom, ColorRef outline,
              ColorRef outside = gfx::clNone);

// A cream push-button face in a state (light at the top; inverted when
// pressed; flat when disabled), with a walnut outline.
void ButtonFace(Painter& p, const Rect& r, State state, int cut, ColorRef outside = gfx::clNone,
                ColorRef rim = art::palette::kWalnutDark);
// A cream text field with a walnut outline and a soft inner shadow.
void FieldFace(Painter& p, const Rect& r, bool focused, ColorRef outside = gfx::clNone);
// A teal drop button face (combo box).
void TealFace(Painter& p, const Rect& r, State state);

enum class Glyph { Close, Minimize, Maximize, Restore, RollUp, RollDown, SysMenu, Tray };
// Draws a caption-button glyph centred in a 15 x 16 cell at (x, y).
void DrawGlyph(Painter& p, int x, int y, Glyph glyph, ColorRef color);

enum class Direction { Up, Down, Left, Right };
// A small arrow of rows 1, 3, 5, 7 pixels (or 1, 2, 3, 4 rows for `small`)
// centred in r.
void DrawArrow(Painter& p, const Rect& r, Direction direction, ColorRef color, bool small = false);

// A check mark and a radio dot centred in r.
void DrawCheck(Painter& p, const Rect& r, ColorRef color);
void DrawDot(Painter& p, const Rect& r, ColorRef color);
// Three short grip lines centred in r, across (vertical == true) or along.
void DrawGrip(Painter& p, const Rect& r, bool vertical, ColorRef dark, ColorRef light);

// The brand mark: four small tiles stepping like stones, in a 16 x 16 cell.
void DrawEmblem(Painter& p, int x, int y, ColorRef tileA, ColorRef tileB, ColorRef edge);

}  // namespace skingen
