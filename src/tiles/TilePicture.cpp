#include "tiles/TilePicture.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/Package.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/FileSystem.h"
#include "tiles/SmoothScale.h"
#include "tiles/TilesTexts.h"

namespace {

// A puzzle picture is a photo of a few megapixels at most; anything larger
// is refused before it is decoded.
gfx::ImageLimits PictureLimits() {
  gfx::ImageLimits limits;
  limits.maxDimension = 8192;
  limits.maxPixels = 24 * 1024 * 1024;
  return limits;
}

}  // namespace

std::string LargePicturePath(const TPuzzleName& Name) {
  return Name.PuzzleStem() + "-picture.jpg";
}

std::string PreviewPicturePath(const TPuzzleName& Name) {
  const TIniFile definition(Name.Directory + sys::PathSeparator + PackageDefinitionName);
  if (!sys::FileExists(definition.FileName()))
    return Name.PuzzleStem() + ".jpg";
  return Name.Directory + sys::PathSeparator + ReadPreviewBase(definition) + "-" +
         std::to_string(Name.Number) + ".jpg";
}

TBoardPicture LoadBoardPicture(const TPuzzleName& Name, int Side) {
  TBoardPicture result;
  result.File = LargePicturePath(Name);
  if (!sys::FileExists(result.File))
    result.File = PreviewPicturePath(Name);
  if (!sys::FileExists(result.File)) {
    result.Failure = TPictureFailure::Missing;
    return result;
  }
  // Read with the file services' care: a pipe in the picture's place does
  // not hang the game, nor does a huge file fill the memory.
  std::string why;
  const std::optional<std::string> bytes = sys::ReadFileBytes(result.File, &why);
  if (!bytes) {
    result.Failure = TPictureFailure::Unreadable;
    result.Reason = why;
    return result;
  }
  gfx::DecodedImage decoded = gfx::DecodeImage(
      {reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()}, PictureLimits());
  if (!decoded.Ok()) {
    result.Failure = TPictureFailure::Unreadable;
    result.Reason = decoded.error;
    return result;
  }
  const gfx::Bitmap& picture = decoded.bitmap;
  const int side = std::min(picture.Width(), picture.Height());
  const gfx::Rect square =
      gfx::Rect::FromXYWH((picture.Width() - side) / 2, (picture.Height() - side) / 2, side, side);
  // A picture of the board's own size is used as it is.
  if (side == Side && picture.Width() == side && picture.Height() == side)
    result.Bitmap = std::move(decoded.bitmap);
  else
    result.Bitmap = tiles::ScaleSmooth(picture, square, Side, Side);
  if (result.Bitmap.IsEmpty()) {
    result.Failure = TPictureFailure::Unreadable;
    result.Reason = "the picture is empty";
  }
  return result;
}

std::string PictureNotice(const TBoardPicture& Picture) {
  const std::string file = DoubleAmpersands(Picture.File);
  if (Picture.Failure == TPictureFailure::Missing)
    return "The picture of this puzzle is missing:\r\r" + file +
           "\r\rDas Bild dieses Puzzles fehlt:\r\r" + file;
  return "The picture of this puzzle cannot be read:\r\r" + file +
         "\r\rDas Bild dieses Puzzles kann nicht gelesen werden:\r\r" + file;
}
