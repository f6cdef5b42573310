// A morphing frame object (a caption button, say) composes only the part a
// device context can show; that part must be exactly the whole morph's
// pixels there, for every kind of morph, wide and tall objects, and objects
// cut on any side.

#include <gtest/gtest.h>

#include "skin/controls/ControlTestSupport.h"
#include "skin/data/EffectBmp.h"
#include "skin/form/CaptionObjects.h"

namespace {

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Rect;

class MorphingObject : public TbsActiveSkinObject {
 public:
  MorphingObject() : TbsActiveSkinObject(nullptr, nullptr) {}
  using TbsActiveSkinObject::DrawMorph;
};

const Rect kNormal{0, 0, 10, 12};
const Rect kActive{10, 0, 17, 12};

// The whole morph of a width x height object, composed from its two looks
// as whole buffers.
Bitmap WholeMorph(const Bitmap& picture, TbsMorphKind kind, double k, int width, int height) {
  Bitmap normal(width, height), active(width, height);
  DeviceContext(normal).StretchBlt(0, 0, width, height, picture, kNormal.left, kNormal.top,
                                   kNormal.Width(), kNormal.Height());
  DeviceContext(active).StretchBlt(0, 0, width, height, picture, kActive.left, kActive.top,
                                   kActive.Width(), kActive.Height());
  TbsEffectBmp morph(normal);
  morph.ApplyMorph(kind, TbsEffectBmp(active), k);
  return morph.ToBitmap();
}

// The object's morph drawn into a bitmap of the given size, the object at
// place.
Bitmap Drawn(MorphingObject& object, const Bitmap& picture, const Rect& place, int width,
             int height, const Rect& clip) {
  Bitmap out(width, height);
  DeviceContext dc(out);
  dc.FillRect({0, 0, width, height}, gfx::RGB(1, 2, 3));
  dc.IntersectClipRect(clip);
  object.ObjectRect = place;
  object.DrawMorph(dc, &picture, kNormal, &picture, kActive);
  return out;
}

TEST(CaptionMorph, PartShownIsTheWholeMorphThere) {
  const Bitmap picture = controltest::CoordinatePicture(17, 12);
  // A 40 x 30 bitmap, clipped again inside, with the object placed so that
  // it is cut on the left and the top, or on the right and the bottom.
  const Rect shapes[] = {{0, 0, 123, 45}, {0, 0, 31, 140}, {0, 0, 9, 9}};
  const gfx::Point placesInPart[] = {{-37, -5}, {25, 12}, {-2, -60}};
  const Rect clip{3, 2, 36, 28};
  for (int kind = 0; kind <= 6; ++kind)
    for (double k : {0.0, 0.3, 0.5, 0.8, 1.0})
      for (const Rect& shape : shapes)
        for (const gfx::Point& at : placesInPart) {
          MorphingObject object;
          object.MorphKind = static_cast<TbsMorphKind>(kind);
          object.MorphProgress = k;
          const Bitmap whole =
              WholeMorph(picture, object.MorphKind, k, shape.Width(), shape.Height());
          const Bitmap part = Drawn(object, picture, shape.Offset(at.x, at.y), 40, 30, clip);
          const Rect inPart = shape.Offset(at.x, at.y);
          for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
              const bool shows = clip.Contains({x, y}) && inPart.Contains({x, y});
              const gfx::ColorRef expected =
                  shows ? whole.GetPixel(x - at.x, y - at.y) : gfx::RGB(1, 2, 3);
              ASSERT_EQ(part.GetPixel(x, y), expected)
                  << "kind " << kind << " k " << k << " shape " << shape.Width() << "x"
                  << shape.Height() << " at " << at.x << "," << at.y << " pixel " << x << "," << y;
            }
        }
}

}  // namespace
