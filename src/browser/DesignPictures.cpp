#include "browser/DesignPictures.h"

#include <memory>

#include "ui/Graphics.h"
#include "ui/ImageList.h"

void LoadBackgroundPicture(TPicture& Picture) {
  auto jpeg = std::make_unique<TJPEGImage>();
  try {
    jpeg->LoadFromBytes(EmbeddedDesignFile(BackgroundDesignFile));
  } catch (const EInvalidGraphic&) {
    Picture.Clear();
    return;
  }
  Picture.SetGraphic(std::move(jpeg));
}

void LoadSeverityImages(TImageList& Images) {
  Images.Clear();
  for (int stars = 1; stars <= 5; ++stars) {
    TBitmap strip;
    try {
      strip.LoadFromBytes(EmbeddedDesignFile(stars));
    } catch (const EInvalidGraphic&) {
      // Keeps the other levels in their places: an empty cell of its own.
      strip.SetSize(Images.Width(), Images.Height());
    }
    Images.Add(strip);
  }
}
