#pragma once

// The controls picture is an atlas: every control record's looks are placed
// on shelves, left to right, and the record text names the places. The
// atlas also collects the places as contact-sheet annotations.

#include <string>
#include <vector>

#include "AssetSet.h"
#include "Paint.h"
#include "SkinText.h"

namespace skingen {

class Atlas {
 public:
  explicit Atlas(int width);

  // A free rectangle of the given size; shelves are separated by a gap so
  // that neighbouring looks never bleed into each other when tiled.
  gfx::Rect Place(int width, int height, const std::string& label);
  art::Painter& Paint() { return painter_; }

  // The picture cut to the used height, with its annotations.
  art::AssetFile Finish(const std::string& name);

 private:
  static constexpr int kGap = 2;
  int width_;
  int x_ = 0;
  int y_ = 0;
  int shelfHeight_ = 0;
  gfx::Bitmap bitmap_;
  art::Painter painter_;
  std::vector<art::Annotation> annotations_;
};

// The three keys every control record starts with, after its entry and
// section.
void ControlHead(SkinText& ini, std::vector<std::string>& entries, const std::string& name,
                 const std::string& type, int picture, int mask, const gfx::Rect& skin);
// The corner points and client rectangle of the tiling records.
void TileKeys(SkinText& ini, gfx::Point leftTop, gfx::Point rightTop, gfx::Point leftBottom,
              gfx::Point rightBottom, const gfx::Rect& client);
// The font colours and state looks of the button-like records.
void ButtonKeys(SkinText& ini, gfx::ColorRef disabledFont, const gfx::Rect& active,
                const gfx::Rect& down, const gfx::Rect& disabled, bool morphing);
// The same for four looks in the order normal, hover, down, disabled, with
// the muted text colour when disabled.
void ButtonKeys(SkinText& ini, const gfx::Rect (&looks)[4], bool morphing);

}  // namespace skingen
